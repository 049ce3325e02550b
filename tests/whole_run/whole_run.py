#!/usr/bin/env python3
"""Whole practice tests in a real X window, driven from outside like a candidate.

Each run starts its own X server (Xvfb, or Xorg with the dummy video driver for the full-screen run), copies
the built program folder (ixoran, data/, manual.html) into a fresh temporary folder, so that the run has its
own conf.dat and review/, starts ixoran there and drives it with xdotool: the pointer moves to the place a
control has in its window and clicks, the keyboard types. There is no window manager, so every window stands
where the program placed it and a control lies at the window's origin plus its own place (twips / 15).
Afterwards the run checks the files the program wrote, byte by byte.

Screenshots of the main steps go to OUT/<run>/NN-step.png; a failing run also leaves failure.png, the
program's output and a copy of its conf.dat and review folder there, and says where they are.

Usage: whole_run.py RUN --program-dir DIR --pool-tool IXO_POOL --out DIR [--xorg-conf FILE]
Runs: full-road, time-out, full-screen, chinese.
Exit status: 0 passed, 1 failed, 77 skipped (a tool or server the run needs is missing).
"""

import argparse
import datetime
import os
import re
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
WAIT = 20.0  # seconds for a window, a file or a mode to appear
FORM1_CLIENT_HEIGHT = 239  # the main window's client area under its menu bar, in pixels


class RunFailed(Exception):
    pass


class RunSkipped(Exception):
    pass


def check(condition, message):
    if not condition:
        raise RunFailed(message)


def px(twips):
    """Twips to pixels, rounded as the program rounds them."""
    return (twips + 7) // 15 if twips >= 0 else (twips - 7) // 15


