#!/usr/bin/env python3
"""The local demo station server: Icecast with live tones, a catalog and logos on loopback.

    demoserver.py start STATE_DIR   returns once every stream plays and the catalog is served
    demoserver.py stop STATE_DIR    ends every process that start began, and waits for them

STATE_DIR receives the pids, the logs, the generated Icecast configuration, `catalog-url` and
`directory-url` (one line each), `live-stations.json` (which station plays which tone) and
`plays.log` (the plays the player counted); see README.md beside this file.
"""

import concurrent.futures
import functools
import http.server
import json
import os
import secrets
import signal
import socket
import subprocess
import sys
import threading
import time
import urllib.parse
import urllib.request
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source folder clean; the modules load in no time

from catalog import Ports, build_catalog, catalog_variants
from linkstations import LINK_STATIONS, address, start_link_sources, write_links
from livestations import LIVE_STATIONS, TITLE_INTERVAL_SECONDS
from logos import make_logos
from streams import Children, Icecast, TitleTicker, start_sources

START_TIMEOUT_SECONDS = 60.0
STOP_TIMEOUT_SECONDS = 15.0
CATALOG_NAME = "stations_filtered.json"
# What the public directory gives when a client does not say how many stations it wants.
DIRECTORY_DEFAULT_LIMIT = 1000


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """Serves www/, and answers as a station directory server does: /json/stations lists the
    catalog, /json/url/<stationuuid> counts a play in plays.log."""
    log_file = None
    plays_file = None
    plays_lock = threading.Lock()

    def log_message(self, format, *args):
        if self.log_file is not None:
            self.log_file.write(f"{self.log_date_time_string()} {format % args}\n")
            self.log_file.flush()

    def do_GET(self):
        address = urllib.parse.urlsplit(self.path)
        if address.path == "/json/stations":
            self._send_stations(urllib.parse.parse_qs(address.query))
        elif address.path.startswith("/json/url/"):
            self._count_play(urllib.parse.unquote(address.path[len("/json/url/"):]))
        else:
            super().do_GET()

    def _send_json(self, body: bytes) -> None:
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def _send_stations(self, query: dict) -> None:
        body = (Path(self.directory) / CATALOG_NAME).read_bytes()
        try:
            limit = int(query.get("limit", [DIRECTORY_DEFAULT_LIMIT])[0])
        except ValueError:
            limit = DIRECTORY_DEFAULT_LIMIT
        stations = json.loads(body)
        if limit < len(stations):
            body = json.dumps(stations[:limit], ensure_ascii=False).encode()
        self._send_json(body)

    def _count_play(self, stationuuid: str) -> None:
        with self.plays_lock:
            self.plays_file.write(f"{stationuuid}\t{self.headers.get('User-Agent', '')}\n")
            self.plays_file.flush()
        self._send_json(json.dumps({"ok": "true", "message": "retrieved station url",
                                    "stationuuid": stationuuid}).encode())


def _write_atomically(path: Path, text: str) -> None:
    temporary = path.with_name(path.name + ".tmp")
    temporary.write_text(text, encoding="utf-8")
    temporary.replace(path)


def _read_stream(url: str, wanted: int, timeout: float) -> int:
    """How many bytes of a stream arrive, up to `wanted`, before the time-out."""
    received = 0
    deadline = time.monotonic() + timeout
    with urllib.request.urlopen(url, timeout=timeout) as reply:
        while received < wanted and time.monotonic() < deadline:
            chunk = reply.read1(wanted - received)
            if not chunk:
                break
            received += len(chunk)
    return received


def _succeeded(read: concurrent.futures.Future, wanted: int) -> bool:
    try:
        return read.result() >= wanted
    except OSError:
        return False


