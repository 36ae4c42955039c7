#!/usr/bin/env bash
# The samples' own example builds without a question wherever they ship: in
# the build tree, in an installed tree, and from a checkout that left every
# project newer than its outputs (git keeps no file times, and writes in its
# own order).
# Usage: shipped-samples.sh SOURCE_DIR BUILD_DIR PROGRAM_FOLDER_IN_PREFIX
set -euo pipefail
source=$1
build=$2
program_dir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# build_samples NAME CLI SAMPLES: each sample project builds as it is.
build_samples() {
    local name=$1 cli=$2 samples=$3
    mkdir -p "$work/out-$name"
    for projects in "sounds/Demo.qxp robot/Robot.rsc" "home/Home.amc"; do
        local args=()
        for p in $projects; do args+=("$samples/$p"); done
        local base=$work/out-$name/$(basename "${args[0]%.*}")
        if ! "$cli" data build "${args[@]}" -o "$base" </dev/null >"$work/log" 2>&1 ||
            [ ! -s "$base.hex" ]; then
            echo "FAIL ($name): data build $projects"
            cat "$work/log"
            failed=1
        fi
    done
}

# A checkout in the worst order: every project written after its outputs.
cp -r "$source/res/data/samples" "$work/checkout"
touch -d '1 minute ago' "$work"/checkout/*/*.mco "$work"/checkout/*/*.h
touch "$work"/checkout/*/*.qxp "$work"/checkout/*/*.rsc "$work"/checkout/*/*.amc
cmake -DFROM="$work/checkout" -DTO="$work/shipped" -P "$source/cmake/ShipSamples.cmake"
build_samples checkout "$build/bin/parlix-cli" "$work/shipped"

build_samples build-tree "$build/bin/parlix-cli" "$build/bin/data/samples"

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log"
    exit 1
}
build_samples installed "$work/prefix/bin/parlix-cli" "$work/prefix/$program_dir/data/samples"

exit "$failed"
