#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the
# optimised, hardened build, then the whole suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer. Tests run as many at a time as there are cores.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL
cmake --workflow --preset full
cmake --workflow --preset asan