class Supervisor:
    """Runs inside the background process that `start` leaves behind."""

    def __init__(self, state_dir: Path):
        self.m_state_dir = state_dir
        self.m_stopping = threading.Event()
        self.m_children = Children(state_dir / "pids", state_dir / "gstreamer.log")
        self.m_token = f"Pemba Vello demo {secrets.token_hex(6)}"
        self.m_icecast = Icecast(state_dir, self.m_children, self.m_token)
        self.m_http: http.server.ThreadingHTTPServer | None = None
        self.m_http_log = None
        self.m_plays = None
        self.m_serving = False
        self.m_started = time.monotonic()
        self.m_sockets: list[socket.socket] = []
        self.m_threads: list[threading.Thread] = []

    def run(self) -> int:
        signal.signal(signal.SIGTERM, lambda *_: self.m_stopping.set())
        signal.signal(signal.SIGINT, lambda *_: self.m_stopping.set())
        (self.m_state_dir / "supervisor.pid").write_text(f"{os.getpid()}\n")
        try:
            self._start()
        except Exception as error:  # whatever it is, `start` shows it to the user
            _write_atomically(self.m_state_dir / "failed", f"{error}\n")
            print(f"failed: {error!r}", file=sys.stderr, flush=True)
            self._shut_down()
            return 1
        _write_atomically(self.m_state_dir / "ready", "ready\n")
        self._log_step("ready")
        while not self.m_stopping.wait(1.0):
            pass
        self._shut_down()
        self._log_step("stopped")
        return 0

    def _start(self) -> None:
        www = self.m_state_dir / "www"
        logos = make_logos(www)
        self._log_step("logos made")
        ports = self._open_ports()
        self.m_icecast.start()
        self._log_step(f"Icecast answering on port {self.m_icecast.port}")
        ports = Ports(icecast=self.m_icecast.port, http=ports.http, closed=ports.closed, stalled=ports.stalled)
        catalog = build_catalog(ports, logos)
        (www / CATALOG_NAME).write_bytes(catalog)
        for name, document in catalog_variants(catalog).items():
            (www / "variants" / name).mkdir(parents=True, exist_ok=True)
            (www / "variants" / name / CATALOG_NAME).write_bytes(document)
        write_links(www, ports.icecast)
        self.m_threads = start_sources(self.m_icecast, self.m_children, self.m_stopping)
        self.m_threads += start_link_sources(www, self.m_icecast, self.m_children, self.m_stopping)
        threading.Thread(target=self.m_http.serve_forever, name="http", daemon=True).start()
        self.m_serving = True
        catalog_url = f"http://127.0.0.1:{ports.http}/{CATALOG_NAME}"
        self._write_descriptions(ports, catalog_url)
        self._wait_until_ready(catalog_url, www / CATALOG_NAME, self.m_started + START_TIMEOUT_SECONDS)
        _write_atomically(self.m_state_dir / "directory-url", f"http://127.0.0.1:{ports.http}\n")
        _write_atomically(self.m_state_dir / "catalog-url", catalog_url + "\n")

    def _open_ports(self) -> Ports:
        www = self.m_state_dir / "www"
        self.m_http_log = open(self.m_state_dir / "http.log", "a", encoding="utf-8")
        self.m_plays = open(self.m_state_dir / "plays.log", "a", encoding="utf-8")
        handler = type("Handler", (QuietHandler,), {"log_file": self.m_http_log, "plays_file": self.m_plays})
        self.m_http = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                                      functools.partial(handler, directory=str(www)))
        self.m_http.daemon_threads = True
        # Held for as long as the server runs, so no one else can take these ports: one refuses
        # every connection (bound, not listening), the other accepts and never answers.
        closed = socket.socket()
        closed.bind(("127.0.0.1", 0))
        stalled = socket.socket()
        stalled.bind(("127.0.0.1", 0))
        stalled.listen(64)
        self.m_sockets = [closed, stalled]
        return Ports(icecast=0, http=self.m_http.server_address[1], closed=closed.getsockname()[1],
                     stalled=stalled.getsockname()[1])

    def _write_descriptions(self, ports: Ports, catalog_url: str) -> None:
        stations = []
        for rank, station in enumerate(sorted(LIVE_STATIONS, key=lambda live: -live.score)):
            stations.append({
                "rank": rank,
                "stationuuid": station.stationuuid,
                "name": station.name,
                "displayName": station.display_name,
                "url": f"http://127.0.0.1:{ports.icecast}{station.mount}",
                "mount": station.mount,
                "frequency": station.frequency,
                "codec": station.codec,
                "contentType": station.content_type,
                "score": station.score,
                "favicon": f"http://127.0.0.1:{ports.http}/{station.logo}" if station.logo else "",
            })
        _write_atomically(self.m_state_dir / "live-stations.json", json.dumps(stations, ensure_ascii=False, indent=2))
        links = [{"stationuuid": station.stationuuid, "name": station.name, "kind": station.kind,
                  "url": address(station, ports.http, ports.icecast), "frequency": station.frequency}
                 for station in LINK_STATIONS]
        _write_atomically(self.m_state_dir / "link-stations.json", json.dumps(links, ensure_ascii=False, indent=2))
        server = {
            "catalogUrl": catalog_url,
        "directoryUrl": f"http://127.0.0.1:{ports.http}",
            "catalogFile": str(self.m_state_dir / "www" / CATALOG_NAME),
            "catalogVariants": {name: f"http://127.0.0.1:{ports.http}/variants/{name}/{CATALOG_NAME}"
                                for name in sorted(os.listdir(self.m_state_dir / "www" / "variants"))},
            "logoBaseUrl": f"http://127.0.0.1:{ports.http}/logos/",
            "httpPort": ports.http,
            "icecastPort": ports.icecast,
            "icecastStatusUrl": f"http://127.0.0.1:{ports.icecast}/status-json.xsl",
            "icecastAdmin": {"user": "admin", "password": self.m_icecast.admin_password},
            "refusingPort": ports.closed,
            "stallingPort": ports.stalled,
            "titleIntervalSeconds": TITLE_INTERVAL_SECONDS,
            "supervisorPid": os.getpid(),
        }
        _write_atomically(self.m_state_dir / "server.json", json.dumps(server, indent=2))
        (self.m_state_dir / "server.json").chmod(0o600)

    def _wait_until_ready(self, catalog_url: str, catalog_file: Path, deadline: float) -> None:
        with urllib.request.urlopen(catalog_url, timeout=10) as reply:
            if reply.read() != catalog_file.read_bytes():
                raise RuntimeError("the catalog served differs from the one written")
        self._log_step("catalog served")
        pending = {station.mount for station in LIVE_STATIONS}
        with concurrent.futures.ThreadPoolExecutor(len(pending)) as readers:
            while pending:
                self._check_progress(deadline, ", ".join(sorted(pending)))
                # A listener must actually receive audio, not just find the mount.
                live = sorted(pending & self.m_icecast.live_mounts().keys())
                reads = {mount: readers.submit(_read_stream, f"http://127.0.0.1:{self.m_icecast.port}{mount}",
                                               4096, 10.0) for mount in live}
                pending -= {mount for mount, read in reads.items() if _succeeded(read, 4096)}
                time.sleep(0.05 if pending else 0)
        self._log_step("streams playing")
        ticker = TitleTicker(self.m_icecast, self.m_stopping)
        ticker.start()
        self.m_threads.append(ticker)
        while not all(self.m_icecast.live_mounts().get(station.mount, {}).get("title") for station in LIVE_STATIONS):
            self._check_progress(deadline, "stream titles")
            time.sleep(0.05)
        self._log_step("stream titles set")

    def _log_step(self, step: str) -> None:
        print(f"{time.monotonic() - self.m_started:5.2f} s  {step}", flush=True)

    def _check_progress(self, deadline: float, waiting_for: str) -> None:
        if self.m_stopping.is_set():
            raise RuntimeError("stopped while starting")
        if time.monotonic() > deadline:
            raise RuntimeError(f"not ready in {START_TIMEOUT_SECONDS:.0f} s: still waiting for {waiting_for}")

    def _shut_down(self) -> None:
        self.m_stopping.set()
        if self.m_serving:
            self.m_http.shutdown()
        if self.m_http is not None:
            self.m_http.server_close()
        self.m_children.stop_all()
        self._log_step("processes ended")
        for thread in self.m_threads:
            thread.join(5.0)
        self._log_step("threads ended")
        self.m_icecast.stop()
        for held in self.m_sockets:
            held.close()
        for log_file in (self.m_http_log, self.m_plays):
            if log_file is not None:
                log_file.close()
        for name in ("ready", "catalog-url", "directory-url", "pids", "supervisor.pid"):
            (self.m_state_dir / name).unlink(missing_ok=True)


