// What the browser tests share: a site served by scripts/serve-web, Debian's Chromium driven
// headless, and PNG pictures read back to their pixels.
"use strict";
const { spawn } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const zlib = require("zlib");
const puppeteer = require("puppeteer-core");

const root = path.resolve(__dirname, "../..");

// Serves `folder` on a free port of 127.0.0.1; resolves with its address and a stop function.
function serve(folder) {
  const server = spawn(path.join(root, "scripts/serve-web"), ["--port", "0", folder],
                       { stdio: ["ignore", "pipe", "inherit"] });
  return new Promise((resolve, reject) => {
    server.once("exit", (code) => reject(new Error(`serve-web ended with ${code}`)));
    server.stdout.once("data", (line) => resolve({ address: line.toString().trim(), stop: () => server.kill() }));
  });
}

async function launchBrowser(extraArgs = []) {
  return puppeteer.launch({
    executablePath: process.env.KELVARY_CHROMIUM || "/usr/bin/chromium",
    headless: true,
    protocolTimeout: 900000,
    userDataDir: fs.mkdtempSync(path.join(os.tmpdir(), "kelvary-chromium-")),
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync", ...extraArgs],
  });
}

// The pixels of an 8-bit RGB or RGBA PNG as RGB bytes, row after row.
function readPng(bytes) {
  const data = Buffer.from(bytes);
  if (data.toString("latin1", 1, 4) !== "PNG")
    throw new Error("not a PNG file");
  let width = 0, height = 0, channels = 0;
  const compressed = [];
  for (let at = 8; at < data.length;) {
    const length = data.readUInt32BE(at);
    const type = data.toString("latin1", at + 4, at + 8);
    const body = data.subarray(at + 8, at + 8 + length);
    if (type === "IHDR") {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      const kinds = { 2: 3, 6: 4 };
      if (body[8] !== 8 || !kinds[body[9]] || body[12] !== 0)
        throw new Error(`PNG kind not read here: depth ${body[8]}, colour ${body[9]}, interlace ${body[12]}`);
      channels = kinds[body[9]];
    } else if (type === "IDAT") {
      compressed.push(body);
    }
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(compressed));
  const stride = width * channels;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? rows[y * stride + x - channels] : 0;
      const up = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const corner = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
      let predicted = 0;
      if (filter === 1) predicted = left;
      else if (filter === 2) predicted = up;
      else if (filter === 3) predicted = (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - corner, pa = Math.abs(p - left), pb = Math.abs(p - up), pc = Math.abs(p - corner);
        predicted = pa <= pb && pa <= pc ? left : pb <= pc ? up : corner;
      }
      rows[y * stride + x] = (line[x] + predicted) & 255;
    }
  }
  const pixels = Buffer.alloc(width * height * 3);
  for (let i = 0; i < width * height; ++i)
    rows.copy(pixels, i * 3, i * channels, i * channels + 3);
  return { width, height, pixels };
}

// How two pictures differ: null if not at all, else the count and bounds of differing pixels.
function pictureDifference(a, b) {
  if (a.width !== b.width || a.height !== b.height)
    return `sizes differ: ${a.width}x${a.height} against ${b.width}x${b.height}`;
  let count = 0, left = a.width, top = a.height, right = -1, bottom = -1;
  for (let y = 0; y < a.height; ++y) {
    for (let x = 0; x < a.width; ++x) {
      const i = (y * a.width + x) * 3;
      if (a.pixels[i] !== b.pixels[i] || a.pixels[i + 1] !== b.pixels[i + 1] || a.pixels[i + 2] !== b.pixels[i + 2]) {
        ++count;
        left = Math.min(left, x); right = Math.max(right, x);
        top = Math.min(top, y); bottom = Math.max(bottom, y);
      }
    }
  }
  return count === 0 ? null : `${count} pixels differ within (${left},${top})-(${right},${bottom})`;
}

let failures = 0;
function check(condition, what) {
  console.log(`${condition ? "ok  " : "FAIL"} ${what}`);
  if (!condition)
    ++failures;
}
function finish() {
  console.log(failures ? `${failures} check(s) failed` : "all checks passed");
  process.exit(failures ? 1 : 0);
}

module.exports = { root, serve, launchBrowser, readPng, pictureDifference, check, finish };
