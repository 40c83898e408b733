#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (QV_FUZZ_SECONDS, default 25)
# in QV_FUZZ_WORKERS processes (default two, one on a single core) on a seed corpus made from the test
# files. Any finding fails the run; the input that found it is kept in the artifacts folder that is printed.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QV_BUILD_DIR:-$root/build}/fuzz"
seconds="${QV_FUZZ_SECONDS:-25}"
jobs="$(nproc 2>/dev/null || echo 2)"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_FUZZ=ON
cmake --build "$build" -j "$jobs"

work="$(mktemp -d /tmp/qvfuzz-run-XXXXXX)"
data="$root/tests/kernel_config/data"
mkdir -p "$work/artifacts"

# Seeds: every folder holding the three kernel files gives one joined input; every kernel file alone and
# every settings file give one input each.
make_seeds() {
  local target="$1"
  local dir="$work/corpus-$target" n=0
  mkdir -p "$dir"
  case "$target" in
    fuzz_roundtrip)
      head -c 4096 /dev/urandom > "$dir/seed$((n++))"
      ;;
    fuzz_analysers)
      while IFS= read -r cfg; do
        local folder; folder="$(dirname "$cfg")"
        local base="${cfg%config.c}"
        for def in "${base}qvos.def" "$folder/qvos.def"; do [ -f "$def" ] && break; done
        for kin in "${base}kinit.c" "$folder/kinit.c"; do [ -f "$kin" ] && break; done
        if [ -f "$def" ] && [ -f "$kin" ]; then
          { cat "$cfg"; printf '\0'; cat "$def"; printf '\0'; cat "$kin"; } > "$dir/seed$((n++))"
        fi
      done < <(find "$data" -type f -name '*config.c' 2>/dev/null)
      ;;
    fuzz_scan)
      while IFS= read -r f; do
        { printf 'KNL_TCB_NUM\n'; cat "$f"; } > "$dir/seed$((n++))"
      done < <(find "$data" -type f \( -name '*.c' -o -name '*.def' \) 2>/dev/null)
      ;;
    fuzz_ini)
      while IFS= read -r f; do cp "$f" "$dir/seed$((n++))"; done \
        < <(find "$data" -type f -name '*.ini' 2>/dev/null)
      ;;
  esac
  printf 'x' > "$dir/seed$((n++))"
  echo "$dir"
}

# Each target runs in two processes where the machine has two cores or more (CI may have no more than two):
# they share the corpus, each taking up what the other found, and the stage keeps its length.
workers="${QV_FUZZ_WORKERS:-$((jobs < 2 ? jobs : 2))}"

status=0
total=0
for exe in "$build"/fuzz/fuzz_*; do
  [ -x "$exe" ] || continue
  target="$(basename "$exe")"
  corpus="$(make_seeds "$target")"
  # The round trip reads its choices from the bytes: long inputs from the start, so large configurations
  # are reached within the time.
  extra=()
  [ "$target" = fuzz_roundtrip ] && extra=(-len_control=0 -max_len=4096)
  echo "== $target: $(ls "$corpus" | wc -l) seeds, ${seconds}s, $workers processes"
  # Each process writes its own log, fuzz-<n>.log, into the folder it starts in.
  logs="$work/logs-$target"
  mkdir -p "$logs"
  if ! (cd "$logs" && "$exe" "$corpus" -jobs="$workers" -workers="$workers" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -max_len=65536 -artifact_prefix="$work/artifacts/$target-" \
        -print_final_stats=1 "${extra[@]}") > "$logs/driver.log" 2>&1; then
    status=1
    tail -n 40 "$logs"/*.log
    echo "FINDING in $target; artifacts in $work/artifacts"
  fi
  runs=0
  for n in $(cat "$logs"/fuzz-*.log 2>/dev/null | grep -oE 'Done [0-9]+ runs' | grep -oE '[0-9]+'); do
    runs=$((runs + n))
  done
  total=$((total + runs))
  echo "$target: $runs runs, $((runs / seconds)) runs/s"
done
echo "fuzzing: $total runs in all"
[ "$status" -eq 0 ] && rm -rf "$work"
exit "$status"