def _alive(pid: int) -> bool:
    try:
        with open(f"/proc/{pid}/stat", encoding="latin-1") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] not in ("Z", "X")
    except FileNotFoundError:
        return False
    except OSError:
        pass
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    except PermissionError:
        return True
    return True


def _command_line(pid: int) -> list[str]:
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
            return [part.decode(errors="replace") for part in cmdline.read().split(b"\0") if part]
    except OSError:
        return []


def _read_pid(path: Path) -> int | None:
    try:
        return int(path.read_text().split()[0])
    except (OSError, ValueError, IndexError):
        return None


def _running_supervisor(state_dir: Path) -> int | None:
    """The pid of the server running for this folder, checked so a reused pid is never taken."""
    pid = _read_pid(state_dir / "supervisor.pid")
    if pid is None or not _alive(pid):
        return None
    arguments = _command_line(pid)
    if arguments and not ("serve" in arguments and str(state_dir) in arguments):
        return None
    return pid


def _started_by_us(pid: int, state_dir: Path) -> bool:
    """Whether a pid from the list still names one of our processes, not a newcomer reusing it."""
    arguments = _command_line(pid)
    programs = ("setpriv", "icecast2", "gst-launch-1.0")
    return not arguments or (Path(arguments[0]).name in programs
                             and (any(str(state_dir) in argument for argument in arguments)
                                 or "gst-launch-1.0" in arguments))


