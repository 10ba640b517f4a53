// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition in a real browser: Debian's Chromium, headless, driven by puppeteer-core,
// against the native batch tool. Skipped (exit 77, one line) where Chromium, the page or
// puppeteer-core is missing.
//   node page-test.mjs --page build-web/web --cli build/src/cli/zerkon-cli [--shots DIR]
import {execFileSync} from "node:child_process";
import {existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from "node:fs";
import {createServer} from "node:http";
import {tmpdir} from "node:os";
import {extname, join, normalize} from "node:path";

const kSkip = 77;
const kChromium = "/usr/bin/chromium";
const options = {};
for (let i = 2; i + 1 < process.argv.length; i += 2) options[process.argv[i].replace(/^--/, "")] = process.argv[i + 1];

function skip(reason) {
  console.log("web page test skipped: " + reason);
  process.exit(kSkip);
}
if (!options.page || !options.cli) {
  console.error("usage: node page-test.mjs --page WEB_FOLDER --cli ZERKON_CLI [--shots DIR]");
  process.exit(2);
}
if (!existsSync(kChromium)) skip(kChromium + " is missing (apt-get install chromium)");
if (!existsSync(join(options.page, "zerkon.js"))) skip(options.page + "/zerkon.js is missing (cmake --preset web && cmake --build --preset web)");
let puppeteer;
try {
  puppeteer = (await import("puppeteer-core")).default;
} catch (e) {
  skip("puppeteer-core is missing (npm ci in tests/web)");
}

// ---- A static server for the page folder, stoppable for the offline check ----------------
const kTypes = {".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".png": "image/png",
  ".svg": "image/svg+xml", ".webmanifest": "application/manifest+json", ".json": "application/json"};
function serve(folder) {
  const server = createServer((request, response) => {
    let path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
    if (path.endsWith("/")) path += "index.html";
    const file = normalize(join(folder, path));
    if (!file.startsWith(normalize(folder)) || !existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {"Content-Type": kTypes[extname(file)] || "application/octet-stream"});
    response.end(readFileSync(file));
  });
  return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

// ---- The batch tool's answers ------------------------------------------------------------------
function cli(...args) {
  return execFileSync(options.cli, args, {encoding: "utf8", maxBuffer: 64 << 20});
}
function cliJson(...args) {
  return JSON.parse(cli("--json", ...args));
}

// ---- Checks ------------------------------------------------------------------------------------
const failures = [];
let passed = 0;
function check(name, ok, detail = "") {
  if (ok) {
    ++passed;
    console.log("ok   " + name);
  } else {
    failures.push(name);
    console.log("FAIL " + name + (detail ? ": " + detail : ""));
  }
}

const profile = mkdtempSync(join(tmpdir(), "zerkon-chromium-"));
const server = await serve(options.page);
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: kChromium,
  headless: true,
  userDataDir: profile,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync", "--lang=en-US"],
});

async function open(query = "", viewport = {width: 1280, height: 900}) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const errors = [];
  page.on("pageerror", (error) => errors.push(String(error)));
  await page.goto(base + "index.html" + query, {waitUntil: "load"});
  await page.waitForFunction(() => document.body.dataset.ready === "true" || !document.getElementById("failure").hidden, {timeout: 20000});
  page.errors = errors;
  return page;
}

// The picture's RGBA bytes against a PNG of the batch tool, decoded by the browser.
async function pictureDifference(page, png) {
  return page.evaluate(async (data) => {
    const image = new Image();
    image.src = "data:image/png;base64," + data;
    await image.decode();
    const canvas = document.createElement("canvas");
    canvas.width = image.width;
    canvas.height = image.height;
    const g = canvas.getContext("2d");
    g.drawImage(image, 0, 0);
    const native = g.getImageData(0, 0, image.width, image.height).data;
    const web = window.zerkonPage.frame();
    if (native.length !== web.length) return `sizes differ: ${native.length / 4} and ${web.length / 4} pixels`;
    let differing = 0;
    let first = -1;
    for (let i = 0; i < native.length; i += 4) {
      if (native[i] !== web[i] || native[i + 1] !== web[i + 1] || native[i + 2] !== web[i + 2]) {
        if (first < 0) first = i / 4;
        ++differing;
      }
    }
    return differing === 0 ? "" : `${differing} pixels differ, the first at (${first % image.width}, ${Math.floor(first / image.width)})`;
  }, png.toString("base64"));
}
function nativePicture(...args) {
  return execFileSync(options.cli, [...args, "render", "-"], {maxBuffer: 64 << 20});
}

