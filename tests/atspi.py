#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's window as a screen reader gets it: the game on Xvfb, read over
the real AT-SPI bus of a private D-Bus session with pyatspi, and played
through the squares' press actions and the menu items. Every process it
starts it stops again by its process group, whatever happens.

    atspi.py GAME VERSION
"""
import os, signal, subprocess, sys, tempfile, time

game, version = sys.argv[1:3]
procs = []


def start(cmd, env=None, read_fd=False):
    """Starts `cmd` in a session of its own; with read_fd, returns the line it writes to fd 3."""
    r, w = os.pipe() if read_fd else (None, None)
    kw = dict(pass_fds=[w]) if read_fd else {}
    if read_fd:
        cmd = [a.replace("FD", str(w)) for a in cmd]
    procs.append(subprocess.Popen(cmd, env=env, start_new_session=True,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw))
    if read_fd:
        os.close(w)
        with os.fdopen(r) as f:
            return f.readline().strip()


def expect(what, prop, get, want, timeout=10):
    """Polls `get()` until it equals `want`; else names the node and property that disagreed."""
    deadline, got = time.monotonic() + timeout, None
    while True:
        try:
            got = get()
        except Exception as e:  # the tree can change while it is read
            got = e
        if got == want:
            return
        if time.monotonic() > deadline:
            raise AssertionError(f"{what}: {prop} is {got!r}, expected {want!r}")
        time.sleep(0.05)


def nodes(root):
    for child in root:
        if child is not None:
            yield child
            yield from nodes(child)


def main():
    env = dict(os.environ, XDG_RUNTIME_DIR=tempfile.mkdtemp())
    env["DISPLAY"] = ":" + start(["Xvfb", "-displayfd", "FD", "-screen", "0", "1024x768x24",
                                  "-nolisten", "tcp"], read_fd=True)
    env["DBUS_SESSION_BUS_ADDRESS"] = start(["dbus-daemon", "--session", "--nofork",
                                             "--print-address=FD"], env=env, read_fd=True)
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env)
    os.environ.update(env)
    start([game], env=dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

    import pyatspi
    desktop = pyatspi.Registry.getDesktop(0)

    def app():
        return next(a for a in desktop if a is not None and a.name == "Lautari -98")

    def named(role, name, root=None):
        return next(n for n in nodes(root or app()) if n.getRoleName() == role and n.name == name)

    def state(node, s):
        return node.getState().contains(s)

    expect("the game", "present on the bus", lambda: bool(app()), True, timeout=30)
    frame = named("frame", "Lautari -98 ")
    squares = [sq for sq in nodes(frame) if sq.getRoleName() == "push button"]
    names = [f"{r}{c}" for r in "abc" for c in "123"]
    expect("the main window", "push buttons", lambda: [sq.name for sq in squares],
           [f"{n}: tyhjä" for n in names])
    tables = {"Voitot": "Voittaja : Pelaaja", "Tasapelit": "Tasapeli (Ruudukko Täysi)",
              "Häviöt": "Voittaja : Tietokone"}
    counters = [f"{t}, {level}: 0" for t in tables for level in ("Helppo", "Keskitaso", "Vaikea")]
    expect("the main window", "labels with counts",
           lambda: [n.name for n in nodes(frame) if ":" in n.name and n.getRoleName() == "label"],
           counters)
    status = named("status bar", "", frame)

    # Play at Keskitaso, pressing the first free square, until the game ends.
    while not status.name:
        free = next(sq for sq in squares if sq.name.endswith("tyhjä"))
        assert free.queryAction().getName(0) == "Press", free.queryAction().getName(0)
        free.queryAction().doAction(0)
        square = free.name.split(":")[0]
        expect(f"square {square}", "name", lambda: free.name, f"{square}: Risti")
        time.sleep(0.1)
    table = next(t for t, text in tables.items() if text == status.name)
    expect(f"counter {table}, Keskitaso", "name",
           lambda: named("label", f"{table}, Keskitaso: 1", frame).name, f"{table}, Keskitaso: 1")
    for sq in squares:
        expect(f"square {sq.name}", "sensitive", lambda: state(sq, pyatspi.STATE_SENSITIVE), False)
    named("menu item", "Uusi").queryAction().doAction(0)
    expect("square a1 after a new game", "name", lambda: squares[0].name, "a1: tyhjä")
    expect("square c3 after a new game", "sensitive",
           lambda: state(squares[8], pyatspi.STATE_SENSITIVE), True)
    expect("the status bar after a new game", "name", lambda: status.name, "")

    named("menu item", "Tietoja").queryAction().doAction(0)
    expect("the About box", "present", lambda: bool(named("dialog", "Tietoja")), True)
    about = named("dialog", "Tietoja")
    texts = [n.name for n in nodes(about) if n.getRoleName() == "label"]
    assert texts[:3] == ["Lautari -98\nTekijä : Lautari-tiimi", f"Versio {version}",
                         "Ristinollaa tietokonetta vastaan kolmella vaikeustasolla tai kaksin. "
                         "Kolme merkkiä riviin voittaa.\nIlmoitathan jos löydät pelistä bugeja\n"
                         "Lisätietoja ja ohjeet:   Katso readme.txt"], texts
    named("push button", "OK", about).queryAction().doAction(0)
    expect("the About box", "present after OK",
           lambda: any(n.getRoleName() == "dialog" for n in app()), False)
    print("1 passed, 0 failed")


try:
    main()
finally:
    for p in reversed(procs):
        try:
            os.killpg(p.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        p.wait()
