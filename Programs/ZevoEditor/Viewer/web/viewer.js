// The live viewer page: the 3D scene and the panels, fed by the editor's state after each tick.
import { connectFeed } from '/feed.js';
import { Panels } from '/panels.js';
import { ViewerScene } from '/scene.js';

const scene = new ViewerScene(document.getElementById('scene'));
const panels = new Panels(document);
const connection = document.getElementById('connection');
let latest = null;

document.getElementById('frame-all').addEventListener('click', () => scene.frameAll());
const sideBySide = document.getElementById('side-by-side');
sideBySide.addEventListener('change', () => scene.setSideBySide(sideBySide.checked));

connectFeed({
  onState(state) {
    latest = state;
    scene.update(state);
    panels.update(state);
  },
  onStatus(status) {
    connection.textContent = status === 'live' ? 'Live' : 'Reconnecting to the editor…';
    connection.className = `connection ${status === 'live' ? 'live' : 'waiting'}`;
  },
});

// For scripts and tests: what the page holds now.
window.zevoViewer = {
  scene,
  latestState: () => latest,
  counts: () => scene.counts(),
  jointPosition: (kind, owner, bone) => scene.jointPosition(kind, owner, bone),
};
