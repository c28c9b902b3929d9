'use strict';
// The memo as the page shows and prints it, from the core's memo document of one run (every
// text, table and chart made there once): the first page (the project, the verdict, the run's
// warnings, the inputs as entered, the program and its version, the lines to sign), the report
// in pieces that a printed page keeps whole, the calculation details, and the header and
// footer of every printed page. Every text goes into the page as text, never as markup or
// style-sheet code.

const Memo = (() => {
  const $ = (id) => document.getElementById(id);
  const lf = (text) => text.replace(/\r\n/g, '\n');

  // A table of the document's cells; an empty heading widens the one before it, and with
  // `rowHeadings` the first cell of each row heads it. Words stand left, numbers right, the
  // emphasised row (the combination the inputs hold) in bold.
  function table(id, memoTable, rowHeadings = false) {
    const t = $(id);
    t.replaceChildren(...t.querySelectorAll('caption'));
    const head = t.createTHead().insertRow();
    for (const h of memoTable.headings) {
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
    for (const row of memoTable.rows) {
      const tr = body.insertRow();
      tr.classList.toggle('entered', row.emphasised);
      row.cells.forEach((cell, i) => {
        const element = document.createElement(rowHeadings && i === 0 ? 'th' : 'td');
        if (rowHeadings && i === 0) element.scope = 'row';
        element.classList.toggle('words', cell.words);
        element.textContent = cell.text;
        tr.append(element);
      });
    }
    return t;
  }

  // The run's verdict and its warnings, on the page and on the memo's first page.
  function verdict(page) {
    $('verdict').textContent = page.verdict;
    $('warnings-title').textContent = page.warningsHeading;
    $('warnings').replaceChildren(...page.warnings.map((w) => {
      const li = document.createElement('li');
      li.textContent = w;
      return li;
    }));
    $('warnings-box').hidden = page.warnings.length === 0;
  }

  function firstPage(page) {
    $('memo-title').textContent = page.title;
    table('memo-project', page.project, true);
    verdict(page);
    $('memo-inputs-title').textContent = page.inputsHeading;
    table('memo-input-table', page.inputs, true);
    $('memo-axles-title').textContent = page.axlesHeading;
    table('memo-axle-table', page.axles, true);
    $('memo-computed').textContent = page.computedWith;
    $('memo-date').textContent = page.date;
    $('memo-designed').textContent = page.designedBy;
    $('memo-checked').textContent = page.checkedBy;
    for (const blank of document.querySelectorAll('.memo-sign-date')) blank.textContent = page.signatureDate;
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

  function details(d) {
    $('details-title').textContent = d.heading;
    $('details-units').textContent = d.modelUnits;
    for (const [part, caption] of [['fatigue', d.fatigueHeading], ['erosion', d.erosionHeading]]) {
      $(`details-${part}-caption`).textContent = caption;
      $(`details-${part}-region`).setAttribute('aria-label', `${d.heading}, ${caption}`);
      table(`details-${part}`, d[part], false);
    }
  }

  // Every printed page's header (the program; the file the inputs came from and, when the
  // inputs changed after the run, the mark with the run's time; the moment) and footer
  // ("page N of M"), as the desktop's memo has them. The texts go in as the root element's
  // attributes, which the style sheet's page margins show with attr(): they are values there,
  // never style-sheet code, whatever characters they hold.
  function frame(f) {
    const root = document.documentElement.dataset;
    root.memoProgram = f.program;
    // A name too long for its line keeps its start and its end, as on the desktop's pages.
    const name = [...f.inputs];
    root.memoInputs = name.length > 72 ? `${name.slice(0, 30).join('')}\u2026${name.slice(-40).join('')}` : f.inputs;
    root.memoNotice = f.notice;
    root.memoMade = f.made;
    // "page %1 of %2": the texts around the page's number and the number of pages, in the
    // order the language puts the two.
    const parts = f.pageOfPages.split(/%[12]/);
    const pagesFirst = f.pageOfPages.indexOf('%2') < f.pageOfPages.indexOf('%1');
    [root.memoPageBefore, root.memoPageMiddle, root.memoPageAfter] = [0, 1, 2].map((i) => parts[i] || '');
    root.memoPagesFirst = String(pagesFirst);
  }

  return { table, firstPage, report, details, frame };
})();
