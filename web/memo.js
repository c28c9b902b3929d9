'use strict';
// The memo as the page shows and prints it, every text from the core: the first page (the
// project, the verdict, the input warnings, the inputs as entered, the program and its
// version, the lines to sign), the report in pieces that a printed page keeps whole, the
// calculation details in the memo's units, and the header and footer of every printed page.

const Memo = (() => {
  const $ = (id) => document.getElementById(id);
  const lf = (text) => text.replace(/\r\n/g, '\n');

  // A table from headings and rows of texts; an empty heading widens the one before it, and
  // with `rowHeadings` the first cell of each row heads it.
  function table(id, headings, rows, rowHeadings = false) {
    const t = $(id);
    t.replaceChildren(...t.querySelectorAll('caption'));
    const head = t.createTHead().insertRow();
    for (const h of headings) {
      if (h === '' && head.lastChild) {
        head.lastChild.colSpan += 1;
        continue;
      }
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = h;
      head.append(th);
    }
    const body = t.createTBody();
    for (const cells of rows) {
      const tr = body.insertRow();
      cells.forEach((text, i) => {
        const cell = document.createElement(rowHeadings && i === 0 ? 'th' : 'td');
        if (rowHeadings && i === 0) cell.scope = 'row';
        cell.textContent = text;
        tr.append(cell);
      });
    }
    return t;
  }

  // The verdict of the last run and the warnings about the inputs, on the page and on the
  // memo's first page.
  function verdict(engine, memo) {
    $('verdict').textContent = engine.verdict();
    const warnings = engine.warnings();
    $('warnings-title').textContent = memo.warningsHeading;
    $('warnings').replaceChildren(...warnings.map((w) => {
      const li = document.createElement('li');
      li.textContent = w;
      return li;
    }));
    $('warnings-box').hidden = warnings.length === 0;
  }

  function firstPage(engine, date) {
    const memo = engine.memoPage(date);
    $('memo-title').textContent = memo.title;
    table('memo-project', [memo.projectHeading, ''], memo.project, true);
    verdict(engine, memo);
    $('memo-inputs-title').textContent = memo.inputsHeading;
    table('memo-input-table', memo.inputColumns, memo.inputs, true);
    $('memo-axles-title').textContent = memo.axlesHeading;
    table('memo-axle-table', memo.axleColumns, memo.axleRows, true);
    $('memo-computed').textContent = memo.computedWith;
    $('memo-date').textContent = memo.date;
    $('memo-designed').textContent = memo.designedBy;
    $('memo-checked').textContent = memo.checkedBy;
    for (const blank of document.querySelectorAll('.memo-sign-date')) blank.textContent = memo.signatureDate;
  }

  // The report box: the report as one text (its textContent is the report) in pieces, each
  // result table one piece that a printed page keeps whole.
  function report(engine, text) {
    $('report').replaceChildren(...engine.reportPieces(text).map((piece) => {
      const pre = document.createElement('pre');
      pre.textContent = lf(piece.text);
      if (piece.table) pre.className = 'table';
      return pre;
    }));
  }

  function details(engine) {
    const d = engine.readableDetails();
    $('details-units').textContent = d.modelUnits;
    table('details-fatigue', d.fatigue.headings, d.fatigue.rows, false);
    table('details-erosion', d.erosion.headings, d.erosion.rows, false);
  }

  // A text as a CSS string.
  const cssString = (text) => `"${text.replace(/[\\"]/g, '\\$&').replace(/\n/g, '\\A ')}"`;

  // Every printed page's header (the program, the file the inputs came from, the moment) and
  // footer ("page N of M"), as the desktop's memo has them. A constructed style sheet: the
  // page's policy admits no style element of its own.
  const frameSheet = typeof CSSStyleSheet === 'function' && 'replaceSync' in CSSStyleSheet.prototype
    ? new CSSStyleSheet() : null;
  function frame(names, inputs, when) {
    if (!frameSheet) return;
    const [before, middle, after] = names.pageOfPages.split(/%1|%2/);
    const footer = [cssString(before), 'counter(page)', cssString(middle), 'counter(pages)', cssString(after)].join(' ');
    frameSheet.replaceSync(`@page {
      @top-left { content: ${cssString(names.program)}; }
      @top-center { content: ${cssString(inputs)}; }
      @top-right { content: ${cssString(when)}; }
      @bottom-center { content: ${footer}; }
    }`);
    if (!document.adoptedStyleSheets.includes(frameSheet)) {
      document.adoptedStyleSheets = [...document.adoptedStyleSheets, frameSheet];
    }
  }

  return { table, firstPage, report, details, frame };
})();
