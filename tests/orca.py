#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind player hears: Debian's screen reader Orca listens on an X server
# with a window manager while keys typed with xdotool play the game; with
# --wayland, as GNOME runs it: the game a native client of mutter on Wayland,
# headless and without an X server, the keys sent through mutter as its remote
# desktop sends them, and then the game's own bells in a burst; with --kwin, as
# KDE Plasma runs it: the same on KWin, the keys sent through KWin's fake
# input. Orca writes each utterance to its debug file, which the test reads as
# it goes: each line of keys waits for its news (and its bell), each key to a
# menu or a box for the game to act on it, and what Orca said is placed by
# where in the file each line of keys began. The news must come after all
# that the keys make Orca say but their echoes.
# With --fi the desktop speaks Finnish, and so must Orca, in its own words.
#   orca.py [--wayland | --kwin] [--fi] GAME
import ctypes, datetime, glob, os, re, shutil, socket, struct, subprocess, sys, time
from contextlib import suppress

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "support"))
from session import desktop, expect, isolate, procs, sound_server, start

kwin, finnish, game = "--kwin" in sys.argv, "--fi" in sys.argv, sys.argv[-1]
wayland = kwin or "--wayland" in sys.argv
# Orca's own words for a notification, a dialog and a control that is off
# (in English too, where a later Orca's Finnish lacks them).
NOTIFICATION, DIALOG = ("ilmoitus", "valintaikkuna") if finnish else ("notification", "dialog")
GRAYED = ("harmaa",) * finnish + ("grayed", "dimmed", "unavailable")
# Keys, and the news that they bring: a first move, whose reply at Keskitaso
# is drawn at random (any square: ".."); one player at Vaikea, where the
# computer's replies follow from its rules, to a draw; new games, three of
# them faster than anyone can speak; two players to a win; the About box and
# the rules opened and closed, with what Orca must say of them; Tiedosto >
# Lopeta.
QUICK = "F2 F2 F2"  # typed faster than anyone can speak
SCRIPT = [
    ("space", ["a1: Risti, ..: Nolla"]),  # no new game is told that was not asked for
    ("F10 Right Down Down Return", ["Uusi peli"]),  # VaikeusTaso > Vaikea
    ("space", ["a1: Risti, b2: Nolla"]),
    ("Down Down Right Right space", ["c3: Risti, c2: Nolla"]),
    ("Up Up Left space", ["a2: Risti, a3: Nolla"]),
    ("Down Down Left space", ["c1: Risti, b1: Nolla"]),
    ("Up Right Right space", ["b3: Risti, Tasapeli (Ruudukko Täysi)"]),
    ("Left", [], "b2: Nolla"),  # the finished board walked by ear
    ("Down", [], "c2: Nolla"),
    ("space F2", ["Uusi peli"]),  # a locked board says nothing new
    (QUICK, ["Uusi peli"] * 3),
    ("F10 Right Right Down Return", ["Uusi peli, Vuoro : Pelaaja 1"]),  # Pelaajia > 2 Pelaajaa
    ("Up Up Left Left space", ["a1: Risti, Vuoro : Pelaaja 2"]),
    ("space Down space", ["b1: Nolla, Vuoro : Pelaaja 1"]),  # a taken square says nothing
    ("Up Right space", ["a2: Risti, Vuoro : Pelaaja 2"]),
    ("Down space", ["b2: Nolla, Vuoro : Pelaaja 1"]),
    ("Up Right space", ["a3: Risti, Voittaja : Pelaaja 1"]),
    ("Down", [], "b3: tyhjä"),  # a free square of the finished board
    ("space", []),  # takes no mark
    ("F10 Down Down Return", [], f"Tietoja {DIALOG}"),  # Tiedosto > Tietoja
    ("Alt_L+Tab", []),  # back to the board, the box left open behind it
    ("F10 Down Down Return", [], f"Tietoja {DIALOG}", "OK"),  # asked again: named, or its button
    ("Escape", []),  # closed, and the game's window back before F1
    # The game's own rules window, where no viewer is found: its title or its
    # text said on Wayland (Orca 43 on X11, slowed by the sanitizers, at times
    # says nothing of it).
    ("F1", [], *("readme.txt", "LAUTARI -98") * wayland),
    ("Escape", []),  # closed, and the game's window back before F10
    ("F10 Up (Return)", []),
]

