"""The running editor as a person meets it: a window on the screen, a keyboard and a mouse.

Everything here goes through the X server: input with xdotool (XTEST, as from a real
keyboard), state only from screenshots and the window system's own records.
"""

import os
import subprocess
import time

import screen
from view_layout import find_view
from xsession import COMMAND_TIMEOUT, SCREEN_SIZE, end_with_parent, stop, wait_for

TITLE = "Tessmoor Editor - "
SETTLE_TIMEOUT = 5.0
# An action that changes the screen shows it well within this time; one that
# changes nothing costs this much once.
CHANGE_TIMEOUT = 1.5
POLL_INTERVAL = 0.04
# How long the screen must stay the same to count as settled. The editor can be busy for a while
# without a change on the screen (the first zoom to 128-pixel cells reads every picture again), and
# two equal screenshots a poll apart would take that pause for the end.
QUIET_PERIOD = 0.3
WINDOW_SIZE = (800, 600)


class Editor:
    def __init__(self, session, bin_dir, work_dir, log_name="editor.log"):
        """`work_dir` holds the editor's settings, data and runtime folders; two editors on one
        work folder are one user, whose later starts meet the first."""
        self.session = session
        self.bin_dir = bin_dir
        self.work_dir = work_dir
        self.log_name = log_name
        self.process = None
        self.window = None
        self.view = None

    def environment(self):
        env = self.session.environment()
        for name, folder in (("XDG_CONFIG_HOME", "config"), ("XDG_DATA_HOME", "data"), ("XDG_CACHE_HOME", "cache"),
                             ("XDG_RUNTIME_DIR", "runtime")):
            path = os.path.join(self.work_dir, folder)
            os.makedirs(path, mode=0o700, exist_ok=True)
            env[name] = path
        env["QT_QPA_PLATFORM"] = "xcb"
        env.pop("QT_QPA_PLATFORMTHEME", None)
        env.pop("QT_STYLE_OVERRIDE", None)
        return env

    def start(self, *arguments):
        self.launch(*arguments)
        self.find_main_window()

    def launch(self, *arguments):
        """Starts the process without waiting for anything on the screen."""
        with open(os.path.join(self.work_dir, self.log_name), "wb") as log:
            self.process = subprocess.Popen([os.path.join(self.bin_dir, "TMEdit"), *arguments],
                                            env=self.environment(), cwd=self.work_dir, stdout=log,
                                            stderr=subprocess.STDOUT, preexec_fn=end_with_parent)

    def find_main_window(self):
        """Waits for the main window, brings it to the test's size and finds the view in it."""
        wait_for(lambda: self._find_main_window() is not None, "the main window")
        self.window = self._find_main_window()
        self.resize(*WINDOW_SIZE)
        self.locate_view()

    def stop(self):
        if self.process is not None:
            stop(self.process)

    def running(self):
        return self.process.poll() is None

    # --- the window system's records

    def xdotool(self, *arguments, check=True):
        result = subprocess.run(["xdotool", *map(str, arguments)], env=self.session.environment(),
                                capture_output=True, text=True, timeout=COMMAND_TIMEOUT)
        if check and result.returncode != 0:
            raise RuntimeError("xdotool " + " ".join(map(str, arguments)) + ": " + result.stderr.strip())
        return result.stdout

    def visible_windows(self, title):
        """Ids of the editor's visible windows whose title starts with `title`. The titles are
        compared here: xdotool's own pattern lets a non-ASCII pattern match any window."""
        out = self.xdotool("search", "--onlyvisible", "--pid", self.process.pid, "--name", ".", check=False)
        found = []
        for window in out.split():
            name = self.xdotool("getwindowname", window, check=False).strip()
            if name.startswith(title):
                found.append(window)
        return found

    def _find_main_window(self):
        if not self.running():
            raise RuntimeError("the editor ended with code %d" % self.process.returncode)
        windows = self.visible_windows(TITLE)
        return windows[0] if windows else None

    def title(self):
        return self.xdotool("getwindowname", self.window).strip()

    def geometry(self, window=None):
        """x, y, width, height of a window's inside on the screen (xdotool's position is off by
        the window manager's frame)."""
        out = subprocess.run(["xwininfo", "-id", str(window or self.window)], env=self.session.environment(),
                             capture_output=True, text=True, check=True, timeout=COMMAND_TIMEOUT).stdout
        values = dict(line.strip().split(":", 1) for line in out.splitlines() if ":" in line)
        keys = ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")
        return tuple(int(values[key]) for key in keys)

    # --- input

    def key(self, *keys):
        self.xdotool("key", "--delay", 30, *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", 30, text)

    def click(self, x, y, button=1, modifier=None):
        """A click at view pixel (x, y)."""
        sx, sy = self.view.point(x, y)
        if modifier:
            self.xdotool("mousemove", "--sync", sx, sy, "keydown", modifier, "click", button, "keyup", modifier)
        else:
            self.xdotool("mousemove", "--sync", sx, sy, "click", button)

    def drag(self, start, end, steps=4):
        sx, sy = self.view.point(*start)
        ex, ey = self.view.point(*end)
        moves = []
        for step in range(1, steps + 1):
            moves += ["mousemove", "--sync", sx + (ex - sx) * step // steps, sy + (ey - sy) * step // steps]
        self.xdotool("mousemove", "--sync", sx, sy, "mousedown", 1, *moves, "mouseup", 1)

    def pointer(self):
        out = self.xdotool("getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.split())
        return int(values["X"]), int(values["Y"])

    def move_pointer(self, x, y):
        self.xdotool("mousemove", "--sync", *self.view.point(x, y))

    def park_pointer(self):
        """Moves the pointer off the window, so that no hover look or tool tip depends on when
        the screen is read."""
        wx, wy, width, height = self.geometry()
        frame = 40  # the window manager's title bar and borders
        screen_width, screen_height = (int(n) for n in SCREEN_SIZE.split("x")[:2])
        for x, y in ((0, 0), (screen_width - 1, 0), (0, screen_height - 1), (screen_width - 1, screen_height - 1)):
            if not (wx - frame <= x < wx + width + frame and wy - frame <= y < wy + height + frame):
                # --sync waits for a motion, and there is none to a place the pointer is at
                if self.pointer() != (x, y):
                    self.xdotool("mousemove", "--sync", x, y)
                return
        raise RuntimeError("the window covers the whole screen")

    def wheel(self, x, y, clicks, modifier="ctrl"):
        """Wheel turns at view pixel (x, y): positive away from the user (up), negative towards."""
        button = 4 if clicks > 0 else 5
        sx, sy = self.view.point(x, y)
        self.xdotool("mousemove", "--sync", sx, sy, "keydown", modifier, "click", "--repeat", abs(clicks),
                     "--delay", 30, button, "keyup", modifier)

    # --- the screen

    def capture(self):
        return screen.capture(self.session.display)

    def view_picture(self, whole=None):
        """The map view and its tool bar as now on the screen. Only they: a text field's cursor
        elsewhere blinks on its own."""
        return (whole or self.capture()).crop(*self.view.panel())

    def window_picture(self, whole=None):
        """The main window's inside, as now on the screen."""
        x, y, width, height = self.geometry()
        return (whole or self.capture()).crop(x, y, width, height)

    def settle(self, before=None):
        """Waits until the screen stops changing and returns it. With `before`, the screen as it was
        before an action, it first waits (up to CHANGE_TIMEOUT) for the action to show."""
        if before is not None:
            deadline = time.monotonic() + CHANGE_TIMEOUT
            while time.monotonic() < deadline:
                if self.capture() != before:
                    break
                time.sleep(POLL_INTERVAL)
        deadline = time.monotonic() + SETTLE_TIMEOUT
        last = self.capture()
        still_since = time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(POLL_INTERVAL)
            current = self.capture()
            if current != last:
                last, still_since = current, time.monotonic()
            elif time.monotonic() - still_since >= QUIET_PERIOD:
                return current
        raise RuntimeError("the screen did not settle within %.0f s" % SETTLE_TIMEOUT)

    def resize(self, width, height):
        """Resizes the main window as a person drags its edge, and returns the settled screen."""
        before = self.capture()
        self.xdotool("windowsize", self.window, width, height)
        wait_for(lambda: self.geometry()[2:] == (width, height), "the window at %dx%d" % (width, height),
                 timeout=SETTLE_TIMEOUT)
        return self.settle(before)

    def redrawn_picture(self):
        """The window after it was laid out and drawn anew: two pixels smaller and back."""
        _, _, width, height = self.geometry()
        self.resize(width - 2, height - 2)
        return self.view_picture(self.resize(width, height))

    def locate_view(self):
        """Finds the map view on the screen, again after a panel beside it opened or closed."""
        wx, wy, _, _ = self.geometry()
        self.view = find_view(self.window_picture(self.settle()), wx, wy)

    def quit(self):
        """Datei > Beenden, and the process's end."""
        self.key("alt+d", "b")
        wait_for(lambda: not self.running(), "the editor to end", timeout=SETTLE_TIMEOUT * 4)

