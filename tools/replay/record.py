#!/usr/bin/env python3
"""Records the replay scripts of tests/replays from real runs of kelvary-driver.

  tools/replay/record.py BUILD_BIN_DIR OUT_DIR [NAME...]
  tools/replay/record.py BUILD_BIN_DIR OUT_DIR --rehash [NAME...]   (the look changed, not the play)

Each replay is a script of input (NAME.script, whose first line holds the driver's options)
and its expected results (NAME.expected: the state lines asked for and, for each screenshot,
the FNV-1a 64 hash of its decoded pixels as red, green, blue bytes, rows top first; the PNG
file is only there for looking at, so another encoder's bytes for the same picture pass).  The game is played by a simple player that reads the field
from the state line and turns the group that makes the most squares, preferring squares of
the special block's colour.  Read every .expected file before committing it.
"""
import json
import os
import struct
import subprocess
import sys
import tempfile
import zlib

GRID = 8
FIELD_LEFT, FIELD_TOP, STEP = 160, 100, 60
MENU = {"start": (400, 236), "scores": (400, 307), "options": (400, 338), "help": (400, 369)}


def fnv1a64(data):
    h = 0xCBF29CE484222325
    for b in data:
        h ^= b
        h = (h * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    return "%016x" % h


def png_rgb(path):
    """The pixels of an 8-bit RGB or RGBA PNG without interlacing (what the driver writes) as
    red, green, blue bytes, rows top first."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(path + ": not a PNG file")
    at, idat, header = 8, b"", None
    while at + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        sys.exit("%s: depth %d, colour type %d, interlace %d: not a screenshot" % (path, depth, colour, interlace))
    bpp = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * bpp
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = previous[i]
            upper_left = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else (up if pb <= pc else upper_left)
                line[i] = (line[i] + predictor) & 255
        rows.append(bytes(line) if bpp == 3 else bytes(b for i, b in enumerate(line) if i % 4 != 3))
        previous = line
    return b"".join(rows)


class Driver:
    def __init__(self, bin_dir, seed):
        self.bin_dir = bin_dir
        self.seed = seed

    def run(self, lines, frames, extra=()):
        with tempfile.NamedTemporaryFile("w", suffix=".script", delete=False) as f:
            f.write("\n".join(lines) + "\n")
            name = f.name
        try:
            out = subprocess.run(["./kelvary-driver", "--seed", str(self.seed), "--frames", str(frames),
                                  "--script", name] + list(extra), cwd=self.bin_dir, check=True,
                                 stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
        finally:
            os.unlink(name)
        return [json.loads(line) for line in out.splitlines() if line.startswith("{")]


def matches(a, b):
    return not (a > 1 and b > 1 and a != b)


def all_squares():
    """Corner cells of every square the rules' scan looks at."""
    found = []
    for y1 in range(GRID):
        for x1 in range(GRID):
            for y2 in range(y1, GRID):
                for x2 in range(x1 + 1, GRID):
                    dx, dy = x2 - x1, y2 - y1
                    pts = [(x1, y1), (x2, y2), (x2 - dy, y2 + dx), (x1 - dy, y1 + dx)]
                    if all(0 <= x < GRID and 0 <= y < GRID for x, y in pts):
                        found.append(tuple(x + y * GRID for x, y in pts))
    return found


SQUARES = all_squares()


def squares(kinds, special=-1, touching=None):
    """Squares the rules' scan would find (those with a corner in `touching`, if given), and
    how many of them are all of the special colour."""
    found, special_found = 0, 0
    for corners in SQUARES:
        if touching is not None and not touching.intersection(corners):
            continue
        c = [kinds[i] for i in corners]
        if any(k < 0 for k in c):
            continue
        if 0 not in c and not all(matches(c[i], c[j]) for i in range(4) for j in range(i + 1, 4)):
            continue
        found += 1
        if special >= 0 and all(matches(special, k) for k in c):
            special_found += 1
    return found, special_found


def rotate(kinds, x, y, counter_clockwise):
    k = list(kinds)
    tl, tr, bl, br = x + y * GRID, x + 1 + y * GRID, x + (y + 1) * GRID, x + 1 + (y + 1) * GRID
    if counter_clockwise:
        k[tl], k[tr], k[br], k[bl] = kinds[tr], kinds[br], kinds[bl], kinds[tl]
    else:
        k[tl], k[bl], k[br], k[tr] = kinds[bl], kinds[br], kinds[tr], kinds[tl]
    return k


def press(x, y, counter_clockwise):
    return "press %d %d %d" % (FIELD_LEFT + STEP * (x + 1), FIELD_TOP + STEP * (y + 1), 1 if counter_clockwise else 2)


class Mouse:
    """Turns with the mouse's buttons: one line, at the frame of the move."""
    def turn(self, x, y, ccw):
        return [(0, press(x, y, ccw))]

    def hints(self, at):
        return ["%d keydown 32" % at, "%d keyup 32" % (at + 3)], 4


class Finger(Mouse):
    """Turns with a finger: a tap turns counter-clockwise, a press held for 8 frames (528 ms)
    clockwise; the finger comes down a little off the group's middle and slides to it."""
    def turn(self, x, y, ccw):
        px, py = FIELD_LEFT + STEP * (x + 1), FIELD_TOP + STEP * (y + 1)
        lift = 1 if ccw else 8
        return [(0, "touch down 1 %d %d" % (px - 7, py + 5)), (0, "touch move 1 %d %d" % (px, py)),
                (lift, "touch up 1 %d %d" % (px, py))]

    def hints(self, at):
        return ["%d touch down 1 300 300" % at, "%d touch down 2 500 300" % (at + 1),
                "%d touch up 2 500 300" % (at + 4), "%d touch up 1 300 300" % (at + 5)], 6


class Keys(Mouse):
    """Turns with the keys: the arrows walk the frame from where it is (the first one puts it
    in the middle, unless the pointer was on the field), Q turns counter-clockwise, E
    clockwise.  The first turn first walks the frame into the top left corner."""
    def __init__(self, left=37, up=38, right=39, down=40, ccw=81, cw=69):
        self.at = None
        self.codes = {"left": left, "up": up, "right": right, "down": down, "ccw": ccw, "cw": cw}

    def key(self, name):
        return ["keydown %d" % self.codes[name], "keyup %d" % self.codes[name]]

    def turn(self, x, y, ccw):
        words = []
        if self.at is None:
            words += (self.key("left") + self.key("up")) * (GRID - 2)
            self.at = (0, 0)
        cx, cy = self.at
        words += self.key("right" if x > cx else "left") * abs(x - cx)
        words += self.key("down" if y > cy else "up") * abs(y - cy)
        self.at = (x, y)
        words += self.key("ccw" if ccw else "cw")
        return [(0, w) for w in words]


class Pad(Keys):
    """Turns with a game controller: the pad walks the frame, A turns counter-clockwise, B
    clockwise, X held shows the hints."""
    def key(self, name):
        button = {"left": 13, "up": 11, "right": 14, "down": 12, "ccw": 0, "cw": 1}[name]
        return ["pad down %d" % button, "pad up %d" % button]

    def hints(self, at):
        return ["%d pad down 2" % at, "%d pad up 2" % (at + 3)], 4


def best_move(state, fallback, hand=None):
    """The turn that clears most; with nothing to clear, turn group `fallback` to stir the field."""
    best = None
    for y in range(GRID - 1):
        for x in range(GRID - 1):
            for ccw in (True, False):
                group = {x + y * GRID, x + 1 + y * GRID, x + (y + 1) * GRID, x + 1 + (y + 1) * GRID}
                n, s = squares(rotate(state["kinds"], x, y, ccw), state["special"], group)
                value = n + 10 * s
                if n and (best is None or value > best[0]):
                    best = (value, x, y, ccw)
    hand = hand or Mouse()
    if best is None:
        return hand.turn(fallback % 7, (fallback // 7) % 7, True)
    _, x, y, ccw = best
    return hand.turn(x, y, ccw)


def idle(state):
    return (state.get("screen") == 2 and state["running"] and not state["moving"] and not state["removing"]
            and not state["panel"])


def play(driver, lines, start, moves, hint_every=0, until=None, hand=None):
    """Appends `moves` good moves from frame `start`; returns the frame after the last."""
    hand = hand or Mouse()
    frame = start
    made = 0
    while made < moves:
        states = driver.run(lines, frame + 60, ["--state-every", "1"])
        ready = [s for s in states if s["frame"] >= frame and idle(s)]
        if not ready:
            break
        state = ready[0]
        if until and until(state):
            break
        move = best_move(state, made * 17, hand)
        at = state["frame"] + 1
        if hint_every and made % hint_every == 0:
            hint_lines, length = hand.hints(at)
            lines += hint_lines
            at += length
        lines += ["%d %s" % (at + offset, words) for offset, words in move]
        made += 1
        frame = at + max(offset for offset, _ in move) + 1
    return frame


def skip_splash_and_start(lines):
    lines += ["2 press 10 10 1", "12 move %d %d" % MENU["start"], "14 press %d %d 1" % MENU["start"]]
    return 16


def scenario_menu(driver):
    lines = ["2 press 10 10 1", "10 move %d %d" % MENU["scores"], "12 press %d %d 1" % MENU["scores"]]
    # The high-score box's OK button, then the options box: sound off, OK.
    lines += ["30 press 481 444 1", "40 press %d %d 1" % MENU["options"], "50 press 390 250 1",
              "60 press 400 350 1", "70 move %d %d" % MENU["help"]]
    return lines, 90, [1, 11, 15, 31, 45, 55, 61, 71, 89], [1, 11, 15, 45, 55, 89]


def scenario_game(driver):
    lines = []
    start = skip_splash_and_start(lines)
    end = play(driver, lines, start, 45, hint_every=10)
    return lines, end + 20, list(range(start, end + 20, 25)) + [end + 19], [start + 4, end + 19]


def scenario_timeout(driver):
    lines = []
    start = skip_splash_and_start(lines)
    end = play(driver, lines, start, 25)
    states = driver.run(lines, end + 3000, ["--state-every", "1"])
    over = next(s for s in states if s["frame"] > end and s.get("panel"))
    f = over["frame"] + 5
    lines += ["%d char %d" % (f + i, ord(c)) for i, c in enumerate("Ada Q")]
    lines += ["%d keydown 8" % (f + 6), "%d char %d" % (f + 7, ord("z"))]
    # OK on the panel, back in the menu the high-score box shows the name.
    lines += ["%d press 400 446 1" % (f + 12), "%d press %d %d 1" % ((f + 20,) + MENU["scores"])]
    states_at = [over["frame"] - 1, over["frame"], f + 11, f + 13, f + 21, f + 30]
    return lines, f + 31, states_at, [over["frame"] + 2, f + 11, f + 30]


def scenario_touch(driver):
    """A game by a finger alone: the splash and Start tapped, turns both ways, the hints by two
    fingers, a touch that slides off the field (no turn), the sound switch tapped."""
    lines = ["2 touch down 1 10 10", "3 touch up 1 10 10", "12 touch down 1 %d %d" % MENU["start"],
             "13 touch up 1 %d %d" % MENU["start"]]
    start = 16
    end = play(driver, lines, start, 12, hint_every=5, hand=Finger())
    lines += ["%d touch down 1 220 160" % end, "%d touch move 1 200 130" % (end + 1),
              "%d touch move 1 100 130" % (end + 2), "%d touch up 1 100 130" % (end + 3),
              "%d touch down 1 80 560" % (end + 6), "%d touch up 1 80 560" % (end + 7)]
    end += 10
    return lines, end + 10, list(range(start, end + 10, 20)) + [end + 1, end + 3, end + 4, end + 9], \
        [start + 4, end + 2, end + 9]


def scenario_keys(driver):
    """A game by the keys alone: the splash skipped and the menu walked with the arrows, Start
    pressed with Enter, turns both ways with Q and E, the hints with space, the game screen's
    sound switch reached with Tab and pressed with Enter."""
    lines = ["2 keydown 13", "2 keyup 13", "10 keydown 40", "10 keyup 40", "12 keydown 13", "12 keyup 13"]
    start = 14
    end = play(driver, lines, start, 12, hint_every=5, hand=Keys())
    lines += ["%d keydown 9" % end, "%d keyup 9" % end, "%d keydown 13" % (end + 2), "%d keyup 13" % (end + 2)]
    end += 4
    return lines, end + 10, list(range(start, end + 10, 20)) + [end - 3, end + 9], [start + 4, end - 3, end + 9]


def scenario_pad(driver):
    """A game by a game controller alone: A skips the splash, the stick walks the menu and A
    starts, the pad and A and B turn, X shows the hints."""
    lines = ["2 pad down 0", "2 pad up 0", "10 pad axis 1 30000", "11 pad axis 1 0", "12 pad down 0", "12 pad up 0"]
    start = 14
    end = play(driver, lines, start, 12, hint_every=5, hand=Pad())
    return lines, end + 10, list(range(start, end + 10, 20)) + [end + 9], [start + 4, end + 9]


SCENARIOS = {"menu": (scenario_menu, 1), "game": (scenario_game, 43200), "timeout": (scenario_timeout, 7),
             "touch": (scenario_touch, 2024), "keys": (scenario_keys, 515), "pad": (scenario_pad, 9090)}


def record(bin_dir, out_dir, name):
    make, seed = SCENARIOS[name]
    driver = Driver(bin_dir, seed)
    lines, frames, states, shots = make(driver)
    options = ["--seed", str(seed), "--frames", str(frames)]
    for f in sorted(set(states)):
        options += ["--state", str(f)]
    with tempfile.TemporaryDirectory() as shot_dir:
        shot_options = []
        for f in shots:
            shot_options += ["--shot", "%d:%s/%d.png" % (f, shot_dir, f)]
        result = driver.run(lines, frames, options[4:] + shot_options)
        expected = [json.dumps(s, separators=(",", ":")) for s in result]
        for f in shots:
            expected.append("shot %d %s" % (f, fnv1a64(png_rgb("%s/%d.png" % (shot_dir, f)))))
    with open(os.path.join(out_dir, name + ".script"), "w") as f:
        f.write("# driver: " + " ".join(options) + " " + " ".join("--shot %d" % s for s in shots) + "\n")
        f.write("\n".join(lines) + "\n")
    with open(os.path.join(out_dir, name + ".expected"), "w") as f:
        f.write("\n".join(expected) + "\n")


def rehash(bin_dir, out_dir, name):
    """After a change of the game's look only: the stored script is played again and its
    screenshot hashes replaced; the state lines must come out as stored."""
    with open(os.path.join(out_dir, name + ".script")) as f:
        words = f.readline()[len("# driver: "):].split()
    options, shots = [], []
    while words:
        word = words.pop(0)
        (shots if word == "--shot" else options).append(words.pop(0) if word == "--shot" else word)
    with open(os.path.join(out_dir, name + ".expected")) as f:
        stored = [line.rstrip("\n") for line in f if line.startswith("{")]
    with tempfile.TemporaryDirectory() as shot_dir:
        extra = []
        for frame in shots:
            extra += ["--shot", "%s:%s/%s.png" % (frame, shot_dir, frame)]
        out = subprocess.run(["./kelvary-driver"] + options + ["--script", os.path.abspath(os.path.join(out_dir, name + ".script"))] + extra,
                             cwd=bin_dir, check=True, stdout=subprocess.PIPE, text=True).stdout
        states = [json.dumps(json.loads(l), separators=(",", ":")) for l in out.splitlines() if l.startswith("{")]
        if states != stored:
            sys.exit(name + ": the state lines changed; record it anew and read it")
        hashes = []
        for frame in shots:
            hashes.append("shot %s %s" % (frame, fnv1a64(png_rgb("%s/%s.png" % (shot_dir, frame)))))
    with open(os.path.join(out_dir, name + ".expected"), "w") as f:
        f.write("\n".join(stored + hashes) + "\n")


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    if sys.argv[3:4] == ["--rehash"]:
        for replay in sys.argv[4:] or sorted(SCENARIOS):
            rehash(os.path.abspath(sys.argv[1]), sys.argv[2], replay)
    else:
        for replay in sys.argv[3:] or sorted(SCENARIOS):
            record(os.path.abspath(sys.argv[1]), sys.argv[2], replay)
