"""Several maps in one window, seen through the real window.

One editor holds three maps in tabs: Ctrl+Tab and Ctrl+Shift+Tab change the caption and the view,
which must equal a fresh redraw of that tab's own map; a block copied in one tab is pasted in
another and both are saved; a later start hands its map over as a new tab, and --new-instance
opens a window of its own. Then each tab's map is changed, the editor is killed with SIGKILL,
and the next start must offer each map back once and restore it under its own name, byte for
byte as it was edited; Ctrl+W closes a tab and the next one shows its map. Only keys and the mouse go in; only the screen, the window titles and
the saved files are read back.
"""

import os
import signal
import subprocess
import time

import map_bytes
import screen
from cross_paste import COPIED, PASTED_AT, check_target, focus, read, turned_round
from designer_session import WINDOW_TIMEOUT, cell_center, save
from editor_window import Editor
from screen_truth import compare as compare_with_redraw
from view_layout import find_view
from xsession import wait_for

SOURCE, TARGET, THIRD, OWN = "Quelle.tmm", "Ziel.tmm", "Dritte.tmm", "Eigenes.tmm"
# The recovery question's box; a main window's caption goes on with " - " and its map.
QUESTION_TITLE = "Tessmoor Editor"
# Only a hang guard: a later start that hands its maps over ends long before.
HAND_OVER_TIMEOUT = 30
# The editor writes a changed map's recovery copy within a second.
RECOVERY_WRITTEN = 2.0
# Where each map is changed before the kill: places where a fill with the first palette slot's
# cell changes the map (the core's prediction is checked to differ from the file).
FILLED = {SOURCE: (1, 1, 2, 3), TARGET: (4, 1, 6, 2), THIRD: (2, 5, 3, 6)}


class Run:
    def __init__(self, session, report, bin_dir, work, out, expected_program):
        self.session, self.report, self.bin_dir, self.work, self.out = session, report, bin_dir, work, out
        self.expected_program = expected_program
        self.paths = {name: os.path.join(work, name) for name in (SOURCE, TARGET, THIRD, OWN)}
        self.editors = []

    def editor(self, log_name):
        """Another start by the same user on the same display: one work folder for all."""
        editor = Editor(self.session, self.bin_dir, os.path.join(self.work, "user"), log_name)
        os.makedirs(editor.work_dir, exist_ok=True)
        self.editors.append(editor)
        return editor

    def shot(self, name):
        return os.path.join(self.out, name)


def make_maps(run, sample):
    """Three maps that look different: the sample, its table turned round without "Ziegel", and
    that turned round once more, which loses another texture."""
    data = read(sample)
    for name, content in ((SOURCE, data), (TARGET, turned_round(data)), (THIRD, turned_round(turned_round(data))),
                          (OWN, data)):
        with open(run.paths[name], "wb") as file:
            file.write(content)


def shows(editor, name):
    return editor.title().endswith(os.sep + name)


def wait_for_caption(editor, name):
    try:
        wait_for(lambda: shows(editor, name), f"the caption to name {name}", timeout=WINDOW_TIMEOUT)
        return True
    except RuntimeError:
        return False


def switch(run, editor, key, name, label):
    """A tab key; checks the caption, and returns the screen once it has settled."""
    before = editor.capture()
    editor.key(key)
    run.report.check(f"{label}: the caption names {name}", wait_for_caption(editor, name),
                     f"it reads '{editor.title()}'")
    editor.park_pointer()
    return editor.settle(before)


def check_view(run, editor, label, whole, base):
    """The view shows a map (the palette strip beside it), as a fresh redraw shows it; returns the view."""
    wx, wy, _, _ = editor.geometry()
    try:
        find_view(editor.window_picture(whole), wx, wy)
        found = ""
    except RuntimeError as error:
        found = str(error)
    shown = editor.view_picture(whole)
    if found:
        screen.save_png(shown, base + "-shown.png")
    run.report.check(f"{label}: the view shows a map", not found, f"{found}; see {base}-shown.png")
    compare_with_redraw(editor, run.report, f"{label}: the view equals a fresh redraw", shown, base)
    return shown


