"""Builds the demo catalog: the live stations on top and a long, untidy tail that goes nowhere.

The tail is what a real directory looks like after a few years: names in every script, blank and
null fields, duplicates, dead addresses and logos that are not there. Everything comes from one
fixed seed, so two runs differ only in the port numbers inside the addresses.
"""

import json
import random
import uuid
from dataclasses import dataclass

from linkstations import LINK_STATIONS, catalog_entry
from livestations import LIVE_STATIONS, TAIL_SCORE_LIMIT

CATALOG_SIZE = 2000
SEED = 20240611


@dataclass(frozen=True)
class Ports:
    icecast: int
    http: int
    closed: int  # bound but never listening: connections are refused at once
    stalled: int  # listening but never answering: connections hang


# Each region: country, code, languages, language codes, states, the words its names are
# made of, and the tags its stations carry.
REGIONS = (
    ("Germany", "DE", "german", "de", ("Bayern", "Berlin", "Sachsen", "Nordrhein-Westfalen"),
     ("Welle", "Rundfunk", "Schlager", "Größte Hits", "Nachtradio", "Köln", "Heimat"), "pop,schlager,news"),
    ("France", "FR", "french", "fr", ("Île-de-France", "Bretagne", "Provence"),
     ("Radio", "Côte d'Azur", "Chansons", "Été", "Musique", "Fréquence"), "chanson,variété,pop"),
    ("Spain", "ES", "spanish", "es", ("Andalucía", "Cataluña", "Madrid"),
     ("Radio", "Música", "Señal", "Cadena", "Flamenco", "Estación"), "latin,flamenco,news"),
    ("Brazil", "BR", "portuguese", "pt", ("São Paulo", "Bahia", "Minas Gerais"),
     ("Rádio", "Notícias", "Sertanejo", "Samba", "Música Boa"), "samba,mpb,sertanejo"),
    ("Poland", "PL", "polish", "pl", ("Łódzkie", "Pomorskie", "Małopolskie"),
     ("Radio", "Muzyka", "Gdańsk", "Złote Przeboje", "Łódź"), "pop,disco polo,rock"),
    ("Vietnam", "VN", "vietnamese", "vi", ("Hà Nội", "Hồ Chí Minh"),
     ("Đài Phát Thanh", "Nhạc Việt", "Tiếng Nói", "Âm Nhạc"), "pop,news"),
    ("Russia", "RU", "russian", "ru", ("Москва", "Санкт-Петербург", "Казань"),
     ("Радио", "Музыка", "Шансон", "Европа Плюс", "Хиты", "Ретро"), "pop,шансон,rock"),
    ("Ukraine", "UA", "ukrainian", "uk", ("Київ", "Львів"),
     ("Радіо", "Пісня", "Хвиля", "Країна"), "pop,folk"),
    ("Greece", "GR", "greek", "el", ("Αττική", "Κρήτη"),
     ("Ράδιο", "Μουσική", "Λαϊκά", "Αθήνα", "Ρεμπέτικα"), "laika,rebetiko,greek"),
    ("Egypt", "EG", "arabic", "ar", ("القاهرة", "الإسكندرية"),
     ("راديو", "إذاعة", "القرآن الكريم", "موسيقى", "نجوم"), "quran,arabic,news"),
    ("Israel", "IL", "hebrew", "he", ("תל אביב", "ירושלים"),
     ("רדיו", "מוזיקה", "גלגלצ", "קול"), "hebrew,pop,news"),
    ("India", "IN", "hindi", "hi", ("महाराष्ट्र", "दिल्ली", "Kerala"),
     ("रेडियो", "संगीत", "भजन", "आकाशवाणी", "बॉलीवुड"), "bollywood,devotional,hindi"),
    ("Bangladesh", "BD", "bengali", "bn", ("ঢাকা",), ("রেডিও", "গান", "বাংলা"), "bangla,pop"),
    ("Sri Lanka", "LK", "tamil", "ta", ("கொழும்பு",), ("வானொலி", "இசை", "தமிழ்"), "tamil,film"),
    ("Thailand", "TH", "thai", "th", ("กรุงเทพมหานคร",), ("วิทยุ", "เพลง", "ลูกทุ่ง"), "luk thung,pop"),
    ("China", "CN", "chinese", "zh", ("北京", "上海", "广东"),
     ("广播", "音乐台", "电台", "交通广播", "新闻"), "news,pop,traffic"),
    ("Japan", "JP", "japanese", "ja", ("東京都", "大阪府"),
     ("ラジオ", "音楽", "アニメ", "東京", "ジャズ"), "anime,j-pop,jazz"),
    ("South Korea", "KR", "korean", "ko", ("서울", "부산"), ("라디오", "음악", "방송", "케이팝"), "k-pop,ballad"),
    ("Georgia", "GE", "georgian", "ka", ("თბილისი",), ("რადიო", "მუსიკა"), "folk,pop"),
    ("Armenia", "AM", "armenian", "hy", ("Երևան",), ("Ռադիո", "Երաժշտություն"), "folk,pop"),
    ("Ethiopia", "ET", "amharic", "am", ("አዲስ አበባ",), ("ሬዲዮ", "ሙዚቃ"), "ethiopian,pop"),
    ("United States", "US", "english", "en", ("California", "Texas", "New York", "Louisiana"),
     ("Classic Rock", "Smooth Jazz", "Country", "Hits", "Public Radio", "Oldies", "Blues", "Lounge"),
     "rock,jazz,country,talk"),
    ("United Kingdom", "GB", "english", "en", ("England", "Scotland", "Wales"),
     ("Radio", "Gold", "Heart", "Indie", "Drum and Bass", "Northern Soul"), "indie,dance,soul"),
    ("", "", "", "", ("",), ("Stream", "Webradio", "Live", "Online"), ""),
)

