#!/usr/bin/env python3
"""Peak memory of the real application against hostile servers on loopback.

    bench/attackbench.py APP SCENARIO

SCENARIO is one of:
  endless  the catalog is a chunked body that never ends;
  bomb     the catalog is 1 GiB of spaces gzipped into about 1 MB;
  logos    a catalog of 30 stations whose six best-ranked logos drip a byte a second and whose
           other 24 are good PNGs.

The application runs with empty data, settings and cache folders (so no cached catalog), on
Qt's offscreen platform, or on X when DISPLAY is set (run it under xvfb-run with a tall screen
for the logos, so a screen of rows shows below the hero); it is ended once the attack is over
and its peak has settled. Prints the peak resident set (VmHWM), and for the logos the time from
the catalog's delivery until the last good logo was served.
"""

import gzip
import io
import json
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

DRIPPING = 6
GOOD = 24


def png(hue: int) -> bytes:
    """A 64 × 64 logo of one colour."""
    def chunk(kind: bytes, data: bytes) -> bytes:
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    pixel = bytes(((hue * 37) % 256, (hue * 91) % 256, (hue * 53) % 256))
    raw = b"".join(b"\x00" + pixel * 64 for _ in range(64))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 64, 64, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def gzip_bomb() -> bytes:
    out = io.BytesIO()
    with gzip.GzipFile(fileobj=out, mode="wb", compresslevel=9) as stream:
        block = b" " * (1 << 20)
        for _ in range(1024):
            stream.write(block)
    return out.getvalue()


class State:
    def __init__(self) -> None:
        self.lock = threading.Lock()
        self.catalog_served: float | None = None
        self.good_served: dict[str, float] = {}
        self.attack_over: float | None = None
        self.sent = 0
        self.bomb = b""
        self.port = 0
        # Each dripping logo has a server of its own, as on the internet: Qt keeps at most six
        # connections to one host.
        self.drip_ports: list[int] = []

    def catalog(self) -> bytes:
        stations = []
        for index in range(DRIPPING + GOOD):
            dripping = index < DRIPPING
            logo = (f"http://127.0.0.1:{self.drip_ports[index]}/drip/{index}.png" if dripping
                    else f"http://127.0.0.1:{self.port}/logo/{index}.png")
            stations.append({
                "stationuuid": f"s{index}", "name": f"Station {index:02d}",
                "url": f"http://127.0.0.1:{self.port}/stream/{index}",
                "favicon": logo,
                "votes": 100000 - index, "clickcount": 0, "country": "Nowhere", "tags": "test",
            })
        return json.dumps(stations).encode()


def handler_for(state: State, scenario: str):
    class Handler(BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *_args) -> None:
            pass

        def head(self, code: int, headers: dict) -> None:
            self.send_response(code)
            for name, value in headers.items():
                self.send_header(name, value)
            self.send_header("Connection", "close")
            self.end_headers()

        def do_GET(self) -> None:  # noqa: N802 (the server's own name)
            try:
                self.answer()
            except (BrokenPipeError, ConnectionResetError):
                pass
            finally:
                if self.path == "/stations_filtered.json" and scenario != "logos":
                    with state.lock:
                        state.attack_over = time.monotonic()

        def answer(self) -> None:
            if self.path == "/stations_filtered.json":
                if scenario == "endless":
                    self.head(200, {"Content-Type": "application/json", "Transfer-Encoding": "chunked"})
                    chunk = b"[" + b" " * (64 * 1024 - 1)
                    framed = b"%x\r\n" % len(chunk) + chunk + b"\r\n"
                    while True:
                        self.wfile.write(framed)
                        state.sent += len(chunk)
                elif scenario == "bomb":
                    self.head(200, {"Content-Type": "application/json", "Content-Encoding": "gzip",
                                    "Content-Length": str(len(state.bomb))})
                    self.wfile.write(state.bomb)
                    state.sent = len(state.bomb)
                    self.wfile.flush()
                    self.rfile.read()  # until the application has it all
                else:
                    body = state.catalog()
                    self.head(200, {"Content-Type": "application/json", "Content-Length": str(len(body))})
                    self.wfile.write(body)
                    with state.lock:
                        state.catalog_served = time.monotonic()
            elif self.path.startswith("/drip/"):
                self.head(200, {"Content-Type": "image/png", "Content-Length": "100000"})
                for _ in range(100000):
                    self.wfile.write(b"\x89")
                    self.wfile.flush()
                    time.sleep(1)
            elif self.path.startswith("/logo/"):
                body = png(int(self.path.split("/")[2].split(".")[0]))
                self.head(200, {"Content-Type": "image/png", "Content-Length": str(len(body))})
                self.wfile.write(body)
                with state.lock:
                    state.good_served[self.path] = time.monotonic()
            else:
                self.head(404, {"Content-Length": "0"})

    return Handler


