'use strict';
// The page is a front end only: every text, rule and number comes from the core (engine.js,
// the C++ core in WebAssembly: the page's session and the catalogue), the page's own texts
// from the same catalogue (texts.js). The session decides; the page shows what it says and
// passes the user's gestures in.
//
// Organised as the desktop program is: the inputs built and shown from the session (build,
// refresh), every change kept at once (changed), the commands and files (run, openFiles), the
// documents of the last run drawn in one place (render), and the question before a document
// leaves while the inputs differ from the last run's (tablesMayGoOut).

const $ = (selector) => document.querySelector(selector);
// Each tab keeps its inputs under a key of its own, STORE + ':' + an id that lasts over the
// tab's reloads (TAB_STORE, in the tab's own storage), so that no tab writes over another's.
// STORE alone is where the page kept them before.
const STORE = 'zan-design-inputs';
const TAB_STORE = 'zan-design-tab';
const LANGUAGE_STORE = 'zan-design-language';

let core;               // the module: the catalogue, and the session's class
let engine;             // the page's session
let names;              // the program's names and the run's texts
let fieldIds = [];      // every numeric input's web id, in the core's order
let drawn = '';         // the run and the language the report and the charts show

// The session's and the catalogue's texts cross as UTF-8, one character per byte, and the
// session's structured results (the memo document too) are JSON.
const binary = (bytes) => {
  let text = '';
  for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode(...bytes.subarray(i, i + 8192));
  return text;
};
const toEngine = (text) => binary(new TextEncoder().encode(text));
const fromEngine = (bytes) => new TextDecoder().decode(Uint8Array.from(bytes, (c) => c.charCodeAt(0)));
// A call of the session: its texts in, its JSON result out.
const ask = (method, ...args) => JSON.parse(fromEngine(engine[method](
  ...args.map((a) => (typeof a === 'string' ? toEngine(a) : a)))));
const lf = (text) => text.replace(/\r\n/g, '\n');
const two = (n) => String(n).padStart(2, '0');
const day = (d) => `${d.getFullYear()}-${two(d.getMonth() + 1)}-${two(d.getDate())}`;
const minute = (d) => `${two(d.getHours())}:${two(d.getMinutes())}`;
const arg = (text, ...args) => text.replace(/%(\d)/g, (m, n) => (n <= args.length ? args[n - 1] : m));
// A text of the page in the language in force.
const tr = (key) => fromEngine(core.translate('Web', toEngine(PageTexts[key])));

// ---- The page's parts, made from the engine ---------------------------------------------