# Where the focus may be, by role (Debian 12's and 13's words for them) and a
# name that is not empty.
ALLOWED = r"((push )?button|(check |radio )?menu( item)?|text): .+"

# The words that the menus' titles and items begin with.
MENUS = ("Tiedosto", "Uusi", "Tietoja", "Lopeta", "Helppo", "Keskitaso", "Vaikea", "1 Pelaaja",
         "2 Pelaajaa")


# Keys as a keyboard sends them, each held down in turn and let go in reverse
# (Alt_L+Tab): on X11 through the X server (xdotool); on Wayland through the
# compositor: GNOME's as its remote desktop does, by their keysyms as
# xkbcommon names them; KWin's through its fake-input protocol, which KWin
# offers a client it trusts, by Linux's key codes.
CODES = dict(Escape=1, Tab=15, Return=28, Shift_L=42, Alt_L=56, space=57, F1=59, F2=60, F10=68,
             Up=103, Left=105, Right=106, Down=108)


def keyboard(env):
    stroke = fake_input(env) if kwin else remote_desktop() if wayland else lambda key, down: \
        subprocess.run(["xdotool", "keydown" if down else "keyup", key], check=True)

    def press(keys, delay):
        for key in keys.split():
            for name, down in [(k, True) for k in key.split("+")] + [
                    (k, False) for k in key.split("+")[::-1]]:
                stroke(name, down)
            time.sleep(delay / 1000)
    press("Shift_L", 0)  # the first key of a new virtual keyboard reaches no window
    return press


def remote_desktop():
    from gi.repository import Gio, GLib
    bus, desk = Gio.bus_get_sync(Gio.BusType.SESSION), "org.gnome.Mutter.RemoteDesktop"
    call = lambda path, method, args=None, reply=None: bus.call_sync(
        desk, path, desk + ".Session" * (path != "/" + desk.replace(".", "/")), method, args,
        reply and GLib.VariantType(reply), 0, 10000, None)
    path = []
    expect("mutter", "a remote desktop session", lambda: bool(path or path.append(
        call("/org/gnome/Mutter/RemoteDesktop", "CreateSession", reply="(o)")[0])), True)
    call(path[0], "Start")
    keysym = lambda key: ctypes.CDLL("libxkbcommon.so.0").xkb_keysym_from_name(key.encode(), 0)
    return lambda key, down: call(path[0], "NotifyKeyboardKeysym", GLib.Variant(
        "(ub)", (keysym(key), down)))


# KWin's fake input, in Wayland's own words on its socket: a request is its
# object, its length and number, then its arguments (a string with its length
# and a closing zero, padded to four bytes).
def fake_input(env):
    (wire := socket.socket(socket.AF_UNIX)).settimeout(30)
    expect("KWin", "its socket", lambda: wire.connect_ex(
        f"{env['XDG_RUNTIME_DIR']}/{env['WAYLAND_DISPLAY']}"), 0)
    words = lambda *args: b"".join(struct.pack("=I", a) if isinstance(a, int) else struct.pack(
        "=I", len(a) + 1) + a.encode() + bytes(4 - len(a) % 4) for a in args)
    send = lambda obj, number, *args: wire.sendall(struct.pack(
        "=II", obj, 8 + len(words(*args)) << 16 | number) + words(*args))
    send(1, 1, 2)  # the registry, as object 2, tells every interface KWin offers with its
    send(1, 0, 3)  # number; object 3 says when it has told them all
    told = b""
    while struct.pack("=II", 3, 12 << 16) not in told:
        told += wire.recv(65536) or sys.exit("KWin closed its socket before it told what it offers")
    fake = "org_kde_kwin_fake_input"  # told after its number
    if not (offered := re.search(b"(?s)(....)" + re.escape(words(fake)), told)):
        sys.exit(f"KWin offers the test no fake input ({fake}): no permission")
    send(2, 0, *struct.unpack("=I", offered[1]), fake, 4, 4)  # bound as object 4
    send(4, 0, "Lautari -98 tests", "keys that play the game")  # its authenticate
    return lambda key, down: send(4, 10, CODES[key], down)  # its keyboard_key


