#!/usr/bin/env bash
# Configures and builds into a build folder: build.sh DIR [cmake options...]
# BUILD_TYPE (default RelWithDebInfo) and TARGETS (default all) refine it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)" ${TARGETS:+--target $TARGETS}
