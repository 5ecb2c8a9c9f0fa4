#!/usr/bin/env python3
"""The player end to end, as a person meets it: the real binary on Xvfb, its sound on a private
PulseAudio null sink whose monitor is recorded, the demo station server as its catalog host. Every
process it starts is stopped, also on failure. Standard library only; works as root and as a user.
Usage: playerendtoend.py PLAYER DEMO_SERVER_SCRIPT"""

import contextlib
import ctypes
import json
import math
import os
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True  # leave no cache folder in the source tree
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "demo"))
from tones import goertzel_power, zero_crossing_frequency  # noqa: E402

TIME_LIMIT = 270  # seconds for the whole test; CTest's own limit is a little longer
WINDOW_SIZE = (1180, 1300)  # tall enough to show the first rows below the Home hero picture
TOP_ROWS = 5
RATE = 16000  # the monitor is recorded as mono 16-bit at this rate
HEART, EMPTY_HEART = "\u2665", "\u2661"
SINK = "vello_e2e"
STARTED = time.monotonic()


class Failure(Exception):
    """A check failed: the message says what a person would have seen."""


def check(condition: bool, message: str) -> None:
    if not condition:
        raise Failure(message)


def wait_until(predicate, timeout: float, what: str, interval: float = 0.1):
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what() if callable(what) else what}")
        time.sleep(interval)
    return value


def rms(samples: list[int]) -> float:
    return math.sqrt(sum(sample * sample for sample in samples) / len(samples))


def log(message: str) -> None:
    print(f"[{time.monotonic() - STARTED:6.1f} s] {message}", flush=True)


# The environment without the desktop's own bus and sound server.
SESSIONLESS_ENV = {key: value for key, value in os.environ.items() if not key.startswith(("DBUS_", "PULSE_"))}


