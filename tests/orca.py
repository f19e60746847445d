#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind player hears: Debian's screen reader Orca listens on an X server
# with a window manager while keys typed with xdotool (and one mouse click)
# play a one-player game to its end, new games by F2, also in quick
# succession, and a two-player game to a win. Orca writes each utterance to
# its debug file, which is read once Orca has ended; what was said after each
# key is checked, and in what order.
#   orca.py GAME
import datetime, os, re, subprocess, sys, time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "support"))
from session import desktop, expect, start

game = sys.argv[1]
SQUARES = [r + c for r in "abc" for c in "123"]
LINES = [SQUARES[i:i + 3] for i in (0, 3, 6)] + [SQUARES[i::3] for i in (0, 1, 2)] + \
        [["a1", "b2", "c3"], ["a3", "b2", "c1"]]
DELAY = float(os.environ.get("LAUTARI_KEY_DELAY", "0.6"))  # seconds for Orca to answer a key
marks = []  # (the time a key was typed, the key)


def key(*keys):
    for k in keys:
        marks.append((datetime.datetime.now().time(), k))
        subprocess.run(["xdotool", "key", "--delay", "40", *k.split()], check=True)
        time.sleep(DELAY)


# The result that a one-player board shows, as the status line names it.
def verdict(board):
    for mark, side in (("Risti", "Pelaaja"), ("Nolla", "Tietokone")):
        if any(all(board.get(s) == mark for s in line) for line in LINES):
            return "Voittaja : " + side
    return "Tasapeli (Ruudukko Täysi)" if len(board) == 9 else None


def listen(env):
    log = env["HOME"] + "/orca.log"
    start(["mutter", "--x11", "--replace", "--sm-disable"], env)
    orca = start(["orca", "--debug-file", log, "-u", env["HOME"] + "/orca"], env)
    os.environ.update(env)
    import pyatspi
    expect("Orca", "running", lambda: any(a and a.name == "orca"
                                          for a in pyatspi.Registry.getDesktop(0)), True, 30)
    process = start([game], dict(env, QT_QPA_PLATFORM="xcb"), log=None)
    window = subprocess.run(["xdotool", "search", "--sync", "--name", "^Lautari -98 $"], check=True,
                            capture_output=True, text=True, timeout=30).stdout.split()[0]
    subprocess.run(["xdotool", "windowactivate", "--sync", window], check=True, timeout=30)
    time.sleep(1)

    for i, square in enumerate(SQUARES):  # one player: Space and Tab across the board
        key("space", *(["Tab"] if i < 8 else []))
    key("F2", "F2 F2 F2")  # then three faster than anyone can speak
    key("F10", "Right", "Right", "Down", "Return")  # Pelaajia > 2 Pelaajaa
    key("Up", "Up", "Left", "Left", "space", "Down", "space")
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Lautari -98")
    a2 = pyatspi.findDescendant(app, lambda n: n.name == "a2: tyhjä")
    x, y, w, h = a2.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    marks.append((datetime.datetime.now().time(), "click"))
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"])
    time.sleep(DELAY)
    key("Down", "space", "Up", "Right", "space", "space")
    # Tiedosto > Lopeta, so that the sanitizers see what the game leaves behind.
    key("F10", "Up", "Return")
    assert process.wait(30) == 0, process.returncode
    orca.terminate()
    orca.wait(10)

    # Orca ends an utterance with a full stop where it has no punctuation of its own.
    said = [(datetime.time.fromisoformat(m[1]), m[2]) for m in
            re.finditer(r"^(\S+) - SPEECH OUTPUT: '(.*?)\.?' ?\{", open(log).read(), re.M)]
    marks.append((datetime.time.max, None))
    return [(k, [words for when, words in said if start <= when < end])
            for (start, k), (end, _) in zip(marks, marks[1:])]


def check(heard):
    assert not any("grayed" in w for _, words in heard for w in words), heard
    news = lambda words: [w for w in words if w.startswith("notification ")]
    # Each piece of news is one utterance, the last of its key.
    for k, words in heard:
        n = news(words)
        assert not n or (words[-len(n):] == n and (len(n) == 1 or k == "F2 F2 F2")), (k, words)
    heard = iter(heard)

    board, result = {}, None
    for square in SQUARES:
        _, words = next(heard)  # Space
        if result or square in board:  # a taken square, a locked board: nothing new
            assert not news(words), (square, words)
        else:
            n = re.fullmatch(rf"notification {square}: Risti(?:, (..): Nolla)?(?:, (.*))?",
                             news(words)[0])
            assert n and n[1] not in board, (square, words)
            board.update({square: "Risti", n[1]: "Nolla"} if n[1] else {square: "Risti"})
            result = n[2]
            assert result == verdict(board), (board, words)
        if square != "c3":
            _, words = next(heard)  # Tab: the next square, while the game goes on
            following = SQUARES[SQUARES.index(square) + 1]
            assert result or f"{following}: {board.get(following, 'tyhjä')} push button" \
                in words, (following, words)
    assert result, board

    for expected in ["Uusi peli", ["Uusi peli"] * 3] + [None] * 4 + ["Uusi peli, Vuoro : Pelaaja 1"] + \
            [None] * 4 + ["a1: Risti, Vuoro : Pelaaja 2", None, "b1: Nolla, Vuoro : Pelaaja 1",
                          "a2: Risti, Vuoro : Pelaaja 2", None, "b2: Nolla, Vuoro : Pelaaja 1",
                          None, None, "a3: Risti, Voittaja : Pelaaja 1", None]:
        k, words = next(heard)
        expected = [expected] if isinstance(expected, str) else expected or []
        assert news(words) == [f"notification {e}" for e in expected], (k, words)


with desktop() as env:
    check(listen(env))
print("1 passed, 0 failed")
