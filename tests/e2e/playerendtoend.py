#!/usr/bin/env python3
"""The player end to end, as a person meets it: the real binary on a virtual display, its sound on
a PulseAudio null sink, the local demo station server as its catalog host. Every process it
starts is stopped, also on failure; exit status 0 when every check holds.

Usage: playerendtoend.py --player PATH [--demo-server PATH] [--keep]
"""

import argparse
import json
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
from pathlib import Path

sys.dont_write_bytecode = True  # leave no cache folder in the source tree
sys.path.insert(0, str(Path(__file__).resolve().parent))
from desktop import (Failure, Processes, PulseServer, Recorder, Tone, check, inspect,  # noqa: E402
                     start_display, wait_until)

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "demo"))
from livestations import TRACK_ARTIST  # noqa: E402

TIME_LIMIT = 270  # seconds for the whole test; CTest's own limit is a little longer
TOOLS = ("Xvfb", "pulseaudio", "pactl", "parec", "xdotool")
WINDOW_SIZE = (1180, 1300)  # tall enough to show the first rows below the Home hero picture
TOP_ROWS = 5
PROMPT_ANSWER = 2.0  # seconds within which a window that is not frozen answers the inspection hook
HEART, EMPTY_HEART = "\u2665", "\u2661"


def log(message: str) -> None:
    print(f"[{time.monotonic() - STARTED:6.1f} s] {message}", flush=True)


STARTED = time.monotonic()