class Player:
    """One run of the player binary on the test's display, found and driven through its widgets."""

    def __init__(self, session: "Session", label: str) -> None:
        self.session, self.label = session, label
        self.socket_path, self.log_path = session.work / f"inspect-{label}.sock", session.work / f"player-{label}.log"
        env = {**SESSIONLESS_ENV, **session.pulse_env}
        env.update(DISPLAY=session.display, QT_QPA_PLATFORM="xcb", XDG_DATA_HOME=str(session.data_home),
                   XDG_CONFIG_HOME=str(session.config_home), XDG_CACHE_HOME=str(session.work / "cache"),
                   XDG_RUNTIME_DIR=str(session.runtime),
                   VELLO_TEST_INSPECT=str(self.socket_path))
        # libxkbcommon-x11 hands strndup() key names that are not NUL-terminated, which is legal
        # but trips AddressSanitizer's strict string checks as soon as Qt opens an X display.
        if "ASAN_OPTIONS" in env:
            env["ASAN_OPTIONS"] += ":strict_string_checks=0"
        self.process = session.spawn([session.binary, "--directory-server", session.directory_url],
                                     self.log_path, env=env)
        self.window_id = wait_until(self._first_window, 60, f"the {label} player's window")["windowId"]
        # A person would enlarge the window the same way: the whole of it on the screen, tall
        # enough that the top rows are not hidden behind the mini player.
        self.xdotool("windowmove", self.window_id, 0, 0)
        self.xdotool("windowsize", self.window_id, *WINDOW_SIZE)
        wait_until(lambda: (w := self.inspect()["windows"][0])["h"] == WINDOW_SIZE[1] and w["y"] == 0, 20,
                   "the window to move and grow")

    def _first_window(self):
        with contextlib.suppress(OSError, ValueError):  # still starting: the hook does not answer yet
            return next(iter(self.inspect()["windows"]), None)

    def inspect(self) -> dict:
        self.alive()
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as connection:
            connection.settimeout(10)
            connection.connect(str(self.socket_path))
            connection.sendall(b"widgets\n")
            with connection.makefile("rb") as answer:
                return json.loads(answer.readline())  # a cut-off answer does not parse

    def alive(self) -> None:
        check(self.process.poll() is None,
              f"the {self.label} player exited with status {self.process.returncode}:\n{self.log_tail()}")

    def log_tail(self) -> str:
        return self.log_path.read_text(errors="replace")[-3000:]

    def xdotool(self, *arguments) -> None:
        result = subprocess.run(["xdotool", *map(str, arguments)], capture_output=True, text=True, timeout=20,
                                env={**os.environ, "DISPLAY": self.session.display})
        check(result.returncode == 0, f"xdotool {' '.join(map(str, arguments))} failed: {result.stderr}")

    def rows(self) -> list[dict]:
        """The station rows in view, top to bottom: name, play and heart buttons."""
        widgets = self.inspect()["widgets"]
        rows = []
        for play in sorted((w for w in widgets if w["name"].startswith("Play ")), key=lambda w: (w["y"], w["x"])):
            name = play["name"][len("Play "):]
            middle = play["y"] + play["h"] / 2
            names = (f"Add {name} to favorites", f"Remove {name} from favorites")
            heart = next((w for w in widgets if w["name"] in names and abs(w["y"] + w["h"] / 2 - middle) < 39), None)
            rows.append({"name": name, "play": play, "heart": heart})
        return rows

    def click_row(self, index: int, part: str, what: str) -> None:
        """Clicks a part of the row at `index` once two looks agree where it is: a person aims at a
        widget that stands still, and so must the test."""
        seen = []

        def steady():
            widget = rows[index][part] if index < len(rows := self.rows()) else None
            seen.append(widget and (widget["x"], widget["y"], widget["w"], widget["h"]))
            return widget if seen[-1] and seen[-2:] == [seen[-1]] * 2 else None

        widget = wait_until(steady, 20, f"{what} standing still", interval=0.2)
        check(widget["reachable"], f"{what} is covered by something else")
        self.xdotool("mousemove", "--sync", widget["x"] + widget["w"] // 2, widget["y"] + widget["h"] // 2,
                     "click", "1")
        log(f"clicked {what}")


    def wait_for_top_rows(self, live: list[dict]) -> None:
        expected = [station["displayName"] for station in live[:TOP_ROWS]]
        wait_until(lambda: [row["name"] for row in self.rows()[:TOP_ROWS]] == expected, 60,
                   f"the {self.label} player to list {expected} on top")

    def hearts(self) -> dict[str, str]:
        return {row["name"]: row["heart"]["text"] for row in self.rows() if row["heart"]}

    def quit(self) -> None:
        """Quits as a person would, with Ctrl+Q in the focused window; fails if it does not end cleanly."""
        self.xdotool("windowfocus", self.window_id)
        self.xdotool("key", "--clearmodifiers", "ctrl+q")
        wait_until(lambda: self.process.poll() is not None, 30, f"the {self.label} player to quit on Ctrl+Q")
        check(self.process.returncode == 0,
              f"the {self.label} player quit with status {self.process.returncode}:\n{self.log_tail()}")


