"""One line per step or check, and the count at the end."""

import sys
import traceback


class Report:
    def __init__(self, suite):
        self.suite = suite
        self.passed = 0
        self.failed = 0

    def check(self, name, ok, detail=""):
        if ok:
            self.passed += 1
            print(f"ok    {self.suite}: {name}", flush=True)
        else:
            self.failed += 1
            print(f"FAIL  {self.suite}: {name}" + (f": {detail}" if detail else ""), flush=True)
        return ok

    def note(self, text):
        print(f"      {self.suite}: {text}", flush=True)

    def close(self):
        print(f"{self.passed} passed, {self.failed} failed", flush=True)
        return 1 if self.failed else 0


def abort(report, error):
    """A run that cannot go on counts as one more failure."""
    report.check("the run went on to its end", False, str(error))
    sys.stdout.flush()
    traceback.print_exception(error, file=sys.stderr)