DECORATIONS = ("📻", "🎵", "🔥", "🎸", "🇯🇵", "👩\u200d🎤", "🏳️\u200d🌈", "★", "♫")
PADDINGS = (" ", "  ", "\t", "\u00a0", "\u3000", "\u2028", "\n", " \u2029")
CODECS = ("MP3", "AAC", "AAC+", "OGG", "FLAC", "UNKNOWN", "")


def _uuid(rng: random.Random) -> str:
    return str(uuid.UUID(int=rng.getrandbits(128), version=4))


def _timestamp(rng: random.Random) -> tuple[str, str]:
    day = rng.randrange(1, 29)
    month = rng.randrange(1, 13)
    year = rng.choice((2019, 2021, 2022, 2023, 2024))
    clock = f"{rng.randrange(24):02}:{rng.randrange(60):02}:{rng.randrange(60):02}"
    return f"{year}-{month:02}-{day:02} {clock}", f"{year}-{month:02}-{day:02}T{clock}Z"


def _tail_name(rng: random.Random, region) -> str:
    words = region[5]
    parts = rng.sample(words, k=min(len(words), rng.choice((1, 2, 2, 3))))
    roll = rng.random()
    if roll < 0.25:
        parts.append(f"{rng.randrange(87, 108)}.{rng.randrange(10)} FM")
    elif roll < 0.32:
        parts.insert(0, rng.choice(DECORATIONS))
    elif roll < 0.36:
        parts.append("Cafe\u0301")  # decomposed: the accent is its own code point
    return " ".join(parts)


