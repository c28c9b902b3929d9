'use strict';
// The page is a front end only: every text, rule and number comes from the core (engine.js,
// the C++ core in WebAssembly). Texts cross as Latin-1 strings, one character per byte.

const $ = (selector) => document.querySelector(selector);
const PAVEMENT = ['h', 'k', 'Sc'];
const TRAFFIC = ['ADT', 'TD', 'grow', 'DD', 'LD', 'LSF', 'Years'];
const AXLE_COLUMNS = ['single-load', 'single-count', 'tandem-load', 'tandem-count'];
const AXLES = [];
for (let row = 1; row <= 10; ++row) for (const c of AXLE_COLUMNS) AXLES.push(`${c}-${row}`);
const FIELDS = [...PAVEMENT, ...TRAFFIC, ...AXLES];
const ANALYSIS_KINDS = ['fatigue', 'erosion', 'both'];

let engine;
let fileName = '';      // the opened file's name, for the memo and the downloads
let accepted = {};      // each field's text when it was last accepted, for a refused edit

// Characters beyond Latin-1 cannot be stored in a .DEF file; they become '?'.
const latin1 = (text) => text.replace(/[^\u0000-\u00ff]/g, '?');
const lf = (text) => text.replace(/\r\n/g, '\n');

function buildAxleRows() {
  const body = $('#axle-rows');
  for (let row = 1; row <= 10; ++row) {
    const tr = document.createElement('tr');
    tr.id = `axle-row-${row}`;
    for (const c of AXLE_COLUMNS) {
      const td = document.createElement('td');
      const input = document.createElement('input');
      input.id = `${c}-${row}`;
      input.inputMode = 'decimal';
      input.className = c.startsWith('tandem') ? 'tandem' : 'single';
      td.append(input);
      tr.append(td);
    }
    body.append(tr);
  }
}

// Shows the workspace as it reads now; reading never creates a section or locks the units.
function refresh() {
  for (const id of FIELDS) {
    const input = document.getElementById(id);
    input.value = accepted[id] = engine.text(id);
    if (engine.tooltip) input.title = engine.tooltip(id);
  }
  for (const id of PAVEMENT) document.getElementById(`${id}-caption`).textContent = engine.caption(id);
  const heading = engine.caption('axle-load');
  document.querySelectorAll('.load-heading').forEach((th) => { th.textContent = heading; });
  const metric = engine.units() === 1;
  for (const id of AXLES) {
    const [axle, kind, row] = id.split('-');
    const unit = kind === 'load' ? (metric ? 'kN' : 'kips') : 'axles per 1000 trucks';
    const input = document.getElementById(id);
    input.setAttribute('aria-label', `${axle === 'single' ? 'Single' : 'Tandem'} axle ${kind}, row ${row}, ${unit}`);
  }
  const tandemShown = engine.lastTandemRowShown();
  for (const c of ['tandem-load-10', 'tandem-count-10']) document.getElementById(c).hidden = !tandemShown;
  $('#shoulder-yes').checked = engine.option('shoulder');
  $('#shoulder-no').checked = !engine.option('shoulder');
  $('#dowels-yes').checked = engine.option('dowels');
  $('#dowels-no').checked = !engine.option('dowels');
  refreshUnits();
}

function refreshUnits() {
  const metric = engine.units() === 1;
  $('#unit-english').checked = !metric;
  $('#unit-metric').checked = metric;
  const locked = engine.unitChoiceLocked();
  $('#unit-english').disabled = $('#unit-metric').disabled = locked;
  $('#units').title = locked ? 'The inputs are in these units now; reading a .DEF file changes them.' : '';
  const results = engine.hasResults();
  $('#download-report').disabled = !results;
  $('#download-details').disabled = !results;
}

// ---- Message boxes ----------------------------------------------------------------------

const BUTTON_SETS = {
  'ok': ['ok'],
  'yes-no': ['yes', 'no'],
  'yes-no-cancel': ['yes', 'no', 'cancel'],
  'cancel-try-again-continue': ['cancel', 'try-again', 'continue'],
};

// Shows a message and resolves with the button pressed; Escape answers as the last button.
function showMessage(text, title, buttons = 'ok') {
  const dialog = $('#message');
  const shown = BUTTON_SETS[buttons] || BUTTON_SETS.ok;
  $('#message-title').textContent = title;
  $('#message-text').textContent = lf(text).replace(/\n$/, '');
  for (const button of dialog.querySelectorAll('.buttons button')) {
    button.hidden = !shown.includes(button.value);
  }
  return new Promise((resolve) => {
    const answer = (value) => {
      dialog.removeEventListener('close', onClose);
      dialog.querySelectorAll('.buttons button').forEach((b) => { b.onclick = null; });
      if (dialog.open) dialog.close();
      resolve(value);
    };
    // A close event is queued: one from the previous message may arrive after this one opened.
    const onClose = () => { if (!dialog.open) answer(shown[shown.length - 1]); };
    dialog.querySelectorAll('.buttons button').forEach((b) => { b.onclick = () => answer(b.value); });
    dialog.addEventListener('close', onClose);
    dialog.showModal();
    document.getElementById(`message-${shown[0]}`).focus();
  });
}

// ---- Commands ---------------------------------------------------------------------------

async function show(outcome) {
  if (outcome.hasReport) $('#report').textContent = lf(outcome.report);
  refresh();
  if (outcome.status === 0 && engine.hasResults()) drawMemo(); else if (!engine.hasResults()) hideMemo();
  if (outcome.hasMessage) await showMessage(outcome.messageText, outcome.messageTitle, outcome.buttons);
  // After "Loaded!", what the program says about the file's inputs, as the desktop shows it.
  if (outcome.hasWarning) await showMessage(outcome.warningText, outcome.messageTitle, 'ok');
}

