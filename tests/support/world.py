#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A world of its own for a test, entered once: namespaces in which it reaches
# nothing of the machine's or the user's session, a stand-in for that session
# beside it, which it must neither reach nor disturb, and a desktop session:
# buses, Xvfb (with mutter) or a headless Wayland compositor at a scale (X11's
# as GNOME's large text sets it), PipeWire with a silent sink and speech, a
# Finnish desktop (skipped where no Finnish locale can be made). The command
# learns the desktop from LAUTARI_DESKTOP, the sound server's processes from
# LAUTARI_SOUND_SERVER. Imported, it gives start(), expect() and sounds().
#   world.py [--x11 | --x11-wm | --weston | --mutter | --kwin] [--scale S] [--sound] [--fi] CMD...
import ctypes, glob, os, re, shutil, signal, socket, subprocess, sys, tempfile, threading, time
from contextlib import suppress

# All that a test takes from the environment it was started in: the
# sanitizers' settings. Nothing of the user's session comes along.
KEPT = ("PATH", "ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS",
        "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION")
# The session's settings under ~/.config: keys that do not repeat on Wayland,
# where a busy compositor may tell their release late; GNOME's fractional
# scales; PipeWire with its PulseAudio server and a silent sink; WirePlumber
# opening none of the machine's devices (0.4 reads Lua, 0.5 its own format);
# speech to that server, from a speech server that stays while the session does.
CONFIG = {
    "glib-2.0/settings/keyfile": "[org/gnome/desktop/peripherals/keyboard]\nrepeat=false\n"
    "[org/gnome/mutter]\nexperimental-features=['scale-monitor-framebuffer']",
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


# Starts `cmd` in a session of its own and returns the line it writes to FD,
# if asked; its errors go to `log` (None: to ours).
def start(cmd, env=None, reply=False, log=subprocess.DEVNULL, out=None):
    r, w = os.pipe()
    process = subprocess.Popen([a.replace("FD", str(w)) for a in cmd], env=env, pass_fds=[w],
                               start_new_session=True, stderr=log, stdout=out, text=True,
                               errors="replace")
    os.close(w)
    with os.fdopen(r) as f:
        return f.readline().strip() if reply else process


# Polls until `get()` equals `want`, every `pause` seconds, for as long as a
# busy machine may need; else names what disagreed, and how.
def expect(what, prop, get, want, timeout=30, pause=0.05):
    deadline = time.monotonic() + timeout
    while True:
        try:
            if (got := get()) == want:
                return
        except Exception as e:  # the accessibility tree can change while it is read
            got = e
        if time.monotonic() > deadline:
            raise AssertionError(f"{what}: {prop} is {got!r}, expected {want!r}")
        time.sleep(pause)


# The sounds that the session's sound server plays, as pw-mon tells them: a
# list that gains each sound's properties as it starts, and "end" as one ends
# (the sound then gains the times it started and ended). pw-mon prints each
# object added, changed or removed as a block, its id and then its properties;
# ids are used again. A byte that is not UTF-8 is replaced, not an error.
def sounds():
    heard, props = [], {}
    log = start(["stdbuf", "-oL", "pw-mon", "-N"], out=subprocess.PIPE).stdout

    def listen(event=None, ident=None):
        for line in log:
            if m := re.match(r"(added|changed|removed):", line):
                event = m[1]
            elif m := re.match(r"\tid: (\d+)", line):
                ident = m[1]
                if event == "removed" and "started" in (p := props.pop(ident, {})):
                    p["ended"] = time.monotonic()
                    heard.append("end")
            elif event != "removed" and (m := re.match(r'\W*([\w.]+) = "(.*)"', line)):
                (p := props.setdefault(ident, {}))[m[1]] = m[2]
                if (m[1], m[2]) == ("media.class", "Stream/Output/Audio") and "started" not in p:
                    p["started"] = time.monotonic()
                    heard.append(p)
    threading.Thread(daemon=True, target=listen).start()
    return heard


# Enters PID, mount and network namespaces (in a user namespace where the
# kernel allows one, as in a chroot it does not), so that the test's sockets
# are its own and the machine's sound cards and X sockets are hidden: the
# world runs again as their first process. Only mounts made private first are
# mounted on. Where no namespace can be had (an ordinary user in a chroot) it
# goes on without, after one line that says what was refused.
def enter():
    if sys.argv[1:2] == ["--inside"]:
        del sys.argv[1]
        for d in ("/dev/snd", "/tmp/.X11-unix", "/run/user"):
            mount = d  # what a mount on `d` hangs from
            while not os.path.ismount(mount):
                mount = os.path.dirname(mount)
            if os.path.isdir(d) and not subprocess.run(
                    ["mount", "--make-rprivate", mount], stderr=subprocess.DEVNULL).returncode:
                subprocess.run(["mount", "-t", "tmpfs", "-o", "mode=1777", "world", d], check=True)
        return
    world = ["unshare", "--pid", "--mount", "--net", "--fork", "--kill-child", "--mount-proc",
             "--propagation", "unchanged"]
    refused = None
    for unshare in [world[:1] + ["--user", "--map-root-user"] + world[1:]] + [world] * (
            os.getuid() == 0):
        probe = subprocess.run(unshare + ["true"], capture_output=True, text=True)
        if not probe.returncode:
            os.execvp("unshare", [*unshare, sys.executable, sys.argv[0], "--inside", *sys.argv[1:]])
        refused = refused or probe.stderr.strip()
    print(f"no namespaces of its own ({refused}): the test runs beside the machine's processes")
    ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER: orphans come here, to be ended


# Ends whatever the test started and whatever that left (its orphans come to
# this process): politely, then, past a deadline, outright.
def end_all(grace=10):
    deadline = time.monotonic() + grace
    while children := [int(p) for t in glob.glob("/proc/self/task/*/children")
                       for p in open(t).read().split()]:
        for pid in children:
            with suppress(ProcessLookupError):
                os.kill(pid, signal.SIGTERM if time.monotonic() < deadline else signal.SIGKILL)
        with suppress(ChildProcessError):
            while os.waitpid(-1, os.WNOHANG)[0]:
                pass
        time.sleep(0.05)


# The stand-in for the user's session: its buses, compositor, sound and speech
# servers, each a socket that notes whoever connects, the session's variables
# pointing at them (its display at none); a process of the user named orca,
# which the test's Orca must neither see nor stop. Returns what the test did.
def beside(home):
    run, reached = tempfile.mkdtemp(dir=home), []
    for path in ("bus", "at-spi/bus", "wayland-0", "pulse/native", "pipewire-0", "speechd"):
        os.makedirs(os.path.dirname(path := f"{run}/{path}"), exist_ok=True)
        (s := socket.socket(socket.AF_UNIX)).bind(path)
        s.listen()
        threading.Thread(daemon=True, target=lambda s=s, path=path: [
            reached.append(path) or c.close() for c, _ in iter(s.accept, None)]).start()
    os.environ.update(DISPLAY=":7", WAYLAND_DISPLAY="wayland-0", XDG_SESSION_TYPE="wayland",
                      XDG_RUNTIME_DIR=run, DBUS_SESSION_BUS_ADDRESS=f"unix:path={run}/bus",
                      AT_SPI_BUS_ADDRESS=f"unix:path={run}/at-spi/bus",
                      PULSE_SERVER=f"unix:{run}/pulse/native", XDG_CONFIG_HOME=f"{run}/.config",
                      SPEECHD_ADDRESS=f"unix_socket:{run}/speechd", PIPEWIRE_REMOTE="pipewire-0")
    os.symlink(shutil.which("sleep"), f"{run}/orca")
    orca = subprocess.Popen([f"{run}/orca", "infinity"])
    return lambda: ["the user's Orca is gone"] * (orca.poll() is not None) + [
        f"the test reached the user's session: {sorted(set(reached))}"] * bool(reached)


# The desktop session, its variables in `env`: a display, the buses, sound.
def desktop(env, display, scale, sound):
    for path, text in CONFIG.items():
        os.makedirs(os.path.dirname(path := f"{env['HOME']}/.config/{path}"), exist_ok=True)
        with open(path, "w") as f:
            f.write(text + "\n")
    if display.startswith("x11"):  # with -noreset: a server that resets as its last client
        env["DISPLAY"] = ":" + start(  # leaves refuses a game connecting just then
            ["Xvfb", "-displayfd", "FD", "-nolisten", "tcp", "-noreset", "-screen", "0",
             "1280x1024x24"], reply=True)
        if scale != 1:
            subprocess.run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set",
                            "RESOURCE_MANAGER", f"Xft.dpi:\t{round(96 * scale)}"], env=env,
                           check=True)
    env["DBUS_SESSION_BUS_ADDRESS"] = start(
        ["dbus-daemon", "--session", "--nofork", "--print-address=FD"], env, reply=True)
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env, out=subprocess.DEVNULL)
    if sound:  # WirePlumber gives up at once where PipeWire is not yet listening
        pipewire = start(["pipewire"], env)
        expect("the sound server", "sockets", lambda: all(os.path.exists(
            f"{env['XDG_RUNTIME_DIR']}/{s}") for s in ("pipewire-0", "pulse/native")), True)
        env["LAUTARI_SOUND_SERVER"] = f"{pipewire.pid} {start(['wireplumber'], env).pid}"
    if display in ("weston", "mutter", "kwin"):
        env["WAYLAND_DISPLAY"] = "wayland-lautari"
    size = "1536x1152" if scale != 1 else "1024x768"
    if cmd := {"x11-wm": ["mutter", "--x11", "--replace", "--sm-disable"],
               "weston": ["weston", "--backend=headless-backend.so", "--use-pixman",
                          f"--scale={scale:g}", "--idle-time=0", "--socket=wayland-lautari"],
               "mutter": ["mutter", "--wayland", "--headless", "--no-x11", "--virtual-monitor",
                          size, "--wayland-display", "wayland-lautari"],
               "kwin": ["kwin_wayland", "--virtual", "--no-lockscreen", "--socket",
                        "wayland-lautari"]}.get(display):
        # (GNOME's reads its settings from the files above; KWin trusts the test's keys.)
        start(cmd, dict(env, GSETTINGS_BACKEND="keyfile", KWIN_WAYLAND_NO_PERMISSION_CHECKS="1"))
    if "WAYLAND_DISPLAY" in env:
        expect(display, "its socket", lambda: os.path.exists(
            f"{env['XDG_RUNTIME_DIR']}/wayland-lautari"), True, 60)
    if display == "mutter" and scale != 1:  # as GNOME's display settings scale the monitor
        config = "org.gnome.Mutter.DisplayConfig"
        call = lambda method, *args: subprocess.run(
            ["gdbus", "call", "--session", "--dest", config, "--object-path",
             "/org/gnome/Mutter/DisplayConfig", "--method", f"{config}.{method}", *args],
            env=env, capture_output=True, text=True).stdout
        expect("mutter", "its monitors", lambda: call("GetCurrentState").startswith("("), True)
        state = call("GetCurrentState")
        serial, mode = re.match(r"\(uint32 (\d+),", state)[1], re.search(r"'(1536x1152@[^']*)'",
                                                                      state)[1]
        assert call("ApplyMonitorsConfig", serial, "1", f"[(0, 0, {scale}, 0, true, [("
                    f"'Meta-0', '{mode}', @a{{sv}} {{}})])]", "@a{sv} {}") == "()\n", state


