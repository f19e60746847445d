#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's window as a screen reader's tree gets it: the game as a native
# Wayland client of a headless Weston, read over the real AT-SPI bus of a
# private D-Bus session with pyatspi, and played through the squares' press
# actions and the menu items. A private PipeWire with a null sink must
# receive its beeps, named as the game: none while the game goes on, two for
# the win, and of a burst of twenty no more than eight waiting. (What a
# screen reader says on X11 is the business of orca.py.)
#   atspi.py GAME
import glob, os, sys, time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "support"))
from session import desktop, expect, isolate, procs, sound_server, start

game = sys.argv[1]


def weston(env):
    env["WAYLAND_DISPLAY"] = "wayland-lautari"
    start(["weston", "--backend=headless-backend.so", "--use-pixman", "--idle-time=0",
           "--socket=wayland-lautari"], env)
    expect("Weston", "socket",
           lambda: os.path.exists(env["XDG_RUNTIME_DIR"] + "/wayland-lautari"), True)


def main(env):
    sounds = sound_server(env)
    os.environ.update(env)
    log = env["HOME"] + "/game.log"
    process = start([game], dict(env, QT_QPA_PLATFORM="wayland",
                                 QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"), log=open(log, "w"))
    import pyatspi

    # Roles by their numbers, as AT-SPI has renamed some ("push button" is "button" on Debian 13).
    FRAME, BUTTON, LABEL, ITEM, STATUS = (pyatspi.ROLE_FRAME, pyatspi.ROLE_PUSH_BUTTON,
                                          pyatspi.ROLE_LABEL, pyatspi.ROLE_MENU_ITEM,
                                          pyatspi.ROLE_STATUS_BAR)

    def find(role, name):
        app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Lautari -98")
        return pyatspi.findDescendant(app, lambda n: n.getRole() == role and n.name == name)

    def press(node):
        assert node.queryAction().getName(0) == "Press", (node.name, node.queryAction().getName(0))
        node.queryAction().doAction(0)

    expect("the game", "frame", lambda: bool(find(FRAME, "Lautari -98 ")), True)
    frame = find(FRAME, "Lautari -98 ")
    named = lambda roles: pyatspi.findAllDescendants(frame, lambda n: n.getRole() in roles)
    squares = named([BUTTON])
    # Like any button, a square controls the window that it is in.
    relations = [(r.getRelationType(), r.getTarget(0).name) for r in squares[0].getRelationSet()]
    assert relations == [(pyatspi.RELATION_CONTROLLER_FOR, "Lautari -98 ")], relations
    expect("the main window", "buttons and counters",
           lambda: [n.name for n in named([BUTTON, LABEL]) if ":" in n.name],
           [f"{r}{c}: tyhjä" for r in "abc" for c in "123"] +
           [f"{t}, {level}: 0" for t in ("Voitot", "Tasapelit", "Häviöt")
            for level in ("Helppo", "Keskitaso", "Vaikea")])

    # Two players at Keskitaso, pressing the first free square each turn: the
    # crosses win on the diagonal a3-c1, and only then does the game beep, one
    # beep after the other. The second win's beeps, which come after any more
    # of the first's, show that there were no more.
    heard = lambda: [s if s == "end" else (s.get("application.name"), s.get("event.description"))
                     for s in sounds]
    press(find(ITEM, "2 Pelaajaa"))
    expect("the status line", "found", lambda: bool(find(STATUS, "Vuoro : Pelaaja 1")), True)
    for wins in (1, 2):
        if wins == 2:
            press(find(ITEM, "Uusi"))
        for mark in ["Risti", "Nolla"] * 3 + ["Risti"]:
            assert len(sounds) == 4 * (wins - 1), sounds
            free = next(n for n in squares if n.name.endswith("tyhjä"))
            name = free.name.split(":")[0]
            press(free)
            expect(f"square {name}", "name", lambda: free.name, f"{name}: {mark}")
        beeps = [("Lautari -98", "Lautari -98"), "end"] * 2 * wins
        expect("the sound server", "sounds", heard, beeps)
    expect("counter Voitot, Keskitaso", "name", lambda: next(
        n.name for n in named([LABEL]) if n.name.startswith("Voitot, Keskitaso")),
        "Voitot, Keskitaso: 2")
    # Ten more wins, twenty bells faster than they sound: past eight waiting,
    # the rest are dropped, not queued for the next minute. However fast the
    # burst went, at most eight sounds start once it is over (each press is
    # done when it returns), and at least eight of it sound.
    began = len(sounds)
    for _ in range(10):
        press(find(ITEM, "Uusi"))
        for square in squares[:7]:
            press(square)
    ended = len(sounds)
    # The game starts each bell as the one before ends: once none has started
    # for four times as long as the longest bell lasted, none waits.
    def quiet():
        done = [s for s in sounds if "ended" in s]
        return len(done) == len(sounds) / 2 and time.monotonic() - done[-1]["ended"] > 4 * max(
            s["ended"] - s["started"] for s in done)
    expect("the sound server", "quiet after the burst", quiet, True, 40)
    started = lambda since: sum(s != "end" for s in sounds[since:])
    assert started(ended) <= 8 <= started(began), (started(began), started(ended))
    # With the sound server gone, a win's bells fail with one line, and the
    # game goes on, holding nothing of the server. Quit as a person quits, so that the sanitizers see what the
    # game leaves behind, a failed bell's included.
    for server in (p for p in procs if p.args[0] in ("pipewire", "wireplumber")):
        server.terminate()
    press(find(ITEM, "Uusi"))
    for square in squares[:7]:
        press(square)
    expect("the game", "complaint", lambda: "äänimerkki ei soi" in open(log).read(), True)
    # No connection is kept to the server that failed: none of libpulse's threads is left.
    expect("the game", "threads", lambda: "threaded-ml" in {
        open(t).read().strip() for t in glob.glob(f"/proc/{process.pid}/task/*/comm")}, False)
    press(find(ITEM, "Lopeta"))
    status, said = process.wait(30), open(log).read()  # said once, however many bells fail
    assert status == 0 and said.count("äänimerkki ei soi") == 1, (status, said)
    print("1 passed, 0 failed")


isolate()
with desktop(wayland=weston) as env:
    main(env)