# The game's program on the accessibility bus. Its list of programs shifts
# while it is read as a game that has quit leaves it, so the game is looked
# for until found, and then kept.
games = {}


def app(process):
    import pyatspi
    expect("the accessibility bus", "the game listed", lambda: bool(games.get(process.pid) or [
        games.setdefault(process.pid, a) for a in pyatspi.Registry.getDesktop(0)
        if a and a.get_process_id() == process.pid]), True)
    return games[process.pid]


# The part of that name of the game the process runs.
def find(name, process):
    import pyatspi
    return pyatspi.findDescendant(app(process), lambda n: n.name == name)


# The names of what holds the keyboard focus in the game, read afresh; or,
# with every, of all it shows; with roles, each after its role.
def focus(process, every=False, roles=False):
    import pyatspi
    (program := app(process)).clear_cache()

    def walk(node):  # what is not showing holds no focus
        states = node.getState()
        below = [n for child in node for n in walk(child)] if states.contains(
            pyatspi.STATE_SHOWING) else []
        name = f"{node.getRoleName()}: {node.name}" if roles else node.name
        return [name] * (every or states.contains(pyatspi.STATE_FOCUSED)) + below
    return [n for window in program for n in walk(window)]


# What Orca has said so far. It ends an utterance with a full stop where it has
# no punctuation of its own; Orca 48 says "notification" and then the news,
# Orca 43 both at once.
def spoken(log):
    said = []
    for words in re.findall(r"^\S+ - SPEECH OUTPUT: '(.*?)\.?' ?\{", open(log).read(), re.M | re.S):
        words = re.sub(r"\n +", " ", words)  # an utterance of several lines
        if said and said[-1] == NOTIFICATION:
            said[-1] += " " + words
        else:
            said.append(words)
    return said


