// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition's measurements for docs/performance.md (a measurement, not a test):
// one tick of the WebAssembly module under node, the page's own work per frame and the first
// frame in headless Chromium, Chromium's CPU share while animating, and what the page loads,
// compressed.
//   node measure.mjs --page build-web/web
import {execFileSync} from "node:child_process";
import {mkdtempSync, readFileSync, readdirSync, rmSync, statSync} from "node:fs";
import {createServer} from "node:http";
import {createRequire} from "node:module";
import {tmpdir} from "node:os";
import {extname, join, resolve} from "node:path";
import {gzipSync} from "node:zlib";

const options = {};
for (let i = 2; i + 1 < process.argv.length; i += 2) options[process.argv[i].replace(/^--/, "")] = process.argv[i + 1];
if (!options.page) {
  console.error("usage: node measure.mjs --page WEB_FOLDER");
  process.exit(2);
}
const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];

// ---- One tick in WebAssembly under node -----------------------------------------------------
const createZerkon = createRequire(import.meta.url)(resolve(options.page, "zerkon.js"));
const module = await createZerkon();
module.cwrap("zk_start", null, ["string", "string", "string", "string"])(null, null, null, null);
for (let i = 0; i < 200; ++i) module._zk_tick();
// CPU time, as the benchmark's "CPU" column: on a shared machine the wall clock mostly
// measures the other processes.
const ticks = [];
for (let run = 0; run < 15; ++run) {
  const start = process.cpuUsage();
  for (let i = 0; i < 100; ++i) module._zk_tick();
  const used = process.cpuUsage(start);
  ticks.push((used.user + used.system) / 100);
}
console.log(`wasm tick under node: median ${median(ticks).toFixed(0)} µs of CPU (15 runs of 100 ticks)`);

// ---- Sizes -----------------------------------------------------------------------------------
// What the page loads: everything but the icons the manifest names for installing.
let raw = 0;
let packed = 0;
for (const name of readdirSync(options.page)) {
  const path = join(options.page, name);
  if (!statSync(path).isFile()) continue;
  const bytes = readFileSync(path);
  raw += bytes.length;
  packed += gzipSync(bytes, {level: 9}).length;
}
for (const icon of ["icons/zerkon.svg", "icons/zerkon-64.png"]) {
  const bytes = readFileSync(join(options.page, icon));
  raw += bytes.length;
  packed += gzipSync(bytes, {level: 9}).length;
}
console.log(`the page's files: ${(raw / 1024).toFixed(0)} kB, ${(packed / 1024).toFixed(0)} kB with gzip -9`);

// ---- In headless Chromium ----------------------------------------------------------------------
const puppeteer = (await import("puppeteer-core")).default;
const kTypes = {".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".png": "image/png", ".svg": "image/svg+xml"};
const server = createServer((request, response) => {
  let path = new URL(request.url, "http://localhost").pathname;
  if (path.endsWith("/")) path += "index.html";
  try {
    const bytes = readFileSync(join(options.page, path));
    response.writeHead(200, {"Content-Type": kTypes[extname(path)] || "application/octet-stream"}).end(bytes);
  } catch (e) {
    response.writeHead(404).end();
  }
});
await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
const profile = mkdtempSync(join(tmpdir(), "zerkon-chromium-"));
const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium", headless: true, userDataDir: profile,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync"],
});
// CPU seconds of every process of this browser, from /proc.
function browserCpu() {
  const pids = execFileSync("pgrep", ["-f", profile], {encoding: "utf8"}).trim().split("\n");
  let ticks = 0;
  for (const pid of pids) {
    try {
      const fields = readFileSync(`/proc/${pid}/stat`, "utf8").split(") ")[1].split(" ");
      ticks += Number(fields[11]) + Number(fields[12]);
    } catch (e) {
      // A process that ended meanwhile.
    }
  }
  return ticks / 100;
}
try {
  const firsts = [];
  let page = null;
  for (let run = 0; run < 5; ++run) {
    if (page) await page.close();
    page = await browser.newPage();
    await page.setViewport({width: 1280, height: 900});
    await page.goto(`http://127.0.0.1:${server.address().port}/index.html?lang=en`, {waitUntil: "load"});
    await page.waitForFunction(() => window.zerkonPage && window.zerkonPage.ready);
    firsts.push(await page.evaluate(() => [window.zerkonPage.firstFrame, window.zerkonPage.firstFrame - performance.getEntriesByType("navigation")[0].loadEventStart]));
  }
  console.log(`first frame: median ${median(firsts.map((t) => t[0])).toFixed(0)} ms after navigation start, ${median(firsts.map((t) => t[1])).toFixed(0)} ms after the load event (5 loads)`);
  await new Promise((resolve) => setTimeout(resolve, 2000));
  const cpuStart = browserCpu();
  const wallStart = Date.now();
  await new Promise((resolve) => setTimeout(resolve, 10000));
  const share = (browserCpu() - cpuStart) / ((Date.now() - wallStart) / 1000);
  const work = await page.evaluate(() => window.zerkonPage.frameWork());
  console.log(`page's work per tick and frame (tick + putImageData): median ${median(work).toFixed(2)} ms over ${work.length} frames`);
  console.log(`whole browser while animating: ${(share * 100).toFixed(0)} % of one core (10 s)`);
} finally {
  await browser.close();
  server.close();
  rmSync(profile, {recursive: true, force: true});
}