function hideMemo() {
  $('#charts').hidden = true;
  $('#verdict').textContent = '';
}

function drawMemo() {
  const damage = engine.rowDamage();
  const parts = [];
  if (damage.fatigueSelected) parts.push(`total fatigue damage ${damage.fatigueText} %`);
  if (damage.erosionSelected) parts.push(`total erosion damage ${damage.erosionText} %`);
  const fails = (damage.fatigueSelected && damage.totalFatigue > 100) || (damage.erosionSelected && damage.totalErosion > 100);
  const verdict = fails ? 'exceeds 100 %' : 'within 100 %';
  $('#verdict').textContent = `Trial thickness ${engine.text('h').trim()} ${engine.units() ? 'cm' : 'in'}: ${parts.join(', ')} (${verdict}).`;
  $('#charts').hidden = false;
  Charts.draw(engine, engine.units() === 1 ? 'cm' : 'in');
}

function project() {
  const when = new Date().toISOString().slice(0, 16).replace('T', ' ');
  $('#project').textContent = `${fileName || 'Unsaved inputs'} \u2014 ${when} UTC`;
}

async function run(command) {
  await checkAllFields();
  document.body.classList.add('busy');
  const outcome = command();
  document.body.classList.remove('busy');
  project();
  await show(outcome);
}

async function openFile(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  let text = '';
  for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode(...bytes.subarray(i, i + 8192));
  const outcome = engine.readDef(text, file.name);
  if (outcome.status === 0) fileName = file.name;
  project();
  await show(outcome);
}

function download(bytes, name, type) {
  const data = Uint8Array.from(bytes, (c) => c.charCodeAt(0));
  const url = URL.createObjectURL(new Blob([data], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

function baseName() {
  return (fileName || 'design').replace(/\.[^.]*$/, '');
}

async function save(result, extension, type) {
  refreshUnits();
  if (!result.ok) return showMessage(result.error, 'ZAN Design');
  download(result.bytes, `${baseName()}${extension}`, type);
}

// ---- The range check --------------------------------------------------------------------

// Checks one field as the desktop program's OK does: an invalid text is refused and the
// field goes back to its last accepted text; an out-of-range value brings the range question.
let checking = Promise.resolve();
function checkField(id) {
  checking = checking.then(() => checkNow(id));
  return checking;
}

async function checkNow(id) {
  if (!engine.checkField) return;
  const input = document.getElementById(id);
  const check = engine.checkField(id);
  if (check.kind === 'invalid') {
    await showMessage(check.prompt, check.title, 'cancel-try-again-continue');
    engine.setText(id, accepted[id]);
  } else if (check.kind === 'below' || check.kind === 'above') {
    const answer = await showMessage(check.prompt, check.title, 'yes-no');
    if (answer === 'yes') {
      engine.setText(id, check.bound);
    } else {
      await showMessage(check.keepMessage, 'ZAN Design');
    }
  }
  input.value = accepted[id] = engine.text(id);
}

const pending = new Set();
async function checkAllFields() {
  for (const id of [...pending]) {
    pending.delete(id);
    checkField(id);
  }
  await checking;
}

// ---- Wiring -----------------------------------------------------------------------------

function wire() {
  for (const id of FIELDS) {
    const input = document.getElementById(id);
    input.addEventListener('input', () => {
      engine.setText(id, latin1(input.value));
      pending.add(id);
      refreshUnits();
    });
    input.addEventListener('change', () => { pending.delete(id); checkField(id); });
  }
  for (const [id, option, yes] of [['shoulder-yes', 'shoulder', true], ['shoulder-no', 'shoulder', false],
    ['dowels-yes', 'dowels', true], ['dowels-no', 'dowels', false]]) {
    document.getElementById(id).addEventListener('change', () => { engine.setOption(option, yes); refreshUnits(); });
  }
  for (const radio of document.querySelectorAll('input[name=units]')) {
    radio.addEventListener('change', () => { engine.chooseUnits(Number(radio.value)); refresh(); });
  }
  for (const button of document.querySelectorAll('[data-category]')) {
    button.addEventListener('click', () => {
      const c = button.dataset.category;
      if (c === 'standard') engine.loadStandard(); else engine.applyCategory(Number(c));
      refresh();
    });
  }
  for (const button of document.querySelectorAll('[data-kind]')) {
    button.addEventListener('click', () => run(() => engine.analyse(Number(button.dataset.kind))));
  }
  $('#design-thickness').addEventListener('click', () => run(() => engine.designThickness()));
  $('#inputs').addEventListener('submit', (event) => event.preventDefault());
  $('#open-file').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (file) await openFile(file);
  });
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    const file = event.dataTransfer.files[0];
    if (file) openFile(file);
  });
  $('#download-def').addEventListener('click', async () => {
    await checkAllFields();
    save(engine.defBytes(), '.DEF', 'application/octet-stream');
  });
  $('#download-report').addEventListener('click', async () => {
    await checkAllFields();
    save(engine.reportBytes(), '.PRN', 'text/plain');
  });
  $('#download-details').addEventListener('click', () => {
    save({ ok: true, bytes: engine.detailsCsv() }, '.csv', 'text/csv');
  });
  $('#print').addEventListener('click', () => {
    $('#details-box').open = true;
    window.print();
  });
  window.addEventListener('beforeprint', () => { $('#details-box').open = true; });
}

createZanEngine().then((module) => {
  engine = new module.Engine();
  buildAxleRows();
  wire();
  refresh();
  project();
  document.body.dataset.readyAt = performance.now().toFixed(0);  // after navigation start
  document.body.dataset.ready = 'true';
});
