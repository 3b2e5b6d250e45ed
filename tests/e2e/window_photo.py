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
        if current != last:
            last, still_since = current, time.monotonic()
        elif time.monotonic() - still_since >= QUIET_PERIOD:
            whole = current.crop(*union([framed(editor, window) for window in windows]))
            return whole, current
        time.sleep(POLL_INTERVAL)
    raise RuntimeError(f"the windows {titles} did not settle")
