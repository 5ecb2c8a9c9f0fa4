#!/usr/bin/env python3
"""Starts the demo server in a fresh folder, checks what a player would meet, and stops it.

Checks: the catalog parses as the player reads it, with the live stations on top; logos are real
images (and the broken ones are broken); every live stream, the HLS stream and the source that
goes off the air decode to their own tone; the playlist links list their mounts; the stream
titles change; dead addresses fail at once; after `stop` no process and no port is left.
Exit status 0 when all hold. Keeps the state folder when a check fails.
"""

import json
import math
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unicodedata
import urllib.error
import urllib.parse
import urllib.request
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source folder clean
from tones import goertzel_power, zero_crossing_frequency  # noqa: E402

HERE = Path(__file__).resolve().parent
TEXT_KEYS = ("stationuuid", "name", "url", "url_resolved", "favicon", "country", "state", "language", "tags")
COUNT_KEYS = ("votes", "clickcount")
CAPTURE_RATE = 16000
CAPTURE_SECONDS = 2.5
SETTLE_SECONDS = 0.5  # decoders and resamplers start with a short transient


class CheckFailed(Exception):
    pass


def check(condition: bool, message: str) -> None:
    if not condition:
        raise CheckFailed(message)


def fetch(url: str) -> tuple[int, bytes]:
    try:
        with urllib.request.urlopen(url, timeout=10) as reply:
            return reply.status, reply.read()
    except urllib.error.HTTPError as error:
        return error.code, error.read()


def score(entry: dict) -> int:
    return 4 * (entry.get("votes") or 0) + (entry.get("clickcount") or 0)


def playable(entry: dict) -> bool:
    return any((entry.get(key) or "").strip() for key in ("url_resolved", "url"))


def check_catalog(catalog_url: str, live: list[dict]) -> list[dict]:
    status, body = fetch(catalog_url)
    check(status == 200, f"catalog answered {status}")
    entries = json.loads(body.decode("utf-8"))
    check(isinstance(entries, list) and 1900 <= len(entries) <= 2100, "catalog is not an array of about 2000")
    for index, entry in enumerate(entries):
        check(isinstance(entry, dict), f"element {index} is not an object")
        for key in TEXT_KEYS:
            check(entry.get(key) is None or isinstance(entry[key], str), f"element {index}: {key} is not text")
        for key in COUNT_KEYS:
            value = entry.get(key)
            check(value is None or (type(value) is int and -2**63 <= value < 2**63),
                  f"element {index}: {key} is not a 64-bit integer")
    ranked = sorted((entry for entry in entries if playable(entry)), key=lambda entry: -score(entry))
    top = [entry["stationuuid"] for entry in ranked[:len(live)]]
    check(top == [station["stationuuid"] for station in live], "the live stations are not the most popular")
    check(len(entries) - sum(map(playable, entries)) >= 5, "no unplayable entries")
    names = [entry.get("name") for entry in entries]
    check(any("name" not in entry for entry in entries) and None in names, "no entry without a name")
    check(any(isinstance(name, str) and name != name.strip() for name in names), "no padded names")
    scripts = {unicodedata.name(character, "?").split()[0] for name in names if name for character in name
               if ord(character) > 0x2FF}
    check(len(scripts) >= 12, f"names use only {len(scripts)} scripts")
    check(len(set(filter(None, names))) < len(names) - 20, "names are not duplicated")
    return entries


def check_logos(entries: list[dict], live: list[dict]) -> None:
    signatures = {b"\x89PNG\r\n\x1a\n": "png", b"\xff\xd8\xff": "jpeg"}
    kinds = set()
    for station in live:
        if station["favicon"]:
            status, body = fetch(station["favicon"])
            check(status == 200, f"logo {station['favicon']} answered {status}")
            kinds |= {kind for magic, kind in signatures.items() if body.startswith(magic)}
    check(kinds == {"png", "jpeg"}, f"live logos are {sorted(kinds)}, not PNG and JPEG")
    favicons = {entry.get("favicon") for entry in entries if isinstance(entry.get("favicon"), str)}
    broken = next(url for url in favicons if url.endswith("/not-an-image.png"))
    status, body = fetch(broken)
    check(status == 200 and not any(body.startswith(magic) for magic in signatures), "no logo that is not an image")
    missing = next(url for url in favicons if "/logos/missing/" in url)
    check(fetch(missing)[0] == 404, "a missing logo does not answer 404")


