'use strict';
// The memo's charts and tables, drawn as SVG and HTML from the data the core computes: the
// damage curve around the recommended thickness, the last run's damage per axle row, the
// sensitivity tornado and the design alternatives.

const Charts = (() => {
  const NS = 'http://www.w3.org/2000/svg';
  const W = 640, H = 300, M = { left: 64, right: 16, top: 30, bottom: 44 };

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

  const fmt = (v) => (Math.abs(v) >= 100 ? v.toFixed(0) : String(+v.toPrecision(3)));

  function axisText(svg, x, y, text, anchor = 'middle', extra = {}) {
    svg.append(el('text', { x, y, 'text-anchor': anchor, class: 'tick', ...extra }, text));
  }

  function legend(svg, items, x, y) {
    items.forEach(([label, cls], i) => {
      svg.append(el('rect', { x: x + i * 120, y: y - 9, width: 14, height: 10, class: cls }));
      axisText(svg, x + i * 120 + 18, y, label, 'start');
    });
  }

  // Total damage against thickness, on a logarithmic scale from 1 % to 10,000 %.
  function curve(data, unit) {
    const svg = frame(document.getElementById('chart-curve'));
    const caption = document.getElementById('curve-caption');
    if (data.message) { caption.textContent = data.message; return; }
    caption.textContent = `Total damage against slab thickness; recommended ${data.recommendedText} ${unit}`;
    const pts = data.points;
    const x0 = pts[0].h, x1 = pts[pts.length - 1].h;
    const lo = 0, hi = 4;
    const sx = (h) => M.left + ((h - x0) / (x1 - x0 || 1)) * (W - M.left - M.right);
    const sy = (d) => {
      const v = Math.min(hi, Math.max(lo, Math.log10(Math.max(d, 1))));
      return H - M.bottom - ((v - lo) / (hi - lo)) * (H - M.top - M.bottom);
    };
    for (let e = lo; e <= hi; ++e) {
      svg.append(el('line', { x1: M.left, x2: W - M.right, y1: sy(10 ** e), y2: sy(10 ** e), class: e === 2 ? 'limit' : 'grid' }));
      axisText(svg, M.left - 6, sy(10 ** e) + 4, `${10 ** e} %`, 'end');
    }
    const ticks = Math.max(1, Math.round((x1 - x0) / 8));
    for (let h = Math.ceil(x0); h <= x1; h += ticks) axisText(svg, sx(h), H - M.bottom + 16, String(h));
    axisText(svg, (W + M.left) / 2, H - 6, `slab thickness (${unit})`);
    for (const [key, cls] of [['fatigue', 'fatigue'], ['erosion', 'erosion']]) {
      svg.append(el('polyline', { points: pts.map((p) => `${sx(p.h)},${sy(p[key])}`).join(' '), class: `line ${cls}` }));
    }
    svg.append(el('line', { x1: sx(data.recommended), x2: sx(data.recommended), y1: M.top, y2: H - M.bottom, class: 'marker' }));
    legend(svg, [['fatigue', 'fatigue'], ['erosion', 'erosion']], M.left, 16);
  }

  // Damage of each axle row of the last run, fatigue and erosion side by side.
  function rows(data) {
    const svg = frame(document.getElementById('chart-rows'));
    const bars = [];
    for (let axle = 0; axle < 2; ++axle) {
      for (let row = 0; row < 10; ++row) {
        if (axle === 1 && row === 9 && !data.lastTandemRowShown) continue;
        bars.push({ label: `${axle ? 'T' : 'S'}${row + 1}`, fatigue: data.fatigue[axle][row], erosion: data.erosion[axle][row] });
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
        svg.append(el('rect', { x, y: sy(b[p]), width: w, height: sy(0) - sy(b[p]), class: p },
        ).appendChild(el('title', {}, `${b.label} ${p} ${fmt(b[p])} %`)).parentNode);
      });
      axisText(svg, M.left + (i + 0.5) * band, H - M.bottom + 16, b.label);
    });
    legend(svg, parts.map((p) => [p, p]), M.left, 16);
  }

  // For each input, the thickness at -20 % and +20 % as a bar around the base thickness.
  function tornado(data, unit) {
    const rowsWithValues = data.rows.filter((r) => r.lower.thickness !== undefined && r.upper.thickness !== undefined);
    const height = M.top + M.bottom + 26 * Math.max(1, data.rows.length);
    const svg = frame(document.getElementById('chart-tornado'), height);
    if (data.base.thickness === undefined) { axisText(svg, W / 2, 40, data.base.message); return; }
    const base = data.base.thickness;
    const values = rowsWithValues.flatMap((r) => [r.lower.thickness, r.upper.thickness]);
    const spread = Math.max(0.5, ...values.map((v) => Math.abs(v - base)));
    const left = 150;
    const sx = (h) => left + ((h - base + spread) / (2 * spread)) * (W - left - M.right);
    data.rows.forEach((r, i) => {
      const y = M.top + i * 26;
      axisText(svg, left - 8, y + 15, r.name, 'end');
      for (const [c, cls] of [[r.lower, 'lower'], [r.upper, 'upper']]) {
        if (c.thickness === undefined) continue;
        const a = sx(base), b = sx(c.thickness);
        svg.append(el('rect', { x: Math.min(a, b), y: y + 3, width: Math.max(1, Math.abs(b - a)), height: 18, class: cls })
          .appendChild(el('title', {}, `${r.name} ${c.input}: ${c.text} ${unit}`)).parentNode);
      }
    });
    const bottom = height - M.bottom;
    svg.append(el('line', { x1: sx(base), x2: sx(base), y1: M.top, y2: bottom, class: 'marker' }));
    for (const h of [base - spread, base, base + spread]) axisText(svg, sx(h), bottom + 16, fmt(h));
    axisText(svg, (W + left) / 2, height - 6, `recommended thickness (${unit}); dark: input -20 %, light: +20 %`);
  }

  function table(id, headings, body) {
    const t = document.getElementById(id);
    t.replaceChildren(...t.querySelectorAll('caption'));
    const head = t.createTHead().insertRow();
    for (const h of headings) {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = h;
      head.append(th);
    }
    const tbody = t.createTBody();
    for (const cells of body) {
      const tr = tbody.insertRow();
      for (const c of cells) tr.insertCell().textContent = c;
    }
    return tbody;
  }

  function draw(engine, unit) {
    curve(engine.curve(), unit);
    rows(engine.rowDamage());
    const s = engine.sensitivity();
    tornado(s, unit);
    const text = (c) => (c.thickness === undefined ? c.message : c.text);
    table('sensitivity', ['Input', 'Value', 'Value -20 %', `Thickness (${unit})`, 'Value +20 %', `Thickness (${unit})`],
      s.rows.map((r) => [r.name, r.value, r.lower.input, text(r.lower), r.upper.input, text(r.upper)]));
    const alternatives = engine.alternatives();
    const body = table('alternatives', ['Concrete Shoulder', 'Doweled Joints', `Recommended thickness (${unit})`, ''],
      alternatives.map((a) => [a.shoulder ? 'Yes' : 'No', a.dowels ? 'Yes' : 'No', text(a), a.entered ? 'as entered' : '']));
    alternatives.forEach((a, i) => body.rows[i].classList.toggle('entered', a.entered));
  }

  return { draw };
})();
