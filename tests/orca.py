#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind player hears, as a script: each step's keys, what the game must
# then show over the accessibility bus, and what Debian's screen reader Orca
# must say of it; on X11 under GNOME's mutter, on Wayland as GNOME (mutter)
# or KDE Plasma (KWin) runs it. With --fi the desktop speaks Finnish, and so
# must Orca, in its own words.
#   orca.py [--x11 | --mutter | --kwin] [--fi] GAME
import datetime, os, re, shutil, socket, struct, subprocess, sys, time
import xml.etree.ElementTree as ElementTree
from collections import namedtuple
from contextlib import suppress

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "support"))
from game import WORDS, shown, words
from world import expect, sounds, start


# A step: its keys, typed at a quick typist's pace, faster than anyone speaks
# ("quick"), or each once the game has acted on the one before ("by key", as
# a person works menus and boxes); what the game then shows: the focus, the
# board (X, O, - for free; a pattern where a reply is drawn at random), the
# status line, the window in front; Orca's news, each once and in order; any
# one of what else it says (`x11` False: not asked of Orca 43 on X11, at times
# silent there); the bells the game rings.
Step = namedtuple("Step", "name keys pace focus board status front news says x11 bells",
                  defaults=("typed", None, None, None, "title", (), (), True, 0))


STEPS = [
    Step("a first move, its reply drawn at random", "space", focus="a1 X", board="X-*O-*",
         status="", news=("a1 X, .. O",)),
    Step("VaikeusTaso > Vaikea", "F10 Right Down Down Return", "by key", "a1 -", "-" * 9,
         news=("new game",)),
    Step("Vaikea's replies follow from its rules", "space", focus="a1 X", board="X---O----",
         news=("a1 X, b2 O",)),
    Step("c3", "Down Down Right Right space", focus="c3 X", board="X---O--OX",
         news=("c3 X, c2 O",)),
    Step("a2", "Up Up Left space", focus="a2 X", board="XXO-O--OX", news=("a2 X, a3 O",)),
    Step("c1", "Down Down Left space", focus="c1 X", board="XXOOO-XOX", news=("c1 X, b1 O",)),
    Step("b3 draws", "Up Right Right space", focus="b3 X", board="XXOOOXXOX",
         news=("b3 X, draw",), bells=1),
    Step("the finished board walked by ear", "Left", focus="b2 O", says=("b2 O",)),
    Step("further", "Down", focus="c2 O", says=("c2 O",)),
    Step("a locked board says nothing new", "space F2", focus="c2 -", board="-" * 9,
         news=("new game",)),
    Step("new games faster than anyone speaks", "F2 F2 F2", "quick", "c2 -",
         news=("new game",) * 3),
    Step("Pelaajia > 2 Pelaajaa", "F10 Right Right Down Return", "by key", "c2 -",
         status="turn 1", news=("new game, turn 1",)),
    Step("two players: a1", "Up Up Left Left space", focus="a1 X", status="turn 2",
         news=("a1 X, turn 2",)),
    Step("a taken square says nothing", "space Down space", focus="b1 O", status="turn 1",
         news=("b1 O, turn 1",)),
    Step("a2", "Up Right space", focus="a2 X", news=("a2 X, turn 2",)),
    Step("b2", "Down space", focus="b2 O", news=("b2 O, turn 1",)),
    Step("a3 wins", "Up Right space", focus="a3 X", board="XXXOO----", status="winner 1",
         news=("a3 X, winner 1",), bells=2),
    Step("a free square of the finished board", "Down", focus="b3 -", says=("b3 -",)),
    Step("which takes no mark", "space", focus="b3 -", board="XXXOO----"),
    Step("Tiedosto > Tietoja", "F10 Down Down Return", "by key", "OK", front="about",
         says=("about",)),
    Step("back to the board, the box left open", "Alt_L+Tab", "by key", "b3 -"),
    Step("Tietoja asked again", "F10 Down Down Return", "by key", "OK", front="about",
         says=("about", "OK")),
    Step("closed: the focus back on its square", "Escape", "by key", "b3 -"),
    Step("the rules, where no viewer is found", "F1", "by key", "rules", front="rules",
         says=("rules", "rules' first line"), x11=False),
    Step("closed", "Escape", "by key", "b3 -"),
    Step("Tiedosto > Lopeta", "F10 Up Return", "by key", front=None),
]

