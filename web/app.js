'use strict';
// The page is a front end only: every text, rule and number comes from the core (engine.js,
// the C++ core in WebAssembly), the page's own texts from the same catalogue (texts.js). Texts
// cross as Latin-1 strings, one character per byte.
//
// Organised as the desktop program is: the inputs built and shown from the engine (build,
// refresh), every change kept at once (changed), the commands and files (run, openFiles), the
// documents of the last run drawn in one place (render), and the question before a document
// leaves while the inputs differ from the last run's (tablesMayGoOut).

const $ = (selector) => document.querySelector(selector);
const STORE = 'zan-design-inputs';
const LANGUAGE_STORE = 'zan-design-language';

let engine;
let names;              // the program's names, the run's and the memo's texts (engine.names())
let fieldIds = [];      // every numeric input's web id, in the core's order
let fileName = '';      // the opened file's name as the system gave it, for the memo and the downloads
let runFile = '';       // the name of the file the last run's inputs came from
let drawn = '';         // the run and the language the report and the charts show
let accepted = {};      // each field's text when it was last accepted, for a refused edit

// Characters beyond Latin-1 cannot be stored in a .DEF file; they become '?'.
const latin1 = (text) => text.replace(/[^\u0000-\u00ff]/g, '?');
const lf = (text) => text.replace(/\r\n/g, '\n');
const two = (n) => String(n).padStart(2, '0');
const minute = (d) => `${two(d.getHours())}:${two(d.getMinutes())}`;
const arg = (text, ...args) => text.replace(/%(\d)/g, (m, n) => (n <= args.length ? args[n - 1] : m));
// A text of the page in the language in force.
const tr = (key) => engine.translate('Web', PageTexts[key]);

// ---- The page's parts, made from the engine ---------------------------------------------

function buildInputs() {
  const fields = engine.fields();
  fieldIds = fields.map((f) => f.id);
  const rows = new Map();
  for (const f of fields) {
    const input = document.createElement('input');
    input.id = f.id;
    input.inputMode = 'decimal';
    if (f.group !== 'axles') {
      const label = document.createElement('label');
      label.htmlFor = f.id;
      label.id = `${f.id}-caption`;
      $(`#${f.group}-fields`).append(label, input);
      continue;
    }
    if (!rows.has(f.row)) {
      const tr = document.createElement('tr');
      tr.id = `axle-row-${f.row}`;
      rows.set(f.row, tr);
      $('#axle-rows').append(tr);
    }
    const td = document.createElement('td');
    td.append(input);
    rows.get(f.row).append(td);
  }
}

function buildProjectFields() {
  for (const field of engine.projectFields()) {
    const label = document.createElement('label');
    label.htmlFor = field.id;
    label.id = `${field.id}-caption`;
    const input = document.createElement('input');
    input.id = field.id;
    input.type = 'text';
    input.className = field.id;
    $('#project-fields').append(label, input);
  }
}

// The language chosen before on this browser, or else the first of the browser's languages
// the program has, or else English.
function chooseLanguage() {
  const codes = engine.languages();
  let code = '';
  try { code = localStorage.getItem(LANGUAGE_STORE) || ''; } catch (error) { /* none kept */ }
  if (!codes.includes(code)) {
    code = '';
    for (const tag of navigator.languages || [navigator.language || '']) {
      code = engine.matchLanguage(tag);
      if (code) break;
    }
  }
  engine.setLanguage(code || codes[0]);
  const select = $('#language');
  select.replaceChildren(...codes.map((c) => new Option(engine.translateTo(c, 'Language', PageTexts.languageName), c)));
  select.value = engine.language();
}

// The texts that do not follow the inputs, in the language in force.
function showTexts() {
  names = engine.names();
  document.documentElement.lang = engine.language();
  document.title = $('#title').textContent = names.title;
  for (const e of document.querySelectorAll('[data-text]')) e.textContent = tr(e.dataset.text);
  for (const e of document.querySelectorAll('[data-label]')) e.setAttribute('aria-label', tr(e.dataset.label));
  $('#project-title').textContent = names.projectTitle;
  for (const field of engine.projectFields()) $(`#${field.id}-caption`).textContent = field.caption;
  $('#stale-text').textContent = names.inputsChangedNotice;
  $('#analyse-again').textContent = names.analyseAgain;
  $('#analyse-again').title = names.analyseAgainTip;
}

