#!/usr/bin/env bash
# Configures and builds Lumaro into build/ (Release with debug info, Ninja).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${LUMARO_BUILD_DIR:-build}
launcher=()
# A compiler cache, when one is installed, makes rebuilds of unchanged files instant.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
