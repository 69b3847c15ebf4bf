#!/usr/bin/env bash
# Sets up the machine, builds and starts Saffin with build/bin as its data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

# The sample recipe exchange, served at the program's default server root (127.0.0.1:8765)
# for as long as the program runs.
exchange_port=8765
python3 scripts/serve-exchange.py --port "$exchange_port" &
exchange_pid=$!
trap 'kill "$exchange_pid" 2>/dev/null || true' EXIT
echo "Serving the sample recipe exchange (exchange/) on http://127.0.0.1:$exchange_port/"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Saffin under Xvfb (a virtual display)."
  xvfb-run -a -s "-screen 0 1280x800x24" build/bin/saffin
else
  build/bin/saffin
fi
