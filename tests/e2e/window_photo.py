"""Pictures of the editor's windows with their frames, as a person sees them on the screen."""

import re
import subprocess
import time

import screen
from editor_window import POLL_INTERVAL, QUIET_PERIOD, SETTLE_TIMEOUT


def framed(editor, window):
    """left, top, width, height on the screen of a window with the frame the window manager drew."""
    left, top, width, height = editor.geometry(window)
    out = subprocess.run(["xprop", "-id", str(window), "_NET_FRAME_EXTENTS"], env=editor.session.environment(),
                         capture_output=True, text=True, timeout=30).stdout
    extents = [int(n) for n in re.findall(r"\d+", out.split("=", 1)[-1])] if "=" in out else [0, 0, 0, 0]
    frame_left, frame_right, frame_top, frame_bottom = extents
    return left - frame_left, top - frame_top, width + frame_left + frame_right, height + frame_top + frame_bottom


def union(boxes):
    left = min(box[0] for box in boxes)
    top = min(box[1] for box in boxes)
    right = max(box[0] + box[2] for box in boxes)
    bottom = max(box[1] + box[3] for box in boxes)
    return left, top, right - left, bottom - top


def window_named(editor, title):
    windows = editor.visible_windows(title)
    if not windows:
        raise RuntimeError(f"no window '{title}' to photograph")
    return windows[-1]


# A blinking text cursor changes a thin stroke in a few rows. Between reads of several windows
# the cursor is seldom still for a whole quiet period, so such a change does not count as the
# windows changing; the comparison with the kept picture tolerates it as well.
CURSOR_ROWS = 40
CURSOR_PIXELS = 120


def only_a_cursor_blinked(a, b):
    """Whether `b` is `a`, but for at most a text cursor's stroke."""
    if a is None or (a.width, a.height) != (b.width, b.height):
        return False
    rows = [y for y in range(a.height) if a.row(y) != b.row(y)]
    if len(rows) > CURSOR_ROWS:
        return False
    changed = 0
    for y in rows:
        row_a, row_b = a.row(y), b.row(y)
        changed += sum(row_a[i : i + 3] != row_b[i : i + 3] for i in range(0, len(row_a), 3))
    return changed <= CURSOR_PIXELS


def photograph(editor, *titles):
    """The windows named `titles` (the first lowest), each with its frame, cut from the screen
    once it has stopped changing. Each window's own pixels are laid over the screen's: Xvfb
    leaves a dialog's pixels out of the root window's picture."""
    editor.park_pointer()
    windows = [window_named(editor, title) for title in titles]
    last, still_since = None, time.monotonic()
    deadline = still_since + SETTLE_TIMEOUT
    while time.monotonic() < deadline:
        current = editor.capture()
        for window in windows:
            left, top, _, _ = editor.geometry(window)
            current = current.paste(screen.capture_window(editor.session.display, window), left, top)
        if not only_a_cursor_blinked(last, current):
            last, still_since = current, time.monotonic()
        elif time.monotonic() - still_since >= QUIET_PERIOD:
            whole = current.crop(*union([framed(editor, window) for window in windows]))
            return whole, current
        time.sleep(POLL_INTERVAL)
    raise RuntimeError(f"the windows {titles} did not settle")