def status_kb(pid: int, field: str = "VmHWM") -> int:
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def main() -> int:
    if len(sys.argv) != 3 or sys.argv[2] not in ("endless", "bomb", "logos"):
        print(__doc__, file=sys.stderr)
        return 2
    app, scenario = sys.argv[1], sys.argv[2]
    state = State()
    if scenario == "bomb":
        state.bomb = gzip_bomb()
    servers = [ThreadingHTTPServer(("127.0.0.1", 0), handler_for(state, scenario))
               for _ in range(1 + (DRIPPING if scenario == "logos" else 0))]
    for server in servers:
        server.daemon_threads = True
        threading.Thread(target=server.serve_forever, daemon=True).start()
    state.port = servers[0].server_address[1]
    state.drip_ports = [server.server_address[1] for server in servers[1:]]

    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=home, XDG_DATA_HOME=f"{home}/data",
                   XDG_CONFIG_HOME=f"{home}/config", XDG_CACHE_HOME=f"{home}/cache",
                   XDG_RUNTIME_DIR=home)
        started = time.monotonic()
        # Under Xvfb (see the module's text) a tall window shows a screen of rows below the hero.
        platform = ["-geometry", "1200x2200"] if os.environ.get("DISPLAY") else []
        if platform:
            del env["QT_QPA_PLATFORM"]
        process = subprocess.Popen([app, *platform,
                                    "--catalog-url", f"http://127.0.0.1:{state.port}/stations_filtered.json"],
                                   env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        peak = 0
        ended = None
        resident = 0
        last_rise = started
        try:
            while time.monotonic() - started < 60 and process.poll() is None:
                now_peak = status_kb(process.pid)
                if now_peak > peak:
                    peak, last_rise = now_peak, time.monotonic()
                with state.lock:
                    over = state.attack_over
                    # The wire may be done long before the inflating is: wait for the peak to settle.
                    done = (over is not None and time.monotonic() - max(over, last_rise) > 5) or (
                        scenario == "logos" and state.catalog_served is not None
                        and time.monotonic() - state.catalog_served > 10)
                if done:
                    break
                time.sleep(0.05)
            peak = max(peak, status_kb(process.pid))
            ended = process.poll()
            resident = status_kb(process.pid, "VmRSS") if ended is None else 0
        finally:
            process.send_signal(signal.SIGTERM)
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
        for server in servers:
            server.shutdown()
        errors = process.stderr.read().decode(errors="replace")
    if ended is not None:
        print(f"the application ended by itself with {ended}: {errors[-500:]}")

    print(f"scenario {scenario}: peak RSS (VmHWM) {peak / 1024:.0f} MB, at the end (VmRSS) {resident / 1024:.0f} MB")
    if scenario != "logos":
        print(f"  body sent: {state.sent / (1 << 20):.0f} MB on the wire")
    else:
        served = sorted(state.good_served.values())
        last = served[-1] - state.catalog_served if served and state.catalog_served else float("nan")
        print(f"  good logos served: {len(served)} of {GOOD}, the last {last:.2f} s after the catalog")
    return 0


if __name__ == "__main__":
    sys.exit(main())
