"""Stations whose address is not a plain Icecast mount, as many real ones are: a .pls link and an
.m3u link to live mounts, an HLS stream, and a source that goes off the air for a few seconds
every minute. They rank just below the live stations, above everything else."""

import subprocess
import threading
import time
from dataclasses import dataclass, replace
from pathlib import Path

from livestations import LIVE_STATIONS
from streams import Children, Icecast, LiveSource

OFF_AIR_EVERY_SECONDS = 60
OFF_AIR_FOR_SECONDS = 5
HLS_FOLDER = "hls"


@dataclass(frozen=True)
class LinkStation:
    stationuuid: str
    name: str
    kind: str  # "pls", "m3u", "hls" or "off-air"
    path: str  # on the HTTP server, or the Icecast mount of the off-air source
    frequency: int
    codec: str
    score: int


def _mount(frequency: int) -> str:
    return next(station.mount for station in LIVE_STATIONS if station.frequency == frequency)


LINK_STATIONS = (
    LinkStation("0b4e3c1a-5d2f-4e8a-9c71-00000000a440", "Demo Link 440 Hz (.pls)", "pls", "links/tone-440.pls",
                440, "MP3", 6340),
    LinkStation("0b4e3c1a-5d2f-4e8a-9c71-00000000a660", "Demo Link 660 Hz (.m3u)", "m3u", "links/tone-660.m3u",
                660, "OGG", 6330),
    LinkStation("0b4e3c1a-5d2f-4e8a-9c71-00000000a990", "Demo Tone 990 Hz (HLS)", "hls", f"{HLS_FOLDER}/live.m3u8",
                990, "AAC", 6320),
    LinkStation("0b4e3c1a-5d2f-4e8a-9c71-00000000b100", "Demo Tone 1100 Hz (off air 5 s a minute)", "off-air",
                "/off-air-1100.mp3", 1100, "MP3", 6310),
)


def address(station: LinkStation, http_port: int, icecast_port: int) -> str:
    if station.kind == "off-air":
        return f"http://127.0.0.1:{icecast_port}{station.path}"
    return f"http://127.0.0.1:{http_port}/{station.path}"


def write_links(www: Path, icecast_port: int) -> None:
    """The playlist files, in the shapes stations really serve: CRLF and a count for .pls,
    #EXTINF lines and a dead first entry for .m3u."""
    (www / "links").mkdir(parents=True, exist_ok=True)
    mp3 = f"http://127.0.0.1:{icecast_port}{_mount(440)}"
    ogg = f"http://127.0.0.1:{icecast_port}{_mount(660)}"
    (www / "links" / "tone-440.pls").write_bytes(
        f"[playlist]\r\nNumberOfEntries=1\r\nFile1={mp3}\r\nTitle1=Demo Link 440 Hz\r\nLength1=-1\r\nVersion=2\r\n"
        .encode())
    (www / "links" / "tone-660.m3u").write_text(
        f"#EXTM3U\n#EXTINF:-1,Gone\nhttp://127.0.0.1:{icecast_port}/gone.ogg\n#EXTINF:-1,Demo Link 660 Hz\n{ogg}\n")


def catalog_entry(station: LinkStation, template: dict, http_port: int, icecast_port: int) -> dict:
    entry = dict(template)
    entry.update(stationuuid=station.stationuuid, changeuuid=station.stationuuid, name=station.name,
                 url=address(station, http_port, icecast_port), url_resolved="", codec=station.codec,
                 votes=station.score // 4, clickcount=station.score % 4, favicon="",
                 hls=1 if station.kind == "hls" else 0, tags="demo,tone,links")
    return entry


class HlsSource(threading.Thread):
    """A live HLS stream of one-second AAC segments, written where the HTTP server serves them."""

    def __init__(self, station: LinkStation, www: Path, children: Children, stopping: threading.Event):
        super().__init__(name="source hls", daemon=True)
        self.m_station = station
        self.m_folder = www / HLS_FOLDER
        self.m_children = children
        self.m_stopping = stopping

    def run(self) -> None:
        self.m_folder.mkdir(parents=True, exist_ok=True)
        pipeline = ["gst-launch-1.0", "-q", "audiotestsrc", "is-live=true", f"freq={self.m_station.frequency}",
                    "volume=0.3", "!", "audio/x-raw,rate=44100,channels=2", "!", "audioconvert", "!",
                    "avenc_aac", "bitrate=64000", "!", "aacparse", "!", "hls.audio", "hlssink2", "name=hls",
                    "target-duration=1", "playlist-length=4", "max-files=8",
                    f"location={self.m_folder / 'segment%05d.ts'}",
                    f"playlist-location={self.m_folder / 'live.m3u8'}"]
        while not self.m_stopping.is_set():
            try:
                process = self.m_children.spawn("hls 990", pipeline, stdout=subprocess.DEVNULL)
            except RuntimeError:
                return
            while process.poll() is None and not self.m_stopping.wait(0.5):
                pass
            if process.poll() is None:
                process.terminate()
            self.m_children.reap(process)


class OffAirSource(LiveSource):
    """A live MP3 source that drops its connection for a few seconds every minute, as a
    broadcaster's encoder does when its link fails."""

    def __init__(self, station: LinkStation, icecast: Icecast, children: Children, stopping: threading.Event):
        live = replace(LIVE_STATIONS[0], name=station.name, display_name=station.name, mount=station.path,
                       frequency=station.frequency)
        super().__init__(live, icecast, children, stopping)
        self.m_started = time.monotonic()

    def _off_air(self) -> bool:
        return (time.monotonic() - self.m_started) % OFF_AIR_EVERY_SECONDS >= OFF_AIR_EVERY_SECONDS - OFF_AIR_FOR_SECONDS

    def _copy(self, encoder: subprocess.Popen) -> None:
        while not self.m_stopping.is_set():
            # Off the air the encoder keeps running; its output is thrown away so it never stalls.
            while self._off_air() and not self.m_stopping.is_set():
                if not encoder.stdout.read1(16384):
                    return
            try:
                connection = self.m_icecast.open_source(self.m_station)
            except OSError:
                self.m_stopping.wait(0.5)
                continue
            with connection:
                try:
                    while not self.m_stopping.is_set() and not self._off_air():
                        data = encoder.stdout.read1(16384)
                        if not data:
                            return
                        connection.sendall(data)
                except OSError:
                    pass


def start_link_sources(www: Path, icecast: Icecast, children: Children,
                       stopping: threading.Event) -> list[threading.Thread]:
    threads: list[threading.Thread] = []
    for station in LINK_STATIONS:
        if station.kind == "hls":
            threads.append(HlsSource(station, www, children, stopping))
        elif station.kind == "off-air":
            threads.append(OffAirSource(station, icecast, children, stopping))
    for thread in threads:
        thread.start()
    return threads
