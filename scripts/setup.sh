#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: Debian packages, then the CMake configuration
# of a preset of CMakePresets.json ("default" unless named; further arguments go to
# the configuration).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
[ $# -gt 0 ] && shift
packages=(g++ cmake make qt6-base-dev libicu-dev libgtest-dev libbenchmark-dev clang-format fonts-dejavu-core xvfb xclip
  e2fsprogs mount)  # the last two make the small filesystems some save tests run on
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
cmake --preset "$preset" "$@" >/dev/null