// Client coordinates of a picture pixel's centre.
async function clientPoint(page, x, y) {
  return page.evaluate((x, y) => {
    const picture = document.getElementById("picture");
    const box = picture.getBoundingClientRect();
    const scale = window.zerkonPage.scale();
    return [box.left + picture.clientLeft + (x + 0.5) * scale, box.top + picture.clientTop + (y + 0.5) * scale];
  }, x, y);
}
const field = (page, id) => page.$eval("#f" + id, (input) => input.value);

try {
  const page = await open("?lang=en");
  check("the page starts without a script error", page.errors.length === 0, page.errors.join("; "));

  // The same pixels as the batch tool after 0, 25 and 400 ticks.
  await page.evaluate(() => window.zerkonPage.fresh(""));
  let done = 0;
  for (const ticks of [0, 25, 400]) {
    await page.evaluate((n) => window.zerkonPage.step(n), ticks - done);
    done = ticks;
    const difference = await pictureDifference(page, nativePicture("--ticks", String(ticks)));
    check(`the picture after ${ticks} ticks equals zerkon-cli render`, difference === "", difference);
  }

  // A drag sets the same α as the batch tool's drag.
  await page.evaluate(() => window.zerkonPage.fresh(""));
  const [dx, dy] = await clientPoint(page, 120, 60);
  await page.mouse.move(dx, dy);
  await page.mouse.down();
  const [ex, ey] = await clientPoint(page, 100, 40);
  await page.mouse.move(ex, ey);
  await page.mouse.up();
  const dragged = await page.evaluate(() => window.zerkonPage.state().alpha);
  const expected = cliJson("--drag", "100,40", "theory").angleDeg;
  check("a drag to (100, 40) sets zerkon-cli --drag 100,40's α", dragged === expected, `${dragged} against ${expected}`);

  // Typing V₁ = 900 and Enter gives the window's derived fields.
  await page.evaluate(() => window.zerkonPage.fresh(""));
  await page.click("#f1002", {clickCount: 3});
  await page.keyboard.type("900");
  await page.keyboard.press("Enter");
  const shown = cliJson("--velocity", "900", "freestream").shown;
  const derived = [await field(page, 1009), await field(page, 1011), await field(page, 1012), await field(page, 1015)];
  check("V₁ = 900 gives the derived fields of zerkon-cli --velocity 900",
    JSON.stringify(derived) === JSON.stringify([shown.rho1, shown.c1, shown.M1, shown.v01]),
    `${derived} against ${[shown.rho1, shown.c1, shown.M1, shown.v01]}`);
  // Escape puts back the text last applied.
  await page.click("#f1002", {clickCount: 3});
  await page.keyboard.type("12abc");
  await page.keyboard.press("Escape");
  check("Escape puts back the applied text", (await field(page, 1002)) === "900");

  // The probe at a point shows the batch tool's sample texts.
  await page.evaluate(() => window.zerkonPage.fresh(""));
  const [px, py] = await clientPoint(page, 400, 300);
  await page.mouse.move(px, py);
  const sample = cliJson("sample", "400,300").points[0].shown;
  const probe = [];
  for (const id of [1006, 1007, 1010, 1013, 1014, 1016, 1005, 1008, 1022]) probe.push(await field(page, id));
  const wanted = [sample.T, sample.P, sample.rho, sample.c, sample.M, sample.v0, sample.V, sample.Vphi, sample.Vr];
  check("the probe at (400, 300) shows zerkon-cli sample 400,300's texts", JSON.stringify(probe) === JSON.stringify(wanted), `${probe} against ${wanted}`);
  await page.close();

  // A link restores its session; a garbled one falls back and says so in one line.
  const linked = await open("?lang=en&v=600&t=300&p=90000&a=20");
  const linkState = await linked.evaluate(() => window.zerkonPage.state());
  const linkCli = cliJson("--velocity", "600", "--temperature", "300", "--pressure", "90000", "--angle", "20", "freestream").shown;
  check("a link's v, t, p and a restore the session",
    linkState.fields[1002] === "600" && linkState.fields[1009] === linkCli.rho1 && linkState.alphaText === "20.00",
    JSON.stringify([linkState.fields[1002], linkState.fields[1009], linkState.alphaText]));
  await linked.close();
  const garbled = await open("?lang=en&v=fast&a=1e9");
  const garbledState = await garbled.evaluate(() => window.zerkonPage.state());
  const status = await garbled.$eval("#status", (line) => line.textContent);
  check("a garbled link keeps the start-up V₁, clamps α and says so in one line",
    garbledState.fields[1002] === "450.0" && garbledState.alphaText === "75.00" && status.includes("fast") && !status.includes("\n"),
    JSON.stringify([garbledState.fields[1002], garbledState.alphaText, status]));
  await garbled.close();

  // Each language shows no text of the other: every panel open, the dialogs too.
  const ts = readFileSync(new URL("../../src/ui/translations/zerkon_ru.ts", import.meta.url), "utf8");
  const english = [...ts.matchAll(/<source>([^<]*)<\/source>\s*<translation>([^<]*)<\/translation>/g)]
    .filter(([, source, translation]) => source !== translation && /[a-z]{3}/.test(source))
    .map(([, source]) => source.replace(/&(.)/, "$1").replace(/\.\.\.$/, "").replace(/&apos;/g, "'").replace(/&quot;/g, '"').replace(/&amp;/g, "&"));
  for (const language of ["en", "ru"]) {
    const shownPage = await open("?lang=" + language);
    const texts = await shownPage.evaluate(() => {
      document.getElementById("showTheory").click();
      document.getElementById("showCharts").click();
      const parts = [document.body.innerText];
      for (const dialog of document.querySelectorAll("dialog")) parts.push(dialog.textContent);
      for (const node of document.querySelectorAll("[aria-label], [title]")) parts.push(node.getAttribute("aria-label") || "", node.getAttribute("title") || "");
      // The language list names each language in itself, and the legend quotes the picture's
      // "Н" (newton) to explain it.
      return parts.join("\n").replace("Русский", "").replace("English", "").replaceAll("“Н”", "");
    });
    if (language === "en") {
      const cyrillic = texts.match(/[^\n]*[А-Яа-яЁё][^\n]*/);
      check("the English page shows no Russian text", !cyrillic, cyrillic && cyrillic[0]);
    } else {
      const left = english.filter((source) => texts.includes(source));
      check("the Russian page shows no English text", left.length === 0, left.slice(0, 3).join(" | "));
    }
    await shownPage.close();
  }

  // A phone held upright: nothing is cut off; a tap probes.
  const phone = await open("?lang=ru", {width: 360, height: 640, isMobile: true, hasTouch: true, deviceScaleFactor: 2});
  const overflow = await phone.evaluate(() => {
    const wide = [];
    for (const node of document.querySelectorAll("body *")) {
      const box = node.getBoundingClientRect();
      if (box.width > 0 && box.right > document.documentElement.clientWidth + 0.5 && !node.closest("dialog")) wide.push(node.id || node.tagName);
    }
    return {scroll: document.documentElement.scrollWidth, wide};
  });
  check("at 360 × 640 nothing is cut off", overflow.scroll <= 360 && overflow.wide.length === 0, JSON.stringify(overflow));
  const [tx, ty] = await clientPoint(phone, 400, 300);
  await phone.evaluate(() => window.zerkonPage.pause());
  await phone.touchscreen.tap(tx, ty);
  const tapped = await phone.evaluate(() => window.zerkonPage.state().probe);
  check("a tap probes the point under it", tapped && Math.abs(tapped[0] - 400) <= 1 && Math.abs(tapped[1] - 300) <= 1, JSON.stringify(tapped));
  if (options.shots) await phone.screenshot({path: join(options.shots, "web-phone.png")});
  await phone.close();

  // Offline once loaded: the service worker serves the page with the server stopped.
  const first = await open("?lang=en");
  await first.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) await new Promise((resolve) => navigator.serviceWorker.addEventListener("controllerchange", resolve));
  });
  if (options.shots) {
    // The README's picture: a running flow with the charts beside it.
    await first.evaluate(() => window.zerkonPage.fresh("?v=700&a=12"));
    await first.evaluate(() => { window.zerkonPage.step(120); window.zerkonPage.resume(); document.getElementById("showCharts").click(); });
    await new Promise((resolve) => setTimeout(resolve, 1500));
    await first.screenshot({path: join(options.shots, "web-desktop.png"), fullPage: true});
  }
  await new Promise((resolve) => server.close(resolve));
  server.closeAllConnections?.();
  await first.reload({waitUntil: "load"});
  await first.waitForFunction(() => document.body.dataset.ready === "true", {timeout: 20000});
  const before = await first.evaluate(() => window.zerkonPage.frame().join(","));
  await new Promise((resolve) => setTimeout(resolve, 300));
  const after = await first.evaluate(() => window.zerkonPage.frame().join(","));
  check("with the server stopped the page loads and animates", before !== after);
  await first.close();
} finally {
  await browser.close();
  server.close();
  rmSync(profile, {recursive: true, force: true});
}
console.log(`${passed} passed, ${failures.length} failed`);
process.exit(failures.length ? 1 : 0);