# Orca's own words for a notification and for a control that is off (in
# English too, where a later Orca's Finnish lacks them).
finnish = os.environ.get("LANG", "").startswith("fi") or "--fi" in sys.argv
NOTIFICATION = "ilmoitus" if finnish else "notification"
GRAYED = ("harmaa",) * finnish + ("grayed", "dimmed", "unavailable")
# Where the focus may be, by role (Debian 12's and 13's words) and name.
ALLOWED = r"((push )?button|(check |radio )?menu( item)?|text): .+"
MENUS = tuple(WORDS[w] for w in ("File", "New", "About", "Quit", "Easy", "Medium", "Hard",
                                 "1 player", "2 players"))
# The table in the game's words: any word missing stops here, naming its step.
STEPS = [s._replace(focus=s.focus and words(s.name, s.focus), status=s.status and words(
    s.name, s.status), front=s.front and WORDS[s.front], news=[words(s.name, n) for n in s.news],
    says=[words(s.name, w) for w in s.says]) for s in STEPS]


# Keys by their X keysym names, held down in turn and let go in reverse.
def keyboard(desktop):
    stroke = remote_desktop() if desktop == "mutter" else fake_input() if desktop == "kwin" \
        else lambda key, down: subprocess.run(["xdotool", f"key{'down' if down else 'up'}", key],
                                              check=True)

    def press(keys, delay):
        for key in keys.split():
            for name, down in [(k, 1) for k in key.split("+")] + [(k, 0) for k in key.split(
                    "+")[::-1]]:
                stroke(name, down)
            time.sleep(delay)
    press("Shift_L", 0)  # the first key of a new virtual keyboard reaches no window
    return press


# GNOME's remote desktop on the session bus, by keysyms as xkbcommon names them.
def remote_desktop():
    from gi.repository import Gio, GLib
    import ctypes
    bus, desk = Gio.bus_get_sync(Gio.BusType.SESSION), "org.gnome.Mutter.RemoteDesktop"
    call = lambda path, method, args=None: bus.call_sync(desk, path, desk + ".Session" * (
        path != "/org/gnome/Mutter/RemoteDesktop"), method, args, None, 0, 10000, None)
    session = []  # once mutter has begun to offer one
    expect("mutter", "a remote desktop session", lambda: bool(session or session.append(call(
        "/org/gnome/Mutter/RemoteDesktop", "CreateSession")[0])), True)
    call(session[0], "Start")
    keysym = ctypes.CDLL("libxkbcommon.so.0").xkb_keysym_from_name
    return lambda key, down: call(session[0], "NotifyKeyboardKeysym", GLib.Variant(
        "(ub)", (keysym(key.encode(), 0), down)))


# KWin's fake input, on its Wayland socket: each request numbered by its place
# in the protocols' own descriptions (libwayland-dev's and
# plasma-wayland-protocols'), bound by the name that wayland-info tells, each
# key by its Linux code.
def fake_input():
    requests = {i.get("name"): [r.get("name") for r in i.iter("request")]
                for xml in ("wayland/wayland.xml", "plasma-wayland-protocols/fake-input.xml")
                for i in ElementTree.parse("/usr/share/" + xml).iter("interface")}
    codes = dict(re.findall(r"#define KEY_(\w+)\s+(\d+)", open(
        "/usr/include/linux/input-event-codes.h").read()))
    linux = dict(Escape="ESC", Return="ENTER", Shift_L="LEFTSHIFT", Alt_L="LEFTALT")
    fake = "org_kde_kwin_fake_input"
    offered = re.search(rf"'{fake}',\s+version:\s+(\d+),\s+name:\s+(\d+)", subprocess.run(
        ["wayland-info"], capture_output=True, text=True).stdout) or sys.exit(
        f"KWin offers the test no {fake}: no permission")
    (wire := socket.socket(socket.AF_UNIX)).connect(
        f"{os.environ['XDG_RUNTIME_DIR']}/{os.environ['WAYLAND_DISPLAY']}")
    word = lambda a: struct.pack("=I", a) if isinstance(a, int) else struct.pack(
        "=I", len(a) + 1) + a.encode() + bytes(4 - len(a) % 4)  # a string, 0-ended, padded

    def send(obj, interface, request, *args):
        body = b"".join(map(word, args))
        wire.sendall(struct.pack("=II", obj, 8 + len(body) << 16 | requests[interface].index(
            request)) + body)
    send(1, "wl_display", "get_registry", 2)
    send(2, "wl_registry", "bind", int(offered[2]), fake, int(offered[1]), 3)
    send(3, fake, "authenticate", "Lautari -98 tests", "keys that play the game")
    return lambda key, down: send(3, fake, "keyboard_key", int(codes[linux.get(
        key, key.upper())]), down)


