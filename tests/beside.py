#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test beside a stand-in for the user's own desktop session: an X
# server, the session and accessibility buses, a Wayland compositor, a sound
# server and a speech server, each a socket that notes whoever connects, with
# the variables of a desktop session pointing at them; and a process of the
# user named orca. The test must connect to none of them, and must neither see
# the stand-in Orca (Orca would refuse to start) nor stop it. The stand-in
# lives in a world of its own, so the user's own Orca never meets it.
#   beside.py TEST [ARG...]
import os, shutil, socket, subprocess, sys, threading

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "support"))
from session import end_all, isolate

isolate()
run, home = os.environ["XDG_RUNTIME_DIR"], os.environ["HOME"]
reached = []


def serve(path, abstract=False):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    s = socket.socket(socket.AF_UNIX)
    s.bind(("\0" if abstract else "") + path)
    s.listen()
    threading.Thread(daemon=True, target=lambda: [reached.append(path) or c.close()
                                                  for c, _ in iter(s.accept, None)]).start()


env = dict(os.environ, DISPLAY=":7", WAYLAND_DISPLAY="wayland-0", XDG_SESSION_TYPE="wayland",
           DBUS_SESSION_BUS_ADDRESS=f"unix:path={run}/bus",
           AT_SPI_BUS_ADDRESS=f"unix:path={run}/at-spi/bus", PULSE_SERVER=f"unix:{run}/pulse/native",
           PIPEWIRE_REMOTE="pipewire-0", SPEECHD_ADDRESS=f"unix_socket:{run}/speechd.sock",
           XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share")
for path in ["bus", "at-spi/bus", "wayland-0", "pulse/native", "pipewire-0", "speechd.sock",
             "speech-dispatcher/speechd.sock"]:
    serve(os.path.join(run, path))
# An X server where the world has X sockets of its own (a tmpfs that isolate()
# mounted: where a plain chroot refused it, a socket left in the root's own
# folder would stand in the next test's way) and a network of its own.
if os.getpid() == 1:
    serve("/tmp/.X11-unix/X7", abstract=True)
    if "world /tmp/.X11-unix tmpfs" in open("/proc/self/mounts").read():
        serve("/tmp/.X11-unix/X7")
os.symlink(shutil.which("sleep"), f"{home}/orca")
orca = subprocess.Popen([f"{home}/orca", "infinity"])
try:
    status = subprocess.run(sys.argv[1:], env=env).returncode
    if orca.poll() is not None:
        status = print("the user's Orca is gone") or 1
    if reached:
        status = print(f"the test reached the user's session: {sorted(set(reached))}") or 1
finally:
    end_all()
sys.exit(status)
