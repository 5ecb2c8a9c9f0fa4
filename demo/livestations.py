"""The demo's live stations: one tone each, far enough apart to tell by ear or by an FFT."""

from dataclasses import dataclass


@dataclass(frozen=True)
class LiveStation:
    stationuuid: str
    name: str  # exactly as the catalog carries it, surrounding white space included
    display_name: str  # what the player shows once it has trimmed the name
    mount: str
    codec: str
    content_type: str
    frequency: int
    bitrate: int
    votes: int
    clickcount: int
    # GStreamer elements between the raw tone and the encoded stream on stdout.
    encoder: str
    caps: str
    # Where the address goes: most in url_resolved, one only in url (the player falls back
    # to it), one padded with spaces (the player trims it).
    address_field: str = "url_resolved"
    pad_address: bool = False
    logo: str = ""
    country: str = "Demo Land"
    countrycode: str = "DL"
    state: str = ""
    language: str = "english"
    tags: str = "demo,tone"

    @property
    def score(self) -> int:
        return 4 * self.votes + self.clickcount


LIVE_STATIONS = (
    LiveStation(
        stationuuid="0b4e3c1a-5d2f-4e8a-9c71-000000000440",
        name="Demo Tone 440 Hz (MP3)",
        display_name="Demo Tone 440 Hz (MP3)",
        mount="/tone-440.mp3",
        codec="MP3",
        content_type="audio/mpeg",
        frequency=440,
        bitrate=128,
        votes=2400,
        clickcount=800,
        encoder="lamemp3enc target=bitrate bitrate=128 cbr=true",
        caps="audio/x-raw,rate=44100,channels=2",
        logo="logos/live-440.png",
        state="Harbour",
        tags="demo,tone,pop",
    ),
    LiveStation(
        stationuuid="0b4e3c1a-5d2f-4e8a-9c71-000000000550",
        name="Demo Tone 550 Hz (AAC)",
        display_name="Demo Tone 550 Hz (AAC)",
        mount="/tone-550.aac",
        codec="AAC",
        content_type="audio/aac",
        frequency=550,
        bitrate=96,
        votes=2150,
        clickcount=600,
        encoder="avenc_aac bitrate=96000 ! aacparse ! audio/mpeg,stream-format=adts",
        caps="audio/x-raw,rate=44100,channels=2",
        logo="logos/live-550.jpg",
        language="english,french",
        tags="demo,tone,jazz",
    ),
    LiveStation(
        stationuuid="0b4e3c1a-5d2f-4e8a-9c71-000000000660",
        name="Démo Tōne 660 Hz (Ogg Vorbis)",
        display_name="Démo Tōne 660 Hz (Ogg Vorbis)",
        mount="/tone-660.ogg",
        codec="OGG",
        content_type="application/ogg",
        frequency=660,
        bitrate=32,
        votes=1900,
        clickcount=900,
        encoder="vorbisenc quality=0.2",
        caps="audio/x-raw,rate=44100,channels=2",
        address_field="url",
        logo="logos/live-660.png",
        country="Démo Land",
        language="french",
        tags="demo, tone ,classical",
    ),
    LiveStation(
        stationuuid="0b4e3c1a-5d2f-4e8a-9c71-000000000770",
        name="  Demo Tone 770 Hz (MP3 mono)\u00a0",
        display_name="Demo Tone 770 Hz (MP3 mono)",
        mount="/tone-770.mp3",
        codec="MP3",
        content_type="audio/mpeg",
        frequency=770,
        bitrate=64,
        votes=1700,
        clickcount=300,
        encoder="lamemp3enc target=bitrate bitrate=64 cbr=true",
        caps="audio/x-raw,rate=22050,channels=1",
        pad_address=True,
        logo="logos/live-770.jpg",
        state="Upland",
        tags="demo,tone,talk",
    ),
    LiveStation(
        stationuuid="0b4e3c1a-5d2f-4e8a-9c71-000000000880",
        name="Demo Tone 880 Hz (AAC mono)",
        display_name="Demo Tone 880 Hz (AAC mono)",
        mount="/tone-880.aac",
        codec="AAC",
        content_type="audio/aac",
        frequency=880,
        bitrate=48,
        votes=1500,
        clickcount=350,
        encoder="voaacenc bitrate=48000 ! aacparse ! audio/mpeg,stream-format=adts",
        caps="audio/x-raw,rate=32000,channels=1",
        logo="",
        language="",
        tags=",,demo ,tone",
    ),
)

# Every other station of the catalog scores below this, so the live ones lead the list.
TAIL_SCORE_LIMIT = min(station.score for station in LIVE_STATIONS) - 100

# Titles the streams cycle through; the number after them counts the changes.
TRACK_TITLES = (
    "Morning Sine",
    "Ночной тон",
    "夜の音",
    "Océan calme",
    "Harmonic Drift",
    "موجة هادئة",
    "Tōnal Study",
    "Sine of the Times",
)
TRACK_ARTIST = "Demo Tones"
TITLE_INTERVAL_SECONDS = 5.0


def track_title(station: LiveStation, change: int) -> tuple[str, str]:
    """Artist and title of the given change of a station's stream title."""
    title = TRACK_TITLES[(change + station.frequency // 110) % len(TRACK_TITLES)]
    return TRACK_ARTIST, f"{title} #{change}"