class Session:
    """Everything one test run starts: display, sound server, its recording and the demo server.
    Each process runs in a process group of its own, and stop_all() ends them all, newest first."""

    def __init__(self, work: Path, binary: Path, demo_server: Path) -> None:
        self.work, self.binary, self.demo_server, self.running = work, binary, demo_server, []
        self.data_home, self.config_home, self.runtime, self.state = (work / name for name in
                                                                      ("data", "config", "runtime", "demo"))
        for folder in (self.data_home, self.config_home, self.runtime):
            folder.mkdir(mode=0o700)
        self.demo_running = False

    def spawn(self, command: list, log_path: Path, env: dict | None = None, **options) -> subprocess.Popen:
        with open(log_path, "ab") as log_file:
            options.setdefault("stdout", log_file)
            process = subprocess.Popen([str(part) for part in command], stdin=subprocess.DEVNULL,
                                       stderr=log_file, env=env, start_new_session=True, **options,
                                       # Should the test be killed outright, its children go with it.
                                       preexec_fn=lambda: ctypes.CDLL(None).prctl(1, signal.SIGKILL))
        self.running.append(process)
        return process

    def stop_all(self) -> None:
        for process in reversed(self.running):
            for number, grace in ((signal.SIGTERM, 5), (signal.SIGKILL, 10)):
                with contextlib.suppress(OSError, subprocess.TimeoutExpired):
                    os.killpg(process.pid, number)
                    process.wait(grace)

    def start(self) -> None:
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", write_end, "-screen", "0", "1600x1400x24", "-nolisten", "tcp", "-noreset"],
                   self.work / "xvfb.log", pass_fds=(write_end,))
        os.close(write_end)
        with os.fdopen(read_end) as pipe:  # Xvfb writes its number once it is ready, or closes it exiting
            number = pipe.readline().strip()
        check(number.isdigit(), f"Xvfb did not name its display: {(self.work / 'xvfb.log').read_text(errors='replace')}")
        self.display = f":{number}"
        self.start_pulse()
        # The null sink's monitor, recorded without pause (the whole run is a few megabytes).
        self.recording = self.work / "monitor.raw"
        with open(self.recording, "wb") as recording:
            self.spawn(["parec", "-d", f"{SINK}.monitor", "--raw", "--format=s16le", f"--rate={RATE}", "--channels=1",
                        "--latency-msec=20"], self.work / "parec.log", env={**os.environ, **self.pulse_env},
                       stdout=recording)
        self.listen(0.1, timeout=30)  # the first bytes prove the recording runs before anything plays
        self.demo("start", 120)
        self.directory_url = (self.state / "directory-url").read_text().strip()
        self.live = json.loads((self.state / "live-stations.json").read_text())

    def start_pulse(self) -> None:
        """A private PulseAudio server with one null sink; pulse_env is what its clients need to reach it."""
        home = self.work / "pulse"  # its home, configuration and runtime folder all in one
        home.mkdir(mode=0o700)
        socket_path, log_path = home / "native", self.work / "pulseaudio.log"
        # Clients must never start a server of their own behind the test's back.
        (self.work / "pulse-client.conf").write_text("autospawn = no\n")
        self.pulse_env = {"PULSE_SERVER": f"unix:{socket_path}", "PULSE_SINK": SINK,
                          "PULSE_CLIENTCONFIG": str(self.work / "pulse-client.conf")}
        # As root PulseAudio warns that it is meant for --system but runs all the same; system
        # mode would need a pulse user and D-Bus, so the per-user mode is used everywhere. The
        # sink is loaded first, so it is there once the socket is.
        process = self.spawn([
            "pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1", "--disallow-exit",
            f"--load=module-null-sink sink_name={SINK} rate=44100",
            f"--load=module-native-protocol-unix socket={socket_path} auth-anonymous=1", "--log-target=stderr"],
            log_path, env={**SESSIONLESS_ENV, "HOME": str(home), "XDG_RUNTIME_DIR": str(home),
                           "XDG_CONFIG_HOME": str(home)})

        def answers() -> bool:
            check(process.poll() is None, f"PulseAudio exited: {log_path.read_text(errors='replace')[-800:]}")
            return socket_path.exists()

        wait_until(answers, 30, "PulseAudio to answer")

    def demo(self, command: str, timeout: float) -> None:
        self.demo_running = command == "start"  # once asked to stop, it is not asked again
        result = subprocess.run([self.demo_server, command, self.state], capture_output=True, text=True,
                                timeout=timeout)
        check(result.returncode == 0, f"the demo server did not {command}: {result.stderr[-2000:]}")

    def listen(self, seconds: float, timeout: float = 15) -> list[int]:
        """The next `seconds` of sound on the monitor, as it arrives."""
        wanted, start = int(seconds * RATE) * 2, self.recording.stat().st_size // 2 * 2
        wait_until(lambda: self.recording.stat().st_size >= start + wanted, timeout, "the recording of the monitor")
        with open(self.recording, "rb") as recording:
            recording.seek(start)
            data = recording.read(wanted)
        return list(struct.unpack(f"<{len(data) // 2}h", data))

    def wait_for_tone(self, station: dict, timeout: float = 45) -> None:
        """Waits until the sink plays `station`: loud, at its frequency, and the strongest of the tones."""
        candidates, heard, wanted = [live["frequency"] for live in self.live], [], station["frequency"]

        def hears_it():
            samples = self.listen(1.0)
            loudness = rms(samples)
            heard.append({"rms": round(loudness), "hz": round(zero_crossing_frequency(samples, RATE), 1),
                          "strongest": max(candidates, key=lambda c: goertzel_power(samples, c, RATE))})
            return loudness > 300 and heard[-1]["strongest"] == wanted and abs(heard[-1]["hz"] - wanted) <= 5

        wait_until(hears_it, timeout, lambda: f"{station['displayName']!r} to sound at {wanted} Hz; the sink carried "
                   f"{heard[-3:]}", interval=0)
        log(f"heard {station['displayName']!r}: {heard[-1]}")


