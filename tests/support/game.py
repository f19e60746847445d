# SPDX-License-Identifier: GPL-3.0-or-later
# The game as the screen-reader tests meet it: its words (tests/words.txt),
# and what it shows over the accessibility bus.
import os, re, sys

WORDS = dict(re.findall(r"(?m)^([^#\n].*?) = (.*)$", open(
    os.path.dirname(__file__) + "/../words.txt", encoding="utf-8").read()))
MARKS = {WORDS[m]: m for m in "XO-"}


# The game's words for `text`: parts joined by ", ", each a square and its
# mark ("a1 X", "b3 -" for a free one, ".. O" for any square) or a name in
# words.txt. A part that is neither stops the test before it starts anything.
def words(step, text):
    def part(p):
        if m := re.fullmatch(r"([abc][123]|\.\.) ([XO-])", p):
            return f"{m[1]}: {WORDS[m[2]]}"
        return WORDS.get(p) or sys.exit(f"step {step!r}: {p!r} is not in tests/words.txt")
    return ", ".join(map(part, text.split(", "))) if text else text


# The game's program on the accessibility bus. Its list of programs shifts
# while it is read (a game that has quit leaves it), so it is looked for until
# found, and then kept.
def app(process, programs={}):
    import pyatspi
    from world import expect
    expect("the accessibility bus", "the game listed", lambda: bool(programs.get(
        process.pid) or [programs.setdefault(process.pid, a) for a in pyatspi.Registry.getDesktop(
            0) if a and a.get_process_id() == process.pid]), True)
    return programs[process.pid]


# What the game shows, read afresh: what holds the focus ("role: name", the
# last of the parts focused, as Qt marks a container with the part in it that
# has the focus), the board (X, O, - from a1 to c3), the status line, and the
# window in front.
def shown(process):
    import pyatspi
    (program := app(process)).clear_cache()
    parts = []

    def walk(node):  # what is not showing holds no focus
        parts.append((node.getRoleName(), node.name, states := node.getState()))
        if states.contains(pyatspi.STATE_SHOWING):
            [walk(child) for child in node]
    [walk(window) for window in program]
    focused = [f"{r}: {n}" for r, n, s in parts if n and s.contains(pyatspi.STATE_FOCUSED)]
    return dict(focus=(focused or [""])[-1],
                board="".join(MARKS.get(n[4:], "?") for r, n, s in parts
                              if re.match("[abc][123]: ", n)),
                status=next((n for r, n, s in parts if r == "status bar"), None),
                front=next((n for r, n, s in parts if r in ("frame", "dialog") and s.contains(
                    pyatspi.STATE_ACTIVE)), None))
