#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's own bells, on Wayland, where it rings them itself through the
# sound server: twenty faster than they sound (ten quick wins, played through
# the squares' press actions) keep at most eight waiting and drop the rest,
# not queued for the next minute; with the sound server gone, a win's bells
# fail with one line, and the game goes on, holding nothing of the server.
# Quit as a person quits, so that the sanitizers see what it leaves behind.
#   bells.py GAME
import glob, os, signal, sys, time

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "support"))
from game import WORDS, app
from world import expect, sounds, start

if "LAUTARI_DESKTOP" not in os.environ:  # into a world of its own
    os.execv(sys.executable, [sys.executable, f"{here}/support/world.py", "--weston", "--sound",
                              sys.executable, *sys.argv])
import pyatspi  # (on the world's own accessibility bus)

heard, log = sounds(), os.environ["HOME"] + "/game.log"
find = lambda name, game: pyatspi.findDescendant(app(game), lambda n: n.name == name)
game = start([os.path.abspath(sys.argv[1]), "-platform", "wayland"], dict(
    os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"), log=open(log, "w"))
expect("the game", "its menu", lambda: bool(find(WORDS["2 players"], game)), True)
two, new, *squares = [find(n, game).queryAction() for n in [
    WORDS["2 players"], WORDS["New"]] + [f"{r}{c}: {WORDS['-']}" for r in "abc" for c in "123"][:7]]
ours = lambda since=0: [s for s in heard[since:] if s != "end"
                        and s.get("application.name") == WORDS["title"]]
win = lambda: [a.doAction(0) for a in [new] + squares]  # the crosses' diagonal a3-c1
two.doAction(0)
began = len(heard)
[win() for _ in range(10)]
ended = len(heard)
# The game starts each bell as the one before ends, the first once its sound
# library has loaded: once the burst's bells have begun and none has started
# for four times as long as the longest lasted, none waits.
expect("the sound server", "quiet after the burst", lambda: bool(b := ours(began)) and all(
    "ended" in s for s in b) and time.monotonic() - max(s["ended"] for s in b) > 4 * max(
    s["ended"] - s["started"] for s in b), True, 40)
assert len(ours(ended)) <= 8 <= len(ours(began)), (len(ours(began)), len(ours(ended)))
[os.kill(int(pid), signal.SIGTERM) for pid in os.environ["LAUTARI_SOUND_SERVER"].split()]
win()
expect("the game", "complaint", lambda: WORDS["no bell"] in open(log).read(), True)
# No connection is kept to the server that failed: none of libpulse's threads is left.
expect("the game", "threads", lambda: "threaded-ml" in {
    open(t).read().strip() for t in glob.glob(f"/proc/{game.pid}/task/*/comm")}, False)
find(WORDS["Quit"], game).queryAction().doAction(0)
status, said = game.wait(30), open(log).read()  # said once, however many bells fail
assert status == 0 and said.count(WORDS["no bell"]) == 1, (status, said)
