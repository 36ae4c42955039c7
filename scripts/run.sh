#!/usr/bin/env bash
# Installs what is needed, builds the programs, and opens the window with the
# simulated module.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# Only what the window needs; scripts/test.sh builds the tests.
TARGETS=programs "$root/scripts/build.sh" "$root/build"
exec "$root/build/bin/parlix-desk" --simulate
