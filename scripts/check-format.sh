#!/usr/bin/env bash
# Fails when a C++ file does not match .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h'
else
    find src sim tests bench tools bridges -name '*.cpp' -print0 -o -name '*.h' -print0 2>/dev/null
fi | xargs -0 clang-format --dry-run --Werror
