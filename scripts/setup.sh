#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Stackfall
# need. Idempotent: when everything is present it installs nothing and returns
# at once.
set -euo pipefail

packages=(
  # build
  g++ make cmake pkg-config qt6-base-dev libsdl2-dev libx11-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing (libFuzzer ships with clang) and leak checks
  clang libclang-rt-dev valgrind clang-format
  # end-to-end tests under X
  xvfb xauth xdotool imagemagick x11-utils
  # the sound tool and the packaging checks
  sox dpkg-dev desktop-file-utils appstream fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}" >&2
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -o DPkg::Lock::Timeout=600 >/dev/null
"${sudo[@]}" apt-get install -y --no-install-recommends \
  -o DPkg::Lock::Timeout=600 "${missing[@]}" >/dev/null
