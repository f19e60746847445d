#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's window as a screen reader gets it: the game on Xvfb, read over
# the real AT-SPI bus of a private D-Bus session with pyatspi, and played
# through the squares' press actions and the menu items. With "wayland", the
# game runs as a native Wayland client of a headless Weston instead, and a
# private PulseAudio with a null sink must receive its beeps: none while the
# game goes on, two for the win. Every process it
# starts it stops again by its process group, whatever happens.
#   atspi.py GAME [wayland]
import ctypes, os, signal, subprocess, sys, tempfile, threading, time
from contextlib import suppress

game, wayland = sys.argv[1], sys.argv[2:] == ["wayland"]
procs = []


# Starts `cmd` in a session of its own and returns the line it writes to fd 3, if asked;
# its errors go to `log` (None: to ours).
def start(cmd, env=None, reply=False, log=subprocess.DEVNULL, out=None):
    r, w = os.pipe()
    procs.append(subprocess.Popen([a.replace("FD", str(w)) for a in cmd], env=env, pass_fds=[w],
                                  start_new_session=True, stderr=log, stdout=out, text=True))
    os.close(w)
    with os.fdopen(r) as f:
        return f.readline().strip() if reply else procs[-1]


# Polls until `get()` equals `want`; else names the node and property that disagreed.
def expect(node, prop, get, want, timeout=10):
    deadline = time.monotonic() + timeout
    while True:
        try:
            got = get()
        except Exception as e:  # the tree can change while it is read
            got = e
        if got == want:
            return
        if time.monotonic() > deadline:
            raise AssertionError(f"{node}: {prop} is {got!r}, expected {want!r}")
        time.sleep(0.05)


def nodes(root):
    for child in root:
        if child is not None:
            yield child
            yield from nodes(child)


def main():
    run = tempfile.mkdtemp()
    env = dict(os.environ, XDG_RUNTIME_DIR=run, HOME=run)
    sounds = []
    if wayland:
        env["WAYLAND_DISPLAY"] = "wayland-lautari"
        start(["weston", "--backend=headless-backend.so", "--use-pixman", "--idle-time=0",
               "--socket=wayland-lautari"], env)
        start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
               "--load=module-native-protocol-unix", "--load=module-null-sink"], env)
        expect("Weston and PulseAudio", "sockets", lambda: os.path.exists(f"{run}/wayland-lautari")
               and os.path.exists(f"{run}/pulse/native"), True)
        played = start(["pactl", "subscribe"], env, out=subprocess.PIPE).stdout
        threading.Thread(daemon=True, target=lambda: [  # "new" and "remove" of each sound
            sounds.append(line.split("'")[1]) for line in played
            if "on sink-input" in line and "'change'" not in line]).start()
    else:
        # Without -noreset the server resets when its last client leaves, as the bus
        # launcher does after it has set its root window property; a game that
        # connects just then is refused.
        env["DISPLAY"] = ":" + start(["Xvfb", "-displayfd", "FD", "-nolisten", "tcp",
                                      "-noreset"], reply=True)
    env["DBUS_SESSION_BUS_ADDRESS"] = start(
        ["dbus-daemon", "--session", "--nofork", "--print-address=FD"], env, reply=True)
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env)
    os.environ.update(env)
    start([game], dict(env, QT_QPA_PLATFORM="wayland" if wayland else "xcb",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"), log=None)
    import pyatspi

    def app():
        return next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Lautari -98")

    def find(role, name, root=None):
        return next(n for n in nodes(root or app()) if n.getRoleName() == role and n.name == name)

    def sensitive(node):
        return node.getState().contains(pyatspi.STATE_SENSITIVE)

    def press(node):
        assert node.queryAction().getName(0) == "Press", (node.name, node.queryAction().getName(0))
        node.queryAction().doAction(0)

    expect("the game", "frame", lambda: find("frame", "Lautari -98 ").name, "Lautari -98 ", 30)
    frame = find("frame", "Lautari -98 ")
    squares = [n for n in nodes(frame) if n.getRoleName() == "push button"]
    expect("the main window", "buttons", lambda: [n.name for n in squares],
           [f"{r}{c}: tyhjä" for r in "abc" for c in "123"])
    expect("the main window", "counters",
           lambda: [n.name for n in nodes(frame) if n.getRoleName() == "label" and ":" in n.name],
           [f"{t}, {level}: 0" for t in ("Voitot", "Tasapelit", "Häviöt")
            for level in ("Helppo", "Keskitaso", "Vaikea")])
    status = find("status bar", "", frame)
    # A screen reader moves the focus to b2, and the window comes forward with it
    # (on X11: a Wayland compositor decides itself which window is active).
    if not wayland:
        squares[4].queryComponent().grabFocus()
        expect("square b2 after grabFocus", "focused",
               lambda: squares[4].getState().contains(pyatspi.STATE_FOCUSED), True)

    # Two players at Keskitaso, pressing the first free square each turn: the
    # crosses win on the diagonal a3-c1, and only then does the game beep.
    press(find("menu item", "2 Pelaajaa"))
    for mark in ["Risti", "Nolla"] * 3 + ["Risti"]:
        assert not sounds, sounds
        free = next(n for n in squares if n.name.endswith("tyhjä"))
        name = free.name.split(":")[0]
        press(free)
        expect(f"square {name}", "name", lambda: free.name, f"{name}: {mark}")
    expect("the status bar", "name", lambda: status.name, "Voittaja : Pelaaja 1")
    if wayland:  # one after the other, and no more
        expect("the sound server", "sounds", lambda: sounds, ["new", "remove"] * 2)
        time.sleep(0.5)
        assert sounds == ["new", "remove"] * 2, sounds
    expect("counter Voitot, Keskitaso", "name",
           lambda: find("label", "Voitot, Keskitaso: 1", frame).name, "Voitot, Keskitaso: 1")
    for n in squares:
        expect(f"square {n.name} of a finished game", "sensitive", lambda: sensitive(n), False)
    press(find("menu item", "Uusi"))
    expect("squares a1, c3 and the status bar in a new game", "name, sensitive, name",
           lambda: (squares[0].name, sensitive(squares[8]), status.name),
           ("a1: tyhjä", True, "Vuoro : Pelaaja 1"))

    press(find("menu item", "Tietoja"))
    expect("the About box", "title", lambda: find("dialog", "Tietoja").name, "Tietoja")
    press(find("push button", "OK", find("dialog", "Tietoja")))
    expect("the About box", "open after OK",
           lambda: any(n.getRoleName() == "dialog" for n in app()), False)
    print("1 passed, 0 failed")


# Orphans of the buses come to this process, which reaps them with the rest.
ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER
try:
    main()
finally:
    for p in reversed(procs):
        with suppress(ProcessLookupError):
            os.killpg(p.pid, signal.SIGTERM)
    with suppress(ChildProcessError):
        while True:
            os.waitpid(-1, 0)
