# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop session of its own for a test: a display, a private D-Bus session
# and the AT-SPI bus. Every process it starts is stopped again by its process
# group when the test ends, whatever happens; orphans of the buses come to
# this process, which reaps them with the rest.
import ctypes, os, re, shutil, signal, subprocess, sys, tempfile, threading, time
from contextlib import contextmanager, suppress

procs = []
# The Debian package of each program that a test starts.
PACKAGES = {"Xvfb": "xvfb", "dbus-daemon": "dbus-daemon", "pw-mon": "pipewire-bin",
            "/usr/libexec/at-spi-bus-launcher": "at-spi2-core"}


# Runs this test again in a world of its own: PID and mount namespaces (in a
# user namespace, for a user other than root) whose /proc shows only its own
# processes. Orca looks there for another Orca of the same user, so the user's
# own screen reader and another test run beside this one go unseen, and
# whatever the test leaves is killed with its first process.
def isolate():
    unshare = ["unshare", *(["--map-current-user"] if os.getuid() else []), "--pid",
               "--mount-proc", "--kill-child"]
    if not os.environ.get("LAUTARI_ISOLATED"):
        if (probe := subprocess.run([*unshare, "true"], capture_output=True, text=True)).returncode:
            sys.exit("the test needs namespaces of its own, which this system refuses (are "
                     f"unprivileged user namespaces turned off?): {probe.stderr.strip()}")
        os.execvpe("unshare", [*unshare, sys.executable, *sys.argv],
                   dict(os.environ, LAUTARI_ISOLATED="1"))


# Starts `cmd` in a session of its own and returns the line it writes to fd 3, if asked;
# its errors go to `log` (None: to ours).
def start(cmd, env=None, reply=False, log=subprocess.DEVNULL, out=None):
    if not shutil.which(cmd[0]):
        sys.exit(f"{cmd[0]} is missing: install Debian's {PACKAGES.get(cmd[0], cmd[0])}")
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
            if (got := get()) == want:
                return
        except Exception as e:  # the tree can change while it is read
            got = e
        if time.monotonic() > deadline:
            raise AssertionError(f"{node}: {prop} is {got!r}, expected {want!r}")
        time.sleep(0.05)


# A private PipeWire, with WirePlumber and its PulseAudio server, as the
# desktops of Debian 12 and 13 run it, and a null sink. Returns the list that
# gathers each sound's properties as it starts and "end" as it ends.
def sound_server(env):
    conf = os.path.join(env["HOME"], ".config", "pipewire", "pipewire.conf.d")
    os.makedirs(conf)
    with open(os.path.join(conf, "null-sink.conf"), "w") as f:
        f.write('context.objects = [ { factory = adapter args = { factory.name = '
                'support.null-audio-sink node.name = silence media.class = "Audio/Sink" '
                'audio.position = [ FL FR ] } } ]\n')
    for server in ["pipewire", "wireplumber", "pipewire-pulse"]:
        start([server], env)
    expect("the sound server", "socket",
           lambda: os.path.exists(env["XDG_RUNTIME_DIR"] + "/pulse/native"), True)
    sounds = []
    # A line at a time, as pw-mon would write to a terminal, not 4 KiB at a time.
    log = start(["stdbuf", "-oL", "pw-mon", "-N"], env, out=subprocess.PIPE).stdout
    threading.Thread(daemon=True, target=listen, args=(log, sounds)).start()
    return sounds


# pw-mon prints each object added, changed or removed as a block: its id, then
# its properties. A sound is an audio output stream; ids are used again. Each
# sound's properties gain the times it started and ended.
def listen(log, sounds):
    props, event, ident = {}, None, None
    heard = lambda p: any(p is s for s in sounds)
    for line in log:
        if m := re.match(r"(added|changed|removed):", line):
            event = m[1]
        elif m := re.match(r"\tid: (\d+)", line):
            ident = m[1]
            if event == "removed" and heard(p := props.pop(ident, None)):
                p["ended"] = time.monotonic()
                sounds.append("end")
        elif event != "removed" and (m := re.match(r'\W*([\w.]+) = "(.*)"', line)):
            (p := props.setdefault(ident, {}))[m[1]] = m[2]
            if (m[1], m[2]) == ("media.class", "Stream/Output/Audio") and not heard(p):
                p["started"] = time.monotonic()
                sounds.append(p)


# Yields the environment of a fresh session: an Xvfb (with -noreset, as a server
# that resets when its last client leaves refuses a game connecting just then),
# or the Wayland compositor that `wayland(env)` starts, then the buses.
@contextmanager
def desktop(wayland=None):
    ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER
    env = dict(os.environ, XDG_RUNTIME_DIR=(run := tempfile.mkdtemp()), HOME=run)
    try:
        if wayland:
            wayland(env)
        else:
            env["DISPLAY"] = ":" + start(["Xvfb", "-displayfd", "FD", "-nolisten", "tcp",
                                          "-noreset", "-screen", "0", "1024x768x24"], reply=True)
        env["DBUS_SESSION_BUS_ADDRESS"] = start(
            ["dbus-daemon", "--session", "--nofork", "--print-address=FD"], env, reply=True)
        start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env,
              out=subprocess.DEVNULL)
        yield env
    finally:
        for p in reversed(procs):
            with suppress(ProcessLookupError):
                os.killpg(p.pid, signal.SIGTERM)
        with suppress(ChildProcessError):
            while True:
                os.waitpid(-1, 0)
