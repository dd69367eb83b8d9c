#!/usr/bin/env bash
# Builds Tavrox into build/ (installing missing Debian packages first) and runs the
# benchmarks; each figure is printed as a ratio to a baseline measured in the same run.
source "$(dirname "$0")/scripts/setup.sh"
tavrox_ensure_packages
tavrox_build build
cd "$TAVROX_ROOT/build/bench"
status=0
for bench in ./*_bench; do
  QT_QPA_PLATFORM=offscreen "$bench" "$@" || status=1
done
exit $status