// Shows the workspace as it reads now; reading never creates a section or locks the units.
function refresh() {
  for (const f of engine.fields()) {
    const input = document.getElementById(f.id);
    input.value = accepted[f.id] = f.text;
    input.title = f.tooltip;
    if (f.group === 'axles') input.setAttribute('aria-label', f.label);
    else document.getElementById(`${f.id}-caption`).textContent = f.caption;
  }
  for (const field of engine.projectFields()) document.getElementById(field.id).value = field.text;
  const c = engine.captions();
  document.querySelectorAll('.load-heading').forEach((th) => { th.textContent = c.axleLoad; });
  $('#single-heading').textContent = c.single;
  $('#tandem-heading').textContent = c.tandem;
  document.querySelectorAll('.per-1000').forEach((th) => { th.textContent = c.axlesPer1000; });
  $('#shoulder-caption').textContent = c.shoulder;
  $('#dowels-caption').textContent = c.dowels;
  for (const b of document.querySelectorAll('[data-category]')) {
    b.textContent = b.dataset.category === 'standard' ? c.inputAxles : c.categories[Number(b.dataset.category)];
  }
  document.querySelectorAll('.choice .yes').forEach((s) => { s.textContent = c.yes; });
  document.querySelectorAll('.choice .no').forEach((s) => { s.textContent = c.no; });
  const tandemShown = engine.lastTandemRowShown();
  for (const id of ['tandem-load-10', 'tandem-count-10']) document.getElementById(id).hidden = !tandemShown;
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
  $('#units').title = locked ? tr('unitsLocked') : '';
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
  showRestored(kept.time);
}

function showRestored(time) {
  $('#restored-text').textContent = arg(tr('restored'), minute(new Date(time)));
  $('#restored').hidden = false;
  $('#restored').dataset.time = time;
}

function startAfresh() {
  engine.reset();
  fileName = runFile = '';
  forget();
  $('#restored').hidden = true;
  refresh();
  render();
}

