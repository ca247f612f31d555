// A whole session by touch alone on a phone's screen, upright (390x844) and on its side
// (844x390), in headless Chromium with touch emulation: the splash and Start tapped, turns
// both ways (a tap, a press held), a finger that slides off the field turning nothing, the
// hints shown while two fingers are held and gone after, the game played to its end with a
// score for the table, a name typed through the page's text input (the phone's keyboard),
// and the table showing it after a reload.  Nothing on the page scrolls, zooms or selects.
// The game's deal is fixed by freezing the page's time of day (the native replay "touch"
// plays the same deal) and the table's last place is made reachable.  Screenshots go to
// OUTPUT.
//   node touch.cjs SITE OUTPUT
"use strict";
const fs = require("fs");
const path = require("path");
const { serve, launchBrowser, readPng, pictureDifference, check, finish } = require("./harness.cjs");

const [site, output] = process.argv.slice(2);
const store = "Software\\harrowdine\\harrowdine Kelvary\\";
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Before the page's own scripts: the time of day frozen (the game deals from it), and on
// the first open only, a table whose last place a single square reaches.
function preparePage(storeKey) {
  Date.now = () => 2024000;
  if (!sessionStorage.getItem("prepared")) {
    sessionStorage.setItem("prepared", "1");
    // The key's one item goes, and an item of an earlier version sets the last place.
    localStorage.removeItem(storeKey.slice(0, -1));
    localStorage.setItem(storeKey + "score9", '"score9"=dword:00000000');
  }
}

class Phone {
  constructor(page, client) { this.page = page; this.client = client; }

  async box() { return (await this.page.$("#canvas")).boundingBox(); }

  // A game pixel's middle in page pixels.
  async at(x, y) {
    const box = await this.box();
    const scale = box.width / 800;
    return { x: box.x + (x + 0.5) * scale, y: box.y + (y + 0.5) * scale };
  }

  async touch(type, points) {
    const touchPoints = [];
    for (const [id, x, y] of points)
      touchPoints.push(Object.assign({ id }, await this.at(x, y)));
    await this.client.send("Input.dispatchTouchEvent", { type, touchPoints });
  }

  // A finger down at the first place, along the rest, lifted after `holdMs`.
  async finger(path, holdMs = 30) {
    await this.touch("touchStart", [[0, ...path[0]]]);
    for (const place of path.slice(1))
      await this.touch("touchMove", [[0, ...place]]);
    await pause(holdMs);
    await this.touch("touchEnd", []);
    await pause(500);
  }

  // The canvas as the player sees it; at three device pixels per page pixel the page shows
  // the game's pixels one to one.
  async screen(file) {
    const shot = await this.page.screenshot({ clip: await this.box(), path: path.join(output, file) });
    return readPng(shot);
  }
}

function region(picture, left, top, right, bottom) {
  const scale = picture.width / 800;
  const width = Math.round((right - left) * scale), height = Math.round((bottom - top) * scale);
  const pixels = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; ++y) {
    const from = ((Math.round(top * scale) + y) * picture.width + Math.round(left * scale)) * 3;
    picture.pixels.copy(pixels, y * width * 3, from, from + width * 3);
  }
  return { width, height, pixels };
}

// Pixels of the hints' pure red.
function hintPixels(picture) {
  let count = 0;
  for (let i = 0; i < picture.pixels.length; i += 3)
    if (picture.pixels[i] >= 250 && picture.pixels[i + 1] <= 8 && picture.pixels[i + 2] <= 8)
      ++count;
  return count;
}

const field = [160, 100, 640, 580];

// The table's entry with the typed name in the key's one stored item ("name9"="Tess"), or null.
function storedEntry(keyText) {
  const found = /"name\d"="Tess"/.exec(keyText || "");
  return found ? found[0] : null;
}

