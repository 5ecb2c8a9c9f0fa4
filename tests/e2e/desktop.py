"""A private desktop for the end-to-end test: a virtual X display, a PulseAudio server with only a
null sink, a recorder on its monitor, and bookkeeping that stops every process it started.
Standard library only; works as root (CI) and as an ordinary user."""

import ctypes
import json
import math
import os
import signal
import socket
import struct
import subprocess
import sys
import threading
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "demo"))
from tones import goertzel_power, zero_crossing_frequency  # noqa: E402

RATE = 16000  # the monitor is recorded as mono 16-bit at this rate
PR_SET_PDEATHSIG = 1


class Failure(Exception):
    """A check failed: the message says what a person would have seen."""


def check(condition: bool, message: str) -> None:
    if not condition:
        raise Failure(message)


def wait_until(predicate, timeout: float, what: str, interval: float = 0.1):
    """Polls `predicate` until it returns something truthy, and returns that."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


try:
    _prctl = ctypes.CDLL(None, use_errno=True).prctl
except (OSError, AttributeError):  # not Linux
    _prctl = None


def _die_with_parent() -> None:
    # Should the test itself be killed outright, its children go with it instead of lingering.
    if _prctl is not None:
        _prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


class Processes:
    """Starts processes in their own process groups and stops every one of them, newest first."""

    def __init__(self) -> None:
        self._running: list[tuple[str, subprocess.Popen]] = []

    def start(self, name: str, command: list, log: Path, env: dict | None = None, **options) -> subprocess.Popen:
        with open(log, "ab") as log_file:
            options.setdefault("stdout", log_file)
            process = subprocess.Popen([str(part) for part in command], stdin=subprocess.DEVNULL,
                                       stderr=log_file, env=env, start_new_session=True,
                                       preexec_fn=_die_with_parent, **options)
        self._running.append((name, process))
        return process

    def stop(self, process: subprocess.Popen, grace: float = 5.0) -> int:
        """Asks the process (and its group) to end, then forces it; returns its exit status."""
        if process.poll() is None:
            self._signal(process, signal.SIGTERM)
            try:
                process.wait(grace)
            except subprocess.TimeoutExpired:
                self._signal(process, signal.SIGKILL)
                process.wait(10)
        else:
            # The leader is gone; anything it left in its group goes too.
            self._signal(process, signal.SIGKILL)
        self._running = [(name, other) for name, other in self._running if other is not process]
        return process.returncode

    def stop_all(self) -> None:
        for _, process in reversed(list(self._running)):
            try:
                self.stop(process)
            except (OSError, subprocess.TimeoutExpired):
                pass

    @staticmethod
    def _signal(process: subprocess.Popen, number: int) -> None:
        try:
            os.killpg(process.pid, number)
        except (ProcessLookupError, PermissionError):
            pass


def start_display(processes: Processes, work: Path) -> str:
    """Starts Xvfb on a display number it picks as free itself; returns ":N"."""
    read_end, write_end = os.pipe()
    processes.start("Xvfb", ["Xvfb", "-displayfd", write_end, "-screen", "0", "1600x1400x24", "-nolisten", "tcp",
                             "-noreset"], work / "xvfb.log", pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as pipe:  # Xvfb writes its number once it is ready, or closes it exiting
        number = pipe.readline().strip()
    check(number.isdigit(), f"Xvfb did not name its display: {(work / 'xvfb.log').read_text(errors='replace')}")
    return f":{number}"


class PulseServer:
    """A private PulseAudio server with one null sink; clients reach it through `client_env`."""

    SINK = "vello_e2e"

    def __init__(self, processes: Processes, work: Path) -> None:
        home = work / "pulse-home"
        runtime = work / "pulse-runtime"
        for folder in (home, runtime):
            folder.mkdir(mode=0o700, exist_ok=True)
        self.socket_path = runtime / "native"
        client_config = work / "pulse-client.conf"
        # Clients must never start a server of their own behind the test's back.
        client_config.write_text("autospawn = no\n")
        self.client_env = {"PULSE_SERVER": f"unix:{self.socket_path}", "PULSE_CLIENTCONFIG": str(client_config),
                           "PULSE_SINK": self.SINK}
        env = {key: value for key, value in os.environ.items() if not key.startswith(("DBUS_", "PULSE_"))}
        env.update(HOME=str(home), XDG_RUNTIME_DIR=str(runtime), XDG_CONFIG_HOME=str(home))
        # As root PulseAudio warns that it is meant for --system but runs all the same; system
        # mode would need a pulse user and D-Bus, so the per-user mode is used everywhere.
        self._log = work / "pulseaudio.log"
        self.process = processes.start("pulseaudio", [
            "pulseaudio", "-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1", "--disallow-exit",
            f"--load=module-native-protocol-unix socket={self.socket_path} auth-anonymous=1",
            f"--load=module-null-sink sink_name={self.SINK} rate=44100",
            "--log-target=stderr"], self._log, env=env)
        wait_until(self._answers, 30, "PulseAudio to answer")

    def _answers(self) -> bool:
        check(self.process.poll() is None, f"PulseAudio exited: {self._log.read_text(errors='replace')[-800:]}")
        if not self.socket_path.exists():
            return False
        result = subprocess.run(["pactl", "list", "short", "sinks"], capture_output=True, text=True,
                                env={**os.environ, **self.client_env}, timeout=10)
        return result.returncode == 0 and self.SINK in result.stdout


class Recorder:
    """Records the null sink's monitor without pause, keeping its last ten seconds."""

    def __init__(self, processes: Processes, work: Path, pulse: PulseServer) -> None:
        self._condition = threading.Condition()
        self._data = bytearray()
        self._dropped = 0  # bytes received before the first one kept
        self._ended = False
        self.process = processes.start("parec", [
            "parec", "-d", f"{pulse.SINK}.monitor", "--raw", "--format=s16le", f"--rate={RATE}", "--channels=1",
            "--latency-msec=20"], work / "parec.log", env={**os.environ, **pulse.client_env},
            stdout=subprocess.PIPE)
        threading.Thread(target=self._read, name="monitor-recorder", daemon=True).start()
        # The first bytes prove the recording runs before anything is played.
        self.listen(0.1, timeout=30)

    def _read(self) -> None:
        while chunk := self.process.stdout.read1(65536):
            with self._condition:
                self._data += chunk
                if (excess := len(self._data) - 10 * RATE * 2) > 0:
                    del self._data[:excess]
                    self._dropped += excess
                self._condition.notify_all()
        with self._condition:
            self._ended = True
            self._condition.notify_all()

    def listen(self, seconds: float, timeout: float = 15) -> list[int]:
        """The next `seconds` of sound on the monitor, as it arrives."""
        wanted = int(seconds * RATE) * 2
        with self._condition:
            start = self._dropped + len(self._data)
            ready = self._condition.wait_for(
                lambda: self._ended or self._dropped + len(self._data) >= start + wanted, timeout)
            check(ready and not self._ended, "the recording of the null sink's monitor stopped")
            data = bytes(self._data[start - self._dropped:start - self._dropped + wanted])
        return list(struct.unpack(f"<{len(data) // 2}h", data))