class Player:
    """One run of the player binary on the test's display, found and driven through its widgets."""

    def __init__(self, session: "Session", label: str) -> None:
        self.session = session
        self.label = label
        self.socket_path = session.work / f"inspect-{label}.sock"
        self.log_path = session.work / f"player-{label}.log"
        env = {key: value for key, value in os.environ.items() if not key.startswith(("PULSE_", "DBUS_"))}
        env.update(session.pulse.client_env)
        env.update(DISPLAY=session.display, QT_QPA_PLATFORM="xcb", XDG_DATA_HOME=str(session.data_home),
                   XDG_CONFIG_HOME=str(session.config_home), XDG_RUNTIME_DIR=str(session.runtime),
                   VELLO_TEST_INSPECT=str(self.socket_path))
        # libxkbcommon-x11 hands strndup() key names that are not NUL-terminated, which is legal
        # but trips AddressSanitizer's strict string checks as soon as Qt opens an X display.
        if "ASAN_OPTIONS" in env:
            env["ASAN_OPTIONS"] += ":strict_string_checks=0"
        self.process = session.processes.start(f"player {label}", [session.binary, "--catalog-url",
                                                                   session.catalog_url], self.log_path, env=env)
        self.snapshot = wait_until(self._first_answer, 60, f"the {label} player's window")
        window = self.snapshot["windows"][0]
        self.window_id = window["windowId"]
        # A person would enlarge the window the same way: the whole of it on the screen, tall
        # enough that the top rows are not hidden behind the mini player.
        self.xdotool("windowmove", self.window_id, 0, 0)
        self.xdotool("windowsize", self.window_id, *WINDOW_SIZE)
        wait_until(lambda: (w := self.inspect()["windows"][0])["h"] == WINDOW_SIZE[1] and w["y"] == 0, 20,
                   "the window to move and grow")

    def _first_answer(self):
        self.alive()
        if not self.socket_path.exists():
            return None
        try:
            answer, _ = inspect(self.socket_path)
        except (OSError, Failure):  # still starting: the socket is not listening yet
            return None
        return answer if answer["windows"] else None

    def alive(self) -> None:
        check(self.process.poll() is None,
              f"the {self.label} player exited with status {self.process.returncode}:\n{self.log_tail()}")

    def log_tail(self) -> str:
        return self.log_path.read_text(errors="replace")[-3000:]

    def inspect(self) -> dict:
        self.alive()
        self.snapshot, seconds = inspect(self.socket_path)
        self.last_answer_seconds = seconds
        return self.snapshot

    def xdotool(self, *arguments) -> str:
        result = subprocess.run(["xdotool", *map(str, arguments)], capture_output=True, text=True, timeout=20,
                                env={**os.environ, "DISPLAY": self.session.display})
        check(result.returncode == 0, f"xdotool {' '.join(map(str, arguments))} failed: {result.stderr}")
        return result.stdout

    def rows(self, snapshot: dict | None = None) -> list[dict]:
        """The station rows in view, top to bottom: name, play and heart buttons, the name label."""
        widgets = (snapshot or self.inspect())["widgets"]
        rows = []
        for play in sorted((w for w in widgets if w["name"].startswith("Play ")), key=lambda w: (w["y"], w["x"])):
            name = play["name"][len("Play "):]
            middle = play["y"] + play["h"] / 2

            def same_row(widget: dict) -> bool:
                return abs(widget["y"] + widget["h"] / 2 - middle) < 39

            names = (f"Add {name} to favourites", f"Remove {name} from favourites")
            heart = next((w for w in widgets if w["name"] in names and same_row(w)), None)
            label = next((w for w in widgets if w.get("text") == name and w["class"].endswith("Label")
                          and w["y"] <= middle <= w["y"] + 78), None)
            rows.append({"name": name, "play": play, "heart": heart, "label": label})
        return rows

    def click(self, find, what: str) -> None:
        """Clicks the widget `find` picks from a snapshot once two looks agree where it is: a person
        aims at a widget that stands still, and so must the test."""
        seen = []

        def steady():
            widget = find(self.inspect())
            seen.append(widget and (widget["x"], widget["y"], widget["w"], widget["h"]))
            return widget if seen[-1] and seen[-2:] == [seen[-1]] * 2 else None

        widget = wait_until(steady, 20, f"{what} standing still", interval=0.2)
        check(widget["reachable"], f"{what} is covered by something else")
        self.xdotool("mousemove", "--sync", widget["x"] + widget["w"] // 2, widget["y"] + widget["h"] // 2,
                     "click", "1")
        log(f"clicked {what}")

    def click_row(self, index: int, part: str, what: str) -> None:
        def part_of_row(snapshot):
            rows = self.rows(snapshot)
            return rows[index][part] if index < len(rows) else None

        self.click(part_of_row, what)

    def click_named(self, name: str) -> None:
        def button(snapshot):
            shown = [w for w in snapshot["widgets"] if w["name"] == name and w["enabled"]]
            return next((w for w in shown if w["reachable"]), shown[0] if shown else None)

        self.click(button, f"the button {name!r}")

    def wait_for_top_rows(self, live: list[dict]) -> list[dict]:
        expected = [station["displayName"] for station in live[:TOP_ROWS]]

        def top_rows():
            rows = self.rows()
            return rows if [row["name"] for row in rows[:TOP_ROWS]] == expected else None

        try:
            rows = wait_until(top_rows, 60, f"the {self.label} player to list the top stations")
        except Failure:
            shown = [row["name"] for row in self.rows()]
            raise Failure(f"the {self.label} window lists {shown[:TOP_ROWS + 3]}, expected {expected} on top")
        for row in rows[:TOP_ROWS]:
            check(row["label"] is not None, f"the row of {row['name']!r} shows no label with its name")
            check(row["heart"] is not None, f"the row of {row['name']!r} has no heart button")
        return rows

    def hearts(self) -> dict[str, str]:
        return {row["name"]: row["heart"]["text"] for row in self.rows() if row["heart"]}

    def quit(self) -> None:
        """Quits as a person would, with Ctrl+Q in the focused window; fails if it does not end cleanly."""
        self.alive()
        self.xdotool("windowfocus", self.window_id)
        self.xdotool("key", "--clearmodifiers", "ctrl+q")
        try:
            status = self.process.wait(30)
        except subprocess.TimeoutExpired:
            self.session.processes.stop(self.process)
            raise Failure(f"the {self.label} player did not quit on Ctrl+Q:\n{self.log_tail()}")
        self.session.processes.stop(self.process)
        check(status == 0, f"the {self.label} player quit with status {status}:\n{self.log_tail()}")
        log(f"{self.label} player quit")


