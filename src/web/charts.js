// SPDX-License-Identifier: GPL-3.0-or-later
// The θ-β-M and the loads chart drawn from the session's chart numbers: one drawing routine
// per chart over a small painter, which draws either on a canvas or into SVG text, so the
// saved SVG shows what the page shows. A click or drag on a chart sets α as in the window.
"use strict";

const zerkonCharts = (() => {
  const kWidth = 560;   // CSS pixels of the drawing
  const kHeight = 400;
  const kPlot = {left: 62, right: 14, top: 40, bottom: 86};
  const kReference = "#a8a8a8";
  const kLocus = "#404040";
  const kModel = "#2e8b57";
  const kAttached = "#1f4e9c";
  const kDetached = "#b00020";
  const kTheories = [
    ["exact", QT_TRANSLATE_NOOP("LoadsChart", "shock-expansion"), "#1f4e9c"],
    ["ackeret", QT_TRANSLATE_NOOP("LoadsChart", "Ackeret"), "#d97706"],
    ["thirdOrder", QT_TRANSLATE_NOOP("LoadsChart", "third order"), "#8e44ad"],
    ["model", QT_TRANSLATE_NOOP("LoadsChart", "model"), "#2e8b57"],
  ];
  // Marks a text for lupdate; the chart looks its translation up when it draws.
  function QT_TRANSLATE_NOOP(context, text) {
    return text;
  }

  // ---- Painters -----------------------------------------------------------------------------
  class CanvasPainter {
    constructor(canvas) {
      const ratio = Math.max(1, Math.round(window.devicePixelRatio || 1));
      canvas.width = kWidth * ratio;
      canvas.height = kHeight * ratio;
      this.g = canvas.getContext("2d");
      this.g.setTransform(ratio, 0, 0, ratio, 0, 0);
      this.g.fillStyle = "#fff";
      this.g.fillRect(0, 0, kWidth, kHeight);
    }
    polyline(points, colour, width = 1, dash = []) {
      if (points.length < 2) return;
      const g = this.g;
      g.save();
      g.strokeStyle = colour;
      g.lineWidth = width;
      g.setLineDash(dash);
      g.beginPath();
      g.moveTo(points[0][0], points[0][1]);
      for (let i = 1; i < points.length; ++i) g.lineTo(points[i][0], points[i][1]);
      g.stroke();
      g.restore();
    }
    disc(x, y, radius, fill, stroke) {
      const g = this.g;
      g.beginPath();
      g.arc(x, y, radius, 0, 2 * Math.PI);
      g.fillStyle = fill;
      g.fill();
      g.strokeStyle = stroke;
      g.lineWidth = 1;
      g.stroke();
    }
    text(x, y, text, {size = 12, colour = "#000", anchor = "start", bold = false, rotate = 0} = {}) {
      const g = this.g;
      g.save();
      g.translate(x, y);
      if (rotate) g.rotate((rotate * Math.PI) / 180);
      g.font = (bold ? "bold " : "") + size + 'px "DejaVu Sans", Arial, sans-serif';
      g.fillStyle = colour;
      g.textAlign = anchor === "middle" ? "center" : anchor === "end" ? "right" : "left";
      g.textBaseline = "middle";
      g.fillText(text, 0, 0);
      g.restore();
    }
  }
  function escapeXml(text) {
    return String(text).replace(/[&<>"]/g, (c) => ({"&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;"})[c]);
  }
  class SvgPainter {
    constructor() {
      this.parts = [`<rect width="${kWidth}" height="${kHeight}" fill="#fff"/>`];
    }
    polyline(points, colour, width = 1, dash = []) {
      if (points.length < 2) return;
      const list = points.map(([x, y]) => x.toFixed(2) + "," + y.toFixed(2)).join(" ");
      const dashes = dash.length ? ` stroke-dasharray="${dash.join(" ")}"` : "";
      this.parts.push(`<polyline points="${list}" fill="none" stroke="${colour}" stroke-width="${width}"${dashes}/>`);
    }
    disc(x, y, radius, fill, stroke) {
      this.parts.push(`<circle cx="${x.toFixed(2)}" cy="${y.toFixed(2)}" r="${radius}" fill="${fill}" stroke="${stroke}"/>`);
    }
    text(x, y, text, {size = 12, colour = "#000", anchor = "start", bold = false, rotate = 0} = {}) {
      const turn = rotate ? ` transform="rotate(${rotate} ${x} ${y})"` : "";
      const weight = bold ? ' font-weight="bold"' : "";
      this.parts.push(`<text x="${x}" y="${y}" font-size="${size}" fill="${colour}" text-anchor="${anchor}" dominant-baseline="middle"${weight}${turn}>${escapeXml(text)}</text>`);
    }
    svg() {
      return `<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" width="${kWidth}" height="${kHeight}" viewBox="0 0 ${kWidth} ${kHeight}" font-family="DejaVu Sans, Arial, sans-serif">\n${this.parts.join("\n")}\n</svg>\n`;
    }
  }

  // ---- Axes ---------------------------------------------------------------------------------
  // The map from values to drawing pixels for one chart.
  function frameFor(xMax, yMin, yMax) {
    const w = kWidth - kPlot.left - kPlot.right;
    const h = kHeight - kPlot.top - kPlot.bottom;
    return {
      xMax, yMin, yMax,
      x: (value) => kPlot.left + (value / xMax) * w,
      y: (value) => kPlot.top + h - ((value - yMin) / (yMax - yMin)) * h,
      value: (px) => ((px - kPlot.left) / w) * xMax,
      inside: (px, py) => px >= kPlot.left && px <= kPlot.left + w && py >= kPlot.top && py <= kPlot.top + h,
    };
  }
  function niceStep(span) {
    const raw = span / 6;
    const power = Math.pow(10, Math.floor(Math.log10(raw)));
    for (const m of [1, 2, 2.5, 5, 10]) if (m * power >= raw) return m * power;
    return 10 * power;
  }
  function axes(p, f, xStep, yStep, xTitle, yTitle) {
    const x0 = f.x(0);
    const x1 = f.x(f.xMax);
    const y0 = f.y(f.yMin);
    const y1 = f.y(f.yMax);
    // As many decimals as the step has.
    const decimals = (step) => {
      let d = 0;
      while (d < 4 && Math.abs(step * 10 ** d - Math.round(step * 10 ** d)) > 1e-9) ++d;
      return d;
    };
    for (let v = 0; v <= f.xMax + 1e-9; v += xStep) {
      p.polyline([[f.x(v), y0], [f.x(v), y1]], "#e4e4e8");
      p.text(f.x(v), y0 + 12, v.toFixed(decimals(xStep)), {size: 11, anchor: "middle"});
    }
    const first = Math.ceil(f.yMin / yStep) * yStep;
    for (let v = first; v <= f.yMax + 1e-9; v += yStep) {
      p.polyline([[x0, f.y(v)], [x1, f.y(v)]], "#e4e4e8");
      p.text(x0 - 5, f.y(v), (Math.abs(v) < 1e-12 ? 0 : v).toFixed(decimals(yStep)), {size: 11, anchor: "end"});
    }
    p.polyline([[x0, y1], [x0, y0], [x1, y0], [x1, y1], [x0, y1]], "#000");
    p.text((x0 + x1) / 2, y0 + 30, xTitle, {size: 12, anchor: "middle"});
    p.text(16, (y0 + y1) / 2, yTitle, {size: 12, anchor: "middle", rotate: -90});
  }
  // The parts of a curve at or below `top`, cut where it crosses, as points in pixels.
  function curve(f, flat, top = Infinity) {
    const parts = [];
    let part = [];
    for (let i = 0; i + 1 < flat.length; i += 2) {
      const point = [flat[i], flat[i + 1]];
      const previous = i >= 2 ? [flat[i - 2], flat[i - 1]] : null;
      if (point[1] <= top) {
        if (previous && previous[1] > top) part.push(crossing(previous, point, top));
        part.push(point);
      } else if (previous && previous[1] <= top) {
        part.push(crossing(previous, point, top));
        parts.push(part);
        part = [];
      }
    }
    if (part.length) parts.push(part);
    return parts.map((points) => points.map(([x, y]) => [f.x(x), f.y(y)]));
  }
  function crossing(a, b, top) {
    const t = (top - a[1]) / (b[1] - a[1]);
    return [a[0] + t * (b[0] - a[0]), top];
  }
  function legend(p, entries) {
    let x = kPlot.left;
    let y = kHeight - 30;
    for (const [name, colour, dash, markerOnly] of entries) {
      const room = 40 + name.length * 7.2;
      if (x + room > kWidth - 8) {
        x = kPlot.left;
        y += 16;
      }
      if (markerOnly) p.disc(x + 12, y, 4, colour, "#000");
      else p.polyline([[x, y], [x + 24, y]], colour, 2, dash);
      p.text(x + 30, y, name, {size: 11});
      x += room;
    }
  }

  // ---- θ-β-M --------------------------------------------------------------------------------
  function betaTop(beta) {
    for (const top of [90, 120, 150]) if (beta <= top) return top;
    return 180;
  }
  function thetaBetaFrame(data) {
    const chart = data.thetaBeta;
    const top = betaTop(chart.model ? chart.model[1] : 0);
    return frameFor(data.alpha <= 50 ? 50 : 80, 0, top);
  }
  function drawThetaBeta(p, data, qsTranslate) {
    const chart = data.thetaBeta;
    const f = thetaBetaFrame(data);
    axes(p, f, 10, f.yMax > 90 ? 15 : 10, qsTranslate("ThetaBetaChart", "flow deflection θ = α [°]"), qsTranslate("ThetaBetaChart", "shock angle β [°]"));
    // The curves run on past the θ axis's end; the plot shows them up to its edge.
    const edge = f.x(f.xMax) + 0.5;
    const clip = (points) => points.filter(([x]) => x <= edge);
    for (const reference of chart.references) {
      for (const part of [reference.weak, reference.strong]) for (const line of curve(f, part, f.yMax)) p.polyline(clip(line), kReference, 1, part === reference.strong ? [5, 4] : []);
      if (reference.weak.length >= 2) {
        const n = reference.weak.length;
        p.text(f.x(reference.weak[n - 2]) + 4, f.y(reference.weak[n - 1]), String(reference.mach), {size: 10, colour: kLocus});
      }
    }
    for (const line of curve(f, chart.maxLocus, f.yMax)) p.polyline(clip(line), kLocus, 1, [2, 3]);
    if (chart.current) {
      for (const line of curve(f, chart.current.weak, f.yMax)) p.polyline(clip(line), "#000", 2);
      for (const line of curve(f, chart.current.strong, f.yMax)) p.polyline(clip(line), "#000", 2, [6, 4]);
    }
    const detached = chart.state === "detached";
    if (chart.model) p.disc(f.x(chart.model[0]), f.y(chart.model[1]), 5, kModel, "#000");
    if (chart.exact) p.disc(f.x(chart.exact[0]), f.y(chart.exact[1]), 5, detached ? kDetached : kAttached, "#000");
    let title = arg(qsTranslate("ThetaBetaChart", "θ-β-M at M₁ = %1, α = %2°"), data.machText, data.alphaText);
    if (detached && chart.maxDeflectionText) title += arg(qsTranslate("ThetaBetaChart", ": detached (θmax = %1°)"), chart.maxDeflectionText);
    else if (chart.state === "absent") title += qsTranslate("ThetaBetaChart", ": no oblique shock");
    p.text(kWidth / 2, 18, title, {size: 13, anchor: "middle", bold: true, colour: detached ? kDetached : "#000"});
    legend(p, [
      [qsTranslate("ThetaBetaChart", "θmax"), kLocus, [2, 3]],
      [qsTranslate("ThetaBetaChart", "weak"), "#000", []],
      [qsTranslate("ThetaBetaChart", "strong"), "#000", [6, 4]],
      [arg(qsTranslate("ThetaBetaChart", "M₁ = %1"), chart.references.map((r) => r.mach).join(", ")), kReference, []],
      [qsTranslate("ThetaBetaChart", "model front"), kModel, [], true],
      [qsTranslate("ThetaBetaChart", "exact shock"), detached ? kDetached : kAttached, [], true],
    ]);
    const parts = [title];
    if (chart.exact) parts.push(qsTranslate("ThetaBetaChart", "exact shock") + ": θ = " + chart.exact[0].toFixed(2) + "°, β = " + chart.exact[1].toFixed(2) + "°");
    if (chart.model) parts.push(qsTranslate("ThetaBetaChart", "model front") + ": θ = " + chart.model[0].toFixed(2) + "°, β = " + chart.model[1].toFixed(2) + "°");
    return parts.join(". ");
  }

  // ---- Loads --------------------------------------------------------------------------------
  function loadsFrame(data) {
    return frameFor(75, data.loads.lowest, data.loads.top);
  }
  function drawLoads(p, data, qsTranslate) {
    const loads = data.loads;
    const f = loadsFrame(data);
    axes(p, f, 15, niceStep(f.yMax - f.yMin), qsTranslate("LoadsChart", "angle of attack α [°]"),
         qsTranslate("LoadsChart", "c<sub>l</sub> solid, c<sub>d</sub> dashed [-]").replace(/<sub>(.)<\/sub>/g, "_$1"));
    for (const [key, , colour] of kTheories) {
      for (const line of curve(f, loads[key].lift, f.yMax)) p.polyline(line, colour, 2);
      for (const line of curve(f, loads[key].drag, f.yMax)) p.polyline(line, colour, 2, [6, 4]);
    }
    const x = f.x(Math.min(Math.max(data.alpha, 0), 75));
    p.polyline([[x, f.y(f.yMin)], [x, f.y(f.yMax)]], "#000", 1.5, [7, 3, 2, 3]);
    let title = arg(qsTranslate("LoadsChart", "Loads at M₁ = %1, α = %2°"), data.machText, data.alphaText);
    // Where the exact answer has nothing at α, the title says why, from the regime's key.
    const why = {
      detached: QT_TRANSLATE_NOOP("LoadsChart", ": detached"),
      vacuum: QT_TRANSLATE_NOOP("LoadsChart", ": vacuum above"),
      subsonic: QT_TRANSLATE_NOOP("LoadsChart", ": subsonic, no theory"),
      no_gas: QT_TRANSLATE_NOOP("LoadsChart", ": no flow"),
      absolute_zero: QT_TRANSLATE_NOOP("LoadsChart", ": no flow"),
      invalid: QT_TRANSLATE_NOOP("LoadsChart", ": no flow"),
    }[data.regime];
    if (why) title += qsTranslate("LoadsChart", why);
    p.text(kWidth / 2, 18, title, {size: 13, anchor: "middle", bold: true});
    legend(p, kTheories.map(([, name, colour]) => [qsTranslate("LoadsChart", name), colour, []]).concat([[qsTranslate("LoadsChart", "α"), "#000", [7, 3, 2, 3]]]));
    return title;
  }

  function arg(pattern, ...values) {
    return pattern.replace(/%(\d)/g, (all, n) => (n - 1 < values.length ? values[n - 1] : all));
  }

  // ---- The page's side ------------------------------------------------------------------------
  let canvases = null;
  const kDrawers = {thetaBeta: [drawThetaBeta, thetaBetaFrame], loads: [drawLoads, loadsFrame]};
  let shown = null;

  function draw(data, qsTranslate) {
    if (!canvases || !data) return;
    shown = data;
    for (const [which, [drawer]] of Object.entries(kDrawers)) {
      const canvas = canvases[which];
      const description = drawer(new CanvasPainter(canvas), data, qsTranslate);
      canvas.setAttribute("aria-label", description);
      document.getElementById(which + "Text").textContent = description;
    }
  }
  // A press in the plot area sets α to the angle under it, in whole tenths as the window does;
  // holding the button, the angle follows the pointer.
  function bind(options) {
    canvases = {thetaBeta: options.thetaBeta, loads: options.loads};
    for (const [which, [, framer]] of Object.entries(kDrawers)) {
      const canvas = canvases[which];
      let dragging = false;
      const ask = (event) => {
        const box = canvas.getBoundingClientRect();
        const x = ((event.clientX - box.left) / box.width) * kWidth;
        options.onAngle(Math.round(framer(shown).value(x) * 10) / 10);
      };
      canvas.addEventListener("pointerdown", (event) => {
        if (!shown || event.button !== 0) return;
        const box = canvas.getBoundingClientRect();
        const x = ((event.clientX - box.left) / box.width) * kWidth;
        const y = ((event.clientY - box.top) / box.height) * kHeight;
        dragging = framer(shown).inside(x, y);
        if (!dragging) return;
        canvas.setPointerCapture(event.pointerId);
        ask(event);
      });
      canvas.addEventListener("pointermove", (event) => {
        if (dragging && (event.buttons & 1)) ask(event);
      });
      canvas.addEventListener("pointerup", () => { dragging = false; });
      // From the keyboard the chart turns the plate as the picture does.
      canvas.addEventListener("keydown", (event) => {
        if (!shown || (event.key !== "ArrowLeft" && event.key !== "ArrowRight")) return;
        event.preventDefault();
        const step = (event.shiftKey ? 0.1 : 1) * (event.key === "ArrowRight" ? 1 : -1);
        options.onAngle(Math.round((shown.alpha + step) * 10) / 10);
      });
    }
  }
  function save(which, kind, data, qsTranslate, download, state) {
    if (!data) return;
    const stem = state.fileName.replace(/\.png$/, "") + "-" + (which === "loads" ? "loads" : "theta-beta");
    const [drawer] = kDrawers[which];
    if (kind === "svg") {
      const painter = new SvgPainter();
      drawer(painter, data, qsTranslate);
      download(new Blob([painter.svg()], {type: "image/svg+xml"}), stem + ".svg");
    } else {
      canvases[which].toBlob((blob) => blob && download(blob, stem + ".png"), "image/png");
    }
  }
  return {draw, bind, save, SvgPainter, drawThetaBeta, drawLoads};
})();