class Tone:
    """What one stretch of recorded sound contains: loudness, frequency, the strongest candidate."""

    def __init__(self, samples: list[int], candidates: list[int]) -> None:
        self.rms = math.sqrt(sum(sample * sample for sample in samples) / max(1, len(samples)))
        self.frequency = zero_crossing_frequency(samples, RATE) if self.rms > 50 else 0.0
        powers = {tone: goertzel_power(samples, tone, RATE) for tone in candidates}
        self.strongest = max(powers, key=powers.get) if powers and self.rms > 50 else None

    def matches(self, expected: int, tolerance: float = 5.0) -> bool:
        return self.rms > 300 and self.strongest == expected and abs(self.frequency - expected) <= tolerance

    def __str__(self) -> str:
        return f"{self.frequency:.1f} Hz (RMS {self.rms:.0f}, strongest candidate {self.strongest})"


def inspect(socket_path: Path, timeout: float = 10.0) -> tuple[dict, float]:
    """Asks the player's inspection hook for its widgets; returns the answer and the seconds it took."""
    started = time.monotonic()
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as connection:
        connection.settimeout(timeout)
        connection.connect(str(socket_path))
        connection.sendall(b"widgets\n")
        data = b""
        while not data.endswith(b"\n"):
            chunk = connection.recv(1 << 16)
            if not chunk:
                break
            data += chunk
    check(data.endswith(b"\n"), "the inspection hook closed without a whole answer")
    return json.loads(data), time.monotonic() - started