def _wait_for_exit(pids: list[int], timeout: float) -> list[int]:
    deadline = time.monotonic() + timeout
    remaining = [pid for pid in pids if _alive(pid)]
    while remaining and time.monotonic() < deadline:
        time.sleep(0.05)
        remaining = [pid for pid in remaining if _alive(pid)]
    return remaining


def _tail(path: Path, lines: int = 15) -> str:
    try:
        return "\n".join(path.read_text(errors="replace").splitlines()[-lines:])
    except OSError:
        return ""


def start(state_dir: Path) -> int:
    state_dir.mkdir(parents=True, exist_ok=True)
    running = _running_supervisor(state_dir)
    if running is not None:
        print(f"demo server already running for {state_dir} (pid {running}); stop it first", file=sys.stderr)
        return 1
    for name in ("ready", "failed", "catalog-url", "directory-url", "supervisor.pid", "pids"):
        (state_dir / name).unlink(missing_ok=True)
    log_path = state_dir / "supervisor.log"
    with open(log_path, "ab") as log:
        supervisor = subprocess.Popen(
            [sys.executable, str(Path(__file__).resolve()), "serve", str(state_dir)],
            stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
            start_new_session=True, cwd=state_dir)
    deadline = time.monotonic() + START_TIMEOUT_SECONDS + 15
    while time.monotonic() < deadline:
        if (state_dir / "ready").exists():
            print((state_dir / "catalog-url").read_text().strip())
            return 0
        if (state_dir / "failed").exists() or supervisor.poll() is not None:
            break
        time.sleep(0.05)
    stop(state_dir, quiet=True)
    print(f"demo server did not start:\n{_tail(log_path)}", file=sys.stderr)
    return 1


def stop(state_dir: Path, quiet: bool = False) -> int:
    supervisor = _running_supervisor(state_dir)
    children = []
    try:
        for line in (state_dir / "pids").read_text().splitlines():
            pid = int(line.split()[0])
            if pid != supervisor and _alive(pid) and _started_by_us(pid, state_dir):
                children.append(pid)
    except (OSError, ValueError, IndexError):
        pass
    if supervisor is None and not children:
        if not quiet:
            print(f"demo server not running for {state_dir}")
        return 0
    if supervisor is not None:
        os.kill(supervisor, signal.SIGTERM)
        if _wait_for_exit([supervisor], STOP_TIMEOUT_SECONDS):
            # It would not end by itself: end it and its whole process group.
            os.killpg(supervisor, signal.SIGKILL)
            _wait_for_exit([supervisor], 5.0)
    for pid in _wait_for_exit(children, 2.0):
        os.kill(pid, signal.SIGKILL)
    left = _wait_for_exit(children + ([supervisor] if supervisor else []), 5.0)
    for name in ("ready", "catalog-url", "directory-url", "pids", "supervisor.pid"):
        (state_dir / name).unlink(missing_ok=True)
    if left:
        print(f"processes still running: {' '.join(map(str, left))}", file=sys.stderr)
        return 1
    if not quiet:
        print("demo server stopped")
    return 0


def main(arguments: list[str]) -> int:
    if len(arguments) != 2 or arguments[0] not in ("start", "stop", "serve"):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    state_dir = Path(arguments[1]).resolve()
    if arguments[0] == "start":
        return start(state_dir)
    if arguments[0] == "stop":
        return stop(state_dir)
    return Supervisor(state_dir).run()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
