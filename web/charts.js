'use strict';
// The memo's charts and the tables beside them, as the core made them for one run (the memo
// document's charts part): each chart is the core's SVG drawing, the very one the desktop
// program draws, put into the page as parsed SVG; the tables are the core's cells.
//
// A drawing is parsed by DOMParser as an SVG document, never set as markup of the page: a
// parsed document runs no script (and the page's policy forbids inline script and handlers
// anyway), a malformed text is refused as a parser error instead of being half read, and the
// drawing's texts stay text in the page, where they are read aloud, found, and printed as text.

const Charts = (() => {
  const $ = (id) => document.getElementById(id);

  // The core's drawing as an element of the page, or nothing for a text that is no drawing.
  function drawing(svg) {
    const parsed = new DOMParser().parseFromString(svg, 'image/svg+xml');
    const root = parsed.documentElement;
    if (root.namespaceURI !== 'http://www.w3.org/2000/svg' || root.localName !== 'svg') return null;
    return document.importNode(root, true);
  }

  function show(id, svg) {
    const shown = drawing(svg);
    $(id).replaceChildren(...(shown ? [shown] : []));
  }

  // Everything after the report; without a recommended thickness, the search's refusal in
  // place of the charts and the sensitivity, as the desktop shows it.
  function draw(charts) {
    const refused = charts.refusal !== '';
    $('charts-title').textContent = charts.heading;
    $('charts-refusal').textContent = charts.refusal;
    $('charts-refusal').hidden = !refused;
    for (const plot of document.querySelectorAll('#charts .plot')) plot.hidden = refused;
    if (!refused) {
      show('chart-curve', charts.curve.svg);
      show('chart-rows', charts.rows.svg);
      show('chart-tornado', charts.tornado.svg);
      $('sensitivity-caption').textContent = charts.sensitivityHeading;
      Memo.table('sensitivity', charts.sensitivity);
    }
    $('alternatives-caption').textContent = charts.alternativesHeading;
    $('alternatives-note').textContent = charts.alternativesNote;
    Memo.table('alternatives', charts.alternatives);
  }

  return { draw };
})();
