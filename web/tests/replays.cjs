// Every recorded replay played twice, by the native headless driver and by the page's test mode
// in headless Chromium, with a state line for every frame: both must give the same lines, frame
// for frame, those of the recorded frames must be the recorded ones, and every screenshot must
// have the same pixels, whose hash is the recorded one.
//   node replays.cjs TEST_SITE NATIVE_BIN [NAME...]
"use strict";
const { execFileSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const { root, serve, launchBrowser, readPng, pictureDifference, check, finish } = require("./harness.cjs");

const [site, nativeBin] = process.argv.slice(2, 4).map((folder) => path.resolve(folder));
const only = process.argv.slice(4);
const replayFolder = path.join(root, "tests/replays");

// The driver's options from the script's first line; --shot F stands alone there.
function readReplay(name) {
  const script = fs.readFileSync(path.join(replayFolder, name + ".script"), "utf8");
  const first = script.split("\n")[0];
  const marker = "# driver: ";
  if (!first.startsWith(marker))
    throw new Error(`${name}.script has no driver options`);
  const options = first.slice(marker.length).trim().split(/\s+/).concat("--state-every", "1");
  const shots = options.filter((word, i) => options[i - 1] === "--shot").map(Number);
  const lines = fs.readFileSync(path.join(replayFolder, name + ".expected"), "utf8").split("\n");
  const expected = lines.filter((line) => line && !line.startsWith("shot "));
  const hashes = Object.fromEntries(lines.filter((line) => line.startsWith("shot ")).map((line) => line.split(" ").slice(1)));
  return { script, options, shots, expected, hashes };
}

// FNV-1a 64 of a picture's red, green and blue bytes, rows top first: the recorded shot hash.
function pixelHash(picture) {
  let hash = 0xcbf29ce484222325n;
  for (const byte of picture.pixels)
    hash = ((hash ^ BigInt(byte)) * 0x100000001b3n) & 0xffffffffffffffffn;
  return hash.toString(16).padStart(16, "0");
}

function playNative(name, replay, folder) {
  const args = [];
  for (let i = 0; i < replay.options.length; ++i) {
    if (replay.options[i] === "--shot")
      args.push("--shot", `${replay.options[++i]}:${path.join(folder, replay.options[i] + ".png")}`);
    else
      args.push(replay.options[i]);
  }
  args.push("--script", path.join(replayFolder, name + ".script"), "--store", folder);
  const out = execFileSync(path.join(nativeBin, "kelvary-driver"), args,
                           { cwd: nativeBin, encoding: "utf8", stdio: ["ignore", "pipe", "pipe"] });
  return out.split("\n").filter((line) => line);
}

async function main() {
  const names = only.length ? only : fs.readdirSync(replayFolder).filter((file) => file.endsWith(".script"))
                                       .map((file) => file.slice(0, -".script".length)).sort();
  const server = await serve(site);
  const browser = await launchBrowser();
  try {
    for (const name of names) {
      const replay = readReplay(name);
      const folder = fs.mkdtempSync(path.join(os.tmpdir(), "kelvary-replay-"));
      const native = playNative(name, replay, folder);
      const page = await browser.newPage();
      page.on("pageerror", (error) => console.log(`  page error: ${error.message}`));
      await page.goto(server.address + "index.html?test");
      const started = Date.now();
      const web = await page.evaluate((options, script) => window.kelvaryDriver(options, script),
                                      replay.options, replay.script);
      const seconds = ((Date.now() - started) / 1000).toFixed(1);
      await page.close();
      check(web.exitCode === 0, `${name}: the page's driver ends cleanly (${web.exitCode}, ${seconds} s)` +
                                (web.exitCode === 0 ? "" : `: ${web.errors.join(" / ")}`));
      const recordedFrames = new Set(replay.expected.map((line) => JSON.parse(line).frame));
      const recorded = native.filter((line) => recordedFrames.has(JSON.parse(line).frame));
      check(JSON.stringify(recorded) === JSON.stringify(replay.expected),
            `${name}: native state lines as recorded (${recorded.length} of ${native.length})`);
      const firstDifferent = web.out.findIndex((line, i) => line !== native[i]);
      check(web.out.length === native.length && firstDifferent < 0,
            `${name}: the browser's state line of every frame is the native one (${web.out.length})` +
            (firstDifferent >= 0 ? `; first difference: ${web.out[firstDifferent]}` : ""));
      for (const frame of replay.shots) {
        const nativePicture = readPng(fs.readFileSync(path.join(folder, frame + ".png")));
        const webPicture = web.shots[frame] ? readPng(web.shots[frame]) : null;
        const difference = webPicture ? pictureDifference(nativePicture, webPicture) : "no screenshot written";
        check(difference === null, `${name}: frame ${frame} has the same pixels` + (difference ? `: ${difference}` : ""));
        const hash = webPicture ? pixelHash(webPicture) : "none";
        check(hash === replay.hashes[frame], `${name}: frame ${frame}'s pixels hash as recorded (${hash})`);
      }
      fs.rmSync(folder, { recursive: true, force: true });
    }
  } finally {
    await browser.close();
    server.stop();
  }
  finish();
}

main().catch((error) => { console.error(error); process.exit(1); });
