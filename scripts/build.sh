#!/usr/bin/env bash
# Configures and builds Lumaro into build/ (Release with debug info, Ninja).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${LUMARO_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
