#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cmake --build build -j"$(nproc)" --target quillane
exec ./build/quillane "$@"
