#!/usr/bin/env bash
# Builds Tavrox into build/ (installing missing Debian packages first) and starts it.
source "$(dirname "$0")/scripts/setup.sh"
tavrox_ensure_packages
tavrox_build build
exec "$TAVROX_ROOT/build/app/tavrox"