class Spot:
    """A control's rectangle in pixels within its window; `at` is where a click lands."""

    def __init__(self, left, top, width, height, at=None):
        self.left, self.top, self.width, self.height = left, top, width, height
        self.at = at or (left + width // 2, top + height // 2)


def twips(left, top, width, height, parent=(0, 0)):
    """A control placed in twips, inside a parent placed at `parent` (twips)."""
    return Spot(px(parent[0] + left), px(parent[1] + top), px(width), px(height))


def face(left, top, size, parent=(0, 0)):
    """An image button or picture placed in twips, as large as its face (pixels)."""
    return Spot(px(parent[0] + left), px(parent[1] + top), size[0], size[1])


def box(left, top, width, height, parent):
    """A check box or option button: the click goes to its indicator at the left."""
    s = twips(left, top, width, height, parent)
    s.at = (s.left + 8, s.top + s.height // 2)
    return s


ICON = (45, 40)  # toolbar faces
WIDE = (162, 30)  # the wide buttons of the panels
DISMISS = (67, 43)

# The main window (client area under the menu bar; the frames are at their places in it).
FRAMEI, FRAMEA, FRAME1 = (120, 120), (2880, 120), (120, 2160)
FORM1 = {
    "seti2": box(650, 720, 1095, 255, FRAMEI),
    "iss": twips(1800, 360, 495, 285, FRAMEI),
    "iskip": box(650, 1080, 1215, 255, FRAMEI),
    "its": twips(720, 1560, 495, 285, FRAMEI),
    "arg": twips(1800, 360, 495, 285, FRAMEA),
    "op_quick": box(2160, 360, 1215, 255, FRAME1),
    "op_full": box(3960, 360, 1335, 255, FRAME1),
    "start": twips(2040, 3120, 1575, 375),
}

# pro1: the scroll bar's lower arrow is the last 16 pixels of the bar.
_scroll1 = twips(8010, 800, 270, 5680)
PRO1 = {
    "scroll_down": Spot(_scroll1.left, _scroll1.top + _scroll1.height - 16, _scroll1.width, 16),
    "dismiss": face(8410, 1930, DISMISS),
    "retdir": face(1850, 2490, WIDE, parent=(1500, 1440)),
    "proceed": face(3360, 5430, WIDE, parent=(180, 480)),  # in the finish panel
}
PRO2 = {"proceed": face(3540, 5930, WIDE)}
PRO3 = {
    "st1": twips(2160, 6320, 1120, 360),
    "yes": twips(2160, 5280, 1120, 340, parent=(15, 300)),  # in the confirmation panel
}
PRO6 = {
    "dismiss": face(8410, 1940, DISMISS),
    "retdir": face(1850, 2490, WIDE, parent=(1550, 1440)),
    "tquit": face(160, 6590, ICON),
    "Image3": face(5325, 5445, WIDE, parent=(165, 480)),
}
_panel = (165, 480)
WRITING = {
    "tquit": face(170, 6590, ICON),
    "squit": face(870, 6590, ICON),
    "Image1": face(1425, 5445, WIDE, parent=_panel),
    "Image2": face(5325, 5445, WIDE, parent=_panel),  # Exit Section
    "Image3": face(5325, 5445, WIDE, parent=_panel),  # Quit Test
    "Image4": face(3375, 5445, WIDE, parent=_panel),  # Proceed
}
PRO4_TIN = twips(340, 2600, 7920, 3840)
PRO7_TIN = twips(340, 4310, 7920, 2160)
OVER = {"save": twips(1800, 5400, 1575, 375), "quit": twips(5280, 5400, 1215, 375)}
ADV = {"ok": twips(360, 2400, 975, 375)}


def count_words(text):
    """Words as the writing screens count them: runs of characters other than space, CR and LF."""
    return len([w for w in re.split(r"[ \r\n]+", text) if w])


def crlf(text):
    return text.replace("\n", "\r\n")


def settings_bytes(fields):
    """The 30-byte settings record: 15 little-endian 16-bit fields."""
    assert len(fields) == 15
    return struct.pack("<15h", *fields)


def describe_settings(data):
    names = ["Language", "Spare", "IssueRandom", "ArgumentRandom", "IssueMinutes", "ArgumentMinutes", "IssueSort",
             "SkipSection", "WordCount", "QuickStart", "FullScreen", "RightClickMenu", "HotKeys", "SafeMode",
             "ShowWordsAuto"]
    if len(data) < 30:
        return "%d bytes: %s" % (len(data), data.hex(" "))
    values = struct.unpack("<15h", data[:30])
    return ", ".join("%s %d" % nv for nv in zip(names, values)) + ("" if len(data) == 30 else
                                                                    " (+%d bytes)" % (len(data) - 30))


class Window:
    def __init__(self, wid, x, y, width, height):
        self.id, self.x, self.y, self.width, self.height = wid, x, y, width, height

    def __repr__(self):
        return "window %s at %d,%d %dx%d" % (self.id, self.x, self.y, self.width, self.height)


class Session:
    """One X server, one copy of the program folder, one program process."""

    def __init__(self, run, args):
        self.run = run
        self.args = args
        self.out = os.path.join(args.out, run)
        shutil.rmtree(self.out, ignore_errors=True)
        os.makedirs(self.out)
        self.tmp = tempfile.TemporaryDirectory(prefix="ixo-whole-run-")
        self.folder = os.path.join(self.tmp.name, "program")
        self.server = None
        self.program = None
        self.program_log = None
        self.env = None
        self.step = 0
        self.started = time.monotonic()

    # --- reporting ---------------------------------------------------------------------------------------

    def say(self, text):
        print("[%s %5.1fs] %s" % (self.run, time.monotonic() - self.started, text), flush=True)

    def shot(self, name):
        """A screenshot of the whole screen into the run's output folder."""
        self.step += 1
        path = os.path.join(self.out, "%02d-%s.png" % (self.step, name))
        subprocess.run(["import", "-window", "root", path], env=self.env, timeout=WAIT,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.say("screenshot %s" % os.path.basename(path))

    # --- X server ----------------------------------------------------------------------------------------

    def start_xvfb(self):
        if not shutil.which("Xvfb"):
            raise RunSkipped("Xvfb is missing (scripts/deps.sh test installs it)")
        self._start_server(["Xvfb", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"])

    def start_xorg(self, conf):
        xorg = shutil.which("Xorg")
        if not xorg or not os.path.exists("/usr/lib/xorg/modules/drivers/dummy_drv.so"):
            raise RunSkipped("Xorg with the dummy video driver is missing (scripts/deps.sh test installs it)")
        confdir = os.path.join(self.tmp.name, "conf.d")  # no configuration snippets of the machine
        os.makedirs(confdir)
        self._start_server([xorg, "-sharevts", "-novtswitch", "-noreset", "-nolisten", "tcp", "-config", conf,
                            "-configdir", confdir, "-logfile", os.path.join(self.out, "xorg.log")],
                           hint=" (Xorg needs root)")

    def _start_server(self, command, hint=""):
        for tool in ("xdotool", "import", "xrandr"):
            if not shutil.which(tool):
                raise RunSkipped("%s is missing (scripts/deps.sh test installs it)" % tool)
        # -displayfd: the server picks a free display itself and writes its number once it accepts clients.
        read_end, write_end = os.pipe()
        log = open(os.path.join(self.out, "server.log"), "wb")
        self.server = subprocess.Popen(command + ["-displayfd", str(write_end)], pass_fds=(write_end,),
                                       stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + WAIT
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_end], [], [], 0.2)
            if ready:
                chunk = os.read(read_end, 64)
                if not chunk:
                    break
                number += chunk
        os.close(read_end)
        check(number.endswith(b"\n"), "%s did not start%s; its output is in %s" % (command[0], hint, self.out))
        runtime = os.path.join(self.tmp.name, "runtime")
        os.makedirs(runtime, mode=0o700)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith("QT_") and k not in ("WAYLAND_DISPLAY", "XAUTHORITY", "DISPLAY")}
        env.update({"DISPLAY": ":" + number.decode().strip(), "QT_QPA_PLATFORM": "xcb", "LC_ALL": "C.UTF-8",
                    "LANG": "C.UTF-8", "XDG_RUNTIME_DIR": runtime})
        self.env = env
        self.say("X server on display %s" % env["DISPLAY"])

    # --- the program -------------------------------------------------------------------------------------

    def copy_program(self, conf=None):
        """A fresh program folder: the executable, the manual, the two pools, an empty review folder."""
        source = self.args.program_dir
        os.makedirs(os.path.join(self.folder, "data"))
        os.makedirs(os.path.join(self.folder, "review"))
        shutil.copy2(os.path.join(source, "ixoran"), self.folder)
        if os.path.exists(os.path.join(source, "manual.html")):
            shutil.copy2(os.path.join(source, "manual.html"), self.folder)
        for pool in ("issue.dat", "argue.dat"):
            shutil.copy2(os.path.join(source, "data", pool), os.path.join(self.folder, "data"))
        if conf is not None:
            with open(self.conf_path(), "wb") as f:
                f.write(conf)

    def start_program(self):
        self.program_log = open(os.path.join(self.out, "program.log"), "wb")
        self.program = subprocess.Popen([os.path.join(self.folder, "ixoran")], cwd=self.tmp.name, env=self.env,
                                        stdout=self.program_log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.say("ixoran started in %s" % self.folder)

    def wait_program_end(self):
        try:
            code = self.program.wait(WAIT)
        except subprocess.TimeoutExpired:
            raise RunFailed("the program did not end")
        check(code == 0, "the program ended with status %d" % code)
        self.say("ixoran ended with status 0")

    def conf_path(self):
        return os.path.join(self.folder, "data", "conf.dat")

    def review_path(self, name=""):
        return os.path.join(self.folder, "review", name)

    def read(self, path):
        with open(path, "rb") as f:
            return f.read()

    def wait_file(self, path, timeout=WAIT):
        deadline = time.monotonic() + timeout
        while not os.path.exists(path):
            self.check_alive()
            check(time.monotonic() < deadline, "no file %s after %.0f s" % (path, timeout))
            time.sleep(0.2)

    def check_alive(self):
        if self.program is not None and self.program.poll() is not None:
            raise RunFailed("the program ended by itself with status %d" % self.program.returncode)

    # --- X tools -----------------------------------------------------------------------------------------

    def x(self, *args, timeout=WAIT):
        result = subprocess.run(list(args), env=self.env, timeout=timeout, capture_output=True)
        return result.returncode, result.stdout.decode("utf-8", "replace")

    def xdotool(self, *args):
        code, out = self.x("xdotool", *[str(a) for a in args])
        check(code == 0, "xdotool %s failed" % " ".join(str(a) for a in args))
        return out

    def visible(self, title):
        """Ids of the visible windows whose title is exactly `title`."""
        code, out = self.x("xdotool", "search", "--onlyvisible", "--name", "^%s$" % re.escape(title))
        return [line for line in out.split() if line] if code == 0 else []

    def geometry(self, wid):
        out = self.xdotool("getwindowgeometry", "--shell", wid)
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return Window(wid, int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"]))

    def wait_window(self, title, not_this=None, timeout=WAIT):
        """Waits until exactly one window titled `title` is visible, other than `not_this`."""
        deadline = time.monotonic() + timeout
        while True:
            ids = self.visible(title)
            if len(ids) == 1 and (not_this is None or ids[0] != not_this.id):
                window = self.geometry(ids[0])
                self.say("%r: %r" % (title, window))
                return window
            self.check_alive()
            if time.monotonic() > deadline:
                self.shot("no-window")
                raise RunFailed("no new window %r after %.0f s (visible: %s)" % (title, timeout, ids))
            time.sleep(0.1)

    def wait_gone(self, window, title, timeout=WAIT):
        deadline = time.monotonic() + timeout
        while window.id in self.visible(title):
            check(time.monotonic() < deadline, "window %r still shown after %.0f s" % (title, timeout))
            time.sleep(0.1)

    def wait_screen(self, previous=None):
        """Waits for the next test screen: a new borderless 640x480 window titled IXO."""
        window = self.wait_window("IXO", previous)
        check((window.width, window.height) == (640, 480), "a test screen of %dx%d" % (window.width, window.height))
        return window

    def click(self, window, spot, offset=(0, 0)):
        x = window.x + offset[0] + spot.at[0]
        y = window.y + offset[1] + spot.at[1]
        self.xdotool("mousemove", x, y, "click", 1)

    def activate(self, window, spot=(4, 4)):
        """Clicks an empty spot of the window, so that it takes the keyboard: with no window manager, a
        window becomes the active one when it is clicked, and keys go to the window under the pointer."""
        self.xdotool("mousemove", window.x + spot[0], window.y + spot[1], "click", 1)

    def type_text(self, text):
        """Types line by line; a line break is a press of Return."""
        for i, line in enumerate(text.split("\n")):
            if i:
                self.xdotool("key", "Return")
            if line:
                self.xdotool("type", "--delay", 8, "--", line)

    def key(self, *keys):
        self.xdotool("key", "--delay", 60, *keys)

    def screen_mode(self):
        """(width, height, current mode name, rate) as xrandr shows the screen and its output."""
        code, out = self.x("xrandr", "--current")
        check(code == 0, "xrandr --current failed")
        size = re.search(r"current (\d+) x (\d+)", out)
        current = re.search(r"^\s+(\S+)\s.*?([\d.]+)\*", out, re.M)
        return (int(size.group(1)), int(size.group(2)), current.group(1) if current else "",
                current.group(2) if current else "")

    def wait_screen_size(self, width, height):
        deadline = time.monotonic() + WAIT
        while True:
            mode = self.screen_mode()
            if mode[:2] == (width, height):
                self.say("display mode %s at %s Hz, screen %dx%d" % (mode[2], mode[3], width, height))
                return mode
            check(time.monotonic() < deadline, "the screen is %dx%d, not %dx%d" % (mode[0], mode[1], width, height))
            time.sleep(0.1)

    # --- the end -----------------------------------------------------------------------------------------

    def keep_evidence(self):
        if self.env and self.server and self.server.poll() is None:
            try:
                self.shot("failure")
            except Exception:
                pass
        files = os.path.join(self.out, "files")
        for part in ("data/conf.dat", "review"):
            source = os.path.join(self.folder, part)
            target = os.path.join(files, part)
            os.makedirs(os.path.dirname(target), exist_ok=True)
            if os.path.isdir(source):
                shutil.copytree(source, target)
            elif os.path.exists(source):
                shutil.copy2(source, target)

    def close(self):
        for process in (self.program, self.server):
            if process is not None and process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(10)
        if self.program_log:
            self.program_log.close()
        self.tmp.cleanup()


# --- the topic pools ---------------------------------------------------------------------------------------

def pool_topics(args, kind, path):
    """Topic texts by number, as ixo-pool exports them; in the pool a topic's lines are joined by CR LF."""
    result = subprocess.run([args.pool_tool, "export", kind, path], capture_output=True, timeout=WAIT)
    check(result.returncode == 0, "ixo-pool export %s failed: %s" % (kind, result.stderr.decode()))
    topics, number, lines = {}, None, []

    def finish():
        if number is not None:
            while lines and not lines[-1]:
                lines.pop()
            topics[number] = "\r\n".join(lines)

    for line in result.stdout.decode("utf-8").split("\n"):
        header = re.fullmatch(r"== (\d+)(?: sort -?\d+)?", line)
        if header:
            finish()
            number, lines = int(header.group(1)), []
        elif number is not None:
            lines.append(line)
    finish()
    return topics


def match_file(data, pieces, what):
    """Checks bytes against literal pieces (str) and patterns (re.Pattern); returns the captured groups."""
    check(b"\r" not in data.replace(b"\r\n", b"") and b"\n" not in data.replace(b"\r\n", b""),
          "%s has a line break other than CR LF" % what)
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        raise RunFailed("%s is not UTF-8" % what)
    pattern = "".join(p.pattern if isinstance(p, re.Pattern) else re.escape(p) for p in pieces)
    found = re.fullmatch(pattern, text, re.S)
    if not found:
        # Say where the file parts from what was expected.
        expected = "".join(p if isinstance(p, str) else "<%s>" % p.pattern for p in pieces)
        at = next((i for i, (a, b) in enumerate(zip(text, expected)) if a != b), min(len(text), len(expected)))
        raise RunFailed("%s differs from what was expected at character %d:\n  file:     %r\n  expected: %r" %
                        (what, at, text[max(0, at - 40):at + 60], expected[max(0, at - 40):at + 60]))
    return found.groups()


TIME = re.compile(r"(\d\d:\d\d:\d\d)")
DATE = re.compile(r"([^\r\n]+)")
SEP = " " * 10


def seconds(hhmmss):
    h, m, s = (int(v) for v in hhmmss.split(":"))
    return h * 3600 + m * 60 + s


def check_date(text, what):
    years = {str(datetime.date.today().year), str((datetime.date.today() - datetime.timedelta(days=1)).year)}
    check(any(y in text for y in years), "%s: the date and time %r does not hold this year" % (what, text))


def report_name_date(name):
    today = datetime.date.today()
    allowed = {today.isoformat(), (today - datetime.timedelta(days=1)).isoformat()}  # a run over midnight
    date = name[:10]
    check(date in allowed, "report %r is not named after today's date" % name)
    return date


def draft_pieces(word, number, topic, essay):
    return ["%s%d - %s\r\n\r\n%s\r\n\r\n(" % (word, number, topic, crlf(essay)), DATE, ")\r\n"]


def section_pieces(word, number, topic, essay, time_pattern=TIME):
    return ["TOPIC: %s%d - %s\r\nWORDS: %d%sTIME: " % (word, number, topic, count_words(essay), SEP),
            time_pattern, "%sDATE: " % SEP, DATE, "\r\n\r\n%s" % crlf(essay)]


# --- the runs ----------------------------------------------------------------------------------------------

ISSUE_ESSAY = ("Whether engineers answer for the misuse of what they design is an old question.  It is not "
               "a simple one: a bridge can carry soldiers as well as farmers.\n"
               "Still, a designer who can foresee harm (and 9 times in 10 she can) should say so, "
               "in writing, before the work is built.\n"
               "In short: responsibility is shared; it is never zero.")
ARGUMENT_ESSAY = ("The memo's conclusion rests on a comparison of two periods that may differ in many ways.\n"
                  "Four complaints against eleven proves little without the number of loaves sold; "
                  "\"at least as good\" needs evidence from more than one store.")
TIME_OUT_ESSAY = "A short essay that the clock cuts off.\nIt still counts in the report."


def main_window(s):
    form1 = s.wait_window("Ixoran")
    menu = form1.height - FORM1_CLIENT_HEIGHT
    check(menu > 0, "the main window is %d pixels high, lower than its client area" % form1.height)
    return form1, (0, menu)


def save_report(s, over):
    s.click(over, OVER["save"])
    box = s.wait_window("IXO")
    s.shot("file-saved-message")
    s.activate(box)
    s.key("Return")
    s.wait_gone(box, "IXO")
    reports = [n for n in os.listdir(s.review_path()) if not n.startswith("autosave")]
    check(len(reports) == 1, "the review folder holds %s" % sorted(os.listdir(s.review_path())))
    return reports[0]


def quit_from_review(s, over):
    s.click(over, OVER["quit"])
    s.wait_program_end()


def run_full_road(s):
    """Both sections with every directions screen, random Issue topics, Argument topic 17."""
    s.start_xvfb()
    s.copy_program()
    issue_topics = pool_topics(s.args, "issue", os.path.join(s.folder, "data", "issue.dat"))
    argument_topics = pool_topics(s.args, "argument", os.path.join(s.folder, "data", "argue.dat"))
    s.start_program()

    form1, client = main_window(s)
    s.click(form1, FORM1["seti2"], client)  # Issue topics at random
    s.click(form1, FORM1["arg"], client)
    s.type_text("17")
    s.shot("main-window")
    s.click(form1, FORM1["start"], client)
    started = time.monotonic()

    # General directions: page to the end with the scroll bar's arrow, then Dismiss Directions.
    pro1 = s.wait_screen()
    s.shot("pro1-general-directions")
    for _ in range(8):
        s.click(pro1, PRO1["scroll_down"])
    s.shot("pro1-at-end")
    s.click(pro1, PRO1["dismiss"])
    s.shot("pro1-finish-panel")
    s.click(pro1, PRO1["proceed"])

    pro2 = s.wait_screen(pro1)
    s.shot("pro2-issue-directions")
    s.click(pro2, PRO2["proceed"])

    pro3 = s.wait_screen(pro2)
    s.shot("pro3-topic-selection")
    s.click(pro3, PRO3["st1"])
    s.shot("pro3-confirmation")
    s.click(pro3, PRO3["yes"])

    pro4 = s.wait_screen(pro3)
    s.click(pro4, PRO4_TIN)
    s.type_text(ISSUE_ESSAY)
    s.shot("pro4-essay")
    s.click(pro4, WRITING["squit"])
    s.shot("pro4-exit-section")
    s.click(pro4, WRITING["Image2"])
    s.shot("pro4-end-of-section")
    s.click(pro4, WRITING["Image4"])

    # Section 2 directions: the More Directions box first, then Dismiss Directions leaves.
    pro6 = s.wait_screen(pro4)
    s.shot("pro6-section2-directions")
    s.click(pro6, PRO6["dismiss"])
    s.shot("pro6-more-directions")
    s.click(pro6, PRO6["retdir"])
    s.click(pro6, PRO6["dismiss"])

    pro7 = s.wait_screen(pro6)
    s.click(pro7, PRO7_TIN)
    s.type_text(ARGUMENT_ESSAY)
    s.shot("pro7-essay")
    s.click(pro7, WRITING["squit"])
    s.click(pro7, WRITING["Image2"])
    s.shot("pro7-end-of-section")
    s.click(pro7, WRITING["Image4"])
    s.shot("pro7-test-complete")
    s.click(pro7, WRITING["Image4"])

    over = s.wait_window("Test Review")
    test_seconds = time.monotonic() - started
    check(not s.visible("IXO"), "a test screen is still shown beside the Test Review")
    s.shot("test-review")
    name = save_report(s, over)

    found = re.fullmatch(r"\d{4}-\d\d-\d\d Issue(\d+) Argument17\.txt", name)
    check(found, "report file named %r" % name)
    report_name_date(name)
    issue_no = int(found.group(1))
    check(1 <= issue_no <= 244, "Issue topic %d" % issue_no)
    s.say("report %r" % name)

    issue_time, issue_date, argument_time, argument_date = match_file(
        s.read(s.review_path(name)),
        section_pieces("ISSUE", issue_no, issue_topics[issue_no], ISSUE_ESSAY) + ["\r\n\r\n\r\n"] +
        section_pieces("ARGUMENT", 17, argument_topics[17], ARGUMENT_ESSAY) + ["\r\n"],
        "the saved report")
    for label, value in (("Issue", issue_time), ("Argument", argument_time)):
        check(1 <= seconds(value) <= test_seconds + 1, "%s TIME %s; the whole test took %.0f s" %
              (label, value, test_seconds))
    check_date(issue_date, "the report's Issue DATE")
    check_date(argument_date, "the report's Argument DATE")
    check_date(match_file(s.read(s.review_path("autosave1.txt")),
                          draft_pieces("ISSUE", issue_no, issue_topics[issue_no], ISSUE_ESSAY), "autosave1.txt")[0],
               "autosave1.txt")
    check_date(match_file(s.read(s.review_path("autosave2.txt")),
                          draft_pieces("ARGUMENT", 17, argument_topics[17], ARGUMENT_ESSAY), "autosave2.txt")[0],
               "autosave2.txt")
    quit_from_review(s, over)


def run_time_out(s):
    """Quick Start with topics by number and a one-minute Issue section that runs out of time."""
    s.start_xvfb()
    s.copy_program()
    issue_topics = pool_topics(s.args, "issue", os.path.join(s.folder, "data", "issue.dat"))
    argument_topics = pool_topics(s.args, "argument", os.path.join(s.folder, "data", "argue.dat"))
    s.start_program()

    form1, client = main_window(s)
    s.click(form1, FORM1["iss"], client)
    s.type_text("12")
    s.click(form1, FORM1["arg"], client)
    s.type_text("34")
    s.click(form1, FORM1["its"], client)
    s.key("ctrl+a")
    s.type_text("1")
    s.click(form1, FORM1["op_quick"], client)
    s.shot("main-window")
    s.click(form1, FORM1["start"], client)

    # Quick Start with the Issue topic by number: straight to the Issue writing screen.
    pro4 = s.wait_screen()
    loaded = time.monotonic()
    s.wait_gone(form1, "Ixoran")
    check(s.read(s.conf_path()) == settings_bytes([0, 0, 0, 0, 1, 30, 0, 0, 0, -1, 0, 0, 0, 0, 0]),
          "conf.dat after START: %s" % describe_settings(s.read(s.conf_path())))
    s.click(pro4, PRO4_TIN)
    s.type_text(TIME_OUT_ESSAY)
    s.shot("pro4-essay")

    # Safe Mode is off: the first autosave is the one the time-out writes, one minute after the load.
    s.say("waiting for the section's minute to run out")
    s.wait_file(s.review_path("autosave1.txt"), timeout=90)
    waited = time.monotonic() - loaded
    check(55 <= waited <= 80, "the section ran out %.0f s after the screen opened" % waited)
    s.shot("pro4-time-has-expired")
    s.click(pro4, WRITING["Image4"])
    s.shot("pro4-end-of-section")
    s.click(pro4, WRITING["Image4"])

    pro7 = s.wait_screen(pro4)
    s.shot("pro7-argument")
    s.click(pro7, WRITING["tquit"])
    s.shot("pro7-quit-test")
    s.click(pro7, WRITING["Image3"])

    over = s.wait_window("Test Review")
    s.shot("test-review")
    name = save_report(s, over)
    check(re.fullmatch(r"\d{4}-\d\d-\d\d Issue12\.txt", name), "report file named %r" % name)
    report_name_date(name)
    # The Argument section has no words: it stays out of the report and its name.
    check_date(match_file(s.read(s.review_path(name)),
                          section_pieces("ISSUE", 12, issue_topics[12], TIME_OUT_ESSAY, re.compile("(00:01:00)")) +
                          ["\r\n"], "the saved report")[1], "the report's DATE")
    check_date(match_file(s.read(s.review_path("autosave1.txt")),
                          draft_pieces("ISSUE", 12, issue_topics[12], TIME_OUT_ESSAY), "autosave1.txt")[0],
               "autosave1.txt")
    # Quit Test saves the Argument essay too, empty as it is: the header, four line breaks, the date.
    check_date(match_file(s.read(s.review_path("autosave2.txt")),
                          draft_pieces("ARGUMENT", 34, argument_topics[34], ""), "autosave2.txt")[0],
               "autosave2.txt")
    quit_from_review(s, over)


def run_full_screen(s):
    """Skip Issue with Full Screen: the display is 640x480 during the test and back afterwards."""
    s.start_xorg(s.args.xorg_conf)
    first = s.wait_screen_size(1024, 768)
    s.copy_program()
    s.start_program()

    form1, client = main_window(s)
    check((form1.x, form1.y) == ((1024 - form1.width) // 2, (768 - form1.height) // 2),
          "the main window is not centred on 1024x768: %r" % form1)
    s.click(form1, FORM1["iskip"], client)
    s.click(form1, FORM1["arg"], client)
    s.type_text("5")
    s.click(form1, FORM1["op_full"], client)
    s.shot("main-window")
    s.click(form1, FORM1["start"], client)

    # Without Quick Start, skipping Issue opens the Section 2 directions, filling the 640x480 display.
    pro6 = s.wait_screen()
    s.wait_screen_size(640, 480)
    check((pro6.x, pro6.y) == (0, 0), "the test screen does not fill the display: %r" % pro6)
    s.shot("pro6-full-screen")
    s.click(pro6, PRO6["tquit"])
    s.shot("pro6-quit-test")
    s.click(pro6, PRO6["Image3"])

    over = s.wait_window("Test Review")
    back = s.wait_screen_size(1024, 768)
    check(back == first, "the display came back as %s, not %s" % (back, first))
    over = s.geometry(over.id)
    check(abs(over.x - (1024 - over.width) // 2) <= 1 and abs(over.y - (768 - over.height) // 2) <= 1,
          "the Test Review is not centred on 1024x768: %r" % over)
    s.shot("test-review")
    check(s.read(s.conf_path()) == settings_bytes([0, 0, 0, 0, 0, 30, 0, 1, 0, 0, -1, 0, 0, 0, 0]),
          "conf.dat after START: %s" % describe_settings(s.read(s.conf_path())))
    quit_from_review(s, over)
    check(s.screen_mode() == first, "after Quit the display is %s" % (s.screen_mode(),))


def run_chinese(s):
    """Chinese, Default and Advanced Options OK from the menus, then Quit: conf.dat holds the 30 bytes."""
    s.start_xvfb()
    # A settings file that differs from the defaults everywhere; Spare and ShowWordsAuto must survive.
    seed = settings_bytes([0, 7, -1, -1, 90, 60, -1, 1, -1, -1, 0, -1, -1, 0, -1])
    s.copy_program(conf=seed)
    s.start_program()

    form1, client = main_window(s)
    s.shot("main-window-english")
    form1_empty = (4, client[1] + FORM1_CLIENT_HEIGHT - 6)  # below the Options frame, left of START
    s.activate(form1, form1_empty)
    s.key("alt+s", "l", "c")  # Settings > Language > Chinese
    s.key("alt+s", "d")  # Settings > Default
    question = s.wait_window("设置")
    s.shot("default-question")
    s.activate(question)
    s.key("Return")  # Yes
    s.wait_gone(question, "设置")
    check(s.read(s.conf_path()) == seed, "Default wrote conf.dat: %s" % describe_settings(s.read(s.conf_path())))
    s.shot("main-window-chinese-default")

    s.activate(form1, form1_empty)
    s.key("alt+s", "a")  # Settings > Advanced
    adv = s.wait_window("高级选项")
    s.shot("advanced-options")
    s.click(adv, ADV["ok"])
    s.wait_gone(adv, "高级选项")

    expected = settings_bytes([1, 7, 0, 0, 45, 30, 0, 0, 0, 0, 0, 0, 0, -1, -1])
    got = s.read(s.conf_path())
    check(got == expected, "conf.dat after Advanced Options OK: %s" % describe_settings(got))
    s.activate(form1, form1_empty)
    s.key("alt+a", "q")  # IXO > Quit
    s.wait_program_end()
    got = s.read(s.conf_path())
    check(got == expected, "conf.dat after Quit: %s\n  expected: %s" % (describe_settings(got),
                                                                          describe_settings(expected)))


def run_no_data_folder(s):
    """The program alone, without its data folder: one message naming the folder, status 1, nothing created."""
    s.start_xvfb()
    os.makedirs(s.folder, exist_ok=True)
    shutil.copy2(os.path.join(s.args.program_dir, "ixoran"), s.folder)
    s.start_program()
    message = s.wait_window("IXO")
    s.shot("no-data-folder")
    s.activate(message)
    s.key("Return")
    try:
        code = s.program.wait(WAIT)
    except subprocess.TimeoutExpired:
        raise RunFailed("the program did not end after the message")
    check(code == 1, "the program ended with status %d, not 1" % code)
    left = sorted(os.listdir(s.folder))
    check(left == ["ixoran"], "the program folder holds %s besides the program" % left)
    log = s.read(os.path.join(s.out, "program.log")).decode("utf-8", "replace")
    check("data" in log and "not found" in log, "the terminal was not told what is missing: %r" % log)


RUNS = {"no-data-folder": run_no_data_folder, "full-road": run_full_road, "time-out": run_time_out, "full-screen": run_full_screen,
        "chinese": run_chinese}


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("run", choices=sorted(RUNS))
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--pool-tool", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--xorg-conf")
    args = parser.parse_args()
    # CTest ends a run that takes too long with SIGTERM or SIGKILL: end the program and the server with it.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("ended from outside"))

    s = Session(args.run, args)
    try:
        RUNS[args.run](s)
        s.say("passed in %.0f s; screenshots in %s" % (time.monotonic() - s.started, s.out))
        return 0
    except RunSkipped as skip:
        print("SKIPPED: %s" % skip, flush=True)
        return SKIPPED
    except BaseException as failure:
        s.keep_evidence()
        if isinstance(failure, RunFailed):
            print("FAILED: %s" % failure, flush=True)
        elif isinstance(failure, SystemExit):
            print("FAILED: %s" % failure.code, flush=True)
        else:
            import traceback
            traceback.print_exc()
        print("Screenshots, the program's output and its files are in %s" % s.out, flush=True)
        return 1
    finally:
        s.close()


if __name__ == "__main__":
    sys.exit(main())
