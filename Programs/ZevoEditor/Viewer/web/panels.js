// The panels beside the scene: sources, subjects, animated targets and the bone mapping of the
// selected target's remap asset, laid out and coloured as the asset's details panel shows it.
// Tables are redrawn a few times a second, not on every state: numbers that change 60 times a
// second cannot be read anyway.

const RedrawSeconds = 0.25;
// The details panel's colours (linear RGBA 0-1 there; sRGB bytes here).
const StatusGreen = 'rgb(51, 255, 51)';
const DuplicateRed = 'rgb(255, 51, 51)';
const MissingOrange = 'rgb(255, 153, 51)';
const UnmappedRow = 'rgb(255, 77, 77)';
const DuplicateRow = 'rgb(255, 204, 0)';

function cell(text, className) {
  const td = document.createElement('td');
  td.textContent = text;
  if (className) td.className = className;
  return td;
}

function fillTable(table, rows) {
  table.tBodies[0].replaceChildren(...rows);
}

function row(...cells) {
  const tr = document.createElement('tr');
  tr.append(...cells);
  return tr;
}

const isOk = (text) => text.toUpperCase() === 'OK';

/** The statistics bar's colour: grey without rows, green all mapped, amber some, red none. */
function barColour(mapped, total) {
  if (total === 0) return 'rgba(51, 51, 51, 0.3)';
  if (mapped === total) return 'rgba(51, 204, 51, 0.3)';
  return mapped > 0 ? 'rgba(230, 179, 26, 0.3)' : 'rgba(204, 51, 51, 0.3)';
}

export class Panels {
  constructor(document) {
    this.sources = document.getElementById('sources');
    this.subjects = document.getElementById('subjects');
    this.targets = document.getElementById('targets');
    this.mapping = document.getElementById('mapping');
    this.mappingAsset = document.getElementById('mapping-asset');
    this.duplicateStatus = document.getElementById('duplicate-status');
    this.missingStatus = document.getElementById('missing-status');
    this.statisticsBar = document.getElementById('statistics-bar');
    this.statisticsText = document.getElementById('statistics-text');
    this.selected = 0;
    this.shownMapping = null;
    this.lastRedraw = 0;
    this.pending = null;
  }

  update(state) {
    this.pending = state;
    const now = performance.now() / 1000;
    if (now - this.lastRedraw < RedrawSeconds) return;
    this.lastRedraw = now;
    this.redraw(state);
  }

  redraw(state) {
    fillTable(this.sources, state.sources.map((source) => row(cell(source.type), cell(source.machine), cell(source.status), cell(source.dropped || '-'))));
    fillTable(this.subjects, state.subjects.map((subject) => {
      const tr = row(cell(subject.name), cell(subject.role), cell(subject.fps.toFixed(1), 'number fps'),
        cell(subject.sinceLastFrame === null ? '-' : `${subject.sinceLastFrame.toFixed(3)} s ago`, 'number'),
        cell(`${subject.dropped} / ${subject.late}`, 'number'));
      tr.dataset.subject = subject.name;
      return tr;
    }));
    if (this.selected >= state.targets.length) this.selected = 0;
    fillTable(this.targets, state.targets.map((target, index) => {
      const tr = row(cell(target.subject), cell(target.asset), cell(target.posesPerSecond.toFixed(1), 'number'));
      tr.className = index === this.selected ? 'selected' : '';
      tr.addEventListener('click', () => {
        this.selected = index;
        this.redraw(this.pending);
      });
      return tr;
    }));
    const target = state.targets[this.selected];
    this.showMapping(target ? target.mapping : null);
  }

  showMapping(mapping) {
    const key = JSON.stringify(mapping);
    if (key === this.shownMapping) return;
    this.shownMapping = key;
    if (!mapping) {
      this.mappingAsset.textContent = '(no animated target)';
      fillTable(this.mapping, []);
      return;
    }
    this.mappingAsset.textContent = mapping.asset;
    this.duplicateStatus.textContent = mapping.DuplicateStatusText;
    this.duplicateStatus.style.color = isOk(mapping.DuplicateStatusText) ? StatusGreen : DuplicateRed;
    this.missingStatus.textContent = mapping.MissingStatusText;
    this.missingStatus.style.color = isOk(mapping.MissingStatusText) ? StatusGreen : MissingOrange;
    this.statisticsText.textContent = mapping.statistics;
    this.statisticsBar.style.width = `${mapping.total ? (100 * mapping.mapped) / mapping.total : 0}%`;
    this.statisticsBar.style.background = barColour(mapping.mapped, mapping.total);
    const rows = [];
    let category = null;
    for (const entry of mapping.rows) {
      if (entry.category !== category) {
        category = entry.category;
        const heading = row(cell(category));
        heading.className = 'category';
        heading.firstChild.colSpan = 2;
        rows.push(heading);
      }
      rows.push(this.mappingRow(entry));
    }
    fillTable(this.mapping, rows);
  }

  mappingRow(entry) {
    const name = document.createElement('td');
    const title = document.createElement('span');
    title.textContent = entry.displayName;
    title.style.color = entry.duplicate ? DuplicateRow : entry.unmapped ? UnmappedRow : '';
    name.append(title);
    if (entry.unmapped) {
      const badge = document.createElement('span');
      badge.className = 'badge unmapped';
      badge.textContent = '[!]';
      badge.title = 'This bone is not mapped to any target bone';
      name.append(badge);
    }
    if (entry.duplicate) {
      const badge = document.createElement('span');
      badge.className = 'badge duplicate';
      badge.textContent = '[DUPLICATE]';
      badge.title = entry.duplicateToolTip;
      name.append(badge);
    }
    const tr = row(name, cell(entry.target === null ? 'None' : entry.target));
    tr.dataset.bone = entry.bone;
    return tr;
  }
}
