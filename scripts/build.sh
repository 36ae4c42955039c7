#!/usr/bin/env bash
# Configures and builds into a build folder: build.sh DIR [cmake options...]
# BUILD_TYPE (default RelWithDebInfo) and TARGETS (default all) refine it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)" ${TARGETS:+--target $TARGETS}
