#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test: the normal build,
# an address and undefined-behaviour sanitizer build (clang, which also gives a
# short run of each fuzz target), and a thread-sanitizer run of the threaded
# code. Warnings are errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

# Tests start their own simulators on private sockets; keep them off the user's.
export XDG_RUNTIME_DIR=$(mktemp -d)
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
jobs=$(nproc)
started=$SECONDS
# Line tables are enough for the sanitizers' and the tests' stack traces, and
# they build in two thirds of the time of full debug information.
export DEBUG_INFO=-g1
stage() { echo "== $1 (at $((SECONDS - started)) s)"; }

stage "format"
"$root/scripts/check-format.sh"

stage "build and test"
"$root/scripts/build.sh" "$root/build" -DPARLIX_WERROR=ON
# The command line through every simulated board and host and the bridge
# links spend their time waiting out the links' time-outs, not on the CPU:
# those tests run side by side, beside the rest. The fault scenarios wait too,
# but their reads' time-outs are short: crowded, they time out.
waiting='^(Boards|Faults)/Arduino(Board|Fault)CliTest|^StampCliTest\.'
idle="$waiting|^(ShieldLinkTest|StampLinkTest|BridgeOfferTest)\.|^FirmwareCliTest\.Unplugged|^CliTest\.SilentPort"
ctest --test-dir "$root/build" --output-on-failure -j 8 --no-tests=error -R "$idle" \
    >"$root/build/waiting-tests.log" 2>&1 &
waiting_pid=$!
failed=0
ctest --test-dir "$root/build" --output-on-failure -j "$jobs" --no-tests=error -E "$idle" || failed=1
wait "$waiting_pid" || failed=1
cat "$root/build/waiting-tests.log"
[ "$failed" = 0 ]

fuzz_seconds=${FUZZ_SECONDS:-10}
stage "address and undefined-behaviour sanitizers, and the fuzz targets ($fuzz_seconds s each)"
# One clang build serves both: the fuzz instrumentation brings address and
# undefined-behaviour sanitizers to every library and test, so the core's
# tests run under them here and the fuzz targets come from the same build.
# Unoptimised: it compiles faster and checks the same. The window and its
# tests run once, in the normal build; the sanitizers cover the core, where
# the threads and the protocol live. The command line's tests start a
# parlix-cli for every case and wait on the module at its pace; they too run
# once, in the normal build.
CC=clang CXX=clang++ BUILD_TYPE=Debug "$root/scripts/build.sh" "$root/build-asan" \
    -DPARLIX_WERROR=ON -DPARLIX_FUZZ=ON -DPARLIX_GUI=OFF -DPARLIX_CLI_TESTS=OFF
# The fault scenarios and the command line through every simulated board and
# host drive whole reads for minutes; they run once, in the normal build.
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" --no-tests=error \
    -E "^Faults/|$waiting"

# Each target starts from its seeds and any saved crash (a crash there that
# still crashes fails the run); what it finds goes to a scratch folder, never
# into the repository.
for target in command-file settings-ini module-json shell-line amc-reader data-response data-header firmware-file code-template; do
    scratch="$root/build-asan/fuzz-runs/$target"
    rm -rf "$scratch"
    mkdir -p "$scratch/found"
    inputs=("$root/tests/fuzz/corpus/$target")
    [ -d "$root/tests/fuzz/crashes/$target" ] && inputs+=("$root/tests/fuzz/crashes/$target")
    if ! "$root/build-asan/fuzz/fuzz-$target" -max_total_time="$fuzz_seconds" -timeout=5 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$scratch/" \
        "$scratch/found" "${inputs[@]}" >"$scratch/log" 2>&1; then
        tail -n 60 "$scratch/log"
        echo "fuzz-$target failed; the input is in $scratch/"
        exit 1
    fi
    echo "fuzz-$target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$scratch/log" |
        grep -o '[0-9]*$') runs, $(grep -o 'cov: [0-9]* ft: [0-9]*' "$scratch/log" | tail -n 1)"
done

stage "thread sanitizer (threaded code)"
BUILD_TYPE=Debug TARGETS=threaded-tests "$root/scripts/build.sh" "$root/build-tsan" \
    -DPARLIX_WERROR=ON -DPARLIX_SANITIZE=thread
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ctest --test-dir "$root/build-tsan" --output-on-failure -j "$jobs" -L threaded --no-tests=error
echo "== all stages passed in $((SECONDS - started)) s"