def _dead_stream(rng: random.Random, ports: Ports, slug: str, index: int) -> str:
    roll = rng.random()
    if roll < 0.55:
        return f"http://127.0.0.1:{ports.icecast}/{slug}.{rng.choice(('mp3', 'aac', 'ogg', 'opus'))}"
    if roll < 0.75:
        return f"http://127.0.0.1:{ports.closed}/{slug}"
    if roll < 0.87:
        return f"http://127.0.0.1:{ports.http}/streams/{slug}.m3u8"
    if roll < 0.93:
        return f"https://127.0.0.1:{ports.http}/{slug}"  # TLS spoken to a plain HTTP server
    if roll < 0.97 or index % 2:
        return f"http://127.0.0.1:{ports.icecast}/;stream.mp3?id={index}&type=.mp3"
    return rng.choice(("not a url", "htp://127.0.0.1/typo", "http://", "//127.0.0.1/relative",
                       f"rtsp://127.0.0.1:{ports.closed}/live", "http://[::1"))


def _favicon(rng: random.Random, ports: Ports, logos: list[str], slug: str, rank: int):
    """A logo address, or one of the many ways a directory says there is none. Popular
    stations tend to have kept theirs, so the first screens look lived in."""
    roll = rng.random()
    if roll < (0.75 if rank < 60 else 0.45):
        return f"http://127.0.0.1:{ports.http}/{rng.choice(logos)}"
    if roll < 0.65:
        return ""
    if roll < 0.70:
        return None
    if roll < 0.73:
        return ...  # key left out
    if roll < 0.83:
        return f"http://127.0.0.1:{ports.http}/logos/missing/{slug}.png"
    if roll < 0.88:
        return f"http://127.0.0.1:{ports.closed}/favicon.ico"
    if roll < 0.90:
        return f"http://127.0.0.1:{ports.stalled}/logo.png"
    if roll < 0.93:
        return f"http://127.0.0.1:{ports.http}/logos/not-an-image.png"
    if roll < 0.95:
        return f"http://127.0.0.1:{ports.http}/logos/truncated.png"
    return rng.choice(("/favicon.ico", "data:image/png;base64,iVBORw0KGgo=", "  ", "favicon.png"))


def _tail_votes(rng: random.Random, rank: int) -> tuple:
    ceiling = max(2, int(TAIL_SCORE_LIMIT / 5 / (rank + 1) ** 0.8))
    votes = rng.randrange(ceiling)
    clicks = rng.randrange(max(2, ceiling))
    roll = rng.random()
    if roll < 0.04:
        votes = None
    elif roll < 0.06:
        votes = ...
    if 0.5 < roll < 0.53:
        clicks = None
    return votes, clicks


def _extra_keys(rng: random.Random, region, codec: str, homepage: str) -> dict:
    """The keys real directories carry beside the ones the player reads."""
    changed, changed_iso = _timestamp(rng)
    checked, checked_iso = _timestamp(rng)
    ok = rng.random() < 0.8
    return {
        "changeuuid": _uuid(rng),
        "serveruuid": _uuid(rng) if rng.random() < 0.5 else None,
        "homepage": homepage,
        "countrycode": region[1],
        "iso_3166_2": None,
        "languagecodes": region[3],
        "lastchangetime": changed,
        "lastchangetime_iso8601": changed_iso,
        "codec": codec,
        "bitrate": rng.choice((0, 32, 64, 96, 128, 192, 320)),
        "hls": 1 if codec == "" and rng.random() < 0.3 else 0,
        "lastcheckok": 1 if ok else 0,
        "lastchecktime": checked,
        "lastchecktime_iso8601": checked_iso,
        "lastcheckoktime": checked if ok else "",
        "lastcheckoktime_iso8601": checked_iso if ok else None,
        "lastlocalchecktime": checked,
        "lastlocalchecktime_iso8601": checked_iso,
        "clicktimestamp": changed if rng.random() < 0.7 else "",
        "clicktimestamp_iso8601": changed_iso if rng.random() < 0.7 else None,
        "clicktrend": rng.randrange(-20, 40),
        "ssl_error": 0,
        "geo_lat": round(rng.uniform(-60, 70), 6) if rng.random() < 0.4 else None,
        "geo_long": round(rng.uniform(-180, 180), 6) if rng.random() < 0.4 else None,
        "has_extended_info": rng.random() < 0.1,
    }