if __name__ == "__main__":
    enter()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))  # ended as a test is, it ends all
    args, options = sys.argv[1:], {"display": "x11", "scale": 1}
    while args[0].startswith("--"):
        option = args.pop(0)[2:]
        options.update({option: float(args.pop(0))} if option == "scale" else {option: True} if
                       option in ("sound", "fi") else {"display": option})
    faults, status = beside(home := tempfile.mkdtemp(prefix="lautari-world.")), 1
    env = {k: os.environ[k] for k in KEPT if k in os.environ} | dict(
        HOME=home, XDG_RUNTIME_DIR=tempfile.mkdtemp(dir=home), LANG="C.UTF-8",
        LAUTARI_DESKTOP=options["display"])
    try:
        if options.get("fi"):  # the desktop's language, made where the machine has its source
            made = subprocess.run(["localedef", "-i", "fi_FI", "-f", "UTF-8",
                                   f"{home}/fi_FI.UTF-8"], capture_output=True, text=True)
            if made.returncode:
                sys.exit(print("skipped: no Finnish locale to make (install Debian's locales):",
                               made.stderr.strip().splitlines()[-1:]) or 77)
            env.update(LANG="fi_FI.UTF-8", LOCPATH=home)
        desktop(env, options["display"], options["scale"], options.get("sound"))
        status = subprocess.run(args, env=env).returncode
        for fault in faults():
            status = print(fault) or 1
    finally:
        end_all()
        shutil.rmtree(home, ignore_errors=True)
    sys.exit(status)
