#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and is missing.
# Idempotent: does nothing when everything is present. Run as root (or with sudo available); without
# either, it names what is missing and asks to be run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-translations-l10n fonts-noto-cjk xvfb xauth locales
  openbox wmctrl x11-utils xdotool
  exfatprogs exfat-fuse bindfs fuse3 acl attr util-linux mount
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Installing them needs root and there is no sudo here: run this script as root (su -c 'bash $0')." >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive

# Another install (a second terminal, unattended upgrades) may hold the package locks: wait for it, up to
# ten minutes, instead of failing at once. apt-get waits for the dpkg lock itself with DPkg::Lock::Timeout;
# a lock it does not wait for (the package lists' lock of "update") is tried again here every few seconds.
lock_wait=600
apt_get() {
  local start=$SECONDS err
  err="$(mktemp)"
  while true; do
    if $sudo apt-get -o DPkg::Lock::Timeout=$lock_wait "$@" 2>"$err"; then
      cat "$err" >&2
      rm -f "$err"
      return 0
    fi
    if grep -q 'Could not get lock' "$err" && (( SECONDS - start < lock_wait )); then
      echo "Waiting for another package install to finish..." >&2
      sleep 5
      continue
    fi
    cat "$err" >&2
    rm -f "$err"
    return 1
  done
}

apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}"