def _live_entry(rng: random.Random, station, ports: Ports) -> dict:
    address = f"http://127.0.0.1:{ports.icecast}{station.mount}"
    if station.pad_address:
        address = f"  {address} "
    entry = {
        "changeuuid": _uuid(rng),
        "stationuuid": station.stationuuid,
        "serveruuid": None,
        "name": station.name,
        "url": address if station.address_field == "url" else f"http://127.0.0.1:{ports.closed}/old",
        "url_resolved": address if station.address_field == "url_resolved" else "",
        "homepage": f"http://127.0.0.1:{ports.http}/",
        "favicon": f"http://127.0.0.1:{ports.http}/{station.logo}" if station.logo else "",
        "tags": station.tags,
        "country": station.country,
        "countrycode": station.countrycode,
        "iso_3166_2": None,
        "state": station.state,
        "language": station.language,
        "languagecodes": "en",
        "votes": station.votes,
        "codec": station.codec,
        "bitrate": station.bitrate,
        "hls": 0,
        "lastcheckok": 1,
        "clickcount": station.clickcount,
        "clicktrend": 5,
        "ssl_error": 0,
        "geo_lat": None,
        "geo_long": None,
        "has_extended_info": False,
    }
    if station.address_field == "url":
        entry["url"] = address
    return entry


def _tail_entry(rng: random.Random, index: int, ports: Ports, logos: list[str]) -> dict:
    region = rng.choice(REGIONS)
    slug = f"station-{index:04}"
    name = _tail_name(rng, region)
    codec = rng.choice(CODECS)
    stream = _dead_stream(rng, ports, slug, index)
    votes, clicks = _tail_votes(rng, index)
    entry = {
        "stationuuid": _uuid(rng),
        "name": name,
        "url": stream,
        "url_resolved": stream if rng.random() < 0.85 else "",
        "favicon": _favicon(rng, ports, logos, slug, index),
        "tags": region[6] if rng.random() < 0.8 else rng.choice(("", None, ",,", " , ,")),
        "country": region[0],
        "state": rng.choice(region[4]) if rng.random() < 0.6 else rng.choice(("", None, "  ")),
        "language": region[2] if rng.random() < 0.9 else rng.choice(("", None, "   ")),
        "votes": votes,
        "clickcount": clicks,
    }
    entry.update(_extra_keys(rng, region, codec, f"http://127.0.0.1:{ports.closed}/{slug}"))
    return entry


def _apply_oddities(rng: random.Random, entries: list[dict], ports: Ports) -> None:
    """Plants the cases a player must cope with at fixed places in the tail."""
    popular_names = ("Radio 1", "Classic FM", "Jazz FM", "Радио Рекорд", "Hits")
    popular = range(40, len(entries), 97)
    reserved = {30, 60, 61, 150, 151, 300, 400, 900, 901, 1200, 1500, 1501, 1700, 1701, 1702}
    free = [index for index in range(20, len(entries)) if index not in reserved and index not in popular]
    rng.shuffle(free)
    odd = iter(free)
    blank_names = (None, "", "   ", "\t\n", "\u00a0\u3000", ...)
    for value in blank_names:
        entry = entries[next(odd)]
        if value is ...:
            del entry["name"]
        else:
            entry["name"] = value
    for padding in PADDINGS:
        entry = entries[next(odd)]
        entry["name"] = f"{padding}{entry['name']}{rng.choice(PADDINGS)}"
    long_names = (
        "The Very Long Name Of A Community Station Broadcasting Around The Clock From The Valley",
        "Ра" * 30,
        "e\u0301" * 47 + "ab",  # a cut at 48 must not split an accent from its letter
        "🇯🇵" * 50,
        "x" * 48,
        "y" * 49,
    )
    for name in long_names:
        entries[next(odd)]["name"] = name
    for _ in range(12):  # nothing to play: the player drops these
        entry = entries[next(odd)]
        for key in ("url", "url_resolved"):
            choice = rng.choice((None, "", "  ", ...))
            if choice is ...:
                entry.pop(key, None)
            else:
                entry[key] = choice
    for _ in range(6):  # no identifier of the catalog's own
        entry = entries[next(odd)]
        choice = rng.choice((None, "", ...))
        if choice is ...:
            del entry["stationuuid"]
        else:
            entry["stationuuid"] = choice
    for position in popular:
        entries[position]["name"] = popular_names[position % len(popular_names)]
    for position in (150, 900, 1500):  # the same station listed twice, field for field
        entries[position + 1] = dict(entries[position])
    entries[1200]["stationuuid"] = entries[300]["stationuuid"]  # a reused identifier
    for position, (votes, clicks) in ((1700, (-3, 5)), (1701, (0, -12)), (1702, (0, 0))):
        entries[position]["votes"], entries[position]["clickcount"] = votes, clicks
    stalled = f"http://127.0.0.1:{ports.stalled}/stream"
    for position in (60, 61, 400):
        entries[position]["url_resolved"] = stalled
    entries[30].update(name=LIVE_STATIONS[0].name, url_resolved=f"http://127.0.0.1:{ports.icecast}/tone-440-old.mp3")


