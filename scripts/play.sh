#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh play
cmake --preset default >/dev/null
cmake --build --preset default --target huecracker
exec build/huecracker "$@"
