// The page around the game: the 800x600 screen scaled to the window in whole device pixels,
// right clicks kept for the game, and a test mode (index.html?test) that runs the headless
// driver on its own clock for the browser tests.  Sound starts with the first click or key
// (SDL resumes the browser's audio then); until then the game plays silently.
"use strict";

const canvas = document.getElementById("canvas");
const status = document.getElementById("status");
const screenWidth = 800, screenHeight = 600;

// The largest whole number of device pixels per game pixel that fits; a window smaller than
// the screen shrinks it, aspect kept.
// In the browser's full screen SDL shows the screen itself, aspect kept.
function fitScreen() {
  if (document.fullscreenElement)
    return;
  const ratio = window.devicePixelRatio || 1;
  const width = window.innerWidth, height = window.innerHeight;
  let scale = Math.floor(Math.min(width * ratio / screenWidth, height * ratio / screenHeight)) / ratio;
  if (scale * ratio < 1)
    scale = Math.min(width / screenWidth, height / screenHeight);
  canvas.style.width = screenWidth * scale + "px";
  canvas.style.height = screenHeight * scale + "px";
  canvas.style.left = Math.floor((width - screenWidth * scale) / 2) + "px";
  canvas.style.top = Math.floor((height - screenHeight * scale) / 2) + "px";
}

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
}

function playGame() {
  fitScreen();
  window.addEventListener("resize", fitScreen);
  document.addEventListener("fullscreenchange", fitScreen);
  canvas.addEventListener("contextmenu", (event) => event.preventDefault());
  watchFirstFrame();
  loadProgram("kelvary", {
    onRuntimeInitialized: () => { status.hidden = true; canvas.focus(); },
    onExit: () => {
      status.hidden = false;
      status.textContent = "Kelvary has ended. Reload the page to play again.";
    },
  });
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
