# SPDX-License-Identifier: GPL-3.0-or-later
# A world of its own for a test: namespaces in which it sees and reaches
# nothing of the machine's or the user's session, and a desktop session in
# it (a display, a private D-Bus session, the AT-SPI bus, a sound server).
# Whatever the test starts ends with it.
#   session.py COMMAND [ARG...]     runs COMMAND in such a world
import ctypes, os, re, shutil, signal, subprocess, sys, tempfile, threading, time
from contextlib import contextmanager, suppress

procs = []
# What a test takes from the environment it was started in: the sanitizers'
# settings. Nothing of the user's session (display, buses, sound server,
# runtime and configuration folders) comes along.
KEPT = ("PATH", "ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS",
        "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION")


# Runs this test again in a world of its own: PID, mount and network
# namespaces (in a user namespace where the kernel allows one; it does not in
# a chroot), so that whatever the test leaves is killed with its first
# process, the sockets it makes are its own, and the machine's sound cards and
# X sockets are hidden. No mount point at the root is needed (a plain chroot
# has none): only mounts made private first are mounted on. Where no
# namespace can be had (an ordinary user in a chroot), the test goes on
# without, after one line that says what was refused. Its environment is
# built, never inherited, and whatever it starts is ended with it.
def isolate():
    if os.environ.get("LAUTARI_WORLD") == str(os.getpid()):
        ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER: orphans come here
        if os.getpid() == 1:
            for d, kind in [("/proc", "proc"), ("/dev/snd", "tmpfs"), ("/tmp/.X11-unix", "tmpfs"),
                            ("/run/user", "tmpfs"), (os.environ["HOME"], "tmpfs")]:
                mount = d  # what a mount on `d` hangs from
                while not os.path.ismount(mount):
                    mount = os.path.dirname(mount)
                if os.path.isdir(d) and not subprocess.run(
                        ["mount", "--make-rprivate", mount], stderr=subprocess.DEVNULL).returncode:
                    subprocess.run(["mount", "-t", kind, "-o", "mode=1777" * (kind == "tmpfs"),
                                    "world", d], check=True)
        os.environ["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(dir=os.environ["HOME"])
        return
    world = ["unshare", "--pid", "--mount", "--net", "--fork", "--kill-child",
             "--propagation", "unchanged"]
    own_proc = ["sh", "-c", "mount --make-rprivate /proc && mount -t proc world /proc"]
    refused = None
    for unshare in [world[:1] + ["--user", "--map-root-user"] + world[1:]] + [world] * (
            os.getuid() == 0):
        probe = subprocess.run(unshare + own_proc, capture_output=True, text=True)
        if not probe.returncode:
            break
        refused = refused or probe.stderr.strip()
    else:
        unshare = []
        print(f"no namespaces of its own ({refused}): the test runs beside the machine's "
              "processes, and one killed outright may leave some behind")
    env = {k: os.environ[k] for k in KEPT if k in os.environ}
    # The world's first process knows itself by its PID: 1 in a namespace.
    os.execvpe(*(unshare or [sys.executable])[:1], [*unshare, sys.executable, *sys.argv],
               dict(env, LANG="C.UTF-8", LAUTARI_WORLD="1" if unshare else str(os.getpid()),
                    HOME=tempfile.mkdtemp(prefix="lautari-world.")))


# Ends every process that the test started, and any they left (the orphans
# come to this one): politely, then, past a deadline, outright; and reaps them.
def end_all(grace=10):
    deadline, me = time.monotonic() + grace, os.getpid()
    while True:
        with suppress(ChildProcessError):
            while os.waitpid(-1, os.WNOHANG)[0]:
                pass
        parent, ours = {}, {me}
        for d in filter(str.isdigit, os.listdir("/proc")):
            with suppress(OSError):
                parent[int(d)] = int(open(f"/proc/{d}/stat").read().rsplit(")", 1)[1].split()[1])
        while more := {p for p, pp in parent.items() if pp in ours} - ours:
            ours |= more
        if ours == {me}:
            break
        for pid in ours - {me}:
            with suppress(ProcessLookupError):
                os.kill(pid, signal.SIGTERM if time.monotonic() < deadline else signal.SIGKILL)
        time.sleep(0.05)
    subprocess.run(["umount", "--lazy", os.environ["HOME"]], stderr=subprocess.DEVNULL)
    shutil.rmtree(os.environ["HOME"], ignore_errors=True)


# Starts `cmd` in a session of its own and returns the line it writes to fd 3, if asked;
# its errors go to `log` (None: to ours).
def start(cmd, env=None, reply=False, log=subprocess.DEVNULL, out=None):
    r, w = os.pipe()
    procs.append(subprocess.Popen([a.replace("FD", str(w)) for a in cmd], env=env, pass_fds=[w],
                                  start_new_session=True, stderr=log, stdout=out, text=True,
                                  errors="replace"))
    os.close(w)
    with os.fdopen(r) as f:
        return f.readline().strip() if reply else procs[-1]


# Polls until `get()` equals `want`, for as long as a busy machine may need;
# else names the node and property that disagreed.
def expect(node, prop, get, want, timeout=30):
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


# Configuration files of the session, by their path under its home:
# PipeWire with its PulseAudio server, as the desktops of Debian 12 and 13 run
# it, and a null sink, so that nothing is heard; WirePlumber without its
# device monitors, so that no sound card, Bluetooth device or camera of the
# machine's is opened (0.4 reads Lua, 0.5 its own format); speech, where a
# voice is installed, to the session's sound server, from a speech server
# that stays while the session lasts. Keys that do not repeat on Wayland,
# where the game repeats a key itself until the compositor tells it of the
# release, which a busy compositor may tell late (GNOME's, KWin's).
CONFIG = {
    "glib-2.0/settings/keyfile": "[org/gnome/desktop/peripherals/keyboard]\nrepeat=false",
    "kcminputrc": "[Keyboard]\nKeyRepeat=nothing",
    "pipewire/pipewire.conf.d/lautari.conf": 'context.objects = [ { factory = adapter args = {'
    ' factory.name = support.null-audio-sink node.name = silence media.class = "Audio/Sink"'
    ' audio.position = [ FL FR ] } } ] context.modules = [ { name ='
    ' libpipewire-module-protocol-pulse args = { server.address = [ "unix:native" ] } } ]',
    "wireplumber/main.lua.d/51-lautari.lua": "alsa_monitor.enabled = false "
    "v4l2_monitor.enabled = false libcamera_monitor.enabled = false",
    "wireplumber/bluetooth.lua.d/51-lautari.lua": "bluez_monitor.enabled = false",
    "wireplumber/wireplumber.conf.d/lautari.conf": "wireplumber.profiles = { main = {"
    " monitor.alsa = disabled monitor.alsa-midi = disabled monitor.bluez = disabled"
    " monitor.bluez.seat-monitoring = disabled monitor.v4l2 = disabled"
    " monitor.libcamera = disabled } }",
    "speech-dispatcher/speechd.conf": 'AudioOutputMethod "pulse"\nTimeout 0',
}


# The session's PipeWire. Returns the list that gathers each sound's
# properties as it starts and "end" as it ends.
def sound_server(env):
    for path, text in CONFIG.items():
        os.makedirs(os.path.dirname(path := f"{env['HOME']}/.config/{path}"), exist_ok=True)
        with open(path, "w") as f:
            f.write(text + "\n")
    # WirePlumber, which links each sound to the sink, gives up at once where
    # PipeWire is not yet listening: no sound would then ever play or end.
    start(["pipewire"], env)
    expect("the sound server", "sockets", lambda: all(
        os.path.exists(f"{env['XDG_RUNTIME_DIR']}/{s}") for s in ("pipewire-0", "pulse/native")),
        True)
    start(["wireplumber"], env)
    sounds = []
    # A line at a time, as pw-mon would write to a terminal, not 4 KiB at a time.
    log = start(["stdbuf", "-oL", "pw-mon", "-N"], env, out=subprocess.PIPE).stdout
    threading.Thread(daemon=True, target=listen, args=(log, sounds)).start()
    return sounds


# pw-mon prints each object added, changed or removed as a block: its id, then
# its properties. A sound is an audio output stream; ids are used again. Each
# sound's properties gain the times it started and ended. (A byte that is not
# UTF-8 in what it prints is replaced: an error would end the listening.)
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
# unless the test starts a Wayland compositor itself, then the buses.
@contextmanager
def desktop(wayland=False):
    env = dict(os.environ)
    try:
        if not wayland:
            env["DISPLAY"] = ":" + start(["Xvfb", "-displayfd", "FD", "-nolisten", "tcp",
                                          "-noreset", "-screen", "0", "1024x768x24"], reply=True)
        env["DBUS_SESSION_BUS_ADDRESS"] = start(
            ["dbus-daemon", "--session", "--nofork", "--print-address=FD"], env, reply=True)
        start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env,
              out=subprocess.DEVNULL)
        yield env
    finally:
        end_all()


if __name__ == "__main__":
    isolate()
    try:
        status = subprocess.run(sys.argv[1:]).returncode
    finally:
        end_all()
    sys.exit(status)