class Session:
    """Everything one test run starts: display, sound server, recorder and demo server."""

    def __init__(self, work: Path, binary: Path, demo_server: Path) -> None:
        self.work = work
        self.binary = binary
        self.demo_server = demo_server
        self.processes = Processes()
        self.data_home = work / "data"
        self.config_home = work / "config"
        self.runtime = work / "runtime"
        self.state = work / "demo"
        for folder in (self.data_home, self.config_home, self.runtime):
            folder.mkdir(mode=0o700)
        self.demo_running = False

    def start(self) -> None:
        self.display = start_display(self.processes, self.work)
        log(f"Xvfb on display {self.display}")
        self.pulse = PulseServer(self.processes, self.work)
        self.recorder = Recorder(self.processes, self.work, self.pulse)
        log("PulseAudio null sink recorded")
        self.demo_running = True
        result = subprocess.run([self.demo_server, "start", self.state], capture_output=True, text=True, timeout=120)
        check(result.returncode == 0, f"the demo server did not start: {result.stderr[-2000:]}")
        self.catalog_url = (self.state / "catalog-url").read_text().strip()
        self.live = json.loads((self.state / "live-stations.json").read_text())
        check(len(self.live) >= TOP_ROWS, f"the demo server has only {len(self.live)} live stations")
        log(f"demo server serves {self.catalog_url}")

    def stop_demo_server(self) -> None:
        if self.demo_running:
            result = subprocess.run([self.demo_server, "stop", self.state], capture_output=True, text=True,
                                    timeout=60)
            self.demo_running = False
            check(result.returncode == 0, f"the demo server did not stop: {result.stderr[-2000:]}")

    def stop(self) -> None:
        try:
            self.stop_demo_server()
        finally:
            self.processes.stop_all()

    def wait_for_tone(self, station: dict, timeout: float = 45) -> Tone:
        candidates = [live["frequency"] for live in self.live]
        heard: list[Tone] = []

        def hears_it():
            tone = Tone(self.recorder.listen(1.0), candidates)
            heard.append(tone)
            return tone if tone.matches(station["frequency"]) else None

        try:
            tone = wait_until(hears_it, timeout, f"{station['frequency']} Hz", interval=0)
        except Failure:
            raise Failure(f"{station['displayName']!r} should sound at {station['frequency']} Hz; the sink "
                          f"carried {', '.join(map(str, heard[-3:]))}")
        log(f"heard {station['displayName']!r}: {tone}")
        return tone


def first_run(session: Session) -> None:
    live = session.live
    player = Player(session, "first")
    player.wait_for_top_rows(live)
    log(f"first run lists {[station['displayName'] for station in live[:TOP_ROWS]]} on top")

    player.click_row(0, "play", f"Play on {live[0]['displayName']!r}")
    session.wait_for_tone(live[0])
    player.click_named("Next")
    session.wait_for_tone(live[1])

    play_playlist_link(session, player)

    favourite = live[1]["displayName"]
    before = player.hearts()
    check(before.get(favourite) == EMPTY_HEART, f"{favourite!r} starts as {before.get(favourite)!r}")
    player.click_row(next(i for i, row in enumerate(player.rows()) if row["name"] == favourite), "heart",
                     f"the heart of {favourite!r}")
    hearts = wait_until(lambda: (h := player.hearts()).get(favourite) == HEART and h, 20,
                        f"the heart of {favourite!r} to fill")
    others = {name: mark for name, mark in hearts.items() if name != favourite}
    check(all(mark == EMPTY_HEART for mark in others.values()), f"other hearts changed too: {others}")

    served = (session.state / "www" / "stations_filtered.json").read_bytes()
    cache = session.data_home / "PembaVello" / "stations.json"
    wait_until(lambda: cache.exists() and cache.read_bytes() == served, 30,
               "the cache file to equal the served catalog byte for byte")
    log(f"cache equals the served catalog ({len(served)} bytes)")
    player.quit()


