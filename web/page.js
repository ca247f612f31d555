// The page around the game: the 800x600 screen fitted to any window or phone, the browser's
// full screen for the game's switch, the offline copy of the site, right clicks kept for the
// game, and a test mode (index.html?test) that runs the headless driver on its own clock for
// the browser tests.  Sound starts with the first click or key (SDL resumes the browser's
// audio then); until then the game plays silently.
"use strict";

const canvas = document.getElementById("canvas");
const status = document.getElementById("status");
const turnHint = document.getElementById("turn-hint");
const screenWidth = 800, screenHeight = 600;

// ---- Sizing: the page alone sizes the canvas ----

// The window's layout size in CSS pixels (a phone's browser may report a zoomed-out inner size).
function windowSize() {
  const root = document.documentElement;
  return { width: root.clientWidth || window.innerWidth, height: root.clientHeight || window.innerHeight };
}

// The notch-safe area of the window in CSS pixels: a probe element padded by the insets.
function safeArea() {
  const probe = document.getElementById("safe-area");
  const style = getComputedStyle(probe);
  const inset = (side) => parseFloat(style.getPropertyValue("padding-" + side)) || 0;
  const left = inset("left"), top = inset("top"), size = windowSize();
  return { left, top, width: Math.max(0, size.width - left - inset("right")),
           height: Math.max(0, size.height - top - inset("bottom")) };
}

// Where the picture goes: as large as the safe area holds, aspect kept, centred, on whole
// device pixels.  Sharp (a whole number of device pixels per game pixel) where such a
// multiple fills at least 90 % of the largest fit, smoothly scaled otherwise.
function pictureBox(area, ratio) {
  const largest = Math.min(area.width * ratio / screenWidth, area.height * ratio / screenHeight);
  const whole = Math.floor(largest);
  const sharp = whole >= 1 && whole >= 0.9 * largest;
  const devicePerPixel = sharp ? whole : largest;
  const width = Math.floor(screenWidth * devicePerPixel), height = Math.floor(screenHeight * devicePerPixel);
  const left = Math.round(area.left * ratio + (area.width * ratio - width) / 2);
  const top = Math.round(area.top * ratio + (area.height * ratio - height) / 2);
  return { left: left / ratio, top: top / ratio, width: width / ratio, height: height / ratio, sharp };
}

let fitting = false;
function fitScreen() {
  const box = pictureBox(safeArea(), window.devicePixelRatio || 1);
  fitting = true;
  // The drawing buffer keeps the picture's own size whatever else touched it.
  if (canvas.width !== screenWidth || canvas.height !== screenHeight) {
    canvas.width = screenWidth;
    canvas.height = screenHeight;
  }
  Object.assign(canvas.style, { left: box.left + "px", top: box.top + "px", width: box.width + "px",
                                height: box.height + "px", imageRendering: box.sharp ? "pixelated" : "auto" });
  fitting = false;
  // Held upright, the picture can only be small: suggest turning, below it, without blocking play.
  const size = windowSize();
  turnHint.hidden = size.height <= size.width;
  window.kelvaryPictureBox = box;
}

// SDL's browser backend sizes the canvas itself on some occasions (full screen, a window
// resized): whatever it changes, the page puts back.
function holdCanvasSize() {
  fitScreen();
  window.addEventListener("resize", fitScreen);
  window.addEventListener("orientationchange", fitScreen);
  document.addEventListener("fullscreenchange", fitScreen);
  new MutationObserver(() => { if (!fitting) fitScreen(); })
    .observe(canvas, { attributes: true, attributeFilter: ["style", "width", "height"] });
}

// ---- Full screen: the game's switch, the browser's full screen ----

// The game asks with Module.showFullScreen; browsers grant full screen only in answer to a
// click or a key, so a request refused now is made again at the next one.  Leaving full
// screen by the browser's own means (Escape, the back gesture) turns the game's switch off.
function followFullScreen(module) {
  let wanted = false, shown = false;
  const request = () => {
    if (!wanted || document.fullscreenElement || !document.documentElement.requestFullscreen)
      return;
    document.documentElement.requestFullscreen({ navigationUI: "hide" }).then(() => {
      if (screen.orientation && screen.orientation.lock)
        screen.orientation.lock("landscape").catch(() => {});
    }, () => {});
  };
  module.showFullScreen = (on) => {
    wanted = on;
    if (on)
      request();
    else if (document.fullscreenElement && document.exitFullscreen)
      document.exitFullscreen().catch(() => {});
  };
  for (const kind of ["pointerup", "keyup", "touchend"])
    window.addEventListener(kind, request, true);
  document.addEventListener("fullscreenchange", () => {
    const now = document.fullscreenElement !== null;
    if (shown && !now && wanted) {
      wanted = false;
      module.fullScreenLeft = true;
    }
    shown = now;
  });
}

