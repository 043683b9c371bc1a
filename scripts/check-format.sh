#!/usr/bin/env bash
# Fails when a source, test or benchmark file differs from the style of .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' |
  xargs -0 clang-format --dry-run --Werror
echo "formatting: clean"
