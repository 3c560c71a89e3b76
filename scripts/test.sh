#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the
# optimised, hardened build, then the whole suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
cmake --workflow --preset full
cmake --workflow --preset asan
