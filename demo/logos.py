"""Station logos made on the spot: PNGs written by hand, JPEGs from GStreamer's test source,
and the broken files a directory's logo addresses also lead to."""

import colorsys
import random
import struct
import subprocess
import zlib
from pathlib import Path

JPEG_PATTERNS = ("circular", "pinwheel", "spokes", "gradient", "colors", "smpte", "zone-plate",
                 "checkers-8", "ball")


def _chunk(kind: bytes, data: bytes) -> bytes:
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def encode_png(width: int, height: int, rows: list[bytes], channels: int) -> bytes:
    """A PNG of 8-bit samples; channels 1 (grey), 3 (RGB) or 4 (RGBA)."""
    colour_type = {1: 0, 3: 2, 4: 6}[channels]
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header) + _chunk(b"IDAT", zlib.compress(raw, 6))
            + _chunk(b"IEND", b""))


def _colour(hue: float, lightness: float, alpha: int | None) -> bytes:
    red, green, blue = colorsys.hls_to_rgb(hue, lightness, 0.65)
    pixel = bytes((int(red * 255), int(green * 255), int(blue * 255)))
    return pixel if alpha is None else pixel + bytes((alpha,))


def badge_png(width: int, height: int, hue: float, rounded: bool) -> bytes:
    """A disc on a coloured ground, with a band across it; rounded corners are transparent.

    Rows are built from runs rather than pixel by pixel, so even large logos take no time.
    """
    channels = 4 if rounded else 3
    alpha = 255 if rounded else None
    ground = _colour(hue, 0.35, alpha)
    disc = _colour((hue + 0.5) % 1.0, 0.7, alpha)
    band = _colour((hue + 0.25) % 1.0, 0.55, alpha)
    clear = bytes(channels)
    radius = min(width, height) * 0.36
    corner = min(width, height) * 0.18 if rounded else 0
    centre_x, centre_y = width / 2, height / 2
    rows = []
    for y in range(height):
        middle = ground * width
        reach = radius * radius - (y + 0.5 - centre_y) ** 2
        if reach > 0:
            left = max(0, int(centre_x - reach ** 0.5))
            right = min(width, int(centre_x + reach ** 0.5))
            middle = ground * left + disc * (right - left) + ground * (width - right)
        if abs(y - centre_y) < height * 0.05:
            middle = band * width
        inset = 0
        edge = min(y + 0.5, height - y - 0.5)
        if edge < corner:
            inset = int(corner - (corner * corner - (corner - edge) ** 2) ** 0.5)
        if inset:
            middle = clear * inset + middle[inset * channels:(width - inset) * channels] + clear * inset
        rows.append(middle)
    return encode_png(width, height, rows, channels)


def grey_png(size: int) -> bytes:
    rows = [bytes((x * 255 // size) ^ (y * 255 // size) for x in range(size)) for y in range(size)]
    return encode_png(size, size, rows, 1)


def _jpeg_branches(jobs: list[tuple[Path, str, int, int]]) -> list[str]:
    arguments = []
    for path, pattern, width, height in jobs:
        arguments += ["videotestsrc", f"pattern={pattern}", "num-buffers=1", "!",
                      f"video/x-raw,width={width},height={height}", "!", "jpegenc", "quality=85", "!",
                      "filesink", f"location={path}"]
    return arguments


def make_logos(www: Path) -> list[str]:
    """Writes every logo under www/logos; returns the paths (relative to www) of the good ones
    that the catalog's tail picks from."""
    folder = www / "logos"
    folder.mkdir(parents=True, exist_ok=True)
    rng = random.Random(7)
    jpeg_jobs = [(folder / "live-550.jpg", "smpte", 240, 240), (folder / "live-770.jpg", "pinwheel", 320, 180)]
    pool = []
    for index, pattern in enumerate(JPEG_PATTERNS):
        width, height = rng.choice(((120, 120), (200, 200), (300, 150), (96, 160)))
        jpeg_jobs.append((folder / f"logo-{index:02}.jpg", pattern, width, height))
        pool.append(f"logos/logo-{index:02}.jpg")
    encoder = subprocess.Popen(["gst-launch-1.0", "-q"] + _jpeg_branches(jpeg_jobs),
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)

    (folder / "live-440.png").write_bytes(badge_png(256, 256, 0.02, rounded=True))
    (folder / "live-660.png").write_bytes(badge_png(200, 200, 0.6, rounded=False))
    shapes = ((64, 64), (96, 96), (128, 128), (128, 128), (180, 180), (300, 100), (100, 300), (48, 48))
    for index in range(16):
        width, height = shapes[index % len(shapes)]
        name = f"logos/logo-{index + len(JPEG_PATTERNS):02}.png"
        (www / name).write_bytes(badge_png(width, height, rng.random(), rounded=index % 3 == 0))
        pool.append(name)
    (folder / "logo-large.png").write_bytes(badge_png(1024, 1024, 0.3, rounded=True))
    (folder / "logo-grey.png").write_bytes(grey_png(128))
    pool += ["logos/logo-large.png", "logos/logo-grey.png"]
    # A PNG under a .jpg name: decoders look at the bytes, not at the name.
    (folder / "logo-mislabelled.jpg").write_bytes(badge_png(128, 128, 0.8, rounded=False))
    pool.append("logos/logo-mislabelled.jpg")
    (folder / "not-an-image.png").write_text(
        "<!DOCTYPE html><html><body><h1>Moved</h1><p>This logo now lives elsewhere.</p></body></html>\n")
    (folder / "truncated.png").write_bytes(badge_png(128, 128, 0.1, rounded=False)[:80])

    _, errors = encoder.communicate(timeout=60)
    missing = [str(path) for path, *_ in jpeg_jobs if not path.exists() or path.stat().st_size == 0]
    if encoder.returncode != 0 or missing:
        raise RuntimeError(f"could not make the JPEG logos ({errors.decode(errors='replace').strip()})")
    return pool
