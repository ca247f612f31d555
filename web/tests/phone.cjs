// The site as a phone app in headless Chromium: the picture's size and place on phones held
// either way and on desktop screens, clicks and taps landing on the buttons they aim at, the
// manifest, the offline copy, the clock of a hidden page, a round brought back by a reload,
// and storage that is full, blocked or damaged.  Screenshots go to OUTPUT.
//   node phone.cjs SITE OUTPUT
"use strict";
const fs = require("fs");
const path = require("path");
const { serve, launchBrowser, check, finish } = require("./harness.cjs");

const [site, output] = process.argv.slice(2);
const keyItem = "Software\\harrowdine\\harrowdine Kelvary";
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The game's buttons, in game pixels.
const at = { splash: [10, 10], start: [400, 236], options: [400, 338], ok: [400, 350], soundSwitch: [390, 250] };

// A new tab on the site; `prepare` runs before the page's scripts on its first load only.  A
// round left by an earlier tab is dropped first, so every tab starts at the splash.
async function openPage(browser, address, viewport, prepare) {
  const page = await browser.newPage();
  page.on("pageerror", (error) => console.log(`  page error: ${error.message}`));
  page.on("dialog", (dialog) => { page.dialogs = (page.dialogs || 0) + 1; dialog.dismiss(); });
  if (viewport)
    await page.setViewport(viewport);
  await page.evaluateOnNewDocument(`(() => {
    try {
      if (sessionStorage.getItem("kelvary-test-opened")) return;
      sessionStorage.setItem("kelvary-test-opened", "1");
      localStorage.removeItem("kelvary.round");
    } catch (e) {}
    (${prepare || (() => {})})();
  })()`);
  await page.goto(address);
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  return page;
}

// A point of the game's picture on the page: the middle of game pixel (x, y).
async function pagePoint(page, x, y) {
  const box = await page.evaluate(() => { const r = canvas.getBoundingClientRect(); return [r.left, r.top, r.width]; });
  const scale = box[2] / 800;
  return [box[0] + (x + 0.5) * scale, box[1] + (y + 0.5) * scale];
}
async function click(page, [x, y], touch = false) {
  const [px, py] = await pagePoint(page, x, y);
  if (touch)
    await page.touchscreen.tap(px, py);
  else
    await page.mouse.click(px, py);
  await pause(350);
}

