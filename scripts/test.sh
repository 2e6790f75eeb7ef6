#!/usr/bin/env bash
# Runs every test of the build in build/ through CTest.
# With CI=true a test that needs a missing oracle program fails instead of skipping.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${LUMARO_BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)" "$@"
