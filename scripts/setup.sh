#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs (only those missing) and configures + builds
# the given preset. Usage: scripts/setup.sh [preset]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev fonts-liberation2 fonts-dejavu-core
    desktop-file-utils appstream)
# The fuzz harnesses need clang with its libFuzzer runtime.
[ "$preset" = fuzz ] && packages+=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -qq -y --no-install-recommends "${missing[@]}" >/dev/null
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