# What Orca has said so far, from its debug file. It ends an utterance with a
# full stop where it has no punctuation of its own; Orca 48 says
# "notification" and then the news, Orca 43 both at once.
def spoken(log):
    said = "\0".join(re.sub(r"\n +", " ", w) for w in re.findall(  # (of several lines, one)
        r"^\S+ - SPEECH OUTPUT: '(.*?)\.?' ?\{", open(log).read(), re.M | re.S))
    return re.findall("[^\0]+", ("\0" + said).replace(f"\0{NOTIFICATION}\0", f"\0{NOTIFICATION} "))


def play(game, desktop, home):
    prefs, log = home + "/orca", home + "/orca.log"
    os.makedirs(prefs)
    # What Orca loads as it starts: its debug file written a line at a time,
    # to be read while it runs. Then stand-ins first on the path: pgrep looks
    # in Orca's session only (Orca will not start beside another Orca of the
    # user's that pgrep finds); xdg-open finds no viewer for the game's rules;
    # where there is no X server, xkbcomp gives the empty keyboard map that
    # Orca 43 must have.
    heard, wayland = sounds(), desktop != "x11-wm"
    for name, text in [("orca-customizations.py", "from orca import debug\ndebug.debugFile."
                        "reconfigure(line_buffering=True)"), ("pgrep", '#!/bin/sh\nexec '
                        '/usr/bin/pgrep -s 0 "$@"'), ("xdg-open", "#!/bin/sh\nexit 3"),
                       ("xkbcomp", "#!/bin/sh\ntrue")][:3 + wayland]:
        with open(os.open(f"{prefs}/{name}", os.O_CREAT | os.O_WRONLY, 0o755), "w") as f:
            f.write(text + "\n")
    env = dict(os.environ, PATH=f"{prefs}:{os.environ['PATH']}")
    # The speech server has loaded its voices before Orca starts: Orca gives up
    # where its start takes ten seconds, as on a busy machine. On Wayland it
    # still reads a keyboard map through X: a display that does not exist does.
    subprocess.run(["spd-say", "--list-synthesis-voices"], capture_output=True, timeout=60)
    start(["orca", "--debug-file", log, "-u", prefs], dict(env, DISPLAY=env.get(
        "DISPLAY", ":none")), log=open(log + ".err", "w"))
    import pyatspi
    expect("Orca", "running",
           lambda: any(a and a.name == "orca" for a in pyatspi.Registry.getDesktop(0)), True, 60)
    press = keyboard(desktop)
    game = start([game], dict(env, QT_QPA_PLATFORM="wayland" if wayland else "xcb"), log=None)
    if not wayland:  # where mutter on Wayland activates the window itself
        read = lambda *cmd: subprocess.run(cmd, capture_output=True, text=True).stdout
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
           lambda: any(w.startswith(WORDS["title"]) for w in spoken(log)), True, 60)
    marks, told, bells = [], 0, 0  # where in what Orca said each step began
    for step in STEPS:
        marks.append(len(spoken(log)))
        for key in step.keys.split() if step.pace == "by key" else [step.keys]:
            was = step.pace == "by key" and shown(game)["focus"]
            print(f"{datetime.datetime.now():%H:%M:%S.%f} - KEY SENT: {key}")  # as Orca stamps
            press(key, 0.04 if step.pace == "quick" else 0.15)
            if step.pace == "by key" and step.front:  # (quitting leaves nothing to wait for)
                expect(f"the game after {key} of {step.name!r}", "the focus", lambda: True if (
                    f := shown(game)["focus"]) != was and re.fullmatch(ALLOWED, f) else f, True,
                    pause=0.25)  # (each reading of the tree many calls on Orca's bus)
        if step.front:  # what the game shows, whatever Orca says
            expect(f"the game after {step.name!r}", "what it shows", lambda: check(game, step),
                   True, pause=0.25)
        told += len(step.news)
        bells += step.bells if wayland else min(step.bells, 1)
        orca = f"Orca after {step.name!r} (the game showing {shown(game) if step.front else ''})"
        expect(orca, "news told",
               lambda: sum(w.startswith(NOTIFICATION + " ") for w in spoken(log)), told)
        expect(orca, "what it said", lambda: not step.says or not (wayland or step.x11) or any(
            w.startswith(tuple(step.says)) for w in spoken(log)[marks[-1]:]), True)
        # On Wayland the game's own bells, each heard; on X11 the X server's,
        # which the window manager sounds at least once a step, however merged.
        ringing = lambda: sum(s != "end" and (s.get("event.id") == "bell-window-system" or s.get(
            "application.name") == WORDS["title"]) for s in heard)
        expect(f"the sound server after {step.name!r}", "bells",
               lambda: ringing() if wayland else min(ringing(), bells), bells)
    assert game.wait(30) == 0, game.returncode  # the sanitizers' word, where they watch
    # The speech server speaks Finnish exactly where the desktop does.
    languages = set(re.findall(r"^ *SD rate .*, language (\S+)", open(log).read(), re.M))
    assert languages and all(w.startswith("fi") == finnish for w in languages), languages
    said = spoken(log)
    return [said[a:b] for a, b in zip(marks, marks[1:] + [len(said)])]