def listen(env):
    prefs, log = env["HOME"] + "/orca", env["HOME"] + "/orca.log"
    os.makedirs(prefs)
    # Loaded by Orca as it starts: its debug file is written a line at a time,
    # so that what Orca has said can be read while it runs.
    with open(prefs + "/orca-customizations.py", "w") as f:
        f.write("from orca import debug\ndebug.debugFile.reconfigure(line_buffering=True)\n")
    sounds = sound_server(env)
    if wayland:  # GNOME's compositor or KWin, headless, and no X server
        env["WAYLAND_DISPLAY"] = "wayland-lautari"
        start(["kwin_wayland", "--virtual", "--no-lockscreen", "--socket", "wayland-lautari"]
              if kwin else ["mutter", "--wayland", "--headless", "--no-x11", "--virtual-monitor",
                            "1024x768", "--wayland-display", "wayland-lautari"],
              # KWin trusts the test's keys; GNOME's reads its settings from the home's files
              env | {"KWIN_WAYLAND_NO_PERMISSION_CHECKS": "1", "GSETTINGS_BACKEND": "keyfile"})
    else:
        start(["mutter", "--x11", "--replace", "--sm-disable"], env)
    # Stand-ins first on the path. pgrep looks in Orca's session only: Orca
    # will not start beside another Orca of the same user that pgrep finds,
    # such as the user's own. xdg-open finds no viewer for the game's rules.
    # On Wayland, where there is no X server, xkbcomp gives an empty keyboard
    # map: Orca 43 stops where it cannot read one (Orca 48 goes on).
    for name, script in [("pgrep", 'exec /usr/bin/pgrep -s 0 "$@"'), ("xdg-open", "exit 3"),
                         ("xkbcomp", "true")][:2 + wayland]:
        with open(os.open(f"{prefs}/{name}", os.O_CREAT | os.O_WRONLY, 0o755), "w") as f:
            f.write(f"#!/bin/sh\n{script}\n")
    # Orca speaks through the session's speech server, where a voice is
    # installed, into the session's silent sound server, beside the bell. The
    # server has loaded its voices before Orca starts: Orca gives up on itself
    # where its start takes ten seconds, as on a busy machine.
    subprocess.run(["spd-say", "--list-synthesis-voices"], env=env, capture_output=True,
                   timeout=60)
    # On Wayland, Orca still reads a keyboard map through X: a display that does
    # not exist will do.
    start(["orca", "--debug-file", log, "-u", prefs],
          dict(env, PATH=f"{prefs}:{env['PATH']}", DISPLAY=env.get("DISPLAY", ":none")),
          log=open(log + ".err", "w"))
    os.environ.update(env)
    import pyatspi
    expect("Orca", "running",
           lambda: any(a and a.name == "orca" for a in pyatspi.Registry.getDesktop(0)), True, 60)
    press = keyboard(env)
    process = start([game], dict(env, QT_QPA_PLATFORM="wayland" if wayland else "xcb",
                                 PATH=f"{prefs}:{env['PATH']}"), log=None)
    read = lambda *cmd: subprocess.run(cmd, capture_output=True, text=True, timeout=30).stdout
    if not wayland:  # where mutter on Wayland activates the window by itself
        # By its class: mutter 48 draws frames in a client of its own, whose
        # frame windows bear the title of the window they hold.
        window = read("xdotool", "search", "--sync", "--classname", "^lautari$").split()[0]
        subprocess.run(["xdotool", "windowactivate", "--sync", window], check=True, timeout=30)
        # The window opens where it always has, its frame's corner at (100, 74),
        # once mutter has framed it.
        extents = lambda: re.findall(r"\d+", read("xprop", "-id", window, "_NET_FRAME_EXTENTS"))
        expect("mutter", "the window's frame", lambda: len(extents()), 4)
        inner = re.findall(r"Absolute upper-left .: +(-?\d+)", read("xwininfo", "-id", window))
        frame = extents()
        assert [int(inner[0]) - int(frame[0]), int(inner[1]) - int(frame[2])] == [100, 74], inner
    expect("Orca", "the window's title said",
           lambda: any(w.startswith("Lautari -98") for w in spoken(log)), True, 60)

    # What holds the focus, by role and name. Qt marks a container focused
    # with the part that holds it (the menu bar with its menu, the rules' text
    # with its viewport): the focus is on the part that is named.
    def held():
        got = focus(process, roles=True)
        return next((f for f in got if re.fullmatch(ALLOWED, f)), f"{got}")
    marks, told, bells, square = [], 0, 0, None  # where in what Orca said each line of keys began
    for keys, news, *said in SCRIPT:
        marks.append(len(spoken(log)))
        # Keys on the board reach it in the order pressed, at a quick typist's
        # pace or quicker. Each key to a menu or a box waits until the game has
        # acted on the one before, as a person waits to hear it: each is a
        # window of its own, which the key must find open; where a box closed,
        # the focus is back once the game's window is active again (Orca, when
        # slow, may say nothing of that). Quitting changes nothing to wait for.
        each = keys.startswith(("F10", "F1", "Escape", "Alt_L"))
        for key in keys.split() if each else [keys]:
            was = each and focus(process)
            print(f"{datetime.datetime.now():%H:%M:%S.%f} - KEY SENT: {key}")  # as Orca stamps
            press(key.strip("()"), 40 if keys == QUICK else 150)
            expect(f"the game after {key} of {keys}",
                   f"its focus moved from {was} to a named square, menu, button or text",
                   lambda: not each or key[0] == "(" or focus(process) not in (was, []) and
                   re.fullmatch(ALLOWED, held()) is not None, True)
        told += len(news)
        expect(f"Orca after {keys}", "what it said", lambda: any(
            w.startswith(tuple(said)) for w in spoken(log)[marks[-1]:]) or not said, True)
        expect(f"Orca after {keys}", "news told",
               lambda: sum(w.startswith(NOTIFICATION + " ") for w in spoken(log)), told)
        # The draw rings a bell and the win two: on Wayland the game's own, each
        # heard; on X11 the X server's, which the window manager sounds, at
        # least once for each, however many it merges (the game's count of
        # them is test_pictures').
        bells += sum("Tasapeli" in n or ("Voittaja" in n) * (1 + wayland) for n in news)
        heard = lambda: sum(s != "end" and (s.get("event.id") == "bell-window-system" or s.get(
            "application.name") == "Lautari -98") for s in sounds)
        expect(f"the sound server after {keys}", "bells",
               lambda: heard() if wayland else min(heard(), bells), bells)
        # Never on an unnamed object, and never anywhere but a square, a menu,
        # a box's button or the rules' text (after each key to a menu or a box,
        # above, and after each line); a box closed gives the focus back to the
        # square it left.
        if keys.endswith("(Return)"):
            continue
        expect(f"the game after {keys}", "its focus on a named square, menu, button or text",
               lambda: True if re.fullmatch(ALLOWED, h := held()) and (
                   keys != "Escape" or h == square) else h, True)
        square = held() if re.fullmatch(r"(push )?button: [abc][123]: .*", held()) else square
    assert process.wait(30) == 0, process.returncode  # the sanitizers' word, where they watch
    said = spoken(log)
    # The speech server speaks Finnish exactly where the desktop does, as it
    # answered Orca.
    languages = set(re.findall(r"^ *SD rate .*, language (\S+)", open(log).read(), re.M))
    assert languages and all(w.startswith("fi") == finnish for w in languages), languages
    if wayland and not kwin:  # (the same on any compositor)
        burst(env, sounds)
    return [said[a:b] for a, b in zip(marks, marks[1:] + [len(said)])]


