#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite twice: once as built,
# once more under AddressSanitizer and UndefinedBehaviorSanitizer; then runs every fuzz target for a
# bounded time. Any failure, sanitizer report or fuzz finding fails.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QV_BUILD_DIR:-$root/build}"
jobs="$(nproc 2>/dev/null || echo 2)"

bash "$root/scripts/install-deps.sh"

run_suite() {
  local dir="$1"; shift
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

echo "== Tests"
run_suite "$build/default"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
run_suite "$build/sanitize" -DQV_SANITIZE=ON

echo "== Fuzzing"
bash "$root/scripts/fuzz.sh"