// After any change of the inputs: kept, and the documents say whether they still belong.
function changed() {
  remember();
  refreshUnits();
  render();
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

// ---- What the page shows of the documents -----------------------------------------------

// The core's memo document of the run shown: every text, table and chart of the documents.
// The options go as ASCII JSON, every other character escaped, and the document comes back as
// UTF-8 bytes: nothing depends on how the engine's strings cross. Before any run it leaves the
// charts out (they would be computed again at every change of an input).
function memoDocument(file) {
  const ascii = (text) => text.replace(/[\u007f-\uffff]/g, (c) => `\\u${c.charCodeAt(0).toString(16).padStart(4, '0')}`);
  const options = ascii(JSON.stringify({ file, made: Date.now(), charts: false }));
  return JSON.parse(new TextDecoder().decode(engine.memo(options)));
}

// Every document of the page comes from one run (engine.run()): the report box, the verdict
// and the run's warnings, the memo's first page, the charts and tables, and the frame of every
// printed page; before any run, the current inputs without tables. While the inputs differ
// from the run's, the notice says so beside the verdict, the verdict, report and charts are
// marked, and every printed page is headed with the mark and the run's time.
function render() {
  const run = engine.run();
  if (run.kind === 0) runFile = fileName;
  const memo = memoDocument(runFile);
  $('#file-line').textContent = `${memo.frame.inputs} \u2014 ${memo.frame.made}`;
  Memo.firstPage(memo.firstPage);
  $('#stale-notice').hidden = !run.changed;
  $('#memo').classList.toggle('stale', run.changed);
  document.querySelectorAll('.stale-mark').forEach((p) => { p.textContent = memo.frame.notice; p.hidden = !run.changed; });
  Memo.frame(memo.frame);
  $('#report-title').textContent = memo.reportHeading;
  $('#no-analysis').textContent = memo.details.note;
  const shown = `${run.number} ${engine.language()}`;
  if (shown === drawn) return;
  drawn = shown;
  Memo.report(memo.analysed ? memo.report : []);
  $('#charts').hidden = !memo.analysed;
  $('#no-analysis').hidden = memo.analysed;
  if (!memo.analysed) return;
  Charts.draw(memo.charts);
  Memo.details(memo.details);
}

// A command's outcome: the page, then its message and any second message.
// `shownName` gives the name a message shows for the Latin-1 name the core was given.
async function show(outcome, shownName = (text) => text) {
  refresh();
  remember();
  render();
  if (outcome.hasMessage) await showMessage(shownName(outcome.messageText), outcome.messageTitle, outcome.buttons);
  if (outcome.hasWarning) await showMessage(shownName(outcome.warningText));
}

async function run(command) {
  await checkAllFields();
  const before = engine.runNumber();
  document.body.classList.add('busy');
  let outcome;
  try {
    outcome = command();
  } finally {
    document.body.classList.remove('busy');
  }
  // A new run's inputs come from the file open now.
  if (engine.runNumber() !== before) runFile = fileName;
  await show(outcome);
}

// The last run's command again, on the inputs as they are now (after Compute Design
// Thickness, the search).
const analyseAgain = () => run(() => engine.analyseAgain());

// Before a document of the last run leaves: while the inputs differ from the run's, the core's
// question. Yes analyses again with the run's command and the new run goes; No lets the last
// run go as it was, marked; Cancel stops. True when the document may go.
async function tablesMayGoOut() {
  await checkAllFields();
  if (!engine.inputsChanged()) return true;
  const answer = await showMessage(names.analyseAgainQuestion, names.shortName, 'yes-no-cancel');
  if (answer === 'cancel') return false;
  if (answer === 'yes') await analyseAgain();
  return answer === 'no' || !engine.inputsChanged();
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
    await showMessage(arg(names.onlyFirstFileRead, files[0].name, others));
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

const baseName = (name) => (name || 'design').replace(/\.[^.]*$/, '');

// `name` is the file whose inputs the bytes hold: the one open for a .DEF, the last run's for
// its documents.
async function save(result, name, extension, type) {
  refreshUnits();
  remember();
  if (!result.ok) return showMessage(result.error);
  download(result.bytes, `${baseName(name)}${extension}`, type);
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
  for (const id of fieldIds) {
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
  $('#language').addEventListener('change', () => {
    engine.setLanguage($('#language').value);
    try { localStorage.setItem(LANGUAGE_STORE, engine.language()); } catch (error) { /* for this visit */ }
    showTexts();
    refresh();
    if (!$('#restored').hidden) showRestored(Number($('#restored').dataset.time));
    render();
  });
}

function wireCommands() {
  for (const button of document.querySelectorAll('[data-kind]')) {
    button.addEventListener('click', guarded(() => run(() => engine.analyse(Number(button.dataset.kind)))));
  }
  $('#design-thickness').addEventListener('click', guarded(() => run(() => engine.designThickness())));
  $('#analyse-again').addEventListener('click', guarded(analyseAgain));
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
    await save(engine.defBytes(), fileName, '.DEF', 'application/octet-stream');
  }));
  $('#download-report').addEventListener('click', guarded(async () => {
    if (await tablesMayGoOut()) await save(engine.reportBytes(), runFile, '.PRN', 'text/plain');
  }));
  $('#download-details').addEventListener('click', guarded(async () => {
    if (await tablesMayGoOut()) await save(engine.detailsBytes(), runFile, '.csv', 'text/csv');
  }));
  $('#print').addEventListener('click', guarded(async () => {
    if (!(await tablesMayGoOut())) return;
    render();
    $('#details-box').open = true;
    window.print();
  }));
  // The browser's own Print asks nothing: it prints the last run as it is, marked when the
  // inputs changed since.
  window.addEventListener('beforeprint', () => { render(); $('#details-box').open = true; });
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
    chooseLanguage();
    buildInputs();
    buildProjectFields();
    showTexts();
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