def two_tabs(run, editor):
    editor.start(run.paths[SOURCE], run.paths[TARGET])
    run.report.check("two maps on the command line open in two tabs, the last one shown", shows(editor, TARGET),
                     f"the caption reads '{editor.title()}'")
    editor.park_pointer()
    target = check_view(run, editor, "the second tab", editor.settle(), run.shot("target-tab"))
    source = check_view(run, editor, "Ctrl+Tab", switch(run, editor, "ctrl+Tab", SOURCE, "Ctrl+Tab"),
                        run.shot("ctrl-tab"))
    run.report.check("the two tabs show two different maps", source != target)
    back = check_view(run, editor, "Ctrl+Shift+Tab",
                      switch(run, editor, "ctrl+shift+Tab", TARGET, "Ctrl+Shift+Tab"), run.shot("ctrl-shift-tab"))
    run.report.check("back on the second tab its view is as it was", back == target)


def copy_between_tabs(run, editor, source_before, target_before):
    switch(run, editor, "ctrl+Tab", SOURCE, "Ctrl+Tab to copy")
    editor.drag(cell_center(*COPIED[:2]), cell_center(*COPIED[2:]))
    editor.key("ctrl+c")
    editor.settle()
    switch(run, editor, "ctrl+Tab", TARGET, "Ctrl+Tab to paste")
    editor.click(*cell_center(*PASTED_AT))
    editor.key("ctrl+v")
    editor.settle()
    target_after = read(save(editor, run.paths[TARGET], run.shot("target-saved.tmm")))
    check_target(run.report, source_before, target_before, target_after,
                 "Ctrl+V in the other tab, then Ctrl+S, pastes the block copied in the first")
    check_view(run, editor, "the first tab after the paste in the other",
               switch(run, editor, "ctrl+shift+Tab", SOURCE, "Ctrl+Shift+Tab after the paste"),
               run.shot("source-after-paste"))
    source_after = read(save(editor, run.paths[SOURCE], run.shot("source-saved.tmm"), key="F2"))
    run.report.check("F2 in the first tab writes its map as it was", source_after == source_before,
                     map_bytes.describe_difference(source_after, source_before))


def later_start(run, editor):
    """TMEdit with a map while the editor runs: the map becomes a tab there, the start ends."""
    later = subprocess.run([os.path.join(run.bin_dir, "TMEdit"), run.paths[THIRD]], env=editor.environment(),
                           cwd=editor.work_dir, capture_output=True, timeout=HAND_OVER_TIMEOUT)
    run.report.check("a later TMEdit with a map ends with code 0", later.returncode == 0,
                     f"code {later.returncode}: {later.stdout.decode(errors='replace')[-400:]}")
    run.report.check("the running editor opens the handed-over map in a new tab: its caption names it",
                     wait_for_caption(editor, THIRD), f"it reads '{editor.title()}'")
    editor.park_pointer()
    check_view(run, editor, "the handed-over map's tab", editor.settle(), run.shot("handed-over"))


def new_instance(run, editor):
    """TMEdit --new-instance by the same user: a process and a window of its own."""
    editor.xdotool("windowminimize", "--sync", editor.window)  # the new window shows whole while it is measured
    other = run.editor("new-instance.log")
    try:
        other.start("--new-instance", run.paths[OWN])
        ok = other.window != editor.window and shows(other, OWN) and shows(editor, THIRD)
        detail = f"its window '{other.title()}', the first's '{editor.title()}'"
        other.quit()
    except RuntimeError as error:
        ok, detail = False, str(error)
    run.report.check("TMEdit --new-instance opens a main window of its own, owned by another process", ok, detail)
    other.stop()
    focus(editor)


def expected_after_fill(run, name):
    """The map as the core leaves it after the fill of FILLED[name], from the file the tab holds."""
    x1, y1, x2, y2 = FILLED[name]
    expected = run.shot(f"expected-{name}")
    plan = expected + ".plan"
    with open(plan, "w") as file:
        file.write(f"select {x1} {y1} {x2} {y2}\nfill\nsave {expected}\n")
    subprocess.run([run.expected_program, run.bin_dir, run.paths[name], plan], check=True, timeout=60)
    if read(expected) == read(run.paths[name]):
        raise RuntimeError(f"the fill of {FILLED[name]} leaves {name} as it is: choose another place")
    return read(expected)


