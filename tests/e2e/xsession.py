"""A private X server with a window manager, as a desktop gives the editor."""

import ctypes
import os
import signal
import subprocess
import time

SCREEN_SIZE = "1024x768x24"
# No X client call waits longer than this: a hung one fails the run instead of the test's time limit.
COMMAND_TIMEOUT = 30
PR_SET_PDEATHSIG = 1


def end_with_parent():
    """Runs in a child before it starts: the kernel ends it when the runner ends, even when the
    runner is killed at a time limit and cannot stop it itself."""
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


class XSession:
    """Xvfb on a free display (or the one in TM_E2E_DISPLAY, e.g. ":12") with openbox on it."""

    def __init__(self, home):
        self.home = home
        self.processes = []
        self.display = None

    def __enter__(self):
        self.display = self._start_server()
        self._start_window_manager()
        return self

    def __exit__(self, *error):
        for process in reversed(self.processes):
            stop(process)

    def environment(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env["HOME"] = self.home
        env.pop("XAUTHORITY", None)
        return env

    def _start_server(self):
        arguments = ["Xvfb", "-screen", "0", SCREEN_SIZE, "-nolisten", "tcp", "-noreset"]
        fixed = os.environ.get("TM_E2E_DISPLAY")
        if fixed:
            self.processes.append(
                subprocess.Popen(arguments + [fixed], stderr=subprocess.DEVNULL, preexec_fn=end_with_parent))
            wait_for(lambda: self._answers(fixed), "the X server on " + fixed)
            return fixed
        read_end, write_end = os.pipe()
        self.processes.append(
            subprocess.Popen(arguments + ["-displayfd", str(write_end)], pass_fds=[write_end],
                             stderr=subprocess.DEVNULL, preexec_fn=end_with_parent)
        )
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        return ":" + number

    def _answers(self, display):
        return subprocess.run(["xdpyinfo", "-display", display], capture_output=True,
                              timeout=COMMAND_TIMEOUT).returncode == 0

    def _start_window_manager(self):
        env = self.environment()
        self.processes.append(
            subprocess.Popen(["openbox", "--sm-disable"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             preexec_fn=end_with_parent)
        )
        # openbox announces itself on the root window once it manages the screen
        wait_for(
            lambda: b"_NET_SUPPORTING_WM_CHECK(WINDOW)"
            in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=env, capture_output=True,
                              timeout=COMMAND_TIMEOUT).stdout,
            "the window manager",
        )


def wait_for(condition, what, timeout=20.0, interval=0.05):
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            raise RuntimeError("timed out waiting for " + what)
        time.sleep(interval)


def stop(process):
    if process.poll() is not None:
        return
    process.send_signal(signal.SIGTERM)
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
