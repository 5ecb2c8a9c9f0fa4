#!/usr/bin/env python3
"""Notifications and CPU time of the real application while a station changes its title every
100 ms.

    dbus-run-session -- xvfb-run -a python3 bench/titleratebench.py APP [SECONDS]

A station on loopback sends MP3 at 128 kbps with an ICY title block every 1,600 bytes, that is
every 100 ms, each with a new title. The application plays it (asked through MPRIS) with "Notify
when the song changes" on and its window not the active one (the X input focus is given to the
root window), and again with the option off. dbus-monitor counts the Notify calls it makes on the
private session bus; no notification server answers them, so each call fails at once and the
application's own work is what is measured. Prints, for each run of SECONDS (60 unless given)
from the first byte of the stream: the titles sent, the Notify calls and the CPU time the
application used.
"""

import os
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from pathlib import Path

BYTES_PER_SECOND = 16000  # 128 kbps
META_INTERVAL = 1600  # bytes of audio between title blocks: one every 100 ms
BURST_SECONDS = 2  # sent at once, as Icecast's burst does, so that the stream starts promptly
MPRIS = ["gdbus", "call", "--session", "--dest", "org.mpris.MediaPlayer2.pembavello",
         "--object-path", "/org/mpris/MediaPlayer2"]


def logo() -> bytes:
    """A 64 × 64 PNG of one colour, so that each notice carries an image as a real one does."""
    def chunk(kind: bytes, data: bytes) -> bytes:
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\x00" + b"\x30\x90\xd0" * 64 for _ in range(64))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 64, 64, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def mp3(folder: Path) -> bytes:
    """Ten seconds of a 440 Hz tone as constant-bitrate MP3, looped by the station."""
    path = folder / "tone.mp3"
    subprocess.run(["gst-launch-1.0", "-q", "audiotestsrc", "wave=sine", "freq=440", "num-buffers=430", "!",
                    "audioconvert", "!", "lamemp3enc", "target=bitrate", "bitrate=128", "cbr=true", "!",
                    "filesink", f"location={path}"], check=True)
    return path.read_bytes()


class Station:
    def __init__(self, audio: bytes) -> None:
        self.audio = audio
        self.port = 0
        self.titles_sent = 0
        self.stream_started: float | None = None
        self.stop = threading.Event()

    def catalog(self) -> bytes:
        return (f'[{{"stationuuid": "rapid", "name": "Rapid FM", "url": "http://127.0.0.1:{self.port}/live",'
                f' "favicon": "http://127.0.0.1:{self.port}/logo.png", "votes": 1}}]').encode()

    def title_block(self) -> bytes:
        self.titles_sent += 1
        text = f"StreamTitle='Song number {self.titles_sent}';".encode()
        length = (len(text) + 15) // 16
        return bytes([length]) + text.ljust(length * 16, b"\0")

    def stream(self, out) -> None:
        if self.stream_started is None:
            self.stream_started = time.monotonic()
        started = time.monotonic()
        at = 0
        block = 0
        while not self.stop.is_set():
            due = started + block * META_INTERVAL / BYTES_PER_SECOND - BURST_SECONDS
            if due > time.monotonic():
                time.sleep(due - time.monotonic())
            piece = self.audio[at:at + META_INTERVAL]
            if len(piece) < META_INTERVAL:
                piece += self.audio[:META_INTERVAL - len(piece)]
            at = (at + META_INTERVAL) % len(self.audio)
            out.write(piece + self.title_block())
            block += 1


