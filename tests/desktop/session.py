"""A throwaway desktop session for tests: Xvfb, a D-Bus session bus and the
accessibility bus, each started here and ended here by PID, with whatever
they started in turn."""

import os
import shutil
import signal
import subprocess
import tempfile
import time


def _children(pid):
    """PIDs whose parent is `pid`, read from /proc."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                # The command name is in parentheses and may hold blanks.
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[1]) == pid:
            found.append(int(entry))
    return found


def _descendants(pid):
    result = []
    for child in _children(pid):
        result.extend(_descendants(child))
        result.append(child)
    return result


class Session:
    """Use as a context manager; `env` is the environment for programs run
    inside the session."""

    def __init__(self, screen="1024x768x24", window_manager=None):
        """`window_manager`, if given, is the command of one, run on the
        session's screen: windows then get frames, placement and the
        minimize and activate requests a desktop answers."""
        self.screen = screen
        self.window_manager = window_manager
        self.pids = []  # everything started here, ended in reverse order
        self.env = dict(os.environ)
        # A runtime folder of its own, where the buses put their sockets.
        self.runtime = tempfile.mkdtemp(prefix="tachoria-session-")
        self.env["XDG_RUNTIME_DIR"] = self.runtime

    def __enter__(self):
        try:
            self._start_x()
            if self.window_manager:
                self._start_window_manager()
            self._start_dbus()
            self._start_accessibility_bus()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def start(self, argv, **kwargs):
        """Starts a program inside the session; it is ended with the session."""
        process = subprocess.Popen(argv, env=kwargs.pop("env", self.env), **kwargs)
        self.pids.append(process.pid)
        return process

    def _start_x(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.screen, "-nolisten", "tcp"],
            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        self.pids.append(xvfb.pid)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env["DISPLAY"] = ":" + display
        self.env.pop("WAYLAND_DISPLAY", None)

    def _start_window_manager(self):
        manager = self.start(self.window_manager, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        # A manager that follows the desktop's conventions says so on the
        # root window once it manages the screen.
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            if manager.poll() is not None:
                raise RuntimeError(f"{self.window_manager[0]} ended at start")
            reply = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                   capture_output=True, text=True)
            if "window id" in reply.stdout:
                return
            time.sleep(0.1)
        raise RuntimeError(f"{self.window_manager[0]} did not start")

    def _start_dbus(self):
        dbus = subprocess.run(
            ["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
            env=self.env, check=True, capture_output=True, text=True)
        address, pid = dbus.stdout.split()[:2]
        self.pids.append(int(pid))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _start_accessibility_bus(self):
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # The launcher answers on the session bus once the bus is up.
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            reply = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                 "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True, text=True)
            if reply.returncode == 0:
                return
            time.sleep(0.1)
        raise RuntimeError("the accessibility bus did not start")

    def close(self):
        for pid in reversed(self.pids):
            for victim in _descendants(pid) + [pid]:
                try:
                    os.kill(victim, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        deadline = time.monotonic() + 5
        for pid in reversed(self.pids):
            while time.monotonic() < deadline:
                try:
                    finished, _ = os.waitpid(pid, os.WNOHANG)
                except ChildProcessError:
                    break  # not our child (the forked D-Bus daemon), or reaped
                if finished:
                    break
                time.sleep(0.05)
        self.pids.clear()
        shutil.rmtree(self.runtime, ignore_errors=True)