def change_every_tab(run, editor):
    """A fill in each tab, from the current (the third map) on with Ctrl+Tab."""
    expected = {}
    for name, following in ((THIRD, SOURCE), (SOURCE, TARGET), (TARGET, THIRD)):
        x1, y1, x2, y2 = FILLED[name]
        editor.drag(cell_center(x1, y1), cell_center(x2, y2))
        editor.key("Insert")
        editor.settle()
        expected[name] = expected_after_fill(run, name)
        switch(run, editor, "ctrl+Tab", following, f"Ctrl+Tab after the fill in {name}")
    return expected


def next_tab(editor):
    """Ctrl+Tab where the next map is not known: waits for the caption to change."""
    before = editor.title()
    editor.key("ctrl+Tab")
    try:
        wait_for(lambda: editor.title() != before, "the caption to change", timeout=WINDOW_TIMEOUT)
    except RuntimeError:
        pass  # the caption check after it says what is wrong
    editor.settle()


def questions(editor):
    return [window for window in editor.visible_windows(QUESTION_TITLE)
            if editor.xdotool("getwindowname", window, check=False).strip() == QUESTION_TITLE]


def answer_questions(editor, count):
    """Answers each recovery question with Ja (Alt+J); returns how many came."""
    answered = 0
    for _ in range(count):
        found = []
        try:
            wait_for(lambda: found.extend(questions(editor)) or found, "the recovery question",
                     timeout=WINDOW_TIMEOUT)
        except RuntimeError:
            break
        box = found[0]
        editor.xdotool("windowactivate", "--sync", box)
        editor.key("alt+j")
        wait_for(lambda: box not in questions(editor), "the question to close", timeout=WINDOW_TIMEOUT)
        answered += 1
    return answered


def crash_and_recovery(run, editor):
    expected = change_every_tab(run, editor)
    time.sleep(RECOVERY_WRITTEN)
    os.kill(editor.process.pid, signal.SIGKILL)
    editor.process.wait()
    again = run.editor("after-kill.log")
    again.launch()
    answered = answer_questions(again, len(expected))
    run.report.check("after kill -9 with three changed maps the next start asks three times", answered == 3,
                     f"it asked {answered} times")
    again.find_main_window()
    run.report.check("and not a fourth time", not questions(again))
    restored = []
    for _ in range(len(expected)):
        names = [name for name in expected if shows(again, name) and name not in restored]
        if not names:
            run.report.check("each restored map has a tab of its own under its own name", False,
                             f"the caption reads '{again.title()}' after {restored}")
            return
        name = names[0]
        restored.append(name)
        again.park_pointer()
        check_view(run, again, f"the restored {name}", again.settle(), run.shot(f"restored-{name[:-4]}"))
        saved = read(save(again, run.paths[name], run.shot(f"restored-{name}")))
        run.report.check(f"Ctrl+S writes the restored {name} to its own file, as it was edited before the kill",
                         saved == expected[name], map_bytes.describe_difference(saved, expected[name]))
        next_tab(again)
    run.report.check("three tabs hold the restored maps: the fourth Ctrl+Tab is back at the first",
                     shows(again, restored[0]), f"the caption reads '{again.title()}'")
    close_tab(run, again, restored[0])
    again.quit()


def close_tab(run, editor, name):
    """Ctrl+W on a saved map: the tab goes without a question and the one beside it shows its map."""
    before = editor.capture()
    editor.key("ctrl+w")
    try:
        wait_for(lambda: not shows(editor, name), f"the tab of {name} to close", timeout=WINDOW_TIMEOUT)
        closed = True
    except RuntimeError:
        closed = False
    run.report.check(f"Ctrl+W closes the tab of the saved {name}", closed, f"the caption reads '{editor.title()}'")
    editor.park_pointer()
    check_view(run, editor, "the tab shown after Ctrl+W", editor.settle(before), run.shot("after-ctrl-w"))


def run(session, report, bin_dir, sample, work, out, expected_program):
    state = Run(session, report, bin_dir, work, out, expected_program)
    make_maps(state, sample)
    source_before, target_before = read(state.paths[SOURCE]), read(state.paths[TARGET])
    editor = state.editor("editor.log")
    try:
        two_tabs(state, editor)
        copy_between_tabs(state, editor, source_before, target_before)
        later_start(state, editor)
        new_instance(state, editor)
        crash_and_recovery(state, editor)
    finally:
        for started in state.editors:
            started.stop()
