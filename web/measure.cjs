// The browser build's budgets, measured: what a player downloads (each file gzipped, as a
// compressing server sends it; the offline copy fetches the whole site on the first visit),
// the time from opening the page to the first splash frame in headless Chromium from the
// local server, and the page's CPU while it idles in the menu and while a game runs.
//   node measure.cjs SITE [RUNS]
"use strict";
const fs = require("fs");
const path = require("path");
const zlib = require("zlib");
const { serve, launchBrowser } = require("./tests/harness.cjs");

const [site, runs = "5"] = process.argv.slice(2);
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function main() {
  const loaded = ["index.html", "page.js", "kelvary.js", "kelvary.wasm", "kelvary.data"];
  let raw = 0, packed = 0;
  for (const file of loaded) {
    const bytes = fs.readFileSync(path.join(site, file));
    raw += bytes.length;
    packed += zlib.gzipSync(bytes, { level: 9 }).length;
    console.log(`${file.padEnd(14)} ${(bytes.length / 1e6).toFixed(2)} MB, gzip ${(zlib.gzipSync(bytes, { level: 9 }).length / 1e6).toFixed(2)} MB`);
  }
  console.log(`transfer: ${(raw / 1e6).toFixed(2)} MB, with gzip ${(packed / 1e6).toFixed(2)} MB`);
  let siteRaw = 0, sitePacked = 0;
  const walk = (folder) => {
    for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
      const file = path.join(folder, entry.name);
      if (entry.isDirectory()) {
        walk(file);
      } else {
        const bytes = fs.readFileSync(file);
        siteRaw += bytes.length;
        sitePacked += zlib.gzipSync(bytes, { level: 9 }).length;
      }
    }
  };
  walk(site);
  console.log(`the whole site (the offline copy): ${(siteRaw / 1e6).toFixed(2)} MB, with gzip ${(sitePacked / 1e6).toFixed(2)} MB`);

  const server = await serve(site);
  const browser = await launchBrowser();
  try {
    const times = [];
    for (let run = 0; run < Number(runs); ++run) {
      const page = await browser.newPage();
      await page.setViewport({ width: 1000, height: 700 });
      await page.goto(server.address, { waitUntil: "domcontentloaded" });
      await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
      times.push(await page.evaluate(() => window.kelvaryFirstFrame));
      if (run + 1 < Number(runs))
        await page.close();
      else
        await measureIdle(page);
    }
    times.sort((a, b) => a - b);
    console.log(`page open to first splash frame: median ${Math.round(times[times.length >> 1])} ms ` +
                `(${times.map(Math.round).join(", ")})`);
  } finally {
    await browser.close();
    server.stop();
  }
}

// Past the splash into the menu, then 10 s of Chromium's own task time for the page (and
// its main thread's CPU time, which a busy machine inflates less), then 10 s of a game.
async function measureIdle(page) {
  const box = await (await page.$("#canvas")).boundingBox();
  await page.mouse.click(box.x + 10, box.y + 10);
  await pause(2000);
  const session = await page.createCDPSession();
  await session.send("Performance.enable");
  const metrics = async () => Object.fromEntries((await session.send("Performance.getMetrics")).metrics
                                                   .map((metric) => [metric.name, metric.value]));
  const share = (before, after, name) => ((after[name] - before[name]) / 10 * 100).toFixed(1);
  const report = async (what) => {
    const before = await metrics();
    await pause(10000);
    const after = await metrics();
    console.log(`${what}: ${share(before, after, "TaskDuration")} % of one core (Chromium's task time, 10 s), ` +
                `main thread CPU ${share(before, after, "ThreadTime")} %`);
  };
  await report("idle in the menu");
  // Start (the menu's first button), then a game running untouched.
  await page.mouse.click(box.x + 400.5 * box.width / 800, box.y + 236.5 * box.width / 800);
  await pause(1000);
  await report("a game running");
}

main().catch((error) => { console.error(error); process.exit(1); });