def handler_for(station: Station):
    class Handler(BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.0"

        def log_message(self, *_args) -> None:
            pass

        def do_GET(self) -> None:  # noqa: N802 (the server's own name)
            try:
                if self.path == "/stations.json":
                    self.reply(station.catalog(), "application/json")
                elif self.path == "/logo.png":
                    self.reply(logo(), "image/png")
                elif self.path == "/live":
                    self.send_response(200)
                    self.send_header("Content-Type", "audio/mpeg")
                    self.send_header("icy-name", "Rapid FM")
                    if self.headers.get("Icy-MetaData") == "1":
                        self.send_header("icy-metaint", str(META_INTERVAL))
                    self.end_headers()
                    station.stream(self.wfile)
                else:
                    self.send_error(404)
            except (BrokenPipeError, ConnectionResetError):
                pass

        def reply(self, body: bytes, kind: str) -> None:
            self.send_response(200)
            self.send_header("Content-Type", kind)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)

    return Handler


def cpu_seconds(pid: int) -> float:
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def wait_until(predicate, timeout: float, what: str) -> None:
    deadline = time.monotonic() + timeout
    while not predicate():
        if time.monotonic() > deadline:
            raise SystemExit(f"timed out waiting for {what}")
        time.sleep(0.1)


def run(app: str, seconds: float, audio: bytes, notify: bool) -> tuple[int, int, float]:
    station = Station(audio)
    server = ThreadingHTTPServer(("127.0.0.1", 0), handler_for(station))
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    station.port = server.server_address[1]
    monitor = subprocess.Popen(["dbus-monitor", "--session",
                                "type='method_call',interface='org.freedesktop.Notifications'"],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    notifies: list[float] = []
    threading.Thread(target=lambda: [notifies.append(time.monotonic()) for line in monitor.stdout
                                     if "member=Notify" in line], daemon=True).start()
    with tempfile.TemporaryDirectory() as home:
        config = Path(home, "config", "PembaVello")
        config.mkdir(parents=True)
        (config / "PembaVello.conf").write_text(f"[General]\nnotifySongChanges={'true' if notify else 'false'}\n")
        env = dict(os.environ, HOME=home, XDG_DATA_HOME=f"{home}/data", XDG_CONFIG_HOME=f"{home}/config",
                   XDG_CACHE_HOME=f"{home}/cache", XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb")
        process = subprocess.Popen([app, "--catalog-url", f"http://127.0.0.1:{station.port}/stations.json"],
                                   env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_until(lambda: subprocess.run(MPRIS + ["--method", "org.freedesktop.DBus.Properties.Get",
                                                       "org.mpris.MediaPlayer2.Player", "CanPlay"],
                                              capture_output=True, text=True).stdout.startswith("(<true>"),
                       30, "the catalog")
            # Nothing else takes the focus on a bare X server: give it to the root window.
            subprocess.run(["xdotool", "windowfocus", "--sync", subprocess.run(
                ["xwininfo", "-root"], capture_output=True, text=True).stdout.split()[3]], check=True)
            subprocess.run(MPRIS + ["--method", "org.mpris.MediaPlayer2.Player.Play"], check=True,
                           capture_output=True)
            wait_until(lambda: station.stream_started is not None, 30, "the stream")
            cpu_before = cpu_seconds(process.pid)
            end = station.stream_started + seconds
            time.sleep(max(0.0, end - time.monotonic()))
            cpu = cpu_seconds(process.pid) - cpu_before
            titles = station.titles_sent
            calls = sum(1 for moment in notifies if station.stream_started <= moment <= end)
        finally:
            station.stop.set()
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
            monitor.terminate()
            server.shutdown()
    return titles, calls, cpu


def main() -> int:
    if len(sys.argv) not in (2, 3) or not os.environ.get("DISPLAY") or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        print(__doc__, file=sys.stderr)
        return 2
    app = sys.argv[1]
    seconds = float(sys.argv[2]) if len(sys.argv) == 3 else 60.0
    with tempfile.TemporaryDirectory() as folder:
        audio = mp3(Path(folder))
    for notify in (True, False):
        titles, calls, cpu = run(app, seconds, audio, notify)
        print(f"notifications {'on ' if notify else 'off'}: {titles} titles in {seconds:.0f} s, "
              f"{calls} Notify calls, {cpu:.2f} s of CPU")
    return 0


if __name__ == "__main__":
    sys.exit(main())