def play_playlist_link(session: Session, player: Player) -> None:
    """The station after the live ones is a .pls link to the 440 Hz mount: Next from the last live
    row reaches it; its tone plays and the window shows the song its stream names."""
    link = next(station for station in json.loads((session.state / "link-stations.json").read_text())
                if station["kind"] == "pls")
    player.click_row(TOP_ROWS - 1, "play", f"Play on {session.live[TOP_ROWS - 1]['displayName']!r}")
    session.wait_for_tone(session.live[TOP_ROWS - 1])
    player.click_named("Next")
    session.wait_for_tone({"frequency": link["frequency"], "displayName": link["name"]})
    artist = f"{TRACK_ARTIST} - "

    def song_shown():
        texts = [w.get("text") or "" for w in player.inspect()["widgets"] if w.get("visible", True)]
        return next((text for text in texts if text.startswith(artist)), None)

    song = wait_until(song_shown, 20, f"the song title of {link['name']!r} in the window")
    log(f"the window shows the song {song!r}")


def offline_run(session: Session) -> None:
    live = session.live
    session.stop_demo_server()
    host, port = session.catalog_url.split("/")[2].split(":")
    with socket.socket() as probe:
        check(probe.connect_ex((host, int(port))) != 0, "the catalog host still answers after the server stopped")
    log("demo server stopped")

    # The restart also shows that the favourite is kept.
    player = Player(session, "offline")
    player.wait_for_top_rows(live)
    hearts = player.hearts()
    check(hearts.get(live[1]["displayName"]) == HEART, f"after a restart the favourite shows {hearts}")
    check(hearts.get(live[0]["displayName"]) == EMPTY_HEART, f"after a restart a non-favourite shows {hearts}")
    log("offline run lists the cached stations, the favourite still marked")

    player.click_row(0, "play", f"Play on {live[0]['displayName']!r} with the server gone")
    # Watch the window for a while: it must keep answering at once, keep its rows and open no
    # dialog, while the stream fails out of sight; the sink must stay silent.
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline:
        snapshot = player.inspect()
        check(player.last_answer_seconds < PROMPT_ANSWER,
              f"the window took {player.last_answer_seconds:.2f} s to answer after a failing play")
        check(len(snapshot["windows"]) == 1, f"a failing play opened a window: {snapshot['windows'][1:]}")
        shown = [row["name"] for row in player.rows(snapshot)[:TOP_ROWS]]
        check(shown == [station["displayName"] for station in live[:TOP_ROWS]],
              f"after a failing play the window lists {shown}")
        tone = Tone(session.recorder.listen(0.25), [station["frequency"] for station in live])
        check(tone.rms < 300, f"a station with its server gone made sound: {tone}")
    log("a failing play left the window answering at once")
    player.quit()


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--player", type=Path, required=True, help="the pemba-vello binary")
    parser.add_argument("--demo-server", type=Path,
                        default=Path(__file__).resolve().parents[2] / "demo" / "demo-server.sh")
    parser.add_argument("--keep", action="store_true", help="keep the work folder even when all passes")
    options = parser.parse_args()

    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing or not options.player.is_file():
        print(f"FAILED: cannot run without {missing or options.player} (scripts/install-deps.sh installs the "
              "tools)", file=sys.stderr)
        return 1

    def give_up(number, _frame):
        raise Failure(f"stopped by signal {number}" if number != signal.SIGALRM else
                      f"the test took longer than {TIME_LIMIT} s")

    for number in (signal.SIGALRM, signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, give_up)
    signal.alarm(TIME_LIMIT)

    work = Path(tempfile.mkdtemp(prefix="vello-e2e-"))
    session = Session(work, options.player.resolve(), options.demo_server.resolve())
    passed = False
    try:
        session.start()
        first_run(session)
        offline_run(session)
        passed = True
    except (Failure, OSError, ValueError, KeyError, subprocess.TimeoutExpired) as error:
        print(f"FAILED: {error}\nlogs kept in {work}", file=sys.stderr)
    finally:
        signal.alarm(0)
        for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            signal.signal(number, signal.SIG_IGN)
        session.stop()
    if passed:
        log(f"all checks passed in {time.monotonic() - STARTED:.1f} s")
        if not options.keep:
            shutil.rmtree(work, ignore_errors=True)
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