def capture(url: str, seconds: float) -> list[int]:
    """Decodes a stream as a player would and returns mono samples at CAPTURE_RATE."""
    # playbin, as the player uses: it follows an Ogg stream from one chained segment to the next.
    sink = f"audioconvert ! audioresample ! audio/x-raw,format=S16LE,channels=1,rate={CAPTURE_RATE} ! fdsink fd=1"
    pipeline = ["gst-launch-1.0", "-q", "playbin", f"uri={url}", f"audio-sink={sink}", "video-sink=fakesink"]
    decoder = subprocess.Popen(pipeline, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    wanted = int(seconds * CAPTURE_RATE) * 2
    data = b""
    try:
        while len(data) < wanted:
            chunk = decoder.stdout.read1(wanted - len(data))
            if not chunk:
                break
            data += chunk
    finally:
        decoder.kill()
        decoder.wait()
    return list(struct.unpack(f"<{len(data) // 2}h", data[:len(data) // 2 * 2]))


def check_tones(live: list[dict]) -> list[str]:
    results: dict[str, list[int]] = {}
    threads = [threading.Thread(target=lambda station=station: results.__setitem__(
        station["mount"], capture(station["url"], CAPTURE_SECONDS + SETTLE_SECONDS))) for station in live]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    report = []
    tones = [station["frequency"] for station in live]
    for station in live:
        samples = results[station["mount"]][int(SETTLE_SECONDS * CAPTURE_RATE):]
        check(len(samples) >= CAPTURE_SECONDS * CAPTURE_RATE * 0.9, f"{station['mount']} gave too little audio")
        loudness = math.sqrt(sum(sample * sample for sample in samples) / len(samples))
        check(loudness > 1000, f"{station['mount']} is silent (RMS {loudness:.0f})")
        dominant = max(tones, key=lambda tone: goertzel_power(samples, tone, CAPTURE_RATE))
        measured = zero_crossing_frequency(samples, CAPTURE_RATE)
        check(dominant == station["frequency"] and abs(measured - station["frequency"]) <= 5,
              f"{station['mount']} plays {measured:.1f} Hz, expected {station['frequency']} Hz")
        report.append(f"{station['mount']}: {measured:.1f} Hz, RMS {loudness:.0f}")
    return report


def titles(status_url: str, live: list[dict]) -> dict[str, str]:
    sources = json.loads(fetch(status_url)[1].decode("utf-8"))["icestats"].get("source", [])
    mounts = {station["mount"] for station in live}
    return {source["listenurl"]: f"{source.get('artist', '')}|{source.get('title', '')}"
            for source in (sources if isinstance(sources, list) else [sources])
            if urllib.parse.urlparse(source["listenurl"]).path in mounts}


def check_links(links: list[dict], live: list[dict]) -> list[dict]:
    """The playlist links list the live mount of their tone; returns the streams to listen to."""
    streams = []
    for link in links:
        if link["kind"] in ("pls", "m3u"):
            status, body = fetch(link["url"])
            mount = next(station["url"] for station in live if station["frequency"] == link["frequency"])
            check(status == 200 and mount in body.decode(), f"{link['url']} does not list {mount}")
        else:
            streams.append({"mount": urllib.parse.urlparse(link["url"]).path, "url": link["url"],
                            "frequency": link["frequency"]})
    return streams


def check_dead_addresses(server: dict) -> None:
    status, _ = fetch(f"http://127.0.0.1:{server['icecastPort']}/no-such-mount.mp3")
    check(status == 404, f"a dead mount answered {status}")
    with socket.socket() as probe:
        check(probe.connect_ex(("127.0.0.1", server["refusingPort"])) != 0, "the refusing port accepts")


def port_closed(port: int) -> bool:
    with socket.socket() as probe:
        return probe.connect_ex(("127.0.0.1", port)) != 0


def run(state_dir: Path) -> None:
    server_script = HERE / "demo-server.sh"
    started = time.monotonic()
    result = subprocess.run([server_script, "start", state_dir], capture_output=True, text=True, timeout=120)
    check(result.returncode == 0, f"start failed: {result.stderr.strip()}")
    print(f"started in {time.monotonic() - started:.1f} s: {result.stdout.strip()}")
    pids = [int(line.split()[0]) for line in (state_dir / "pids").read_text().splitlines()]
    server = json.loads((state_dir / "server.json").read_text())
    live = json.loads((state_dir / "live-stations.json").read_text())
    try:
        catalog_url = (state_dir / "catalog-url").read_text().strip()
        before = titles(server["icecastStatusUrl"], live)
        links = json.loads((state_dir / "link-stations.json").read_text())
        entries = check_catalog(catalog_url, live)
        check_logos(entries, live)
        check_dead_addresses(server)
        for line in check_tones(live + check_links(links, live)):
            print(line)
        deadline = time.monotonic() + server["titleIntervalSeconds"] + 5
        while time.monotonic() < deadline and any(
                before.get(url) == title for url, title in titles(server["icecastStatusUrl"], live).items()):
            time.sleep(0.2)
        after = titles(server["icecastStatusUrl"], live)
        check(len(after) == len(live) and all(before.get(url) != title for url, title in after.items()),
              f"stream titles did not all change: {before} then {after}")
        print("titles changed, for example:", next(iter(after.values())))
    finally:
        result = subprocess.run([server_script, "stop", state_dir], capture_output=True, text=True, timeout=60)
    check(result.returncode == 0, f"stop failed: {result.stderr.strip()}")
    left = [pid for pid in pids if Path(f"/proc/{pid}").exists() and "Z" not in
            Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()[:1]]
    check(not left, f"processes left after stop: {left}")
    check(all(port_closed(server[key]) for key in ("httpPort", "icecastPort")), "ports still open after stop")
    print(f"stopped; no process left; all checks passed in {time.monotonic() - started:.1f} s")


def main() -> int:
    state_dir = Path(tempfile.mkdtemp(prefix="vello-demo-check-"))
    try:
        run(state_dir)
    except (CheckFailed, OSError, ValueError, subprocess.TimeoutExpired) as error:
        print(f"FAILED: {error}\nstate kept in {state_dir}", file=sys.stderr)
        for log in ("supervisor.log", "icecast.out"):
            path = state_dir / log
            if path.exists():
                print(f"--- {log}\n{path.read_text(errors='replace')[-3000:]}", file=sys.stderr)
        subprocess.run([HERE / "demo-server.sh", "stop", state_dir], capture_output=True, timeout=60)
        return 1
    shutil.rmtree(state_dir, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
