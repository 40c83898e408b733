#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it in the current folder (where it keeps its
# settings file "quorvane.ini"). Without a display it runs under Xvfb.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QV_BUILD_DIR:-$root/build}/run"
jobs="$(nproc 2>/dev/null || echo 2)"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target quorvane-configurator

program="$build/editor_ui/quorvane-configurator"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting under Xvfb."
  exec xvfb-run -a "$program" "$@"
fi
exec "$program" "$@"
