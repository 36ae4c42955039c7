#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test: the normal build,
# an address and undefined-behaviour sanitizer build, and a thread-sanitizer
# run of the threaded code. Warnings are errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

# Tests start their own simulators on private sockets; keep them off the user's.
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
jobs=$(nproc)

echo "== format"
"$root/scripts/check-format.sh"

echo "== build and test"
"$root/scripts/build.sh" "$root/build" -DPARLIX_WERROR=ON
ctest --test-dir "$root/build" --output-on-failure -j "$jobs" --no-tests=error

echo "== address and undefined-behaviour sanitizers"
# Unoptimised: the sanitizer builds compile faster and check the same.
BUILD_TYPE=Debug "$root/scripts/build.sh" "$root/build-asan" -DPARLIX_WERROR=ON \
    -DPARLIX_SANITIZE=address,undefined
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" --no-tests=error

echo "== thread sanitizer (threaded code)"
BUILD_TYPE=Debug TARGETS=threaded-tests "$root/scripts/build.sh" "$root/build-tsan" \
    -DPARLIX_WERROR=ON -DPARLIX_SANITIZE=thread
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ctest --test-dir "$root/build-tsan" --output-on-failure -j "$jobs" -L threaded --no-tests=error
