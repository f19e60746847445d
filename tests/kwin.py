#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as KDE Plasma shows it on Wayland: KWin, headless, in a world of the
# test's own, its keys typed through KWin's fake-input protocol (kwin_keys),
# the active window read through KWin's scripting. The About box and the
# rules window open active from the keyboard, and, asked for again while open
# behind the board, come back active.
#   kwin.py KWIN_KEYS GAME
import os, re, shutil, subprocess, sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "support"))
from session import desktop, expect, isolate, start

keys, game = sys.argv[1:3]
if not shutil.which("kwin_wayland"):
    print("skipped: KWin is not installed (Debian's kwin-wayland, from Debian 13 on)")
    sys.exit(77)
isolate()


# The caption of the window KWin last made active, as a script of the test's
# prints it in KWin's log.
def active(log):
    return ([""] + re.findall(r"lautari active: (.*?) *$", open(log).read(), re.M))[-1]


with desktop(wayland=True) as env:
    log = env["HOME"] + "/kwin.log"
    env["WAYLAND_DISPLAY"] = "wayland-lautari"
    # Permission for this client's fake input, as a test's own compositor.
    start(["kwin_wayland", "--virtual", "--no-lockscreen", "--socket", env["WAYLAND_DISPLAY"],
           "--width", "1024", "--height", "768"],
          dict(env, KWIN_WAYLAND_NO_PERMISSION_CHECKS="1",
               QT_LOGGING_RULES="kwin_scripting.debug=true"), log=open(log, "w"))
    expect("KWin", "its socket", lambda: os.path.exists(
        f"{env['XDG_RUNTIME_DIR']}/{env['WAYLAND_DISPLAY']}"), True)
    # xdg-open finds no viewer, so that the game shows the rules itself.
    os.makedirs(bin := env["HOME"] + "/bin")
    with open(os.open(f"{bin}/xdg-open", os.O_CREAT | os.O_WRONLY, 0o755), "w") as f:
        f.write("#!/bin/sh\nexit 3\n")
    # A script of the test's tells each window KWin makes active, once KWin
    # answers on the session bus.
    with open(script := env["HOME"] + "/active.js", "w") as f:
        f.write('workspace.windowActivated.connect(w => print("lautari active: " + '
                '(w ? w.caption : "")));\n')
    call = lambda path, method, *args: re.findall(r"-?[0-9]+", subprocess.run(
        ["gdbus", "call", "--session", "--dest", "org.kde.KWin", "--object-path", path, "--method",
         f"org.kde.kwin.{method}", *args], env=env, capture_output=True, text=True).stdout)
    expect("KWin", "its script", lambda: bool(loaded := call(
        "/Scripting", "Scripting.loadScript", script)) and not call(
        f"/Scripting/Script{loaded[-1]}", "Script.run"), True)
    process = start([game], dict(env, QT_QPA_PLATFORM="wayland", PATH=f"{bin}:{env['PATH']}"),
                    log=None)
    board = "Lautari -98"
    expect("KWin", "the active window", lambda: active(log), board)
    # (The first key of a new virtual keyboard may reach no window.)
    for step, shown in [("Shift_L", board), ("F10 Down Down Return", "Tietoja"),
                        ("alt+Tab", board), ("F10 Down Down Return", "Tietoja"),  # and again
                        ("alt+Tab", board), ("F1", "readme.txt"), ("alt+Tab", board),
                        ("F1", "readme.txt"), ("alt+Tab", board), ("F10 Up Return", None)]:
        subprocess.run([keys, *step.split()], env=env, check=True, timeout=60)
        if shown:
            expect(f"KWin after {step}", "the active window", lambda: active(log), shown)
    assert process.wait(30) == 0, process.returncode  # quit through the menu
print("1 passed, 0 failed")
