'use strict';
// The memo as the page shows and prints it, every text from the core and every part from one
// run: the first page (the project, the verdict, the run's warnings, the inputs as entered,
// the program and its version, the lines to sign), the report in pieces that a printed page
// keeps whole, the calculation details in the memo's units, and the header and footer of
// every printed page.

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

  // The run's verdict and its warnings, on the page and on the memo's first page.
  function verdict(memo) {
    $('verdict').textContent = memo.verdict;
    $('warnings-title').textContent = memo.warningsHeading;
    $('warnings').replaceChildren(...memo.warnings.map((w) => {
      const li = document.createElement('li');
      li.textContent = w;
      return li;
    }));
    $('warnings-box').hidden = memo.warnings.length === 0;
  }

  function firstPage(memo) {
    $('memo-title').textContent = memo.title;
    table('memo-project', [memo.projectHeading, ''], memo.project, true);
    verdict(memo);
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

  // The report box: the run's report as one text (its textContent is the report) in pieces,
  // each result table one piece that a printed page keeps whole.
  function report(pieces) {
    $('report').replaceChildren(...pieces.map((piece) => {
      const pre = document.createElement('pre');
      pre.textContent = lf(piece.text);
      if (piece.table) pre.className = 'table';
      return pre;
    }));
  }

  function details(d, texts) {
    $('details-title').textContent = texts.details;
    $('details-units').textContent = d.modelUnits;
    for (const [part, caption] of [['fatigue', texts.fatigue], ['erosion', texts.erosion]]) {
      $(`details-${part}-caption`).textContent = caption;
      $(`details-${part}-region`).setAttribute('aria-label', `${texts.details}, ${caption}`);
      table(`details-${part}`, d[part].headings, d[part].rows, false);
    }
  }

  // A text as a CSS string.
  const cssString = (text) => `"${text.replace(/[\\"]/g, '\\$&').replace(/\n/g, '\\A ')}"`;

  // Every printed page's header (the program, the file the inputs came from and, when the
  // inputs changed after the run, the mark with the run's time; the moment) and footer
  // ("page N of M"), as the desktop's memo has them. A constructed style sheet: the page's
  // policy admits no style element of its own.
  const frameSheet = typeof CSSStyleSheet === 'function' && 'replaceSync' in CSSStyleSheet.prototype
    ? new CSSStyleSheet() : null;
  function frame(program, pageOfPages, inputs, when, mark) {
    if (!frameSheet) return;
    const [before, middle, after] = pageOfPages.split(/%1|%2/);
    const footer = [cssString(before), 'counter(page)', cssString(middle), 'counter(pages)', cssString(after)].join(' ');
    frameSheet.replaceSync(`@page {
      @top-left { content: ${cssString(program)}; }
      @top-center { content: ${cssString(mark ? `${inputs}\n${mark}` : inputs)}; }
      @top-right { content: ${cssString(when)}; }
      @bottom-center { content: ${footer}; }
    }`);
    if (!document.adoptedStyleSheets.includes(frameSheet)) {
      document.adoptedStyleSheets = [...document.adoptedStyleSheets, frameSheet];
    }
  }

  return { table, firstPage, report, details, frame };
})();
