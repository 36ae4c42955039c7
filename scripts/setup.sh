#!/usr/bin/env bash
# Installs every Debian package that building, running and testing need.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    libfmt-dev libcli11-dev nlohmann-json3-dev libsimpleini-dev libudev-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-svg-dev libqt6svg6
    # Qt's own texts (standard buttons, key names) in the interface languages.
    qt6-translations-l10n
    # Command icons where no desktop names a theme (a bare window manager):
    # Qt then has hicolor alone, and the window falls back on Breeze.
    breeze-icon-theme
    # Token sounds: QSoundEffect plays WAV files through PulseAudio (or PipeWire's
    # pulse server) and needs none of the media back-end plugins.
    qt6-multimedia-dev libqt6multimedia6
    # The end-to-end check of the window: a real X server driven by keyboard.
    xvfb xauth xdotool imagemagick
    clang-format
    # Checks that generated sound files are real WAV files.
    sox
    # The fuzz targets: clang, libFuzzer's runtime, and llvm-symbolizer for readable stacks.
    clang libclang-rt-dev llvm
    # The Arduino bridge sketch, and the tests that run it behind real boot loaders in simavr.
    gcc-avr avr-libc binutils-avr arduino-core-avr simavr libsimavr-dev libelf-dev srecord make
    # The tests that compile the sketch generated from the Arduino code template.
    arduino-mk
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
