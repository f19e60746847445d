# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop session of its own for a test: a display, a private D-Bus session
# and the AT-SPI bus. Every process it starts is stopped again by its process
# group when the test ends, whatever happens; orphans of the buses come to
# this process, which reaps them with the rest.
import ctypes, os, re, signal, subprocess, tempfile, threading, time
from contextlib import contextmanager, suppress

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


# A private PulseAudio with a null sink; returns the list that gathers, as the
# server logs them, each sound's properties as it starts and "end" as it ends.
def sound_server(env):
    log = start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                 "--load=module-native-protocol-unix", "--load=module-null-sink",
                 "--log-level=info", "--log-target=stderr"], env, log=subprocess.PIPE).stderr
    expect("PulseAudio", "socket",
           lambda: os.path.exists(env["XDG_RUNTIME_DIR"] + "/pulse/native"), True)
    sounds = []

    def listen():
        for line in log:
            if m := re.search(r'input.c: +(Created|Freeing) input|input.c: +(\S+) = "(.*)"', line):
                if m[2]:
                    sounds[-1][m[2]] = m[3]
                else:
                    sounds.append({} if m[1] == "Created" else "end")
    threading.Thread(daemon=True, target=listen).start()
    return sounds


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
