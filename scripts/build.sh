#!/usr/bin/env bash
# Configures and builds into a build folder: build.sh DIR [cmake options...]
# BUILD_TYPE (default RelWithDebInfo), TARGETS (default all) and DEBUG_INFO
# (a -g level, default the build type's) refine it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" \
    ${DEBUG_INFO:+"-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 $DEBUG_INFO -DNDEBUG"} \
    ${DEBUG_INFO:+"-DCMAKE_CXX_FLAGS_DEBUG=$DEBUG_INFO"} "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)" ${TARGETS:+--target $TARGETS}
