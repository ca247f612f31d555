// A player's session in headless Chromium on the served site, with real mouse events on the
// canvas: the splash skipped, the help opened in a new tab, the sound switched off in the
// options, a game started and turns made, the maker's page opened from the logo, then the page
// reloaded, where the switch must still be off.  Screenshots go to OUTPUT.
//   node session.cjs SITE OUTPUT
"use strict";
const fs = require("fs");
const path = require("path");
const { serve, launchBrowser, readPng, pictureDifference, check, finish } = require("./harness.cjs");

const [site, output] = process.argv.slice(2);
const keyItem = "Software\\harrowdine\\harrowdine Kelvary";
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The page shows the screen at twice its size here: clicks aim at the middle of a game pixel.
async function click(page, x, y, button = "left") {
  const box = await (await page.$("#canvas")).boundingBox();
  const scale = box.width / 800;
  await page.mouse.click(box.x + (x + 0.5) * scale, box.y + (y + 0.5) * scale, { button });
  await pause(400);
}

// The canvas as the player sees it, brought back to game pixels (every scaled pixel must be a
// uniform square of the scale's size, or the picture was smoothed).
async function screen(page, file) {
  const box = await (await page.$("#canvas")).boundingBox();
  const shot = await page.screenshot({ clip: box, path: path.join(output, file) });
  const picture = readPng(shot);
  const scale = Math.round(picture.width / 800);
  const pixels = Buffer.alloc(800 * 600 * 3);
  let uniform = true;
  for (let y = 0; y < 600; ++y) {
    for (let x = 0; x < 800; ++x) {
      const at = ((y * scale) * picture.width + x * scale) * 3;
      picture.pixels.copy(pixels, (y * 800 + x) * 3, at, at + 3);
      const last = ((y * scale + scale - 1) * picture.width + x * scale + scale - 1) * 3;
      uniform = uniform && picture.pixels.compare(picture.pixels, at, at + 3, last, last + 3) === 0;
    }
  }
  return { width: 800, height: 600, pixels, scale, uniform };
}

function region(picture, left, top, right, bottom) {
  const width = right - left, height = bottom - top, pixels = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; ++y)
    picture.pixels.copy(pixels, y * width * 3, ((top + y) * 800 + left) * 3, ((top + y) * 800 + right) * 3);
  return { width, height, pixels };
}

async function openPage(browser, address) {
  const page = await browser.newPage();
  page.on("pageerror", (error) => console.log(`  page error: ${error.message}`));
  await page.setViewport({ width: 1700, height: 1300 });
  await page.goto(address);
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  return page;
}

async function main() {
  fs.mkdirSync(output, { recursive: true });
  const server = await serve(site);
  const browser = await launchBrowser();
  try {
    const page = await openPage(browser, server.address);
    await pause(300);
    const splash = await screen(page, "splash.png");
    const canvasSize = await page.evaluate(() => [canvas.width, canvas.height].join("x"));
    check(canvasSize === "800x600" && splash.scale === 2 && splash.uniform,
          `the 800x600 screen (${canvasSize}) is shown at twice its size in whole pixels`);

    await click(page, 10, 10);                       // past the splash
    const menu = await screen(page, "menu.png");
    check(pictureDifference(menu, splash) !== null, "a click skips the splash to the menu");
    const helpTab = browser.waitForTarget((target) => target.url().endsWith("/help/index.html"), { timeout: 10000 });
    await click(page, 400, 369);                     // Help
    check(await helpTab.then(() => true, () => false), "Help opens the site's help pages in a new tab");
    await page.bringToFront();
    await click(page, 400, 338);                     // Options
    const optionsOn = await screen(page, "options-sound-on.png");
    await click(page, 390, 250);                     // the sound switch
    const optionsOff = await screen(page, "options-sound-off.png");
    const switchArea = [300, 200, 500, 300];
    check(pictureDifference(region(optionsOn, ...switchArea), region(optionsOff, ...switchArea)) !== null,
          "the sound switch changes its picture");
    await click(page, 400, 350);                     // OK
    await click(page, 400, 236);                     // Start
    const started = await screen(page, "game-start.png");
    for (const [x, y, button] of [[460, 280, "left"], [400, 320, "right"], [340, 240, "left"], [520, 360, "right"]])
      await click(page, x, y, button);
    const played = await screen(page, "game-after-turns.png");
    check(pictureDifference(started, menu) !== null && pictureDifference(played, started) !== null,
          "the game starts and the turns change the field");
    const makerTab = browser.waitForTarget((target) => target.url().startsWith("https://www.harrowdine.example/"),
                                           { timeout: 10000 });
    await click(page, 700, 560);                     // the logo
    check(await makerTab.then(() => true, () => false), "the logo opens the maker's page in a new tab");
    await page.bringToFront();
    const menuShown = await page.evaluate(() => {
      const event = new MouseEvent("contextmenu", { bubbles: true, cancelable: true });
      return document.getElementById("canvas").dispatchEvent(event);
    });
    check(menuShown === false, "a right click over the game opens no context menu");

    // The round in play would come back after the reload (phone.cjs checks that): dropped
    // here, so that the page starts at the splash.
    await page.reload();
    await page.evaluate(() => localStorage.removeItem("kelvary.round"));
    await page.reload();
    await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
    const stored = await page.evaluate((item) => localStorage.getItem(item), keyItem);
    check(/^"hasSound"=hex:00$/m.test(stored || ""), `the sound switch is in the browser's storage (${stored})`);
    await pause(300);
    await click(page, 10, 10);
    await click(page, 400, 338);
    // The pointer in a bare corner of the box, so that no switch is lit.
    const box = await (await page.$("#canvas")).boundingBox();
    await page.mouse.move(box.x + 310.5 * box.width / 800, box.y + 390.5 * box.width / 800);
    await pause(400);
    const reloaded = await screen(page, "options-after-reload.png");
    check(pictureDifference(region(reloaded, ...switchArea), region(optionsOff, ...switchArea)) === null,
          "after a reload the options show the sound still off");
    await page.close();
  } finally {
    await browser.close();
    server.stop();
  }
  finish();
}

main().catch((error) => { console.error(error); process.exit(1); });
