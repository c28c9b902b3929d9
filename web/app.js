'use strict';
// The page is a front end only: every text, rule and number comes from the core (engine.js,
// the C++ core in WebAssembly). Texts cross as Latin-1 strings, one character per byte.
//
// Organised as the desktop program is: the inputs shown from the engine (refresh), every
// change kept at once (changed), the commands and files (run, openFiles), and what the page
// shows of the results drawn in one place (render).

const $ = (selector) => document.querySelector(selector);
const PAVEMENT = ['h', 'k', 'Sc'];
const TRAFFIC = ['ADT', 'TD', 'grow', 'DD', 'LD', 'LSF', 'Years'];
const AXLE_COLUMNS = ['single-load', 'single-count', 'tandem-load', 'tandem-count'];
const AXLES = [];
for (let row = 1; row <= 10; ++row) for (const c of AXLE_COLUMNS) AXLES.push(`${c}-${row}`);
const FIELDS = [...PAVEMENT, ...TRAFFIC, ...AXLES];
const STORE = 'zan-design-inputs';

let engine;
let names;              // the program's names and frame texts (engine.names())
let fileName = '';      // the opened file's name as the system gave it, for the memo and the downloads
let accepted = {};      // each field's text when it was last accepted, for a refused edit

// Characters beyond Latin-1 cannot be stored in a .DEF file; they become '?'.
const latin1 = (text) => text.replace(/[^\u0000-\u00ff]/g, '?');
const lf = (text) => text.replace(/\r\n/g, '\n');
const two = (n) => String(n).padStart(2, '0');
const day = (d) => `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
const minute = (d) => `${two(d.getHours())}:${two(d.getMinutes())}`;

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

function buildProjectFields() {
  $('#project-title').textContent = engine.projectTitle();
  for (const field of engine.projectFields()) {
    const label = document.createElement('label');
    label.htmlFor = field.id;
    label.textContent = field.caption;
    const input = document.createElement('input');
    input.id = field.id;
    input.type = 'text';
    input.className = field.id;
    $('#project-fields').append(label, input);
  }
}

// Shows the workspace as it reads now; reading never creates a section or locks the units.
function refresh() {
  for (const id of FIELDS) {
    const input = document.getElementById(id);
    input.value = accepted[id] = engine.text(id);
    input.title = engine.tooltip(id);
  }
  for (const field of engine.projectFields()) document.getElementById(field.id).value = field.text;
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

// ---- Nothing typed is lost -------------------------------------------------------------

// Every change goes into the browser's storage at once, with its time.
function remember() {
  try {
    localStorage.setItem(STORE, JSON.stringify({ time: Date.now(), fileName, state: engine.state() }));
  } catch (error) {
    // Storage refused or full: the leave-page question still guards the inputs.
  }
}

function forget() {
  try { localStorage.removeItem(STORE); } catch (error) { /* nothing was kept */ }
}

// Brings back the inputs of the last visit; a stored value the engine cannot take is dropped.
function recall() {
  let kept;
  try { kept = JSON.parse(localStorage.getItem(STORE)); } catch (error) { return; }
  if (!kept || !kept.state) return;
  try {
    engine.restore(kept.state);
  } catch (error) {
    forget();
    return;
  }
  fileName = typeof kept.fileName === 'string' ? kept.fileName : '';
  $('#restored-text').textContent = `Your inputs from ${minute(new Date(kept.time))} were restored`;
  $('#restored').hidden = false;
}

function startAfresh() {
  engine.reset();
  fileName = '';
  forget();
  $('#restored').hidden = true;
  $('#report').replaceChildren();
  refresh();
  render();
}

// After any change of the inputs: kept, and the warnings and the memo's first page follow.
function changed() {
  remember();
  refreshUnits();
  renderInputs();
}

// ---- Message boxes ----------------------------------------------------------------------

const BUTTON_SETS = {
  'ok': ['ok'],
  'yes-no': ['yes', 'no'],
  'yes-no-cancel': ['yes', 'no', 'cancel'],
  'cancel-try-again-continue': ['cancel', 'try-again', 'continue'],
};

// Shows a message and resolves with the button pressed; Escape answers as the last button.
function showMessage(text, title = names.shortName, buttons = 'ok') {
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

// A failure nobody foresaw still ends in a message, never in silence.
async function showFailure(error) {
  await showMessage(String((error && error.message) || error), names ? names.shortName : document.title);
}
const guarded = (handler) => async (...args) => {
  try { await handler(...args); } catch (error) { await showFailure(error); }
};

// ---- What the page shows ----------------------------------------------------------------

const unit = () => (engine.units() === 1 ? 'cm' : 'in');

// The parts that follow the inputs: the file line, the verdict and warnings, the memo's first
// page and every printed page's frame.
function renderInputs() {
  const now = new Date();
  const inputs = fileName || names.unsavedInputs;
  $('#file-line').textContent = `${inputs} \u2014 ${day(now)} ${minute(now)}`;
  Memo.firstPage(engine, day(now));
  Memo.frame(names, inputs, `${day(now)} ${minute(now)}`);
}

// Everything the page shows of the last run, from what the engine returns.
function render() {
  renderInputs();
  const results = engine.hasResults();
  $('#charts').hidden = !results;
  if (!results) return;
  Charts.draw(engine, unit());
  Memo.details(engine);
}

// A command's outcome: the report box, the page, then its message and any second message.
// `shownName` gives the name a message shows for the Latin-1 name the core was given.
async function show(outcome, shownName = (text) => text) {
  if (outcome.hasReport) Memo.report(engine, outcome.report);
  refresh();
  remember();
  render();
  if (outcome.hasMessage) await showMessage(shownName(outcome.messageText), outcome.messageTitle, outcome.buttons);
  if (outcome.hasWarning) await showMessage(shownName(outcome.warningText));
}

async function run(command) {
  await checkAllFields();
  document.body.classList.add('busy');
  let outcome;
  try {
    outcome = command();
  } finally {
    document.body.classList.remove('busy');
  }
  await show(outcome);
}

// ---- Files ------------------------------------------------------------------------------

// The file's bytes as a Latin-1 string, one character per byte.
async function readBytes(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  let text = '';
  for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode(...bytes.subarray(i, i + 8192));
  return text;
}

// Reads one file as the desktop does: refused by its size before a byte is read, and any
// failure said in a message, the inputs left as they were.
async function openFile(file) {
  const name = latin1(file.name);
  const shownName = (text) => text.split(name).join(file.name);
  let outcome = engine.refusalBySize(file.size, name);
  if (!outcome.hasMessage) {
    try {
      outcome = engine.readDef(await readBytes(file), name);
    } catch (error) {
      outcome = engine.unreadableFile(name, latin1(String((error && error.message) || error)));
    }
  }
  if (outcome.status === 0) fileName = file.name;
  await show(outcome, shownName);
}

// One file is read at a time: the first, and a message names it and the others.
async function openFiles(files) {
  if (files.length === 0) return;
  await openFile(files[0]);
  if (files.length > 1) {
    const others = files.slice(1).map((f) => f.name).join('\r\n');
    await showMessage(names.onlyFirstFileRead.replace('%1', () => files[0].name).replace('%2', () => others));
  }
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
  remember();
  if (!result.ok) return showMessage(result.error);
  download(result.bytes, `${baseName()}${extension}`, type);
}

// ---- The range check --------------------------------------------------------------------

// Checks one field as the desktop program's OK does: an invalid text is refused and the
// field goes back to its last accepted text; an out-of-range value brings the range question.
let checking = Promise.resolve();
function checkField(id) {
  checking = checking.then(() => checkNow(id)).catch(showFailure);
  return checking;
}

async function checkNow(id) {
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
      await showMessage(check.keepMessage);
    }
  }
  input.value = accepted[id] = engine.text(id);
  changed();
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

function wireInputs() {
  for (const id of FIELDS) {
    const input = document.getElementById(id);
    input.addEventListener('input', () => {
      engine.setText(id, latin1(input.value));
      pending.add(id);
      changed();
    });
    input.addEventListener('change', () => { pending.delete(id); checkField(id); });
  }
  for (const field of engine.projectFields()) {
    const input = document.getElementById(field.id);
    input.addEventListener('input', () => { engine.setProjectText(field.id, latin1(input.value)); changed(); });
    input.addEventListener('change', () => { input.value = engine.setProjectText(field.id, latin1(input.value)); });
  }
  for (const [id, option, yes] of [['shoulder-yes', 'shoulder', true], ['shoulder-no', 'shoulder', false],
    ['dowels-yes', 'dowels', true], ['dowels-no', 'dowels', false]]) {
    document.getElementById(id).addEventListener('change', () => { engine.setOption(option, yes); changed(); });
  }
  for (const radio of document.querySelectorAll('input[name=units]')) {
    radio.addEventListener('change', () => { engine.chooseUnits(Number(radio.value)); refresh(); changed(); });
  }
  for (const button of document.querySelectorAll('[data-category]')) {
    button.addEventListener('click', () => {
      const c = button.dataset.category;
      if (c === 'standard') engine.loadStandard(); else engine.applyCategory(Number(c));
      refresh();
      changed();
    });
  }
}

function wireCommands() {
  for (const button of document.querySelectorAll('[data-kind]')) {
    button.addEventListener('click', guarded(() => run(() => engine.analyse(Number(button.dataset.kind)))));
  }
  $('#design-thickness').addEventListener('click', guarded(() => run(() => engine.designThickness())));
  $('#inputs').addEventListener('submit', (event) => event.preventDefault());
  $('#open-file').addEventListener('change', guarded(async (event) => {
    const files = [...event.target.files];
    event.target.value = '';
    await openFiles(files);
  }));
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', guarded(async (event) => {
    event.preventDefault();
    await openFiles([...event.dataTransfer.files]);
  }));
  $('#download-def').addEventListener('click', guarded(async () => {
    await checkAllFields();
    await save(engine.defBytes(), '.DEF', 'application/octet-stream');
  }));
  $('#download-report').addEventListener('click', guarded(async () => {
    await checkAllFields();
    await save(engine.reportBytes(), '.PRN', 'text/plain');
  }));
  $('#download-details').addEventListener('click', guarded(() => save({ ok: true, bytes: engine.detailsCsv() }, '.csv', 'text/csv')));
  $('#print').addEventListener('click', guarded(async () => {
    await checkAllFields();
    renderInputs();
    $('#details-box').open = true;
    window.print();
  }));
  window.addEventListener('beforeprint', () => { renderInputs(); $('#details-box').open = true; });
  $('#start-afresh').addEventListener('click', guarded(startAfresh));
  // The browser's own leave-page question, while the inputs differ from the last .DEF.
  window.addEventListener('beforeunload', (event) => {
    if (!engine.unsaved()) return;
    event.preventDefault();
    event.returnValue = '';
  });
}

async function start() {
  try {
    const module = await createZanEngine();
    engine = new module.Engine();
    names = engine.names();
    buildAxleRows();
    buildProjectFields();
    recall();
    wireInputs();
    wireCommands();
    refresh();
    render();
  } catch (error) {
    await showFailure(error);
    return;
  }
  document.body.dataset.readyAt = performance.now().toFixed(0);  // after navigation start
  document.body.dataset.ready = 'true';
}

if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start); else start();
