#!/usr/bin/env python3
"""Runs one end-to-end suite against the built editor under a private X server.

  run_e2e.py screen-truth   --bin BUILD/bin --out DIR
  run_e2e.py designer       --bin BUILD/bin --out DIR --expected-map PROGRAM
  run_e2e.py hand-tools     --bin BUILD/bin --out DIR
  run_e2e.py cross-paste    --bin BUILD/bin --out DIR
  run_e2e.py tabs           --bin BUILD/bin --out DIR --expected-map PROGRAM
  run_e2e.py scripts        --bin BUILD/bin --out DIR
  run_e2e.py language       --bin BUILD/bin --out DIR
  run_e2e.py first-steps    --bin BUILD/bin --out DIR --docs SOURCE/docs [--rewrite]
  run_e2e.py guide-pictures --bin BUILD/bin --out DIR --docs SOURCE/docs [--rewrite]

TM_E2E_SEED and TM_E2E_STEPS override the screen-truth stream's seed and length;
TM_E2E_DISPLAY (e.g. ":12") uses that display instead of a free one; TM_E2E_KEEP=1
keeps every step's screenshot, not only those of failures. --rewrite makes the first steps'
pictures and finished map, or the guide's other pictures, in docs/ anew instead of comparing
with them.
"""

import argparse
import os
import shutil
import sys
import tempfile

sys.dont_write_bytecode = True  # the source tree stays as checked out
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import cross_paste  # noqa: E402
import designer_session  # noqa: E402
import first_steps  # noqa: E402
import guide_pictures  # noqa: E402
import hand_tools  # noqa: E402
import map_tabs  # noqa: E402
import screen  # noqa: E402
import screen_truth  # noqa: E402
import language_switch  # noqa: E402
import script_console  # noqa: E402
import texture_browser  # noqa: E402
from editor_window import Editor  # noqa: E402
from report import Report, abort  # noqa: E402
from xsession import XSession  # noqa: E402

DEFAULT_SEED = 2718
DEFAULT_STEPS = 64


def keep_screen(session, path):
    try:
        screen.save_png(screen.capture(session.display), path)
        print(f"      the screen when the run stopped: {path}", flush=True)
    except Exception:
        pass  # the run's own error says more than a missing screenshot


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("suite", choices=["screen-truth", "designer", "hand-tools", "cross-paste", "tabs", "scripts",
                                          "language", "textures", "first-steps",
                                          "guide-pictures"])
    parser.add_argument("--bin", required=True, help="the build's bin folder with TMEdit, GFX/, TMEGfx/, Maps/")
    parser.add_argument("--out", required=True, help="where screenshots and saved maps are kept")
    parser.add_argument("--expected-map", help="the program that applies the designer's steps through the core")
    parser.add_argument("--docs", help="the user guide's folder, whose first steps are walked")
    parser.add_argument("--rewrite", action="store_true", help="make the guide's pictures anew")
    options = parser.parse_args()

    out = os.path.join(os.path.abspath(options.out), options.suite)
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    report = Report(options.suite)
    with tempfile.TemporaryDirectory(prefix="tm-e2e-") as work:
        home = os.path.join(work, "home")
        os.makedirs(home)
        program = os.path.abspath(options.bin)
        if options.suite in ("first-steps", "guide-pictures"):  # a fixed place, one font: the pictures are kept
            first_steps.prepare_program(program)
            first_steps.fix_environment()
            home, work, program = first_steps.HOME, first_steps.ROOT, first_steps.PROGRAM
        sample = os.path.join(work, "Sample.tmm")
        shutil.copyfile(os.path.join(options.bin, "Maps", "Sample.tmm"), sample)
        try:
            with XSession(home) as session:
                editor = Editor(session, program, work)
                try:
                    if options.suite == "screen-truth":
                        seed = int(os.environ.get("TM_E2E_SEED", DEFAULT_SEED))
                        steps = int(os.environ.get("TM_E2E_STEPS", DEFAULT_STEPS))
                        editor.start(sample)
                        screen_truth.run(editor, report, seed, steps, out)
                    elif options.suite == "cross-paste":
                        cross_paste.run(session, report, os.path.abspath(options.bin), sample, work, out)
                    elif options.suite == "tabs":
                        map_tabs.run(session, report, os.path.abspath(options.bin), sample, work, out,
                                     os.path.abspath(options.expected_map))
                    elif options.suite == "scripts":
                        script_console.run(editor, report, sample, out)
                    elif options.suite == "textures":
                        texture_browser.run(editor, report, sample, os.path.abspath(options.bin),
                                            os.path.abspath(options.expected_map), out)
                    elif options.suite == "guide-pictures":
                        guide_pictures.run(session, report, os.path.abspath(options.docs), out, options.rewrite)
                    elif options.suite == "first-steps":
                        first_steps.run(editor, report, os.path.abspath(options.docs), out, options.rewrite)
                    elif options.suite == "language":
                        language_switch.run(editor, report, sample, out)
                    elif options.suite == "hand-tools":
                        editor.start()
                        hand_tools.run(editor, report, sample, out)
                    else:
                        editor.start()
                        designer_session.run(editor, report, sample, out, options.expected_map, options.bin)
                except Exception:
                    keep_screen(session, os.path.join(out, "when-it-stopped.png"))
                    raise
                finally:
                    editor.stop()
        except Exception as error:  # a broken run still prints its count
            abort(report, error)
    return report.close()


if __name__ == "__main__":
    sys.exit(main())