def run(session: Session) -> None:
    """Lists the top stations, plays one and hears its tone, pauses it live and plays on from the
    place, goes live, and makes another a favourite. Started again with the directory server gone,
    the player lists the stations it keeps, the favourite too, and a play that fails leaves the
    window answering."""
    live = session.live
    player = Player(session, "first")
    player.wait_for_top_rows(live)
    player.click_row(TOP_ROWS - 1, "play", f"Play on {live[TOP_ROWS - 1]['displayName']!r}")
    session.wait_for_tone(live[TOP_ROWS - 1])
    # Space pauses live: the sink falls silent while the mini player counts how far behind live it
    # is. Space again sounds the station from its place, still behind; "Go Live" comes back to now.
    def behind_live():
        return next((w for w in player.inspect()["widgets"] if w["name"].endswith(" behind live")), None)

    player.xdotool("key", "--clearmodifiers", "space")
    wait_until(lambda: rms(session.listen(0.5)) < 300, 10, "the sink to fall silent on Space")
    wait_until(lambda: (w := behind_live()) and w["text"] >= "\u22120:03", 15, "the mini player to count 3 s behind")
    player.xdotool("key", "--clearmodifiers", "space")
    session.wait_for_tone(live[TOP_ROWS - 1])
    check(behind_live() is not None, "playing on after a pause went live instead of on from the place")
    go_live = next(w for w in player.inspect()["widgets"] if w["name"] == "Go Live")
    player.xdotool("mousemove", "--sync", go_live["x"] + go_live["w"] // 2, go_live["y"] + go_live["h"] // 2,
                   "click", "1")
    wait_until(lambda: behind_live() is None, 10, "Go Live to leave nothing behind")
    session.wait_for_tone(live[TOP_ROWS - 1])
    favourite = live[1]["displayName"]
    player.click_row(next(i for i, row in enumerate(player.rows()) if row["name"] == favourite), "heart",
                     f"the heart of {favourite!r}")
    wait_until(lambda: player.hearts().get(favourite) == HEART, 20, f"the heart of {favourite!r} to fill")
    kept = session.work / "cache" / "PembaVello" / "kept"
    check(any(path.is_file() for path in kept.rglob("*")), f"nothing of the station playing was kept in {kept}")
    player.quit()
    check(not any(path.is_file() for path in kept.rglob("*")), f"quitting left the stream kept in {kept}")

    session.demo("stop", 60)
    player = Player(session, "offline")
    player.wait_for_top_rows(live)
    hearts = player.hearts()
    check(hearts.get(favourite) == HEART and hearts.get(live[0]["displayName"]) == EMPTY_HEART,
          f"after a restart the hearts show {hearts}")
    # A play with the server gone fails out of sight: the window keeps answering at once, opens no
    # dialog, and the sink stays silent.
    player.click_row(0, "play", f"Play on {live[0]['displayName']!r} with the server gone")
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline:
        asked = time.monotonic()
        windows = player.inspect()["windows"]
        check(time.monotonic() - asked < 2.0, "the window took over 2 s to answer after a failing play")
        check(len(windows) == 1, f"a failing play opened a window: {windows[1:]}")
        samples = session.listen(0.25)
        check(rms(samples) < 300, "a station with its server gone made sound")
    player.quit()


def main() -> int:
    player, demo_server = (Path(argument).resolve() for argument in sys.argv[1:3])

    def give_up(number, _frame):
        raise Failure(f"stopped by signal {number}" if number != signal.SIGALRM else
                      f"the test took longer than {TIME_LIMIT} s")

    for number in (signal.SIGALRM, signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, give_up)
    signal.alarm(TIME_LIMIT)

    work = Path(tempfile.mkdtemp(prefix="vello-e2e-"))
    session = Session(work, player, demo_server)
    try:
        session.start()
        run(session)
    except (Failure, OSError, ValueError, KeyError, subprocess.TimeoutExpired) as error:
        # A missing tool shows here too: scripts/install-deps.sh installs them.
        print(f"FAILED: {error}\nlogs kept in {work}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            signal.signal(number, signal.SIG_IGN)
        try:
            if session.demo_running:
                session.demo("stop", 60)
        finally:
            session.stop_all()
    log(f"all checks passed in {time.monotonic() - STARTED:.1f} s")
    shutil.rmtree(work, ignore_errors=True)
    return 0

if __name__ == "__main__":
    sys.exit(main())