def build_catalog(ports: Ports, logos: list[str]) -> bytes:
    """The catalog document: a JSON array of station objects, UTF-8, some text escaped."""
    rng = random.Random(SEED)
    live = [_live_entry(rng, station, ports) for station in LIVE_STATIONS]
    links = [catalog_entry(station, live[0], ports.http, ports.icecast) for station in LINK_STATIONS]
    tail = [_tail_entry(rng, index, ports, logos) for index in range(CATALOG_SIZE - len(live) - len(links))]
    tail = [{key: value for key, value in entry.items() if value is not ...} for entry in tail]
    tail.sort(key=lambda entry: -((entry.get("votes") or 0) * 4 + (entry.get("clickcount") or 0)))
    _apply_oddities(rng, tail, ports)
    # Real exports are roughly by popularity but not exactly: the live ones sit among the first
    # rows, so only the player's own ordering puts them on top.
    entries = tail[:12]
    for offset, entry in zip((1, 3, 4, 8, 11), live):
        entries.insert(offset, entry)
    for offset, entry in zip((2, 6, 10, 14), links):
        entries.insert(offset, entry)
    entries += tail[12:]
    # Some entries escape every non-ASCII character, surrogate pairs included, as some
    # directories do; the rest are plain UTF-8.
    texts = [json.dumps(entry, ensure_ascii=(index % 9 == 4), separators=(",", ":"))
             for index, entry in enumerate(entries)]
    return ("[" + ",".join(texts) + "]").encode("utf-8")


def catalog_variants(catalog: bytes) -> dict[str, bytes]:
    """Documents a catalog host may answer with instead of a good catalog, for testing how a
    player keeps its last good copy. Each is served as variants/<name>/stations_filtered.json."""
    live_votes = f'"votes":{LIVE_STATIONS[0].votes}'.encode()
    assert live_votes in catalog
    stations = json.loads(catalog)
    for station in stations:
        station["url"] = station["url_resolved"] = ""
    return {
        "html-error": b"<!DOCTYPE html><html><head><title>502 Bad Gateway</title></head>"
                      b"<body><h1>502 Bad Gateway</h1></body></html>\n",
        "empty": b"[]",
        "truncated": catalog[:len(catalog) // 2],
        "wrong-type": catalog.replace(live_votes, f'"votes":"{LIVE_STATIONS[0].votes}"'.encode(), 1),
        "wrapped": b'{"stations":' + catalog + b"}",
        "nothing-playable": json.dumps(stations, ensure_ascii=False, separators=(",", ":")).encode("utf-8"),
    }
