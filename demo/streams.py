"""Icecast and the sources that feed it: one GStreamer tone per live station, sent with Icecast's
PUT source protocol, and the stream titles that change every few seconds."""

import base64
import grp
import json
import os
import pwd
import queue
import shutil
import socket
import struct
import subprocess
import tempfile
import threading
import time
import urllib.parse
import urllib.request
from pathlib import Path
from xml.sax.saxutils import escape

from livestations import LIVE_STATIONS, TITLE_INTERVAL_SECONDS, LiveStation, track_title

SOURCE_USER = "source"
ADMIN_USER = "admin"
TONE_VOLUME = 0.3
OGG_RATE = 44100
OGG_BUFFERS_PER_SECOND = 10
# How far ahead of real time the chained Ogg source sends, so listeners never run dry.
OGG_LEAD_SECONDS = 1.0


class Children:
    """Every process the server starts, with its pid written down so `stop` can find it."""

    def __init__(self, pid_file: Path, log_file: Path):
        self.m_pid_file = pid_file
        self.m_log = open(log_file, "ab")  # what the children say on stderr, unless told otherwise
        self.m_lock = threading.Lock()
        self.m_processes: dict[int, tuple[str, subprocess.Popen]] = {}
        self.m_closed = False

    def spawn(self, name: str, arguments: list[str], **options) -> subprocess.Popen:
        # The child dies with the thread that started it, so a killed server leaves nothing.
        prefix = ["setpriv", "--pdeathsig", "TERM"] if shutil.which("setpriv") else []
        with self.m_lock:
            if self.m_closed:
                raise RuntimeError("shutting down")
            options.setdefault("stderr", self.m_log)
            process = subprocess.Popen(prefix + arguments, stdin=subprocess.DEVNULL, **options)
            self.m_processes[process.pid] = (name, process)
            self._write()
        return process

    def reap(self, process: subprocess.Popen) -> None:
        process.wait()
        with self.m_lock:
            self.m_processes.pop(process.pid, None)
            self._write()

    def stop_all(self, grace: float = 5.0) -> None:
        with self.m_lock:
            self.m_closed = True
            processes = [process for _, process in self.m_processes.values()]
        for process in processes:
            if process.poll() is None:
                process.terminate()
        deadline = time.monotonic() + grace
        for process in processes:
            try:
                process.wait(max(0.0, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        with self.m_lock:
            self.m_processes.clear()
            self._write()
        self.m_log.close()

    def _write(self) -> None:
        lines = [f"{os.getpid()} supervisor\n"]
        lines += [f"{pid} {name}\n" for pid, (name, _) in sorted(self.m_processes.items())]
        temporary = self.m_pid_file.with_suffix(".tmp")
        temporary.write_text("".join(lines))
        temporary.replace(self.m_pid_file)


def free_port() -> int:
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def _unprivileged_owner() -> tuple[str, str]:
    """The user Icecast drops to when started as root, and that user's own group (nogroup on
    Debian, nobody elsewhere)."""
    user = pwd.getpwnam("nobody")
    return user.pw_name, grp.getgrgid(user.pw_gid).gr_name


def _reachable_by_others(folder: Path) -> bool:
    return all(os.stat(part).st_mode & 0o001 for part in [folder, *folder.parents])


class Icecast:
    def __init__(self, state_dir: Path, children: Children, token: str):
        self.m_state_dir = state_dir
        self.m_children = children
        self.m_token = token  # in the server's location, so we know we reach our own server
        self.m_source_password = base64.urlsafe_b64encode(os.urandom(12)).decode()
        self.m_admin_password = base64.urlsafe_b64encode(os.urandom(12)).decode()
        self.m_process: subprocess.Popen | None = None
        self.m_port = 0
        self.m_log_dir = state_dir / "icecast-logs"
        self.m_temporary_log_dir: Path | None = None

    @property
    def port(self) -> int:
        return self.m_port

    @property
    def admin_password(self) -> str:
        return self.m_admin_password

    def start(self, attempts: int = 5) -> None:
        self._prepare_log_dir()
        for _ in range(attempts):
            # The port is free when probed but may be taken before Icecast binds it: then
            # Icecast exits and another port is tried.
            self.m_port = free_port()
            config = self.m_state_dir / "icecast.xml"
            config.write_text(self._config())
            config.chmod(0o600)
            log = open(self.m_state_dir / "icecast.out", "ab")
            self.m_process = self.m_children.spawn("icecast", ["icecast2", "-c", str(config)],
                                                   stdout=log, stderr=subprocess.STDOUT)
            log.close()
            if self._wait_until_answering(10.0):
                return
            if self.m_process.poll() is None:
                self.m_process.terminate()
            self.m_children.reap(self.m_process)
        raise RuntimeError(f"Icecast did not start; see {self.m_state_dir / 'icecast.out'}")

    def status(self) -> dict:
        with urllib.request.urlopen(f"http://127.0.0.1:{self.m_port}/status-json.xsl", timeout=5) as reply:
            return json.loads(reply.read().decode("utf-8", errors="replace"))["icestats"]

    def live_mounts(self) -> dict[str, dict]:
        sources = self.status().get("source", [])
        if isinstance(sources, dict):
            sources = [sources]
        return {urllib.parse.urlparse(source["listenurl"]).path: source for source in sources}

    def set_title(self, mount: str, song: str) -> None:
        query = urllib.parse.urlencode({"mount": mount, "mode": "updinfo", "song": song, "charset": "UTF-8"})
        request = urllib.request.Request(f"http://127.0.0.1:{self.m_port}/admin/metadata?{query}")
        secret = base64.b64encode(f"{ADMIN_USER}:{self.m_admin_password}".encode()).decode()
        request.add_header("Authorization", f"Basic {secret}")
        with urllib.request.urlopen(request, timeout=5) as reply:
            reply.read()

    def open_source(self, station: LiveStation) -> socket.socket:
        """A connection that Icecast has accepted as the source of the station's mount."""
        connection = socket.create_connection(("127.0.0.1", self.m_port), timeout=5)
        secret = base64.b64encode(f"{SOURCE_USER}:{self.m_source_password}".encode()).decode()
        headers = [
            f"PUT {station.mount} HTTP/1.1",
            f"Host: 127.0.0.1:{self.m_port}",
            f"Authorization: Basic {secret}",
            f"Content-Type: {station.content_type}",
            "Ice-Public: 0",
            f"Ice-Name: {station.display_name}",
            f"Ice-Description: A {station.frequency} Hz tone",
            f"Ice-Genre: {station.tags}",
            f"Ice-Bitrate: {station.bitrate}",
            "User-Agent: vello-demo-source",
        ]
        try:
            connection.sendall(("\r\n".join(headers) + "\r\n\r\n").encode("utf-8"))
            reply = b""
            while b"\r\n\r\n" not in reply and len(reply) < 4096:
                chunk = connection.recv(4096)
                if not chunk:
                    break
                reply += chunk
            status = reply.split(b"\r\n", 1)[0].decode("latin-1")
            if " 200 " not in f"{status} ":
                raise ConnectionError(f"Icecast refused {station.mount}: {status or 'no answer'}")
        except BaseException:
            connection.close()
            raise
        connection.settimeout(15)
        return connection

    def stop(self) -> None:
        if self.m_temporary_log_dir is not None:
            # Keep the logs beside everything else once Icecast no longer writes them.
            self.m_log_dir.unlink(missing_ok=True)
            shutil.copytree(self.m_temporary_log_dir, self.m_log_dir, dirs_exist_ok=True)
            shutil.rmtree(self.m_temporary_log_dir, ignore_errors=True)
            self.m_temporary_log_dir = None

    def _prepare_log_dir(self) -> None:
        if os.geteuid() != 0:
            self.m_log_dir.mkdir(exist_ok=True)
            return
        # Icecast refuses to run as root, so it drops to nobody before it opens its logs.
        if self.m_log_dir.is_symlink():
            self.m_log_dir.unlink()
        if _reachable_by_others(self.m_state_dir):
            self.m_log_dir.mkdir(exist_ok=True)
            shutil.chown(self.m_log_dir, *_unprivileged_owner())
        else:
            self.m_temporary_log_dir = Path(tempfile.mkdtemp(prefix="vello-demo-icecast-"))
            shutil.chown(self.m_temporary_log_dir, *_unprivileged_owner())
            if self.m_log_dir.is_dir():
                shutil.rmtree(self.m_log_dir)
            self.m_log_dir.symlink_to(self.m_temporary_log_dir)

    def _config(self) -> str:
        log_dir = self.m_temporary_log_dir or self.m_log_dir
        owner = ""
        if os.geteuid() == 0:
            user, group = _unprivileged_owner()
            owner = f"<changeowner><user>{user}</user><group>{group}</group></changeowner>"
        # A listener gets about three seconds at once, whatever the bit rate: enough to start
        # playing at once, not so much that what it hears lags far behind the titles.
        mounts = "".join(
            f"<mount type=\"normal\"><mount-name>{escape(station.mount)}</mount-name>"
            f"<burst-size>{max(8192, station.bitrate * 125 * 3)}</burst-size><public>0</public>"
            + ("" if station.codec == "OGG" else "<charset>UTF-8</charset>") + "</mount>"
            for station in LIVE_STATIONS)
        return f"""<icecast>
  <location>{escape(self.m_token)}</location>
  <admin>demo@localhost</admin>
  <hostname>127.0.0.1</hostname>
  <limits>
    <clients>200</clients><sources>16</sources><queue-size>524288</queue-size>
    <client-timeout>30</client-timeout><header-timeout>15</header-timeout>
    <source-timeout>10</source-timeout><burst-on-connect>1</burst-on-connect>
    <burst-size>65536</burst-size>
  </limits>
  <authentication>
    <source-password>{escape(self.m_source_password)}</source-password>
    <relay-password>{escape(self.m_source_password)}</relay-password>
    <admin-user>{ADMIN_USER}</admin-user>
    <admin-password>{escape(self.m_admin_password)}</admin-password>
  </authentication>
  <listen-socket><port>{self.m_port}</port><bind-address>127.0.0.1</bind-address></listen-socket>
  {mounts}
  <fileserve>1</fileserve>
  <paths>
    <basedir>/usr/share/icecast2</basedir>
    <logdir>{escape(str(log_dir))}</logdir>
    <webroot>/usr/share/icecast2/web</webroot>
    <adminroot>/usr/share/icecast2/admin</adminroot>
  </paths>
  <logging>
    <accesslog>access.log</accesslog><errorlog>error.log</errorlog>
    <loglevel>3</loglevel><logsize>10000</logsize>
  </logging>
  <security><chroot>0</chroot>{owner}</security>
</icecast>
"""

    def _wait_until_answering(self, timeout: float) -> bool:
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.m_process.poll() is not None:
                return False
            try:
                if self.status().get("location") == self.m_token:
                    return True
            except (OSError, ValueError, KeyError):
                pass
            time.sleep(0.05)
        return False


def _tone(station: LiveStation, live: bool, buffers: int = 0) -> list[str]:
    rate = int(station.caps.split("rate=")[1].split(",")[0])
    arguments = ["audiotestsrc", f"freq={station.frequency}", f"volume={TONE_VOLUME}"]
    if live:
        arguments.append("is-live=true")
    else:
        arguments += [f"samplesperbuffer={rate // OGG_BUFFERS_PER_SECOND}", f"num-buffers={buffers}"]
    return arguments + ["!", station.caps]


class LiveSource(threading.Thread):
    """An endless live GStreamer pipeline whose encoded output is copied to Icecast."""

    def __init__(self, station: LiveStation, icecast: Icecast, children: Children, stopping: threading.Event):
        super().__init__(name=f"source {station.mount}", daemon=True)
        self.m_station = station
        self.m_icecast = icecast
        self.m_children = children
        self.m_stopping = stopping

    def run(self) -> None:
        pipeline = (["gst-launch-1.0", "-q"] + _tone(self.m_station, live=True)
                    + ["!", "audioconvert", "!"] + self.m_station.encoder.split() + ["!", "fdsink", "fd=1"])
        while not self.m_stopping.is_set():
            try:
                encoder = self.m_children.spawn(f"tone {self.m_station.frequency}", pipeline,
                                                stdout=subprocess.PIPE)
            except RuntimeError:
                return
            try:
                self._copy(encoder)
            finally:
                if encoder.poll() is None:
                    encoder.terminate()
                self.m_children.reap(encoder)
            self.m_stopping.wait(0.5)

    def _copy(self, encoder: subprocess.Popen) -> None:
        while not self.m_stopping.is_set():
            try:
                connection = self.m_icecast.open_source(self.m_station)
            except OSError:
                self.m_stopping.wait(0.5)
                continue
            with connection:
                try:
                    while not self.m_stopping.is_set():
                        data = encoder.stdout.read1(16384)
                        if not data:
                            return  # the encoder ended: start a new one
                        connection.sendall(data)
                except OSError:
                    pass


def ogg_pages(data: bytes):
    """Yields (granule position, page bytes) for each page of an Ogg stream."""
    position = 0
    while position + 27 <= len(data):
        if data[position:position + 4] != b"OggS":
            raise ValueError("not an Ogg page")
        granule = struct.unpack_from("<q", data, position + 6)[0]
        segments = data[position + 26]
        lacing = data[position + 27:position + 27 + segments]
        end = position + 27 + segments + sum(lacing)
        yield granule, data[position:end]
        position = end


class ChainedOggSource(threading.Thread):
    """Ogg Vorbis in short chained segments, each with its own title in its Vorbis comments:
    Icecast takes an Ogg stream's title from there, not from admin updates."""

    def __init__(self, station: LiveStation, icecast: Icecast, children: Children, stopping: threading.Event):
        super().__init__(name=f"source {station.mount}", daemon=True)
        self.m_station = station
        self.m_icecast = icecast
        self.m_children = children
        self.m_stopping = stopping
        self.m_segments: queue.Queue = queue.Queue(maxsize=2)
        self.m_maker = threading.Thread(target=self._make_segments, name=f"segments {station.mount}", daemon=True)

    def run(self) -> None:
        self.m_maker.start()
        connection = None
        start = time.monotonic()
        try:
            while not self.m_stopping.is_set():
                try:
                    segment = self.m_segments.get(timeout=0.5)
                except queue.Empty:
                    continue
                if connection is None:
                    connection = self._connect()
                    start = time.monotonic()
                    if connection is None:
                        continue
                try:
                    start = self._send(connection, segment, start)
                except OSError:
                    connection.close()
                    connection = None
        finally:
            if connection is not None:
                connection.close()

    def _connect(self) -> socket.socket | None:
        try:
            return self.m_icecast.open_source(self.m_station)
        except OSError:
            self.m_stopping.wait(0.5)
            return None

    def _send(self, connection: socket.socket, segment: bytes, start: float) -> float:
        """Sends one segment paced to real time; returns when the next one is due."""
        last = 0
        for granule, page in ogg_pages(segment):
            if granule > 0:
                last = granule
            delay = start + last / OGG_RATE - OGG_LEAD_SECONDS - time.monotonic()
            if delay > 0 and self.m_stopping.wait(delay):
                return start
            connection.sendall(page)
        following = start + last / OGG_RATE
        # After a stall (a slow machine), start afresh rather than rushing to catch up.
        return max(following, time.monotonic() - OGG_LEAD_SECONDS)

    def _make_segments(self) -> None:
        station = self.m_station
        change = 0
        while not self.m_stopping.is_set():
            artist, title = track_title(station, change)
            tags = f'tags="title=\\"{title}\\",artist=\\"{artist}\\""'
            pipeline = (["gst-launch-1.0", "-q"]
                        + _tone(station, live=False, buffers=int(TITLE_INTERVAL_SECONDS * OGG_BUFFERS_PER_SECOND))
                        + ["!", "taginject", tags, "!", "audioconvert", "!"] + station.encoder.split()
                        + ["!", "oggmux", "!", "fdsink", "fd=1"])
            try:
                maker = self.m_children.spawn(f"tone {station.frequency} segment", pipeline,
                                              stdout=subprocess.PIPE)
            except RuntimeError:
                return
            segment = maker.stdout.read()
            self.m_children.reap(maker)
            if maker.returncode != 0 or not segment:
                self.m_stopping.wait(0.5)
                continue
            change += 1
            while not self.m_stopping.is_set():
                try:
                    self.m_segments.put(segment, timeout=0.5)
                    break
                except queue.Full:
                    continue


class TitleTicker(threading.Thread):
    """Changes the titles of the MP3 and AAC streams through Icecast's admin interface."""

    def __init__(self, icecast: Icecast, stopping: threading.Event):
        super().__init__(name="titles", daemon=True)
        self.m_icecast = icecast
        self.m_stopping = stopping

    def run(self) -> None:
        change = 0
        while True:
            for station in LIVE_STATIONS:
                if station.codec == "OGG":
                    continue
                artist, title = track_title(station, change)
                try:
                    self.m_icecast.set_title(station.mount, f"{artist} - {title}")
                except OSError:
                    pass  # the source is (re)connecting; the next change will get through
            change += 1
            if self.m_stopping.wait(TITLE_INTERVAL_SECONDS):
                return


def start_sources(icecast: Icecast, children: Children, stopping: threading.Event) -> list[threading.Thread]:
    threads = []
    for station in LIVE_STATIONS:
        kind = ChainedOggSource if station.codec == "OGG" else LiveSource
        threads.append(kind(station, icecast, children, stopping))
    for thread in threads:
        thread.start()
    return threads
