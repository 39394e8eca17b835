#!/usr/bin/env bash
# Runs clang-format (first argument) with the given options over every C++ file git tracks.
set -euo pipefail
exe="$1"
shift
git ls-files -z '*.cpp' '*.h' | xargs -0 "$exe" "$@"
