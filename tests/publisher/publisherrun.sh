#!/usr/bin/env bash
# Runs the built publisher as a deployment's timer does, with no display: from a saved directory
# answer, then from a directory server on loopback after one that refuses the connection, the
# next day from its change feed only, and against an answer that is not a catalog.
# Usage: publisherrun.sh PROGRAM VERSION
set -euo pipefail
program=$1 version=$2
answer=$(dirname "$0")/directoryanswer.json
work=$(mktemp -d)
server=
trap '[[ -z $server ]] || kill "$server"; rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY
fail() { echo "$*"; exit 1; }

"$program" --from "$answer" --output "$work/saved" || fail "publishing a saved answer exited with $?"
# Of the seven stations: one is broken, one has no stream address and one repeats a uuid.
[[ $(grep -c '^\[\?{"changeuuid"' "$work/saved/stations_filtered.json") == 4 ]] || fail "not the four good stations"

python3 - "$answer" "$work" <<'PYTHON' &
import http.server, pathlib, sys
body, work = pathlib.Path(sys.argv[1]).read_bytes(), pathlib.Path(sys.argv[2])
renamed = b'[{"changeuuid": "c2", "stationuuid": "9f0c1e2a-0000-4000-8000-000000000002", "name": "Nordlys Two",' \
    b' "url": "http://stream2.example.org/playlist.pls", "lastchangetime": "2024-05-03 10:00:00"}]'
class Directory(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        (work / "agent").write_text(self.headers.get("User-Agent", ""))
        with open(work / "requests", "a") as requests:
            requests.write(self.path + "\n")
        body = renamed if self.path.startswith("/json/stations/changed?") else globals()["body"]
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), Directory)
(work / "port.tmp").write_text(str(server.server_port))
(work / "port.tmp").rename(work / "port")
server.serve_forever()
PYTHON
server=$!
for _ in $(seq 100); do [[ -f $work/port ]] && break; sleep 0.1; done
"$program" --server http://127.0.0.1:1 --server "http://127.0.0.1:$(cat "$work/port")" --output "$work/served" \
  2>"$work/errors" || fail "publishing from a server exited with $?: $(cat "$work/errors")"
cmp "$work/saved/stations_filtered.json" "$work/served/stations_filtered.json"
cmp "$work/saved/stations_filtered.json.gz" "$work/served/stations_filtered.json.gz"
grep -q '127.0.0.1:1' "$work/errors" || fail "the refused server went unreported"
[[ $(cat "$work/agent") == "PembaVello-catalog/$version" ]] || fail "User-Agent: $(cat "$work/agent")"

"$program" --server "http://127.0.0.1:$(cat "$work/port")" --output "$work/served" >/dev/null \
  || fail "publishing the changes exited with $?"
grep -q '"name":"Nordlys Two"' "$work/served/stations_filtered.json" || fail "the rename was not published"
[[ $(grep -c '^/json/stations?' "$work/requests") == 1 ]] || fail "the whole list again: $(cat "$work/requests")"
grep -q '^/json/stations/changed?lastchangeuuid=1b2c3d4e-0000-4000-8000-000000000001&limit=1000$' "$work/requests" \
  || fail "no changes asked: $(cat "$work/requests")"

echo '<html>502 Bad Gateway</html>' >"$work/error.html"
status=0
"$program" --from "$work/error.html" --output "$work/saved" 2>"$work/errors" || status=$?
[[ $status == 1 ]] || fail "an answer that is not a catalog exited with $status"
grep -q 'nothing was published' "$work/errors" || fail "no reason given: $(cat "$work/errors")"
status=0
"$program" --from "$answer" 2>/dev/null || status=$?
[[ $status == 2 ]] || fail "a missing --output exited with $status"
"$program" --help | grep -q -- --min-share || fail "no usage text"
