#!/usr/bin/env bash
# Sets up the machine, builds with warnings as errors and runs every test offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DSAFFIN_WERROR=ON
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
cd build
ctest --output-on-failure -j2 --timeout 300
