#!/usr/bin/env bash
# Installs what the project needs on a fresh Debian 12 machine, as root.
# Idempotent: does nothing (and asks no registry) when everything is present.
set -euo pipefail
packages=(
  cmake ninja-build
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  googletest
  wine64
  xvfb xauth x11-apps x11-utils imagemagick xdotool
  fonts-wqy-microhei fonts-wine
  dosfstools ntfs-3g exfatprogs
  clang clang-format python3
  pev  # the PE checks of ./test and ./release read the executables with it
  # The skin DLL's MSVC import library (llvm-dlltool), and the check that an
  # MSVC-style linker (lld-link) takes it.
  llvm lld
  # The emulated machine the x86 build's tests run in (tools/x86vm); sfdisk
  # (fdisk) writes its root disk's partition table.
  qemu-system-x86 debootstrap e2fsprogs fdisk
)
# One dpkg-query for all of them: ./run calls this every time.
# (dpkg-query fails when it has never heard of a package: that one is missing.)
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null |
  awk '$NF == "installed" && $(NF-1) == "ok" {print $1}' || true)
missing=()
for p in "${packages[@]}"; do
  grep -qx -- "$p" <<<"$installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "error: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
