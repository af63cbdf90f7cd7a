// The viewer in a real browser: Debian's Chromium, headless, driven by playwright-core (which
// downloads no browser of its own), opens the page of a real zevo-editor fed by the real
// zevo-stream and checks what a person would look at: the characters, props and actors in the
// scene, joints that move and sit where the feed says, about 60 frames a second in the subject
// panel, the remap asset's counts in the mapping panel; then it stops the editor, sees the page
// say it is reconnecting, restarts the editor and sees the page come back.
//
//   node ViewerBrowserTest.mjs EDITOR STREAM DEMO_DIR SCREENSHOT README_SCREENSHOT
//
// The screenshot goes to SCREENSHOT, or with ZEVO_UPDATE_SCREENSHOT=1 to README_SCREENSHOT (so that
// an ordinary test run leaves the checked-in picture alone).
//
// Exit codes: 0 passed, 1 failed, 77 skipped (no Chromium at /usr/bin/chromium).
import { spawn, spawnSync } from 'node:child_process';
import dgram from 'node:dgram';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

const [editorProgram, streamProgram, demoDir, buildScreenshot, readmeScreenshot] = process.argv.slice(2);
const screenshotPath = process.env.ZEVO_UPDATE_SCREENSHOT === '1' ? readmeScreenshot : buildScreenshot;
const Browser = '/usr/bin/chromium';
const RemapAsset = '/Game/Characters/Mannequin_Remap';
const Expected = { skeletons: 2, targets: 1, props: 1, actors: 2 };
const Tolerance = 1e-3;

if (!fs.existsSync(Browser)) {
  console.log(`SKIPPED: no Chromium at ${Browser} (Debian's chromium package, installed by scripts/install-deps)`);
  process.exit(77);
}

const failures = [];
const check = (condition, message) => {
  if (!condition) failures.push(message);
  console.log(`${condition ? 'ok' : 'FAILED'}: ${message}`);
};

