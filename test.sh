#!/usr/bin/env bash
# Builds Tavrox into build/ (installing missing Debian packages first) and runs every test.
source "$(dirname "$0")/scripts/setup.sh"
tavrox_ensure_packages
tavrox_build build
ctest --test-dir "$TAVROX_ROOT/build" --output-on-failure -j 2