# The game's own bells, where it rings them itself (Wayland), with Orca done:
# twenty faster than they sound (ten quick wins, played through the squares'
# press actions) keep at most eight waiting and drop the rest, not queued for
# the next minute; with the sound server gone, a win's bells fail with one
# line, and the game goes on, holding nothing of the server. Quit as a person
# quits, so that the sanitizers see what the game leaves behind.
def burst(env, sounds):
    next(p for p in procs if p.args[0] == "orca").terminate()
    log = env["HOME"] + "/burst.log"
    process = start([game], dict(env, QT_QPA_PLATFORM="wayland",
                                 QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"), log=open(log, "w"))
    expect("the game", "its menu", lambda: bool(find("2 Pelaajaa", process)), True)
    two, new, *squares = [find(n, process).queryAction() for n in ["2 Pelaajaa", "Uusi"] + [
        f"{r}{c}: tyhjä" for r in "abc" for c in "123"][:7]]
    ours = lambda since=0: [s for s in sounds[since:] if s != "end"
                            and s.get("application.name") == "Lautari -98"]
    win = lambda: [a.doAction(0) for a in [new] + squares]  # the crosses' diagonal a3-c1
    two.doAction(0)
    began = len(sounds)
    for _ in range(10):
        win()
    ended = len(sounds)
    # The game starts each bell as the one before ends, the first once its
    # sound library has loaded: once the burst's bells have begun and none has
    # started for four times as long as the longest lasted, none waits.
    expect("the sound server", "quiet after the burst", lambda: bool(b := ours(began)) and all(
        "ended" in s for s in b) and time.monotonic() - max(s["ended"] for s in b) > 4 * max(
        s["ended"] - s["started"] for s in b), True, 40)
    assert len(ours(ended)) <= 8 <= len(ours(began)), (len(ours(began)), len(ours(ended)))
    [p.terminate() for p in procs if p.args[0] in ("pipewire", "wireplumber")]
    win()
    expect("the game", "complaint", lambda: "äänimerkki ei soi" in open(log).read(), True)
    # No connection is kept to the server that failed: none of libpulse's threads is left.
    expect("the game", "threads", lambda: "threaded-ml" in {
        open(t).read().strip() for t in glob.glob(f"/proc/{process.pid}/task/*/comm")}, False)
    find("Lopeta", process).queryAction().doAction(0)
    status, said = process.wait(30), open(log).read()  # said once, however many bells fail
    assert status == 0 and said.count("äänimerkki ei soi") == 1, (status, said)


if kwin and not shutil.which("kwin_wayland"):
    sys.exit(print("skipped: no KWin to test on (Debian's kwin-wayland, from Debian 13 on)") or 77)
if not wayland and "--x11" not in subprocess.run(  # asked with nothing of the user's session
        ["mutter", "--help"], capture_output=True, text=True, env={"PATH": os.defpath}).stdout:
    sys.exit(print("skipped: this mutter runs no X11 session (GNOME dropped it in mutter 50)")
             or 77)
isolate()
if finnish:  # the desktop's language, made for the test where the machine has its source
    os.makedirs(locales := os.environ["HOME"] + "/locale")
    made = subprocess.run(["localedef", "-i", "fi_FI", "-f", "UTF-8", locales + "/fi_FI.UTF-8"],
                          capture_output=True, text=True)
    if made.returncode:
        print("skipped: no Finnish locale to make (install the Debian package locales):",
              made.stderr.strip().splitlines()[-1:])
        sys.exit(77)
    os.environ.update(LANG="fi_FI.UTF-8", LOCPATH=locales)
with desktop(wayland) as env:
    try:
        heard_by_line = listen(env)
    except BaseException:  # why it stopped: what Orca wrote, and said when (beside the keys
        with suppress(OSError):  # sent, above: how far behind it was), and the game as it stands
            home = env["HOME"]
            print("== orca.log.err:", *open(home + "/orca.log.err").readlines()[-20:], sep="")
            print("== Orca, last: what it said, and the windows and focus it was told of:", *[
                re.sub(r"\n +", " ", e)[:150] for e in re.findall(
                    r"^\S+ - (?:SPEECH OUTPUT: '.*?'(?= ?\{)|EVENT MANAGER: (?:window:|object:"
                    r"state-changed:focused)(?![^\n]*(?:priority|obsoleted))[^\n]*)",
                    open(home + "/orca.log").read(), re.M | re.S)][-25:], sep="\n")
        with suppress(Exception):  # the game, where it still runs: what it shows, and the focus
            ours = [p for p in procs if p.args[0] == game][-1]
            print("== the game over the accessibility bus:", *filter(None, focus(ours, True)),
                  f"focus: {focus(ours)}", sep="\n")
        raise
    for (keys, news, *said), words in zip(SCRIPT, heard_by_line):
        heard = [w for w in words if w.startswith(NOTIFICATION + " ")]
        # The news comes after all that the keys make Orca say; only a key's echo,
        # one word, may follow it: where Orca takes longer than 100 ms to answer
        # for a key, Qt hands the key to the game without waiting (and keys
        # quicker than the news may be echoed after it). Orca 51 drops the
        # space before a colon ("Vuoro: Pelaaja 1").
        assert len(heard) == len(news) and all(re.fullmatch(re.escape(
            f"{NOTIFICATION} {n}").replace(r"\.\.", "[abc][123]").replace(r"\ :", r"\ ?:"), h)
            for n, h in zip(news, heard)) \
            and (not heard or [w for w in words if " " in w][-1] == heard[-1]) \
            and not any(g in w for g in GRAYED for w in words), (keys, words)
        # Moving from menu to menu reads their items, never the square behind
        # them: no square is said before the last menu item heard. (Not as the
        # game quits, where nothing is waited for and Orca may be behind.)
        if keys.startswith("F10") and (news or said):
            last = max((i for i, w in enumerate(words) if w.startswith(MENUS)), default=None)
            assert last is not None and not any(
                re.match(r"[abc][123]: ", w) for w in words[:last]), (keys, words)