// The canvas's own pixels (game pixels, 0xRRGGBB) of a rectangle.
function pixels(page, left, top, width, height) {
  return page.evaluate((l, t, w, h) => {
    const data = canvas.getContext("2d").getImageData(l, t, w, h).data;
    const out = [];
    for (let i = 0; i < data.length; i += 4)
      out.push((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
    return out;
  }, left, top, width, height);
}
// The time bar's length: it runs from x 200 on row 50, red to yellow, over a dark field.
async function timeBar(page) {
  const row = await pixels(page, 200, 55, 400, 1);
  const length = row.findIndex((colour) => (colour >> 16) < 0xC0 || (colour & 0xFF) > 0x40);
  return length < 0 ? 400 : length;
}
const keptTicks = (page) => page.evaluate(() => {
  const match = /ticks (\d+)/.exec(localStorage.getItem("kelvary.round") || "");
  return match ? Number(match[1]) : -1;
});
// The options box over the menu: its orange border along its top edge.
const optionsOpen = async (page) => (await pixels(page, 300, 200, 200, 1)).filter((c) => c === 0xFF9900).length > 150;
const field = (page) => pixels(page, 160, 100, 480, 480);
const sameList = (a, b) => a.length === b.length && a.every((value, i) => value === b[i]);

// Hides or shows the page as a switch to another app does, through the browser's own event.
function setHidden(page, hidden) {
  return page.evaluate((value) => {
    Object.defineProperty(document, "hidden", { configurable: true, get: () => value });
    Object.defineProperty(document, "visibilityState", { configurable: true, get: () => (value ? "hidden" : "visible") });
    document.dispatchEvent(new Event("visibilitychange"));
  }, hidden);
}

// What the page should show on a window: the largest fit of the safe area, sharp where a whole
// multiple of device pixels fills 90 % of it.
function expectedBox(width, height, ratio) {
  const largest = Math.min(width * ratio / 800, height * ratio / 600);
  const whole = Math.floor(largest);
  const scale = whole >= 1 && whole >= 0.9 * largest ? whole : largest;
  return { width: Math.floor(800 * scale) / ratio, height: Math.floor(600 * scale) / ratio, sharp: scale === whole };
}

async function sizes(browser, address) {
  const screens = [
    { name: "phone-upright", width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    { name: "phone-sideways", width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    { name: "laptop", width: 1366, height: 768, deviceScaleFactor: 1 },
    { name: "desktop", width: 2560, height: 1440, deviceScaleFactor: 1 },
  ];
  for (const screen of screens) {
    const page = await openPage(browser, address, screen);
    const shown = await page.evaluate(() => {
      const r = canvas.getBoundingClientRect();
      return { left: r.left, top: r.top, width: r.width, height: r.height, buffer: [canvas.width, canvas.height],
               rendering: getComputedStyle(canvas).imageRendering, hint: !document.getElementById("turn-hint").hidden };
    });
    const want = expectedBox(screen.width, screen.height, screen.deviceScaleFactor);
    const near = (a, b) => Math.abs(a - b) <= 1 / screen.deviceScaleFactor + 1e-6;
    check(near(shown.width, want.width) && near(shown.height, want.height) && shown.buffer.join("x") === "800x600",
          `${screen.name}: the picture is ${shown.width.toFixed(1)}x${shown.height.toFixed(1)} CSS pixels ` +
          `(largest fit ${want.width.toFixed(1)}x${want.height.toFixed(1)}, buffer ${shown.buffer.join("x")})`);
    check(near(shown.left, (screen.width - shown.width) / 2) && near(shown.top, (screen.height - shown.height) / 2),
          `${screen.name}: centred at (${shown.left.toFixed(1)}, ${shown.top.toFixed(1)})`);
    check((shown.rendering === "pixelated") === want.sharp,
          `${screen.name}: ${want.sharp ? "sharp whole device pixels" : "smoothly scaled"} (${shown.rendering})`);
    check(shown.hint === screen.height > screen.width, `${screen.name}: the hint to turn the phone ${shown.hint ? "shows" : "stays hidden"}`);
    await page.screenshot({ path: path.join(output, `${screen.name}-splash.png`) });

    // Past the splash, the options opened and closed, the game started: each press on its button.
    const touch = Boolean(screen.hasTouch);
    await click(page, at.splash, touch);
    await click(page, at.options, touch);
    const options = await optionsOpen(page);
    await click(page, at.ok, touch);
    const closed = !(await optionsOpen(page));
    await click(page, at.start, touch);
    await pause(300);
    const bar = await timeBar(page);
    await page.screenshot({ path: path.join(output, `${screen.name}-game.png`) });
    check(options && closed && bar > 100,
          `${screen.name}: ${touch ? "taps" : "clicks"} open the options, close them with OK and start a game ` +
          `(time bar ${bar} pixels)`);
    await page.close();
  }
}

async function manifest(browser, address) {
  const page = await openPage(browser, address, { width: 1000, height: 700 });
  const session = await page.createCDPSession();
  const result = await session.send("Page.getAppManifest");
  const parsed = result.data ? JSON.parse(result.data) : {};
  check(result.url.endsWith("/manifest.webmanifest") && result.errors.length === 0,
        `the manifest is found and parses without errors (${result.errors.map((e) => e.message).join("; ") || "none"})`);
  const icons = parsed.icons || [];
  const fetched = [];
  for (const icon of icons) {
    const size = await page.evaluate(async (src) => {
      const image = new Image();
      image.src = src;
      await image.decode();
      return `${image.naturalWidth}x${image.naturalHeight}`;
    }, icon.src);
    fetched.push(`${icon.sizes}=${size}${icon.purpose === "maskable" ? " maskable" : ""}`);
  }
  check(icons.length === 3 && fetched.every((entry) => entry.split("=")[0] === entry.split("=")[1].split(" ")[0]) &&
        fetched.some((entry) => entry.endsWith("maskable")) && parsed.orientation === "landscape",
        `its icons are drawn at their sizes, one maskable, landscape preferred (${fetched.join(", ")})`);
  await page.close();
}

// One visit, then the server stopped: the page comes back from the offline copy and plays.
async function offline(browser) {
  const server = await serve(site);
  const page = await openPage(browser, server.address, { width: 1000, height: 700 });
  await page.evaluate(() => navigator.serviceWorker.ready);
  await pause(500);
  server.stop();
  await pause(300);
  await page.reload();
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  const controlled = await page.evaluate(() => navigator.serviceWorker.controller !== null);
  await click(page, at.splash);
  await click(page, at.start);
  const started = await field(page);
  for (const point of [[340, 280], [460, 400], [280, 460]])
    await click(page, point);
  await pause(1500);
  const played = await field(page);
  await page.screenshot({ path: path.join(output, "offline-game.png") });
  check(controlled && (await timeBar(page)) > 0 && !sameList(started, played),
        "with the server stopped the page reloads from its offline copy and a game is played");
  await page.close();
}

async function hiddenClock(browser, address) {
  const page = await openPage(browser, address, { width: 1000, height: 700 });
  await click(page, at.splash);
  await click(page, at.start);
  await pause(500);
  const ticks = await keptTicks(page);
  const bar = await timeBar(page);
  await setHidden(page, true);
  await pause(3000);
  await setHidden(page, false);
  await pause(120);
  const ticksBack = await keptTicks(page);
  const barBack = await timeBar(page);
  check(ticks > 0 && ticksBack - ticks <= 3 && bar - barBack <= 1,
        `a hidden page keeps its clock: ${ticksBack - ticks} ticks over 3 s hidden, time bar ${bar} then ${barBack}`);
  await pause(1000);
  check((await keptTicks(page)) - ticksBack >= 10, "shown again, the game plays on");
  await page.close();
}

async function reloadResumes(browser, address) {
  const page = await openPage(browser, address, { width: 1000, height: 700 });
  await click(page, at.splash);
  await click(page, at.start);
  for (const point of [[340, 280], [460, 400], [280, 460], [520, 220]])
    await click(page, point);
  await click(page, [5, 5]);  // the pointer off the field, so no group is framed
  await pause(1000);
  // Each frame draws, then ticks, then shows: the canvas of a page hidden after tick N shows
  // the field of tick N - 1.  So the page is hidden, its record of tick N kept, and shown
  // again for the one frame that shows tick N, then hidden at once: as if it ended at tick N.
  // (A frame like the one on show is not copied to the canvas again; it shows the same.)
  await setHidden(page, true);
  await pause(300);
  const kept = await page.evaluate(() => localStorage.getItem("kelvary.round"));
  // The frame's tick stores the record; the frame is shown in the same task, right after.
  await page.evaluate(() => {
    const store = Storage.prototype.setItem;
    Storage.prototype.setItem = function (name, value) {
      store.call(this, name, value);
      if (name !== "kelvary.round" || window.shownTick)
        return;
      Object.defineProperty(document, "hidden", { configurable: true, get: () => true });
      document.dispatchEvent(new Event("visibilitychange"));
      window.shownTick = true;
    };
  });
  await setHidden(page, false);
  await page.waitForFunction(() => window.shownTick === true);
  await pause(200);
  await page.evaluate((record) => localStorage.setItem("kelvary.round", record), kept);
  const before = { field: await field(page), bar: await timeBar(page), score: await pixels(page, 660, 50, 120, 20),
                   ticks: await keptTicks(page) };
  await page.reload();
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  await pause(1000);
  const after = { field: await field(page), bar: await timeBar(page), score: await pixels(page, 660, 50, 120, 20),
                  ticks: await keptTicks(page) };
  await page.screenshot({ path: path.join(output, "round-resumed.png") });
  check(before.ticks > 30 && after.ticks === before.ticks,
        `the reloaded page brings the round back at tick ${after.ticks} (${before.ticks} kept)`);
  check(sameList(before.field, after.field) && sameList(before.score, after.score) && before.bar === after.bar,
        `the same field, score and time left (${after.bar} pixels), paused` +
        ` (field pixels differing: ${before.field.filter((c, i) => c !== after.field[i]).length},` +
        ` score ${sameList(before.score, after.score) ? "same" : "differs"}, bar before ${before.bar})`);
  await click(page, [400, 20]);  // the click that wakes it
  await pause(1000);
  const ended = await keptTicks(page);
  check(ended > after.ticks + 5, `after the click the clock runs again (${ended - after.ticks} ticks)`);
  await page.close();
}

async function storage(browser, address) {
  // Blocked (a private window): everything plays, nothing is stored, no box.
  const blocked = await openPage(browser, address, { width: 1000, height: 700 }, () => {
    Object.defineProperty(window, "localStorage", { get() { throw new DOMException("blocked", "SecurityError"); } });
  });
  await click(blocked, at.splash);
  await click(blocked, at.start);
  await click(blocked, [340, 280]);
  await pause(800);
  check((await timeBar(blocked)) > 0 && !blocked.dialogs, "with storage blocked the game plays, without a box");
  await blocked.close();

  // Damaged values and a foreign item read as their defaults and are written whole again.
  const page = await openPage(browser, address, { width: 1000, height: 700 }, () => {
    const key = "Software\\harrowdine\\harrowdine Kelvary";
    localStorage.clear();
    localStorage.setItem(key + "\\hasSound", '"fullScreen"=hex:01');
    localStorage.setItem(key + "\\fullScreen", "garbage");
    localStorage.setItem(key + "\\name0", '"name0"="Wuffle"');
    localStorage.setItem(key + "\\score0", '"score0"=dword:000f4240');
  });
  await page.reload();  // the first run's end stores its switches
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  const stored = await page.evaluate((key) => ({ whole: localStorage.getItem(key),
    old: Object.keys(localStorage).filter((name) => name.startsWith(key + "\\")) }), keyItem);
  check(stored.whole !== null && /"hasSound"=hex:01/.test(stored.whole) && /"fullScreen"=hex:00/.test(stored.whole) &&
        /"score0"=dword:000f4240/.test(stored.whole) && stored.old.length === 0,
        "damaged and foreign values read as defaults; the earlier items move into the one item of the key");

  // Full: nothing new is stored, the table stays whole, the game plays on without a box.
  const table = stored.whole;
  await page.evaluateOnNewDocument(() => {
    Storage.prototype.setItem = () => { throw new DOMException("full", "QuotaExceededError"); };
  });
  await page.reload();
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  await click(page, at.splash);
  await click(page, at.options);
  await click(page, at.soundSwitch);
  await click(page, at.ok);
  await click(page, at.start);
  await pause(800);
  const bar = await timeBar(page);
  await page.reload();
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  const after = await page.evaluate((key) => localStorage.getItem(key), keyItem);
  check(bar > 0 && after === table && !page.dialogs,
        "with storage full the game plays, the stored table stays whole, no box");
  await page.close();
}

// A stored full-screen switch: the picture fitted as usual until the browser grants full
// screen at the next click; leaving it by the browser's means turns the switch off and stores it.
async function fullScreen(browser, address) {
  const page = await openPage(browser, address, { width: 1000, height: 700 }, () => {
    localStorage.setItem("Software\\harrowdine\\harrowdine Kelvary",
                         '[Software\\harrowdine\\harrowdine Kelvary]\n"fullScreen"=hex:01\n"hasSound"=hex:00\n');
  });
  const box = () => page.evaluate(() => {
    const r = canvas.getBoundingClientRect();
    return { ratio: r.width / r.height, width: r.width, buffer: canvas.width + "x" + canvas.height,
             full: document.fullscreenElement !== null };
  });
  const first = await box();
  check(Math.abs(first.ratio - 4 / 3) < 0.01 && first.buffer === "800x600",
        `a stored full-screen switch shows the picture unsqueezed (${first.width.toFixed(0)} wide, ` +
        `${first.buffer}, ${first.full ? "in full screen at once" : "until a click grants full screen"})`);
  await click(page, at.splash);
  await pause(500);
  const full = await box();
  check(full.full && Math.abs(full.ratio - 4 / 3) < 0.01 && full.buffer === "800x600",
        `the click takes the page to full screen, aspect kept (${full.width.toFixed(0)} wide)`);
  await page.evaluate(() => document.exitFullscreen());
  await pause(800);
  await page.reload();
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  const stored = await page.evaluate(() => localStorage.getItem("Software\\harrowdine\\harrowdine Kelvary"));
  check(/"fullScreen"=hex:00/.test(stored || ""), "leaving full screen by the browser turns the switch off and it is stored so");
  await page.close();
}

// A new release on the same address: the first visit after it runs the old build whole while
// the new one is fetched; the next start takes the new build whole, and the old copy is gone.
async function newRelease(browser) {
  const folder = fs.mkdtempSync(path.join(require("os").tmpdir(), "kelvary-release-"));
  fs.cpSync(site, folder, { recursive: true });
  const server = await serve(folder);
  try {
    const page = await openPage(browser, server.address, { width: 1000, height: 700 });
    await page.evaluate(() => navigator.serviceWorker.ready);
    const oldCaches = await page.evaluate(() => caches.keys());
    // The release: a page that says so and a worker of another build.
    const index = path.join(folder, "index.html");
    fs.writeFileSync(index, fs.readFileSync(index, "utf8").replace("<title>", '<meta name="release" content="2"><title>'));
    const worker = path.join(folder, "sw.js");
    fs.writeFileSync(worker, fs.readFileSync(worker, "utf8").replace(/const build = "([0-9a-f]+)"/, 'const build = "$1-2"'));
    await page.reload();
    await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
    const during = await page.evaluate(() => document.querySelector('meta[name="release"]') === null);
    await page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration()).waiting !== null,
                               { timeout: 30000 });
    await page.reload();
    // The old page hands over and loads again by itself; on a busy machine the old worker can
    // take half a minute to let go, so the wait is generous.
    let released = false;
    for (let tries = 0; tries < 240 && !released; ++tries) {
      await pause(500);
      released = await page.evaluate(() => document.querySelector('meta[name="release"]') !== null &&
                                           window.kelvaryFirstFrame !== undefined).catch(() => false);
    }
    await pause(1000);
    const newCaches = await page.evaluate(() => caches.keys());
    check(released && oldCaches.length === 1 && during && newCaches.length === 1 && newCaches[0] === oldCaches[0] + "-2",
          `a new release runs from the next start, its files alone (caches ${oldCaches} then ${newCaches}; ` +
          `${during ? "the old page" : "the new page"} during the fetch, ${released ? "handed over" : "not handed over"})`);
    await page.close();
  } finally {
    server.stop();
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

async function main() {
  fs.mkdirSync(output, { recursive: true });
  const server = await serve(site);
  const browser = await launchBrowser();
  try {
    await sizes(browser, server.address);
    await manifest(browser, server.address);
    await hiddenClock(browser, server.address);
    await reloadResumes(browser, server.address);
    await storage(browser, server.address);
    await fullScreen(browser, server.address);
  } finally {
    await browser.close();
    server.stop();
  }
  // Each in a browser of its own, as a player's browser holds one copy of the site.
  for (const scenario of [offline, newRelease]) {
    const own = await launchBrowser();
    try {
      await scenario(own);
    } finally {
      await own.close();
    }
  }
  finish();
}

main().catch((error) => { console.error(error); process.exit(1); });