async function session(browser, address, width, height) {
  const name = `${width}x${height}`;
  const page = await browser.newPage();
  page.on("pageerror", (error) => console.log(`  page error: ${error.message}`));
  await page.emulate({ viewport: { width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
                       userAgent: "Mozilla/5.0 (Linux; Android 14) Mobile" });
  await page.evaluateOnNewDocument(preparePage, store);
  const client = await page.target().createCDPSession();
  const phone = new Phone(page, client);
  await page.goto(address);
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  await pause(300);

  const styles = await page.evaluate(() => {
    const style = getComputedStyle(document.getElementById("canvas"));
    return [style.touchAction, style.userSelect, getComputedStyle(document.documentElement).overscrollBehaviorY];
  });
  check(styles.join() === "none,none,none", `${name}: the game takes every touch (touch-action, selection, overscroll: ${styles})`);
  const splash = await phone.screen(`${name}-splash.png`);
  await phone.finger([[10, 10]]);
  const sound = await page.evaluate(() => Module.SDL2 && Module.SDL2.audioContext && Module.SDL2.audioContext.state);
  check(sound === "running", `${name}: the first touch starts the sound (${sound})`);
  const menu = await phone.screen(`${name}-menu.png`);
  check(pictureDifference(menu, splash) !== null, `${name}: a tap skips the splash`);
  const stopped = await page.evaluate(() => {
    const canvas = document.getElementById("canvas");
    const touch = new Touch({ identifier: 9, target: canvas, clientX: 5, clientY: 5 });
    // A whole touch (on the title, where it does nothing), so that no finger stays down.
    return ["touchstart", "touchmove", "touchend"].map((type) => !canvas.dispatchEvent(new TouchEvent(type, {
      cancelable: true, bubbles: true, touches: type === "touchend" ? [] : [touch],
      targetTouches: type === "touchend" ? [] : [touch], changedTouches: [touch] })));
  });
  check(stopped.every(Boolean), `${name}: the page's own answer to a touch (scroll, zoom, click) is stopped`);

  await phone.finger([[400, 236]]);
  await pause(300);
  const start = await phone.screen(`${name}-game.png`);
  check(pictureDifference(region(start, 20, 280, 140, 420), region(menu, 20, 280, 140, 420)) !== null,
        `${name}: a tap starts the game, whose controls panel speaks of touch`);

  // The hints while two fingers are held, gone after.
  await phone.touch("touchStart", [[0, 300, 300]]);
  await phone.touch("touchStart", [[0, 300, 300], [1, 500, 300]]);
  await pause(400);
  const hinted = await phone.screen(`${name}-hints.png`);
  await phone.touch("touchEnd", [[0, 300, 300]]);
  await phone.touch("touchEnd", []);
  await pause(400);
  const unhinted = await phone.screen(`${name}-hints-gone.png`);
  check(hintPixels(hinted) > 50 && hintPixels(unhinted) === 0,
        `${name}: two fingers show the hints while held (${hintPixels(hinted)} red pixels), gone after`);
  // The round the page keeps records every turn the rules took: none by the two fingers.
  const record = await page.evaluate(() => localStorage.getItem("kelvary.round"));
  const turns = record === null ? -1 : record.split("\n").filter((line) => line.startsWith("turn ")).length;
  check(turns === 0, `${name}: the two fingers turned nothing (${turns} turns kept)`);

  // A finger that slides off the field turns nothing (twice the same picture, the frame left
  // where it came down); the first turn of the deal then makes a square (as in the native
  // replay "touch"); a press held turns the other way, so that a tap turns it back.
  const slideOff = [[213, 165], [220, 160], [100, 130]];
  await phone.finger(slideOff);
  const before = await phone.screen(`${name}-slid-off.png`);
  await phone.finger(slideOff);
  const again = await phone.screen(`${name}-slid-off-again.png`);
  check(pictureDifference(region(again, ...field), region(before, ...field)) === null,
        `${name}: a finger that slid off the field turns nothing`);
  await phone.finger([[213, 165], [220, 160]]);
  await pause(2500);
  const tapped = await phone.screen(`${name}-tapped.png`);
  check(pictureDifference(region(tapped, ...field), region(before, ...field)) !== null, `${name}: a tap turns a group`);
  await phone.finger([[400, 400], [400, 590]]);  // the frame to the group turned next
  const resting = await phone.screen(`${name}-resting.png`);
  await phone.finger([[400, 400]], 700);
  await pause(1500);
  const held = await phone.screen(`${name}-held.png`);
  check(pictureDifference(region(held, ...field), region(resting, ...field)) !== null,
        `${name}: a press held turns a group`);
  await phone.finger([[400, 400]]);
  await pause(1500);
  const back = await phone.screen(`${name}-turned-back.png`);
  check(pictureDifference(region(back, ...field), region(resting, ...field)) === null,
        `${name}: a tap turns back what a held press turned: the other way`);

  // The time runs out (a minute and a half or so) and the panel asks for a name.
  await page.waitForFunction(() => document.activeElement && document.activeElement.id === "kelvary-text-entry",
                             { timeout: 180000 }).catch(() => {});
  await pause(500);
  await phone.finger([[400, 330]]);  // a tap on the game opens the phone's keyboard
  const focused = await page.evaluate(() => document.activeElement.id);
  check(focused === "kelvary-text-entry", `${name}: the name field takes the phone's keyboard (${focused})`);
  await page.keyboard.type("Tesx");
  await page.keyboard.press("Backspace");
  await page.keyboard.type("s");
  await pause(400);
  await phone.screen(`${name}-name.png`);
  await page.keyboard.press("Enter");
  await pause(600);
  const afterEnter = await page.evaluate(() => document.activeElement.id);
  check(afterEnter !== "kelvary-text-entry", `${name}: Enter confirms and the keyboard goes with the panel`);
  const storedName = storedEntry(await page.evaluate((key) => localStorage.getItem(key), store.slice(0, -1)));
  check(storedName !== null, `${name}: the name is in the table (${storedName})`);
  const scrolled = await page.evaluate(() => [window.scrollX, window.scrollY, visualViewport.scale.toFixed(3)]);
  check(scrolled.join() === "0,0,1.000", `${name}: nothing scrolled or zoomed (${scrolled})`);

  await page.reload();
  await page.waitForFunction(() => window.kelvaryFirstFrame !== undefined, { timeout: 30000 });
  await pause(300);
  await phone.finger([[10, 10]]);
  await phone.finger([[400, 307]]);  // High Scores
  const table = await phone.screen(`${name}-table.png`);
  const kept = storedEntry(await page.evaluate((key) => localStorage.getItem(key), store.slice(0, -1)));
  // The tenth row, (240, 405) to (560, 425), holds the name now, not the built-in one.
  check(kept !== null && pictureDifference(region(table, 240, 405, 560, 425),
                                                                    region(menu, 240, 405, 560, 425)) !== null,
        `${name}: after a reload the table shows it`);
  await page.close();
}

async function main() {
  fs.mkdirSync(output, { recursive: true });
  const server = await serve(site);
  const browser = await launchBrowser(["--autoplay-policy=user-gesture-required"]);
  try {
    for (const [width, height] of [[390, 844], [844, 390]]) {
      const context = await browser.createBrowserContext();
      await session(context, server.address, width, height);
      await context.close();
    }
  } finally {
    await browser.close();
    server.stop();
  }
  finish();
}

main().catch((error) => { console.error(error); process.exit(1); });