function buildInputs() {
  const fields = ask('view').fields;
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
  for (const field of ask('view').project) {
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
  const codes = core.languages();
  let code = '';
  try { code = localStorage.getItem(LANGUAGE_STORE) || ''; } catch (error) { /* none kept */ }
  if (!codes.includes(code)) {
    code = '';
    for (const tag of navigator.languages || [navigator.language || '']) {
      code = core.matchLanguage(tag);
      if (code) break;
    }
  }
  core.setLanguage(code || codes[0]);
  const select = $('#language');
  select.replaceChildren(...codes.map((c) => new Option(fromEngine(core.translateTo(c, 'Language', toEngine(PageTexts.languageName))), c)));
  select.value = core.language();
}

// The texts that do not follow the inputs, in the language in force.
function showTexts() {
  names = ask('names');
  document.documentElement.lang = core.language();
  document.title = $('#title').textContent = names.title;
  for (const e of document.querySelectorAll('[data-text]')) e.textContent = tr(e.dataset.text);
  for (const e of document.querySelectorAll('[data-label]')) e.setAttribute('aria-label', tr(e.dataset.label));
  $('#project-title').textContent = names.projectTitle;
  for (const field of ask('view').project) $(`#${field.id}-caption`).textContent = field.caption;
  $('#stale-text').textContent = names.inputsChangedNotice;
  $('#analyse-again').textContent = names.analyseAgain;
  $('#analyse-again').title = names.analyseAgainTip;
}

// Shows the workspace as it reads now; reading never creates a section or locks the units.
function refresh() {
  const view = ask('view');
  for (const f of view.fields) {
    const input = document.getElementById(f.id);
    input.value = f.text;
    input.title = f.tooltip;
    if (f.group === 'axles') input.setAttribute('aria-label', f.label);
    else document.getElementById(`${f.id}-caption`).textContent = f.caption;
  }
  for (const field of view.project) document.getElementById(field.id).value = field.text;
  const c = view.captions;
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
  for (const id of ['tandem-load-10', 'tandem-count-10']) document.getElementById(id).hidden = !view.lastTandemRowShown;
  $('#shoulder-yes').checked = view.shoulder;
  $('#shoulder-no').checked = !view.shoulder;
  $('#dowels-yes').checked = view.dowels;
  $('#dowels-no').checked = !view.dowels;
  refreshUnits(view);
}

function refreshUnits(view = ask('view')) {
  const metric = view.units === 1;
  $('#unit-english').checked = !metric;
  $('#unit-metric').checked = metric;
  $('#unit-english').disabled = $('#unit-metric').disabled = view.locked;
  $('#units').title = view.locked ? tr('unitsLocked') : '';
  $('#download-report').disabled = !view.results;
  $('#download-details').disabled = !view.results;
}

// ---- Nothing typed is lost -------------------------------------------------------------

let slot = '';          // this tab's key in the browser's storage
let keptText = null;    // what this tab last wrote there, or brought back from it
let restoredKey = '';   // where the inputs of this visit came from, or could not
let notice = null;      // the session's answer when they came back, or could not

function stored(key) {
  try { return localStorage.getItem(key); } catch (error) { return null; }
}

function forget(key) {
  try { localStorage.removeItem(key); } catch (error) { /* nothing was kept */ }
}

function takeSlot(key) {
  slot = key || `${STORE}:${Date.now().toString(36)}-${Math.random().toString(36).slice(2, 10)}`;
  try { sessionStorage.setItem(TAB_STORE, slot); } catch (error) { /* for this visit only */ }
}

// Every change goes into the browser's storage at once, with its time; a change that cannot be
// kept (the storage full or refused) is said until one can.
function remember() {
  const text = fromEngine(engine.keptInputs(Date.now()));
  let kept = true;
  try {
    localStorage.setItem(slot, text);
    keptText = text;
  } catch (error) {
    kept = false;
  }
  $('#not-kept').hidden = kept;
}

// Kept inputs of every tab, and the page's earlier key; the latest by the time they were kept.
function latestKept() {
  let latest = '';
  let time = -Infinity;
  try {
    for (let i = 0; i < localStorage.length; i++) {
      const key = localStorage.key(i);
      if (key !== STORE && !key.startsWith(`${STORE}:`)) continue;
      const t = core.Engine.keptTime(toEngine(stored(key) || ''));
      if (t > time) [latest, time] = [key, t];
    }
  } catch (error) { /* none kept */ }
  return latest;
}

// A reload brings back the tab's own inputs; a new tab the latest kept in any tab, whose key it
// takes over (if that tab is still open, the first of the two to write keeps the key and the
// other takes a new one: see the storage listener). What the session cannot restore stays kept
// as it is, the notice says why, and the tab writes elsewhere.
function recall() {
  let own = '';
  try { own = sessionStorage.getItem(TAB_STORE) || ''; } catch (error) { /* a new tab */ }
  const key = own ? (stored(own) === null ? '' : own) : latestKept();
  let mine = own;
  if (key) {
    const text = stored(key);
    try {
      notice = ask('restore', text);
    } catch (error) {
      notice = { restored: false, reason: String((error && error.message) || error) };
    }
    restoredKey = key;
    if (notice.restored && key !== STORE) {
      mine = key;
      keptText = text;
    } else if (key === own) {
      mine = '';
    }
  }
  takeSlot(mine);
  showNotice();
}

// Another page wrote or removed this tab's key: a copy of this tab (duplicated, or a new tab
// that brought back its inputs), or any page opened from disk in this browser. This tab goes on
// under a key of its own and keeps its inputs there at once, so neither loses a change.
function onStorage(event) {
  if (event.key !== null && event.key !== slot) return;
  if (stored(slot) === keptText) return;
  takeSlot('');
  keptText = null;
  remember();
}

function showNotice() {
  $('#restored').hidden = !notice;
  if (!notice) return;
  const kept = new Date(notice.time);
  $('#restored-text').textContent = !notice.restored ? arg(tr('notRestored'), notice.reason)
    : notice.file ? arg(tr('restoredFile'), notice.file, day(kept), minute(kept))
      : arg(tr('restored'), day(kept), minute(kept));
  $('#start-afresh').hidden = !notice.restored;
  $('#discard-kept').hidden = notice.restored;
}

// Restored inputs never saved are lost to the initial design only when the user says so.
async function startAfresh() {
  const asks = notice && notice.restored && engine.unsaved();
  if (asks && (await showMessage(tr('startAfreshQuestion'), names.shortName, 'yes-no')) !== 'yes') return;
  engine.reset();
  for (const key of [slot, restoredKey]) if (key) forget(key);
  keptText = null;
  restoredKey = '';
  notice = null;
  showNotice();
  refresh();
  render();
}

// What could not be restored goes only at the user's word.
async function discardKept() {
  if ((await showMessage(tr('discardKeptQuestion'), names.shortName, 'yes-no')) !== 'yes') return;
  forget(restoredKey);
  restoredKey = '';
  notice = null;
  showNotice();
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
// Before any run it leaves the charts out (they would be computed again at every change of an
// input).
function memoDocument(file) {
  return ask('memo', JSON.stringify({ file, made: Date.now(), charts: false }));
}

// Every document of the page comes from one run (engine.run()): the report box, the verdict
// and the run's warnings, the memo's first page, the charts and tables, and the frame of every
// printed page; before any run, the current inputs without tables. While the inputs differ
// from the run's, the notice says so beside the verdict, the verdict, report and charts are
// marked, and every printed page is headed with the mark and the run's time.
function render() {
  const run = ask('run');
  const memo = memoDocument(run.file);
  $('#file-line').textContent = `${memo.frame.inputs} \u2014 ${memo.frame.made}`;
  Memo.firstPage(memo.firstPage);
  $('#stale-notice').hidden = !run.changed;
  $('#memo').classList.toggle('stale', run.changed);
  document.querySelectorAll('.stale-mark').forEach((p) => { p.textContent = memo.frame.notice; p.hidden = !run.changed; });
  Memo.frame(memo.frame);
  $('#report-title').textContent = memo.reportHeading;
  $('#no-analysis').textContent = memo.details.note;
  const shown = `${run.number} ${core.language()}`;
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
async function show(outcome) {
  refresh();
  remember();
  render();
  if (outcome.message) await showMessage(outcome.message.text, outcome.message.title, outcome.message.buttons);
  if (outcome.warning) await showMessage(outcome.warning.text);
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

// The last run's command again, on the inputs as they are now (after Compute Design
// Thickness, the search).
const analyseAgain = () => run(() => ask('analyseAgain'));

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

// The file's bytes, one character per byte.
const readBytes = async (file) => binary(new Uint8Array(await file.arrayBuffer()));

// Reads one file as the desktop does: refused by its size before a byte is read, and any
// failure said in a message, the inputs left as they were.
async function openFile(file) {
  let outcome = ask('refusalBySize', file.size, file.name);
  if (!outcome.message) {
    try {
      outcome = JSON.parse(fromEngine(engine.readFile(await readBytes(file), toEngine(file.name))));
    } catch (error) {
      outcome = ask('unreadableFile', file.name, String((error && error.message) || error));
    }
  }
  await show(outcome);
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
  if (result.error !== undefined) return showMessage(result.error);
  download(result.bytes, `${baseName(name)}${extension}`, type);
}

// ---- The range check --------------------------------------------------------------------

// Checks one field as the desktop program's OK does, one at a time: the session says each
// message to answer (an invalid text, an out-of-range value's question) and the text the field
// keeps.
let checking = Promise.resolve();
const queued = new Set();
function checkField(id) {
  if (queued.has(id)) return checking;
  queued.add(id);
  checking = checking.then(() => { queued.delete(id); return checkNow(id); }).catch(showFailure);
  return checking;
}

async function checkNow(id) {
  let step = ask('checkField', id);
  while (step.message) {
    const { text, title, buttons } = step.message;
    step = ask('answerCheck', id, await showMessage(text, title, buttons));
  }
  document.getElementById(id).value = step.text;
  changed();
}

// Every field typed in, or restored, and not checked yet.
async function checkAllFields() {
  for (const id of ask('pendingChecks')) checkField(id);
  await checking;
}

// ---- Wiring -----------------------------------------------------------------------------

function wireInputs() {
  for (const id of fieldIds) {
    const input = document.getElementById(id);
    input.addEventListener('input', () => { engine.setText(id, toEngine(input.value)); changed(); });
    input.addEventListener('change', () => checkField(id));
  }
  for (const field of ask('view').project) {
    const input = document.getElementById(field.id);
    const set = () => fromEngine(engine.setProjectText(field.id, toEngine(input.value)));
    input.addEventListener('input', () => { set(); changed(); });
    input.addEventListener('change', () => { input.value = set(); });
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
    core.setLanguage($('#language').value);
    try { localStorage.setItem(LANGUAGE_STORE, core.language()); } catch (error) { /* for this visit */ }
    showTexts();
    refresh();
    showNotice();
    render();
  });
}

function wireCommands() {
  for (const button of document.querySelectorAll('[data-kind]')) {
    button.addEventListener('click', guarded(() => run(() => ask('analyse', Number(button.dataset.kind)))));
  }
  $('#design-thickness').addEventListener('click', guarded(() => run(() => ask('designThickness'))));
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
    await save(ask('defBytes'), ask('view').file, '.DEF', 'application/octet-stream');
  }));
  $('#download-report').addEventListener('click', guarded(async () => {
    if (await tablesMayGoOut()) await save(ask('reportBytes'), ask('run').file, '.PRN', 'text/plain');
  }));
  $('#download-details').addEventListener('click', guarded(async () => {
    if (await tablesMayGoOut()) await save(ask('detailsBytes'), ask('run').file, '.csv', 'text/csv');
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
  $('#discard-kept').addEventListener('click', guarded(discardKept));
  window.addEventListener('storage', onStorage);
  // The browser's own leave-page question, while the inputs differ from the last .DEF.
  window.addEventListener('beforeunload', (event) => {
    if (!engine.unsaved()) return;
    event.preventDefault();
    event.returnValue = '';
  });
}

async function start() {
  try {
    core = await createZanEngine();
    engine = new core.Engine();
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
  // Restored texts meet the questions typed ones do.
  checkAllFields().catch(showFailure);
}

if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start); else start();
