#!/usr/bin/env bash
# Sets up the machine, builds and starts Saffin with build/bin as its data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Saffin under Xvfb (a virtual display)."
  exec xvfb-run -a -s "-screen 0 1280x800x24" build/bin/saffin
fi
exec build/bin/saffin
