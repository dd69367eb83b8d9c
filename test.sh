#!/usr/bin/env bash
# Builds Tavrox into build/ (installing missing Debian packages first) and runs every test:
# the tests as built, the same tests under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/), and each fuzz target for a bounded time (build-fuzz/). Any failure, and any
# sanitizer report, ends the run with a non-zero exit code.
source "$(dirname "$0")/scripts/setup.sh"
tavrox_ensure_packages

tavrox_build build
ctest --test-dir "$TAVROX_ROOT/build" --output-on-failure -j 2

tavrox_build build-asan -DTAVROX_SANITIZE=ON -DTAVROX_WITH_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="-O1 -g1"
ctest --test-dir "$TAVROX_ROOT/build-asan" --output-on-failure -j 2

tavrox_build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTAVROX_WITH_FUZZ=ON \
  -DTAVROX_WITH_GUI=OFF -DTAVROX_WITH_TESTS=OFF -DTAVROX_WITH_BENCH=OFF
ctest --test-dir "$TAVROX_ROOT/build-fuzz" --output-on-failure -j 2