# True where the game shows what the step says, else what it shows.
def check(game, step):
    now = shown(game)
    return True if re.fullmatch(ALLOWED, now["focus"]) and step.focus in (
        None, now["focus"].split(": ", 1)[1]) and re.fullmatch(step.board or ".*", now[
        "board"]) and step.status in (None, now["status"]) and step.front == (
        now["front"] or "").rstrip() else now


desktop = next((a[2:] for a in sys.argv if a in ("--x11", "--mutter", "--kwin")), "x11")
if "LAUTARI_DESKTOP" not in os.environ:  # the table read; then into a world of its own
    if desktop == "kwin" and not shutil.which("kwin_wayland"):
        sys.exit(print("skipped: no KWin to test on (Debian's kwin-wayland, from 13 on)") or 77)
    if desktop == "x11" and "--x11" not in subprocess.run(  # asked with nothing of the session
            ["mutter", "--help"], capture_output=True, text=True, env={"PATH": os.defpath}).stdout:
        sys.exit(print("skipped: this mutter runs no X11 session (GNOME dropped it in 50)") or 77)
    os.execv(sys.executable, [sys.executable, f"{here}/support/world.py", "--x11-wm" if
                              desktop == "x11" else f"--{desktop}", "--sound", *["--fi"] * finnish,
                              sys.executable, *sys.argv])
try:
    heard_by_step = play(os.path.abspath(sys.argv[-1]), os.environ["LAUTARI_DESKTOP"],
                         os.environ["HOME"])
except BaseException:  # why it stopped: what Orca said last, and when, beside the keys sent
    with suppress(OSError), open(os.environ["HOME"] + "/orca.log.err") as errors:
        print("== Orca's errors and last words:", *list(errors)[-20:], *re.findall(
            r"^\S+ - SPEECH OUTPUT: .*", open(errors.name[:-4]).read(), re.M)[-25:], sep="\n")
    raise
for step, said in zip(STEPS, heard_by_step):
    news = [w for w in said if w.startswith(NOTIFICATION + " ")]
    # Each news once, in order, after all that the keys make Orca say but a
    # key's echo, one word (Qt hands a key on where Orca is slower than 100
    # ms). Orca 51 drops the space before a colon. Nothing said to be off.
    assert len(news) == len(step.news) and all(re.fullmatch(re.escape(
        f"{NOTIFICATION} {n}").replace(r"\.\.", "[abc][123]").replace(r"\ :", r"\ ?:"), h)
        for n, h in zip(step.news, news)) \
        and (not news or [w for w in said if " " in w][-1] == news[-1]) \
        and not any(g in w for g in GRAYED for w in said), (step.name, said)
    # Menus read as menus: no square said between the first menu item heard
    # and the last, late words of the step before aside (not as the game quits).
    if step.keys.startswith("F10") and step.front:
        menus = [i for i, w in enumerate(said) if w.startswith(MENUS)] or [None]
        assert menus[0] is not None and not any(re.match(r"[abc][123]: ", w) for w in said[
            menus[0]:menus[-1]]), (step.name, said)
