'use strict';
// The memo's charts and tables, drawn as SVG and HTML from one run's content as the core
// computed it (engine.content()): the damage curve around the recommended thickness, the run's
// damage per axle row, the sensitivity tornado and the design alternatives. The titles, axes,
// legends and headings are the memo's texts (engine.names().memo), the colours the core's
// palette, the damage limit the core's.

const Charts = (() => {
  const NS = 'http://www.w3.org/2000/svg';
  const W = 640, H = 300, M = { left: 80, right: 16, top: 30, bottom: 44 };
  const arg = (text, ...args) => text.replace(/%(\d)/g, (m, n) => (n <= args.length ? args[n - 1] : m));

  function el(name, attrs = {}, text) {
    const node = document.createElementNS(NS, name);
    for (const [k, v] of Object.entries(attrs)) node.setAttribute(k, v);
    if (text !== undefined) node.textContent = text;
    return node;
  }

  function frame(svg, height = H) {
    svg.replaceChildren();
    svg.setAttribute('viewBox', `0 0 ${W} ${height}`);
    return svg;
  }

  // Three significant digits, no exponent, no trailing zeros.
  const fmt = (v) => String(Number(v.toFixed(Math.max(0, 2 - Math.floor(Math.log10(Math.abs(v) || 1))))));

  function axisText(svg, x, y, text, anchor = 'middle', extra = {}) {
    svg.append(el('text', { x, y, 'text-anchor': anchor, class: 'tick', ...extra }, text));
  }

  // The damage axis' title, read upwards along the left edge.
  function damageTitle(svg, text) {
    const y = (M.top + H - M.bottom) / 2;
    axisText(svg, 14, y, text, 'middle', { transform: `rotate(-90 14 ${y})` });
  }

  // Swatches and names from the left, each as wide as its name needs.
  function legend(svg, items, x, y) {
    for (const [label, cls] of items) {
      svg.append(el('rect', { x, y: y - 9, width: 14, height: 10, class: cls }));
      const text = el('text', { x: x + 18, y, class: 'tick' }, label);
      svg.append(text);
      x += 18 + 7.5 * label.length + 16;
    }
  }

  function marker(svg, x, top, bottom, cls, label) {
    svg.append(el('line', { x1: x, x2: x, y1: top, y2: bottom, class: `marker ${cls}` }));
    if (label) axisText(svg, x + 4, top + 14, label, x > W / 2 ? 'end' : 'start', { class: `tick label ${cls}` });
  }

  // Total damage against thickness, on a logarithmic scale from 1 % to 10,000 %, the damage
  // limit dashed.
  function curve(data, limit, unit, texts) {
    const svg = frame(document.getElementById('chart-curve'));
    document.getElementById('curve-caption').textContent = texts.curveTitle;
    const pts = data.points;
    const x0 = pts[0].h, x1 = pts[pts.length - 1].h;
    const lo = 0, hi = 4;
    const sx = (h) => M.left + ((h - x0) / (x1 - x0 || 1)) * (W - M.left - M.right);
    // Beyond the axis the curves run off the chart, as the desktop's do: held flat along an
    // edge, they would read as values.
    const sy = (d) => {
      const v = Math.log10(Math.max(d, 1e-6));
      return H - M.bottom - ((v - lo) / (hi - lo)) * (H - M.top - M.bottom);
    };
    const clip = el('clipPath', { id: 'curve-area' });
    clip.append(el('rect', { x: M.left, y: M.top, width: W - M.left - M.right, height: H - M.top - M.bottom }));
    svg.append(clip);
    for (let e = lo; e <= hi; ++e) {
      svg.append(el('line', { x1: M.left, x2: W - M.right, y1: sy(10 ** e), y2: sy(10 ** e), class: 'grid' }));
      axisText(svg, M.left - 6, sy(10 ** e) + 4, `${10 ** e} %`, 'end');
    }
    svg.append(el('line', { x1: M.left, x2: W - M.right, y1: sy(limit), y2: sy(limit), class: 'limit' }));
    const ticks = Math.max(1, Math.round((x1 - x0) / 8));
    for (let h = Math.ceil(x0); h <= x1; h += ticks) axisText(svg, sx(h), H - M.bottom + 16, String(h));
    axisText(svg, (W + M.left) / 2, H - 6, arg(texts.curveThicknessAxis, unit));
    damageTitle(svg, texts.curveDamageAxis);
    for (const key of ['fatigue', 'erosion']) {
      svg.append(el('polyline', {
        points: pts.map((p) => `${sx(p.h)},${sy(p[key])}`).join(' '), class: `line ${key}`, 'clip-path': 'url(#curve-area)',
      }));
    }
    if (data.trial !== undefined && data.trial >= x0 && data.trial <= x1 && data.trial !== data.recommended) {
      marker(svg, sx(data.trial), M.top, H - M.bottom, 'trial', '');
    }
    marker(svg, sx(data.recommended), M.top, H - M.bottom, 'recommended',
      arg(texts.recommendedAt, data.recommendedText, unit));
    legend(svg, [[texts.totalFatigue, 'fatigue'], [texts.totalErosion, 'erosion']], M.left, 16);
  }

  // Damage of each axle row of the run, fatigue and erosion side by side.
  function rows(data, texts, rowNames) {
    const svg = frame(document.getElementById('chart-rows'));
    document.getElementById('rows-caption').textContent = texts.rowsTitle;
    const bars = [];
    for (let axle = 0; axle < 2; ++axle) {
      for (let row = 0; row < 10; ++row) {
        if (axle === 1 && row === 9 && !data.lastTandemRowShown) continue;
        bars.push({ label: arg(rowNames[axle], row + 1), fatigue: data.fatigue[axle][row], erosion: data.erosion[axle][row] });
      }
    }
    const parts = [['fatigue', data.fatigueSelected], ['erosion', data.erosionSelected]].filter((p) => p[1]).map((p) => p[0]);
    const max = Math.max(1, ...bars.flatMap((b) => parts.map((p) => b[p])));
    const band = (W - M.left - M.right) / bars.length;
    const sy = (v) => H - M.bottom - (v / max) * (H - M.top - M.bottom);
    for (const f of [0, 0.5, 1]) {
      svg.append(el('line', { x1: M.left, x2: W - M.right, y1: sy(max * f), y2: sy(max * f), class: 'grid' }));
      axisText(svg, M.left - 6, sy(max * f) + 4, `${fmt(max * f)} %`, 'end');
    }
    bars.forEach((b, i) => {
      parts.forEach((p, j) => {
        const w = (band - 4) / parts.length;
        const x = M.left + i * band + 2 + j * w;
        const rect = el('rect', { x, y: sy(b[p]), width: w, height: sy(0) - sy(b[p]), class: p });
        rect.append(el('title', {}, `${b.label} ${texts[p]} ${fmt(b[p])} %`));
        svg.append(rect);
      });
      axisText(svg, M.left + (i + 0.5) * band, H - M.bottom + 16, b.label);
    });
    damageTitle(svg, texts.rowsDamageAxis);
    legend(svg, parts.map((p) => [texts[p], p]), M.left, 16);
  }

  // For each input, the thickness at -20 % and +20 % as a bar around the base thickness.
  function tornado(data, unit, texts) {
    const rowsWithValues = data.rows.filter((r) => r.lower.thickness !== undefined && r.upper.thickness !== undefined);
    const height = M.top + M.bottom + 26 * Math.max(1, data.rows.length);
    const svg = frame(document.getElementById('chart-tornado'), height);
    document.getElementById('tornado-caption').textContent = texts.tornadoTitle;
    if (data.base.thickness === undefined) { axisText(svg, W / 2, 40, data.base.message); return; }
    const base = data.base.thickness;
    const values = rowsWithValues.flatMap((r) => [r.lower.thickness, r.upper.thickness]);
    const spread = Math.max(0.5, ...values.map((v) => Math.abs(v - base)));
    // The names' column as wide as the widest name: some languages' names run past 150.
    const names = data.rows.map((r) => {
      const t = el('text', { class: 'tick' }, r.name);
      svg.append(t);
      const width = t.getComputedTextLength() || 7 * r.name.length;
      t.remove();
      return width;
    });
    const left = Math.max(150, 16 + Math.max(0, ...names));
    const sx = (h) => left + ((h - base + spread) / (2 * spread)) * (W - left - M.right);
    data.rows.forEach((r, i) => {
      const y = M.top + i * 26;
      axisText(svg, left - 8, y + 15, r.name, 'end');
      for (const [c, cls] of [[r.lower, 'lower'], [r.upper, 'upper']]) {
        if (c.thickness === undefined) continue;
        const a = sx(base), b = sx(c.thickness);
        const rect = el('rect', { x: Math.min(a, b), y: y + 3, width: Math.max(1, Math.abs(b - a)), height: 18, class: cls });
        rect.append(el('title', {}, `${r.name} ${c.input}: ${c.text} ${unit}`));
        svg.append(rect);
      }
    });
    const bottom = height - M.bottom;
    marker(svg, sx(base), M.top, bottom, 'recommended', '');
    for (const h of [base - spread, base, base + spread]) axisText(svg, sx(h), bottom + 16, fmt(h));
    axisText(svg, (W + left) / 2, height - 6, arg(texts.recommendedThickness, unit));
    legend(svg, [[texts.lower, 'lower'], [texts.upper, 'upper']], left, 16);
  }

  // The core's colours as the style sheet's custom properties (--fatigue, --erosion, ...).
  function usePalette(palette) {
    for (const [name, colour] of Object.entries(palette)) {
      document.documentElement.style.setProperty(`--${name}`, colour);
    }
  }

  // Everything after the report, from the run's content; without a recommended thickness,
  // the search's refusal in place of the charts and the sensitivity, as the desktop shows it.
  function draw(content, texts, captions, rowNames) {
    const unit = content.unit;
    const refused = content.refusal !== undefined;
    document.getElementById('charts-title').textContent = texts.damageChart;
    document.getElementById('charts-refusal').textContent = refused ? content.refusal : '';
    document.getElementById('charts-refusal').hidden = !refused;
    for (const plot of document.querySelectorAll('#charts .plot')) plot.hidden = refused;
    const text = (c) => (c.thickness === undefined ? c.message : c.text);
    if (!refused) {
      curve(content.curve, content.limit, unit, texts);
      rows(content.rows, texts, rowNames);
      const s = content.sensitivity;
      tornado(s, unit, texts);
      document.getElementById('sensitivity-caption').textContent = texts.sensitivity;
      const thickness = arg(texts.thickness, unit);
      Memo.table('sensitivity', [texts.input, texts.value, texts.valueLower, thickness, texts.valueUpper, thickness],
        s.rows.map((r) => [r.name, r.value, r.lower.input, text(r.lower), r.upper.input, text(r.upper)]));
    }
    document.getElementById('alternatives-caption').textContent = texts.alternatives;
    document.getElementById('alternatives-note').textContent = texts.alternativesNote;
    const yesNo = (yes) => (yes ? captions.yes : captions.no);
    const body = Memo.table('alternatives', [captions.shoulder, captions.dowels, arg(texts.recommendedThickness, unit), texts.design],
      content.alternatives.map((a) => [yesNo(a.shoulder), yesNo(a.dowels), text(a), a.entered ? texts.asEntered : ''])).tBodies[0];
    content.alternatives.forEach((a, i) => body.rows[i].classList.toggle('entered', a.entered));
  }

  return { draw, usePalette };
})();
