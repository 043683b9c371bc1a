#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
#   ./test.sh          the default build (build/)
#   ./test.sh asan     under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)
# Further arguments go to the configuration (CI adds -DQN_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")"
preset="${1:-default}"
[ $# -gt 0 ] && shift
./scripts/setup.sh "$preset" "$@"
cmake --build --preset "$preset" -j"$(nproc)"
ctest --preset "$preset" -j"$(nproc)"
