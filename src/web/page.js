// SPDX-License-Identifier: GPL-3.0-or-later
// The page: the window's flow session in WebAssembly, its picture on a canvas, the sixteen
// fields, the regime line, the theory table, the two charts and the teacher's tools. Texts
// come from the window's translations (translations.js, made from the .ts files at build
// time); every text shown is asked for with qsTranslate(context, English text).
"use strict";

(() => {
  // ---- Languages ------------------------------------------------------------------------
  const kLanguages = ["ru", "en"];
  let language = "en";

  // The window's text for `source` in the chosen language; the English text where none.
  function qsTranslate(context, source) {
    const texts = (self.zerkonTexts || {})[language] || {};
    const found = texts[context + "\u0004" + source];
    return found === undefined ? source : found;
  }
  // A menu text without its keyboard marker ("&Pause" → "Pause"), "..." dropped.
  function plain(text) {
    return text.replace(/&(.)/g, "$1").replace(/\.\.\.$/, "");
  }
  // QString::arg: %1, %2, ... replaced in order.
  function arg(pattern, ...values) {
    return pattern.replace(/%(\d)/g, (all, n) => (n - 1 < values.length ? values[n - 1] : all));
  }
  function browserLanguage() {
    for (const wanted of navigator.languages || [navigator.language || "en"]) {
      const code = String(wanted).toLowerCase().split("-")[0];
      if (kLanguages.includes(code)) return code;
    }
    return "en";
  }
  function chosenLanguage() {
    const asked = new URLSearchParams(location.search).get("lang");
    if (kLanguages.includes(asked)) return asked;
    try {
      const kept = localStorage.getItem("zerkon.language");
      if (kLanguages.includes(kept)) return kept;
    } catch (e) {
      // Storage may be switched off: the browser's language then.
    }
    return browserLanguage();
  }

  // ---- The fields, as the window lays them out ------------------------------------------
  // [id, symbol, unit context text or "", kind]
  const kColumns = {
    freeStream: [
      [1002, "V₁", "m/s", "input"],
      [1003, "T₁", "K", "input"],
      [1004, "P₁", "Pa", "input"],
      [1009, "ρ₁", "kg/m³", "output"],
      [1011, "c₁", "m/s", "output"],
      [1012, "M₁", "", "output"],
      [1015, "V₀₁", "m³/kg", "output"],
    ],
    localState: [
      [1006, "T", "K", "output"],
      [1007, "P", "Pa", "output"],
      [1010, "ρ", "kg/m³", "output"],
      [1013, "c", "m/s", "output"],
      [1014, "M", "", "output"],
      [1016, "V₀", "m³/kg", "output"],
    ],
    localVelocity: [
      [1005, "V", "m/s", "output"],
      [1008, "V_φ", "m/s", "output"],
      [1022, "V_r", "m/s", "output"],
    ],
  };
  // The units as the window's main dialog translates them.
  const kUnits = {
    "m/s": () => qsTranslate("MainDialog", "m/s"),
    K: () => qsTranslate("MainDialog", "K"),
    Pa: () => qsTranslate("MainDialog", "Pa"),
    "kg/m³": () => qsTranslate("MainDialog", "kg/m³"),
    "m³/kg": () => qsTranslate("MainDialog", "m³/kg"),
  };
  // The fields' names for assistive technology and their tooltips, as in the window.
  const kFieldNames = {
    1002: () => qsTranslate("FieldHelp", "V₁, velocity, m/s"),
    1003: () => qsTranslate("FieldHelp", "T₁, temperature, K"),
    1004: () => qsTranslate("FieldHelp", "P₁, pressure, Pa"),
    1009: () => qsTranslate("FieldHelp", "ρ₁, density, kg/m³"),
    1011: () => qsTranslate("FieldHelp", "c₁, speed of sound, m/s"),
    1012: () => qsTranslate("FieldHelp", "M₁, Mach number, no unit"),
    1015: () => qsTranslate("FieldHelp", "V₀₁, specific volume, m³/kg"),
    1006: () => qsTranslate("FieldHelp", "T, temperature at the point, K"),
    1007: () => qsTranslate("FieldHelp", "P, pressure at the point, Pa"),
    1010: () => qsTranslate("FieldHelp", "ρ, density at the point, kg/m³"),
    1013: () => qsTranslate("FieldHelp", "c, speed of sound at the point, m/s"),
    1014: () => qsTranslate("FieldHelp", "M, Mach number at the point, no unit"),
    1016: () => qsTranslate("FieldHelp", "V₀, specific volume at the point, m³/kg"),
    1005: () => qsTranslate("FieldHelp", "V, velocity at the point, m/s"),
    1008: () => qsTranslate("FieldHelp", "V_φ, velocity along the turned stream, m/s"),
    1022: () => qsTranslate("FieldHelp", "V_r, velocity across the turned stream, m/s"),
  };
  const kFieldTips = {
    1002: () => qsTranslate("FieldHelp", "V₁, free-stream speed, m/s: typed in, applied when the field is left"),
    1003: () => qsTranslate("FieldHelp", "T₁, free-stream temperature, K: typed in, applied when the field is left"),
    1004: () => qsTranslate("FieldHelp", "P₁, free-stream pressure, Pa: typed in, applied when the field is left"),
    1009: () => qsTranslate("FieldHelp", "ρ₁, free-stream density, kg/m³: P₁ · 0.028 / (8.314 · T₁)"),
    1011: () => qsTranslate("FieldHelp", "c₁, free-stream speed of sound, m/s: √(415.7 · T₁)"),
    1012: () => qsTranslate("FieldHelp", "M₁, Mach number, no unit"),
    1015: () => qsTranslate("FieldHelp", "V₀₁, free-stream specific volume, m³/kg: 1 / ρ₁"),
    1006: () => qsTranslate("FieldHelp", "T, temperature at the probed point, K: from the shock or fan the point lies behind"),
    1007: () => qsTranslate("FieldHelp", "P, pressure at the probed point, Pa: from the shock or fan the point lies behind"),
    1010: () => qsTranslate("FieldHelp", "ρ, density at the probed point, kg/m³: from the shock or fan the point lies behind"),
    1013: () => qsTranslate("FieldHelp", "c, speed of sound at the probed point, m/s: √(415.7 · T)"),
    1014: () => qsTranslate("FieldHelp", "M, Mach number at the probed point, no unit: V / c"),
    1016: () => qsTranslate("FieldHelp", "V₀, specific volume at the probed point, m³/kg: 1 / ρ"),
    1005: () => qsTranslate("FieldHelp", "V, flow speed at the probed point, m/s: √(V_φ² + V_r²)"),
    1008: () => qsTranslate("FieldHelp", "V_φ, velocity along the turned stream at the probed point, m/s: from the shock or fan the point lies behind (V₁ in the free stream)"),
    1022: () => qsTranslate("FieldHelp", "V_r, velocity across the turned stream at the probed point, m/s: from the shock or fan the point lies behind (0 in the free stream)"),
  };

  const $ = (id) => document.getElementById(id);
  const picture = $("picture");
  const pictureContext = picture.getContext("2d");
  let zk = null;  // the module's functions
  let frameImage = null;
  let width = 0;
  let height = 0;
  let state = null;  // the session's last answer to zk_state
  const inputs = new Map();  // id → the <input>
  const applied = new Map();  // id → the text last applied (what Escape puts back)

  // ---- The animation ----------------------------------------------------------------------
  // The window's timer: 25 ms from the start, 20 ms after the About box; it rests while the
  // page is hidden, and while the user paused it.
  let interval = 25;
  let timerOn = true;
  let paused = false;
  let lastTime = null;
  let backlog = 0;
  let frameWork = [];  // ms of the page's own work per frame, for the measurements

  function showFrame() {
    const pointer = zk.frame();
    frameImage.data.set(zk.heap().subarray(pointer, pointer + width * height * 4));
    pictureContext.putImageData(frameImage, 0, 0);
    if (state && state.keyboardProbe && state.probe) drawCrosshair(state.probe[0], state.probe[1]);
  }
  // The keyboard's probe: a cross with an open centre and a white halo, as in the window.
  function drawCrosshair(x, y) {
    const arms = [[x - 7, y, x - 2, y], [x + 2, y, x + 7, y], [x, y - 7, x, y - 2], [x, y + 2, x, y + 7]];
    for (const [colour, lineWidth] of [["#fff", 3], ["#000", 1]]) {
      pictureContext.strokeStyle = colour;
      pictureContext.lineWidth = lineWidth;
      pictureContext.beginPath();
      for (const [x0, y0, x1, y1] of arms) {
        pictureContext.moveTo(x0 + 0.5, y0 + 0.5);
        pictureContext.lineTo(x1 + 0.5, y1 + 0.5);
      }
      pictureContext.stroke();
    }
  }
  function animate(now) {
    requestAnimationFrame(animate);
    if (paused || !timerOn || document.hidden) {
      lastTime = null;
      return;
    }
    if (lastTime === null) {
      lastTime = now;
      return;
    }
    backlog += now - lastTime;
    lastTime = now;
    // A slow machine drops ticks rather than falling ever further behind.
    const ticks = Math.min(Math.floor(backlog / interval), 2);
    backlog = Math.min(backlog - ticks * interval, interval);
    if (ticks === 0) return;
    const start = performance.now();
    for (let i = 0; i < ticks; ++i) zk.tick();
    showFrame();
    frameWork.push((performance.now() - start) / ticks);
    if (frameWork.length > 400) frameWork.shift();
  }
  function setPaused(on) {
    paused = on;
    $("pause").setAttribute("aria-pressed", String(on));
    $("step").disabled = !on;
  }
  function stepOnce() {
    if (!paused) return;
    zk.tick();
    showFrame();
  }
  function restartParticles() {
    zk.restart();
    if (paused) redraw();
  }
  // A frame at once while paused, where a running timer would show a change within a tick.
  function redraw() {
    zk.compose();
    showFrame();
  }

  // ---- What the session says ----------------------------------------------------------------
  function refresh() {
    state = JSON.parse(zk.state());
    for (const [id, text] of Object.entries(state.fields)) {
      const field = $("f" + id);
      // A field being typed in keeps what is typed.
      if (field && !(inputs.has(Number(id)) && document.activeElement === field)) field.value = text;
    }
    const line = state.regime;
    const sentence = arg(qsTranslate("RegimeLine", line.template), ...line.arguments);
    const regime = $("regime");
    if (regime.textContent !== sentence) regime.textContent = sentence;
    regime.title = qsTranslate("RegimeLine", line.explanation);
    regime.classList.toggle("warning", !line.real);
    picture.setAttribute("aria-valuenow", String(state.alpha));
    picture.setAttribute("aria-valuetext", "α = " + state.alphaText + "°");
    picture.setAttribute("aria-label", qsTranslate("MainDialog", "Flow picture"));
    if (!$("theory").hidden) showTheory();
    if (!$("charts").hidden) showCharts();
    keepLink();
  }
  function turned() {
    refresh();
    if (paused) showFrame();
  }

  // ---- Fields: Enter or leaving applies; Escape puts back the last applied text --------------
  function buildFields() {
    for (const [column, rows] of Object.entries(kColumns)) {
      const box = $(column);
      for (const [id, symbol, unit, kind] of rows) {
        const row = document.createElement("div");
        row.className = "field";
        const label = document.createElement("label");
        label.htmlFor = "f" + id;
        label.textContent = symbol;
        label.id = "l" + id;
        const input = document.createElement("input");
        input.id = "f" + id;
        input.type = "text";
        input.autocomplete = "off";
        input.spellcheck = false;
        input.setAttribute("autocapitalize", "off");
        if (kind === "input") {
          input.inputMode = "decimal";
          input.enterKeyHint = "done";
          inputs.set(id, input);
          input.addEventListener("keydown", (event) => {
            if (event.key === "Enter") {
              event.preventDefault();
              applyField(id);
            } else if (event.key === "Escape") {
              event.preventDefault();
              event.stopPropagation();
              if (input.value !== applied.get(id)) input.value = applied.get(id);
            }
          });
          // Every loss of focus applies, changed text or not, as in the window.
          input.addEventListener("blur", () => applyField(id));
        } else {
          input.readOnly = true;
        }
        const units = document.createElement("span");
        units.className = "unit";
        units.dataset.unit = unit;
        units.setAttribute("aria-hidden", "true");
        row.append(label, input, units);
        box.append(row);
      }
    }
  }
  function applyField(id) {
    const input = inputs.get(id);
    zk.apply(id, input.value);
    applied.set(id, input.value);
    refresh();
    if (paused) redraw();
  }

  // ---- The picture: mouse, touch and keys ---------------------------------------------------
  // Picture pixels per CSS pixel are fixed by layout(); a position maps to the pixel under it.
  let scale = 1;
  function pixelAt(event) {
    const box = picture.getBoundingClientRect();
    const x = Math.floor((event.clientX - box.left - picture.clientLeft) / scale);
    const y = Math.floor((event.clientY - box.top - picture.clientTop) / scale);
    return [x, y];
  }
  let touch = null;  // a touch in progress: where it began and whether it dragged
  function pointerMoved(event) {
    const [x, y] = pixelAt(event);
    if (event.pointerType === "touch") {
      if (!touch) return;
      if (!touch.dragging && Math.hypot(event.clientX - touch.x, event.clientY - touch.y) < 6) return;
      touch.dragging = true;
    }
    if (state && state.keyboardProbe) zk.endKeyProbe();
    const left = (event.buttons & 1) !== 0 || (touch && touch.dragging);
    if (zk.mouse(left ? 1 : 0, x, y)) turned();
    else refresh();
  }
  picture.addEventListener("pointerdown", (event) => {
    picture.focus({preventScroll: true});
    if (event.pointerType === "touch") {
      touch = {x: event.clientX, y: event.clientY, dragging: false};
      picture.setPointerCapture(event.pointerId);
    } else if (event.button === 0) {
      picture.setPointerCapture(event.pointerId);
    }
  });
  picture.addEventListener("pointermove", pointerMoved);
  picture.addEventListener("pointerup", (event) => {
    if (event.pointerType === "touch" && touch) {
      // A tap probes where it touched.
      if (!touch.dragging) {
        const [x, y] = pixelAt(event);
        if (state && state.keyboardProbe) zk.endKeyProbe();
        zk.mouse(0, x, y);
        refresh();
        if (paused) showFrame();
      }
      touch = null;
    }
  });
  picture.addEventListener("pointercancel", () => { touch = null; });

  // Right or plus raises α by a degree, Left or minus lowers it; Shift makes it a tenth,
  // except on the main row's plus and minus, which many layouts type with Shift.
  picture.addEventListener("keydown", (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    let direction = 0;
    if (event.key === "ArrowRight" || event.key === "+") direction = 1;
    else if (event.key === "ArrowLeft" || event.key === "-") direction = -1;
    if (direction === 0) return;
    event.preventDefault();
    const sign = event.key === "+" || event.key === "-";
    const keypad = event.code === "NumpadAdd" || event.code === "NumpadSubtract";
    const fine = event.shiftKey && (!sign || keypad);
    if (zk.turnBy(direction * (fine ? 0.1 : 1))) turned();
  });

  // ---- Window-wide keys, as the window's shortcuts ------------------------------------------
  document.addEventListener("keydown", (event) => {
    const typing = event.target instanceof HTMLInputElement || event.target instanceof HTMLSelectElement;
    const control = event.ctrlKey || event.metaKey;
    if (control && !event.altKey && event.key.startsWith("Arrow")) {
      if (typing) return;
      event.preventDefault();
      const step = event.shiftKey ? 10 : 1;
      const moves = {ArrowLeft: [-step, 0], ArrowRight: [step, 0], ArrowUp: [0, -step], ArrowDown: [0, step]};
      zk.probeBy(...moves[event.key]);
      refresh();
      showFrameKeepingTime();
      return;
    }
    if (control && (event.key === "s" || event.key === "S") && !event.shiftKey) {
      event.preventDefault();
      savePicture();
      return;
    }
    if (control && event.shiftKey && (event.key === "C" || event.key === "c")) {
      event.preventDefault();
      copyValues();
      return;
    }
    const functionKeys = {F1: showAbout, F2: toggleTheory, F3: showLegend, F4: toggleCharts};
    if (functionKeys[event.key] && !control) {
      event.preventDefault();
      functionKeys[event.key]();
      return;
    }
    if (typing || control || event.altKey || event.target instanceof HTMLButtonElement && event.key === " ") return;
    if (event.key === " ") {
      event.preventDefault();
      setPaused(!paused);
    } else if (event.key === ".") {
      stepOnce();
    } else if (event.key === "r" || event.key === "R") {
      restartParticles();
    }
  });
  // The crosshair over the last frame, without moving any tracer.
  function showFrameKeepingTime() {
    pictureContext.putImageData(frameImage, 0, 0);
    if (state.keyboardProbe && state.probe) drawCrosshair(state.probe[0], state.probe[1]);
  }

  // ---- Sharp scaling: whole device pixels per picture pixel where the room allows ------------
  function layout() {
    const room = $("frame").clientWidth - 2;  // the border
    const ratio = window.devicePixelRatio || 1;
    const tall = window.innerHeight - 120;
    let devicePixels = (Math.min(room, tall * width / height) * ratio) / width;
    if (devicePixels >= 1) devicePixels = Math.floor(devicePixels);
    devicePixels = Math.max(devicePixels, 0.25);
    scale = devicePixels / ratio;
    picture.style.width = width * scale + "px";
    picture.style.height = height * scale + "px";
  }

  // ---- Outputs --------------------------------------------------------------------------------
  function download(blob, name) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(blob);
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }
  function savePicture() {
    // The frame alone, as the window saves it: no crosshair.
    const copy = document.createElement("canvas");
    copy.width = width;
    copy.height = height;
    copy.getContext("2d").putImageData(frameImage, 0, 0);
    copy.toBlob((blob) => {
      if (!blob) {
        say(qsTranslate("PictureActions", "the picture could not be encoded as PNG"), true);
        return;
      }
      download(blob, state.fileName);
      say(arg(qsTranslate("WebPage", "The picture was saved as %1."), state.fileName));
    }, "image/png");
  }
  async function copyText(text) {
    try {
      await navigator.clipboard.writeText(text);
      return true;
    } catch (e) {
      // Without the clipboard interface (an insecure origin): the old way.
      const area = document.createElement("textarea");
      area.value = text;
      document.body.append(area);
      area.select();
      const done = document.execCommand("copy");
      area.remove();
      return done;
    }
  }
  async function copyValues() {
    const done = await copyText(zk.values());
    say(done ? qsTranslate("WebPage", "The values were copied as a table.")
             : qsTranslate("WebPage", "The browser did not allow copying."), !done);
  }
  function sessionLink() {
    const url = new URL(location.href);
    url.search = "";
    url.hash = "";
    const query = new URLSearchParams();
    query.set("v", applied.get(1002));
    query.set("t", applied.get(1003));
    query.set("p", applied.get(1004));
    query.set("a", String(Math.round(state.alpha * 1e6) / 1e6));
    url.search = query.toString();
    return url.toString();
  }
  // The address always carries the session, so a bookmark or a reload keeps it.
  function keepLink() {
    try {
      history.replaceState(null, "", sessionLink());
    } catch (e) {
      // Pages opened from disk may not rewrite their address.
    }
  }
  async function copyLink() {
    const done = await copyText(sessionLink());
    say(done ? qsTranslate("WebPage", "The link to this session was copied.")
             : qsTranslate("WebPage", "The browser did not allow copying."), !done);
  }
  function say(text, problem = false) {
    const status = $("status");
    status.textContent = text;
    status.classList.toggle("problem", problem);
  }

  // ---- About and legend -------------------------------------------------------------------------
  // As in the window: the timer stops while the box is open and runs at 20 ms afterwards.
  function showAbout() {
    const box = $("about");
    if (box.open) return;
    zk.setTimer(0);
    timerOn = false;
    box.showModal();
  }
  $("about").addEventListener("close", () => {
    zk.setTimer(1);
    interval = zk.interval() || 20;
    timerOn = true;
  });
  function showLegend() {
    const box = $("legend");
    if (!box.open) box.showModal();
  }
  const kLegend = [
    [QT_TRANSLATE_NOOP("LegendWindow", "Tracers: ten thousand particles of gas, one red pixel each, moving with the local velocity; they enter at the left and are turned by the fronts."), (g) => {
      g.fillStyle = "rgb(255,0,0)";
      for (const [x, y] of [[5, 6], [14, 19], [22, 9], [31, 22], [37, 4], [44, 15], [52, 8], [58, 21], [9, 24], [27, 14]]) g.fillRect(x, y, 1, 1);
    }],
    [QT_TRANSLATE_NOOP("LegendWindow", "Pressure bubbles: two orange discs carried by the flow; the higher the local pressure, the smaller the disc (radius 10 pixels at 100000 Pa)."), (g) => {
      g.fillStyle = "rgb(255,96,0)";
      g.strokeStyle = "#000";
      for (const [x, r] of [[18, 10], [48, 5]]) {
        g.beginPath();
        g.arc(x, 14, r, 0, 2 * Math.PI);
        g.fill();
        g.stroke();
      }
    }],
    [QT_TRANSLATE_NOOP("LegendWindow", "Streamlines: twelve green lines, the whole paths of gas entering at evenly spaced heights."), (g) => {
      g.strokeStyle = "rgb(0,255,0)";
      line(g, [[0, 8.5], [26, 8.5], [44, 20.5], [64, 20.5]]);
    }],
    [QT_TRANSLATE_NOOP("LegendWindow", "The plate: the thick blue line; drag it with the left button, or turn it with the arrow keys when the picture has the keyboard."), (g) => {
      g.strokeStyle = "rgb(0,0,255)";
      g.lineWidth = 2;
      line(g, [[8, 6], [56, 22]]);
    }],
    [QT_TRANSLATE_NOOP("LegendWindow", "Dashed lines: the shock fronts (below at the leading edge, above at the trailing edge) and the first and last rays of the two expansion fans."), (g) => {
      g.setLineDash([18, 6]);
      line(g, [[4, 24], [60, 4]]);
    }],
    [QT_TRANSLATE_NOOP("LegendWindow", "Dash-dot lines: the undisturbed free stream at the heights of the leading and the trailing edge."), (g) => {
      g.setLineDash([9, 6, 3, 6]);
      line(g, [[0, 14.5], [64, 14.5]]);
    }],
    [QT_TRANSLATE_NOOP("LegendWindow", "The force arrow: the force on the plate from the pressures 20 pixels below and above its centre, normal to the plate, with its vertical part Fy and horizontal part Fx; the labels are in newtons, written “Н”, the Russian letter for N."), (g) => {
      for (const to of [[34, 5], [12, 3], [40, 25]]) arrow(g, [12, 25], to);
    }],
    [QT_TRANSLATE_NOOP("LegendWindow", "The angle arc: the angle of attack α between the thin horizontal reference line and the plate, with its value in degrees."), (g) => {
      line(g, [[4, 20.5], [40, 20.5]]);
      g.beginPath();
      g.arc(40, 20, 16, Math.PI, Math.PI + Math.PI / 6);
      g.stroke();
      g.strokeStyle = "rgb(0,0,255)";
      g.lineWidth = 2;
      line(g, [[40, 20], [60, 8]]);
    }],
    [QT_TRANSLATE_NOOP("LegendWindow", "The crosshair: the point probed with Ctrl and the arrow keys; it goes when the mouse moves."), (g) => {
      for (const [x0, y0, x1, y1] of [[25, 14, 30, 14], [34, 14, 39, 14], [32, 7, 32, 12], [32, 16, 32, 21]]) line(g, [[x0, y0 + 0.5], [x1, y1 + 0.5]]);
    }],
  ];
  function line(g, points) {
    g.beginPath();
    g.moveTo(...points[0]);
    for (const point of points.slice(1)) g.lineTo(...point);
    g.stroke();
  }
  function arrow(g, from, to) {
    line(g, [from, to]);
    const angle = Math.atan2(from[1] - to[1], from[0] - to[0]);
    for (const turn of [-25, 25]) {
      const a = angle + (turn * Math.PI) / 180;
      line(g, [to, [to[0] + 6 * Math.cos(a), to[1] + 6 * Math.sin(a)]]);
    }
  }
  function buildLegend() {
    const rows = $("legendRows");
    for (const [text, draw] of kLegend) {
      const sample = document.createElement("canvas");
      sample.width = 64;
      sample.height = 28;
      sample.setAttribute("aria-hidden", "true");
      const g = sample.getContext("2d");
      g.fillStyle = "#fff";
      g.fillRect(0, 0, 64, 28);
      g.strokeStyle = "#000";
      g.lineWidth = 1;
      draw(g);
      const words = document.createElement("p");
      words.dataset.source = text;
      rows.append(sample, words);
    }
  }
  // Marks a text for lupdate where the translation is looked up later.
  function QT_TRANSLATE_NOOP(context, text) {
    return text;
  }

  // ---- The theory table, laid out as the theory window --------------------------------------
  const kAbsent = "—";
  // The report writes its units in English; the table shows them in its own language.
  function shownUnit(value) {
    for (const unit of ["m/s", "kg/m³", "N/m"]) {
      if (value.endsWith(" " + unit)) return value.slice(0, -unit.length) + qsTranslate("TheoryWindow", unit);
    }
    return value;
  }
  function element(tag, text, attributes = {}) {
    const node = document.createElement(tag);
    if (text !== undefined) node.innerHTML = text;
    for (const [name, value] of Object.entries(attributes)) node.setAttribute(name, value);
    return node;
  }
  function escapeHtml(text) {
    return text.replace(/[&<>"]/g, (c) => ({"&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;"})[c]);
  }
  function showTheory() {
    const report = JSON.parse(zk.theory());
    const value = (key) => {
      const text = report.values[key];
      return text === undefined || text === "" ? kAbsent : shownUnit(text);
    };
    const body = $("theoryBody");
    body.className = "theory";
    body.textContent = "";
    const asked = element("p");
    asked.textContent = [["M₁", "mach"], ["α", "alpha"], ["V₁", "velocity"], ["ρ₁", "density"]]
      .map(([name, key]) => name + " = " + value(key)).join("   ");
    body.append(asked);
    // The regime in the main line's words, with its explanation below.
    const line = state.regime;
    const regime = element("p", undefined, {class: "regimeText" + (report.real ? "" : " warning")});
    regime.textContent = arg(qsTranslate("RegimeLine", line.template), ...line.arguments);
    body.append(regime);
    body.append(Object.assign(element("p"), {textContent: qsTranslate("RegimeLine", line.explanation)}));

    const faces = element("table");
    faces.append(element("thead"));
    faces.tHead.append(row("th", ["", qsTranslate("TheoryWindow", "lower face: shock"), qsTranslate("TheoryWindow", "upper face: expansion")].map(escapeHtml)));
    const faceRows = [
      [qsTranslate("TheoryWindow", "wave angle β / ν(M₁)+α"), "wave_angle"],
      ["M", "mach"], ["p/p₁", "pressure"], ["T/T₁", "temperature"], ["ρ/ρ₁", "density"],
      [qsTranslate("TheoryWindow", "p/p₁ of the model"), "model_pressure"],
      [qsTranslate("TheoryWindow", "model / exact"), "model_over_exact"],
    ];
    const faceBody = element("tbody");
    for (const [name, key] of faceRows) faceBody.append(row("td", [escapeHtml(name), value("lower." + key), value("upper." + key)].map((t, i) => (i ? escapeHtml(t) : t))));
    faces.append(faceBody);
    body.append(faces);

    const plate = element("table");
    plate.append(element("thead"));
    plate.tHead.append(row("th", ["", qsTranslate("TheoryWindow", "shock-expansion"), qsTranslate("TheoryWindow", "Ackeret")].map(escapeHtml)));
    const plateRows = [
      ["c<sub>l</sub>", "lift", "linear_lift"], ["c<sub>d</sub>", "drag", "linear_drag"],
      ["c<sub>n</sub>", "normal_force", ""], ["L/D", "lift_to_drag", ""],
      [escapeHtml(qsTranslate("TheoryWindow", "lift per metre of span (1 m chord)")), "lift_load", ""],
      [escapeHtml(qsTranslate("TheoryWindow", "drag per metre of span (1 m chord)")), "drag_load", ""],
      [escapeHtml(qsTranslate("TheoryWindow", "largest attached deflection θmax")), "theta_max", ""],
    ];
    const plateBody = element("tbody");
    for (const [name, exact, linear] of plateRows) plateBody.append(row("td", [name, escapeHtml(value(exact)), linear ? escapeHtml(value(linear)) : ""]));
    plate.append(plateBody);
    body.append(plate);
  }
  // A table row: the first cell names the row.
  function row(cell, cells) {
    const tr = element("tr");
    cells.forEach((html, i) => tr.append(element(i === 0 ? "th" : cell, html, i === 0 ? {scope: "row"} : {})));
    return tr;
  }
  function toggleTheory() {
    const panel = $("theory");
    panel.hidden = !panel.hidden;
    $("showTheory").setAttribute("aria-expanded", String(!panel.hidden));
    if (!panel.hidden) {
      showTheory();
      panel.scrollIntoView({block: "nearest"});
    }
  }

  // ---- Charts -----------------------------------------------------------------------------------
  let chartData = null;
  function showCharts() {
    chartData = JSON.parse(zk.charts());
    zerkonCharts.draw(chartData, qsTranslate);
  }
  function toggleCharts() {
    const panel = $("charts");
    panel.hidden = !panel.hidden;
    $("showCharts").setAttribute("aria-expanded", String(!panel.hidden));
    if (!panel.hidden) {
      showCharts();
      panel.scrollIntoView({block: "nearest"});
    }
  }
  function chartAngle(degrees) {
    if (zk.turnTo(degrees)) turned();
  }

  // ---- Texts in the chosen language -----------------------------------------------------------
  function retranslate() {
    document.documentElement.lang = language;
    $("language").value = language;
    $("languageLabel").textContent = plain(qsTranslate("MainDialog", "La&nguage"));
    $("showCharts").textContent = plain(qsTranslate("MainDialog", "&Charts..."));
    $("showTheory").textContent = plain(qsTranslate("MainDialog", "Shock-expansion &theory..."));
    $("showLegend").textContent = plain(qsTranslate("PictureActions", "&Legend"));
    $("showAbout").textContent = plain(qsTranslate("MainDialog", "&About zerkon..."));
    $("pause").textContent = plain(qsTranslate("ViewActions", "&Pause"));
    $("step").textContent = plain(qsTranslate("ViewActions", "&Step one tick"));
    $("restart").textContent = plain(qsTranslate("ViewActions", "&Restart particles"));
    $("savePicture").textContent = plain(qsTranslate("PictureActions", "&Save picture..."));
    $("copyValues").textContent = plain(qsTranslate("PictureActions", "&Copy values"));
    $("copyLink").textContent = qsTranslate("WebPage", "Copy link");
    $("freeStreamTitle").textContent = qsTranslate("MainDialog", "Free stream");
    $("localStateTitle").textContent = qsTranslate("MainDialog", "State at the point");
    $("localVelocityTitle").textContent = qsTranslate("MainDialog", "Velocity at the point");
    for (const rows of Object.values(kColumns)) {
      for (const [id] of rows) {
        const input = $("f" + id);
        input.setAttribute("aria-label", kFieldNames[id]());
        input.title = kFieldTips[id]();
      }
    }
    for (const unit of document.querySelectorAll(".unit")) unit.textContent = unit.dataset.unit ? kUnits[unit.dataset.unit]() : "";
    $("theoryTitle").textContent = qsTranslate("TheoryWindow", "Shock-expansion theory");
    $("chartsTitle").textContent = qsTranslate("ChartsWindow", "Charts");
    for (const id of ["thetaBetaPng", "loadsPng"]) $(id).textContent = qsTranslate("WebPage", "Save as PNG");
    for (const id of ["thetaBetaSvg", "loadsSvg"]) $(id).textContent = qsTranslate("WebPage", "Save as SVG");
    $("aboutTitle").textContent = qsTranslate("AboutDialog", "About zerkon");
    $("aboutText").textContent = qsTranslate("AboutDialog", "A program that builds a visual model of supersonic flow around an infinitely thin flat plate");
    $("aboutVersion").textContent = arg(qsTranslate("AboutDialog", "zerkon %1"), zk.version());
    $("aboutLicence").textContent = qsTranslate("AboutDialog", "Copyright © 2026 the zerkon developers.\nFree software under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes with ABSOLUTELY NO WARRANTY.");
    $("aboutOk").textContent = qsTranslate("AboutDialog", "OK");
    $("legendTitle").textContent = qsTranslate("LegendWindow", "Legend");
    $("legendOk").textContent = qsTranslate("AboutDialog", "OK");
    for (const words of document.querySelectorAll("#legendRows p")) words.textContent = qsTranslate("LegendWindow", words.dataset.source);
    document.title = "zerkon";
    say("");
    refresh();
  }
  $("language").addEventListener("change", (event) => {
    language = event.target.value;
    try {
      localStorage.setItem("zerkon.language", language);
    } catch (e) {
      // Not kept: the choice holds for this visit.
    }
    retranslate();
  });

  // ---- A link's parameters --------------------------------------------------------------------
  // One line for everything the link's parameters needed done to them.
  function linkLine(notes) {
    const names = {v: "V₁", t: "T₁", p: "P₁", a: "α"};
    return notes.map((note) => note.clamped
      ? arg(qsTranslate("WebPage", "The link's %1 = %2 is out of range; %3 is used."), names[note.parameter], note.given, note.used)
      : arg(qsTranslate("WebPage", "The link's %1 = “%2” is not a number; the start-up value is used."), names[note.parameter], note.given)).join(" ");
  }

  // ---- Start ----------------------------------------------------------------------------------
  function bind(module) {
    const text = (name) => module.cwrap(name, "string", []);
    return {
      start: module.cwrap("zk_start", null, ["string", "string", "string", "string"]),
      width: module._zk_width,
      height: module._zk_height,
      tick: module._zk_tick,
      compose: module._zk_compose,
      restart: module._zk_restart,
      frame: module._zk_frame,
      heap: () => module.HEAPU8,
      mouse: module._zk_mouse,
      turnBy: module._zk_turn_by,
      turnTo: module._zk_turn_to,
      probeBy: module._zk_probe_by,
      endKeyProbe: module._zk_end_key_probe,
      setTimer: module._zk_set_timer,
      interval: module._zk_interval,
      apply: module.cwrap("zk_apply", "number", ["number", "string"]),
      state: text("zk_state"),
      theory: text("zk_theory"),
      charts: text("zk_charts"),
      values: text("zk_values"),
      linkNotes: text("zk_link_notes"),
      version: text("zk_version"),
    };
  }
  async function start() {
    language = chosenLanguage();
    const module = await createZerkon();
    zk = bind(module);
    const query = new URLSearchParams(location.search);
    const given = (name) => (query.has(name) ? query.get(name) : null);
    zk.start(given("v"), given("t"), given("p"), given("a"));
    width = zk.width();
    height = zk.height();
    picture.width = width;
    picture.height = height;
    frameImage = pictureContext.createImageData(width, height);
    buildFields();
    buildLegend();
    for (const id of inputs.keys()) applied.set(id, JSON.parse(zk.state()).fields[id]);
    retranslate();
    const notes = JSON.parse(zk.linkNotes());
    if (notes.length) say(linkLine(notes), true);
    // The start-up drag composed the first frame already.
    showFrame();
    const firstFrame = performance.now();
    layout();
    window.addEventListener("resize", layout);
    $("pause").addEventListener("click", () => setPaused(!paused));
    $("step").addEventListener("click", stepOnce);
    $("restart").addEventListener("click", restartParticles);
    $("savePicture").addEventListener("click", savePicture);
    $("copyValues").addEventListener("click", copyValues);
    $("copyLink").addEventListener("click", copyLink);
    $("showAbout").addEventListener("click", showAbout);
    $("showLegend").addEventListener("click", showLegend);
    $("showTheory").addEventListener("click", toggleTheory);
    $("showCharts").addEventListener("click", toggleCharts);
    zerkonCharts.bind({
      thetaBeta: $("thetaBeta"), loads: $("loads"), onAngle: chartAngle,
      save: (which, kind) => zerkonCharts.save(which, kind, chartData, qsTranslate, download, state),
    });
    for (const [id, which, kind] of [["thetaBetaPng", "thetaBeta", "png"], ["thetaBetaSvg", "thetaBeta", "svg"], ["loadsPng", "loads", "png"], ["loadsSvg", "loads", "svg"]]) {
      $(id).addEventListener("click", () => zerkonCharts.save(which, kind, chartData, qsTranslate, download, state));
    }
    requestAnimationFrame(animate);
    if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
      navigator.serviceWorker.register("sw.js").catch(() => {});
    }
    // What the tests and the measurements ask of the page.
    window.zerkonPage = {
      pause: () => setPaused(true),
      resume: () => setPaused(false),
      step: (n = 1) => { for (let i = 0; i < n; ++i) zk.tick(); showFrame(); },
      // A new session from a link's query, paused, its first frame shown.
      fresh: (search) => {
        setPaused(true);
        const query = new URLSearchParams(search);
        const given = (name) => (query.has(name) ? query.get(name) : null);
        zk.start(given("v"), given("t"), given("p"), given("a"));
        for (const id of inputs.keys()) applied.set(id, JSON.parse(zk.state()).fields[id]);
        refresh();
        showFrame();
      },
      frame: () => Array.from(frameImage.data),
      state: () => JSON.parse(zk.state()),
      frameWork: () => frameWork.slice(),
      language: () => language,
      scale: () => scale,
      firstFrame,
      ready: true,
    };
    document.body.dataset.ready = "true";
  }
  start().catch((error) => {
    const failure = $("failure");
    failure.hidden = false;
    failure.textContent = "zerkon: " + (error && error.message ? error.message : String(error));
  });
})();
