#!/usr/bin/env bash
# Starts or stops the local demo station server: demo-server.sh start|stop STATE_DIR
exec python3 "$(dirname "$(readlink -f "$0")")/demoserver.py" "$@"