// ---- The offline copy: a service worker keeps the whole site of one build ----

// A newer build waiting from the last visit takes over before anything of the game loads,
// so that the page never mixes the files of two builds.
async function takeNewBuild() {
  if (!("serviceWorker" in navigator) || !/^https?:$/.test(location.protocol))
    return false;
  try {
    const registration = await navigator.serviceWorker.register("sw.js");
    const waiting = registration.waiting;
    if (waiting && navigator.serviceWorker.controller) {
      // The new build in control, or at least active (some browsers are slow to tell the
      // page), starts the page again.
      let restarted = false;
      const restart = () => {
        if (!restarted) {
          restarted = true;
          location.reload();
        }
      };
      navigator.serviceWorker.addEventListener("controllerchange", restart);
      waiting.addEventListener("statechange", () => {
        if (waiting.state === "activated")
          restart();
      });
      waiting.postMessage("take-over");
      return true;
    }
  } catch (e) {
    // No offline copy (a private window, say): the game plays from the network.
  }
  return false;
}

// ---- The game ----

// When the first frame reaches the screen (for the page's own timing).
function watchFirstFrame() {
  const context = canvas.getContext("2d");
  const put = context.putImageData;
  context.putImageData = function () {
    if (window.kelvaryFirstFrame === undefined)
      window.kelvaryFirstFrame = performance.now();
    context.putImageData = put;
    return put.apply(this, arguments);
  };
}

function loadProgram(name, module) {
  window.Module = Object.assign({
    canvas: canvas,
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    setStatus: (text) => { status.textContent = text; },
    monitorRunDependencies: () => {},
  }, module);
  const script = document.createElement("script");
  script.src = name + ".js";
  script.onerror = () => { status.textContent = "Kelvary could not be loaded."; };
  document.body.appendChild(script);
  return window.Module;
}

async function playGame() {
  holdCanvasSize();
  canvas.addEventListener("contextmenu", (event) => event.preventDefault());
  if (await takeNewBuild())
    return;
  watchFirstFrame();
  const module = loadProgram("kelvary", {
    onRuntimeInitialized: () => { status.hidden = true; canvas.focus(); },
    onExit: () => {
      status.hidden = false;
      status.textContent = "Kelvary has ended. Reload the page to play again.";
    },
  });
  followFullScreen(module);
}

// Test mode: kelvaryDriver(["--seed", "42", ...], scriptText) runs the headless driver once
// and resolves with its exit code, its output and every screenshot it wrote (frame: PNG bytes).
// The script is the driver's --script file; screenshots are asked for with --shot F alone.
function testMode() {
  status.textContent = "Test mode";
  window.kelvaryDriver = (options, scriptText) => new Promise((resolve) => {
    const args = [], shots = [];
    for (let i = 0; i < options.length; ++i) {
      if (options[i] === "--shot") {
        shots.push(Number(options[++i]));
        args.push("--shot", shots[shots.length - 1] + ":/shots/" + shots[shots.length - 1] + ".png");
      } else {
        args.push(options[i]);
      }
    }
    if (scriptText !== undefined)
      args.push("--script", "/replay.script");
    const out = [], errors = [];
    loadProgram("kelvary-driver", {
      arguments: args,
      print: (text) => out.push(text),
      printErr: (text) => errors.push(text),
      preRun: [() => {
        Module.FS.mkdir("/shots");
        if (scriptText !== undefined)
          Module.FS.writeFile("/replay.script", scriptText);
      }],
      onAbort: (reason) => resolve({ exitCode: -1, out: out, errors: errors.concat(String(reason)), shots: {} }),
      onExit: (code) => {
        const pictures = {};
        for (const frame of shots) {
          try {
            pictures[frame] = Array.from(Module.FS.readFile("/shots/" + frame + ".png"));
          } catch (e) {
            pictures[frame] = null;
          }
        }
        resolve({ exitCode: code, out: out, errors: errors, shots: pictures });
      },
    });
  });
}

if (new URLSearchParams(location.search).has("test"))
  testMode();
else
  playGame();