/** Polls test() every 100 ms until it returns something truthy or seconds pass; returns the last result. */
async function waitFor(test, seconds) {
  const deadline = Date.now() + seconds * 1000;
  for (;;) {
    const result = await test();
    if (result || Date.now() > deadline) return result;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

/** A project with the Demo's character, remap asset and level, and no saved connection. */
function makeProject() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zevo-viewer-browser-'));
  for (const file of ['Content/Characters/Mannequin.json', 'Content/Characters/Mannequin_Remap.json', 'Content/Maps/Main.json']) {
    fs.mkdirSync(path.dirname(path.join(dir, file)), { recursive: true });
    fs.copyFileSync(path.join(demoDir, file), path.join(dir, file));
  }
  return dir;
}

/** zevo-editor run --view PORT; resolves with the process and the page's address once it is serving. */
function startEditor(project, viewPort, sourcePort) {
  const editor = spawn(editorProgram, ['run', '--project', project, '--source', `127.0.0.1:${sourcePort}`,
    '--animate', `Actor1=${RemapAsset}`, '--view', String(viewPort)], { stdio: ['ignore', 'pipe', 'pipe'] });
  let out = '';
  let err = '';
  editor.stderr.on('data', (data) => { err += data; });
  return new Promise((resolve, reject) => {
    editor.stdout.on('data', (data) => {
      out += data;
      const match = out.match(/Viewer: open (http:\/\/[0-9.]+:(\d+)\/)/);
      if (match) resolve({ editor, url: match[1], port: Number(match[2]) });
    });
    editor.on('exit', (code) => reject(new Error(`zevo-editor exited with ${code} before serving:\n${out}\n${err}`)));
  });
}

function stopEditor(editor) {
  return new Promise((resolve) => {
    if (editor.exitCode !== null || editor.signalCode !== null) {
      resolve();
      return;
    }
    editor.removeAllListeners('exit');
    editor.on('exit', resolve);
    editor.kill('SIGINT');
  });
}

/** A UDP port of 127.0.0.1 that was free a moment ago. */
function freeUdpPort() {
  return new Promise((resolve) => {
    const socket = dgram.createSocket('udp4');
    socket.bind(0, '127.0.0.1', () => {
      const { port } = socket.address();
      socket.close(() => resolve(port));
    });
  });
}

const distance = (a, b) => Math.hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
const sameCounts = (counts) => JSON.stringify(counts) === JSON.stringify(Expected);

/** The characters, props and actors are there, and joints move and sit where the feed says. */
async function checkScene(page) {
  const counts = await waitFor(async () => {
    const now = await page.evaluate(() => window.zevoViewer && window.zevoViewer.counts());
    return now && sameCounts(now) ? now : null;
  }, 20);
  check(counts, `the scene holds ${JSON.stringify(Expected)} (has ${JSON.stringify(await page.evaluate(() => window.zevoViewer.counts()))})`);

  // A joint where the page drew it, and the feed's value in the state it drew from.
  const sample = () => page.evaluate(() => {
    const state = window.zevoViewer.latestState();
    const bone = state.subjects.find((subject) => subject.name === 'Actor1').bones.find((b) => b.name === 'LeftWrist');
    const target = state.targets[0].bones.find((b) => b.name === 'hand_l');
    return { time: state.time, drawn: window.zevoViewer.jointPosition('stream', 'Actor1', 'LeftWrist'), feed: bone.p,
      drawnTarget: window.zevoViewer.jointPosition('target', 'Actor1', 'hand_l'), feedTarget: target.p,
      offset: window.zevoViewer.scene.targetLayer.position.toArray() };
  });
  const first = await sample();
  await page.waitForTimeout(500);
  const second = await sample();
  check(second.time > first.time && distance(first.drawn, second.drawn) > 0.5,
    `a joint moves between two moments (${JSON.stringify(first.drawn)} then ${JSON.stringify(second.drawn)})`);
  for (const { drawn, feed, drawnTarget, feedTarget, offset } of [first, second]) {
    check(distance(drawn, feed) < Tolerance, `the stream joint is drawn where the feed puts it (${drawn} vs ${feed})`);
    const shifted = feedTarget.map((value, axis) => value + offset[axis]);
    check(distance(drawnTarget, shifted) < Tolerance, `the retargeted joint is drawn where the feed puts it, beside the stream (${drawnTarget} vs ${shifted})`);
  }
}

/** About 60 frames a second for a subject, and the remap asset's counts as `remap show --json` gives them. */
async function checkPanels(page, project) {
  const fps = await waitFor(async () => {
    const text = await page.locator('#subjects tr[data-subject="Actor1"] td.fps').textContent().catch(() => '');
    const value = Number.parseFloat(text);
    return value >= 50 && value <= 70 ? value : null;
  }, 15);
  check(fps, `the subject panel shows about 60 frames per second (${fps})`);

  const shown = spawnSync(editorProgram, ['remap', '--project', project, 'show', RemapAsset, '--json'], { encoding: 'utf8' });
  const rows = Object.values(JSON.parse(shown.stdout).rows);
  const mapped = rows.filter((target) => target !== null).length;
  const statistics = `Mapped: ${mapped} / ${rows.length} (${Math.floor((mapped * 100) / rows.length)}%)`;
  check(await page.locator('#statistics-text').textContent() === statistics, `the mapping panel reads "${statistics}"`);
  check(await page.locator('#mapping tr[data-bone]').count() === rows.length, `the mapping panel has ${rows.length} rows`);
}

/** Stops the editor, sees the page wait for it, restarts it on the same port, sees the page recover; returns the new editor. */
async function checkReconnection(page, editor, project, port, sourcePort) {
  await stopEditor(editor);
  const waiting = await waitFor(async () => (await page.locator('#connection').textContent()).includes('Reconnecting'), 10);
  check(waiting, 'with the editor stopped the page says it is reconnecting');
  const restarted = (await startEditor(project, port, sourcePort)).editor;
  const back = await waitFor(async () => (await page.locator('#connection').textContent()) === 'Live', 15);
  check(back, 'with the editor back the page is live again');
  const recovered = await waitFor(async () => sameCounts(await page.evaluate(() => window.zevoViewer.counts())), 20);
  check(recovered, 'and shows the characters again');
  return restarted;
}

async function run() {
  const project = makeProject();
  const sourcePort = await freeUdpPort();
  let { editor, url, port } = await startEditor(project, 0, sourcePort);
  const stream = spawn(streamProgram, ['--to', `127.0.0.1:${sourcePort}`, '--actors', '2', '--props', '1', '--rate', '60', '--for', '60'],
    { stdio: 'ignore' });
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zevo-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: Browser,
    headless: true,
    viewport: { width: 1400, height: 800 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
  try {
    const page = context.pages()[0] || (await context.newPage());
    const consoleErrors = [];
    page.on('console', (message) => { if (message.type() === 'error') consoleErrors.push(message.text()); });
    page.on('pageerror', (error) => consoleErrors.push(error.message));
    await page.goto(url);
    await checkScene(page);
    await checkPanels(page, project);
    check(consoleErrors.length === 0, `no console error (${consoleErrors.join(' | ')})`);
    await page.click('#frame-all');
    await page.waitForTimeout(200);
    await page.screenshot({ path: screenshotPath });
    editor = await checkReconnection(page, editor, project, port, sourcePort);
  } finally {
    await context.close();
    stream.kill('SIGINT');
    await stopEditor(editor);
    fs.rmSync(project, { recursive: true, force: true });
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

try {
  await run();
} catch (error) {
  failures.push(error.stack || String(error));
  console.log(`FAILED: ${error.stack || error}`);
}
console.log(failures.length ? `${failures.length} check(s) failed` : 'all checks passed');
process.exit(failures.length ? 1 : 0);
