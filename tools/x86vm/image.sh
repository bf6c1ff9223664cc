#!/usr/bin/env bash
# Builds the emulated x86 machine's image into DIR (as root): an amd64 Debian
# root of this machine's release (debootstrap, minbase) with i386 added and
# 32-bit Wine, Xvfb and fonts installed in a chroot; Debian's cloud kernel
# (NVMe, partitions and ext4 built in, so no initramfs); a disk image with
# one partition holding the root as ext4; then one writable boot that creates
# the 32-bit Wine prefixes. Writes DIR/complete last. Everything comes from
# Debian packages through the mirrors of this machine's apt sources.
# Called by x86vm_image (common.sh), which keys DIR and holds the lock.
# usage: image.sh DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
dir=$1
[ "$(id -u)" = 0 ] || { echo "image.sh: building the image needs root" >&2; exit 1; }
[ -n "$X86VM_SUITE" ] || { echo "image.sh: /etc/os-release names no VERSION_CODENAME to build" >&2; exit 1; }

work=$(mktemp -d "$X86VM_CACHE/build.XXXXXX")
root=$work/root
# Unmounts whatever is mounted below the work folder, deepest first: the
# chroot's /proc, /sys and /dev, and what an interrupted debootstrap left.
unmount_all() {  # unmount_all [UMOUNT_OPTION]
  local m
  for m in $(findmnt -rn -o TARGET | awk -v w="$work/" 'index($0, w) == 1' | sort -r); do
    umount ${1:+"$1"} "$m" || return 1
  done
}
# On every way out, also a signal: the mounts go first, lazily in case a
# process inside still holds one, and the removal stays on this file system,
# so it can never reach into a mount that did not go.
cleanup() {
  unmount_all -l 2>/dev/null || true
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
phase() { echo "x86vm: $* ($(date +%T))"; }

mirror=$(x86vm_mirror)
phase "debootstrap $X86VM_SUITE (amd64, minbase) from $mirror"
debootstrap --variant=minbase --arch=amd64 "$X86VM_SUITE" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -n 20 "$work/debootstrap.log"; echo "image.sh: debootstrap failed (above)" >&2; exit 1; }

# The guest's apt uses this machine's mirrors for the release, its updates
# and its security suite.
rm -f "$root/etc/apt/sources.list"
x86vm_sources >"$root/etc/apt/sources.list.d/debian.sources"
# No services start in a chroot.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"

mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
in_root() { DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 chroot "$root" "$@"; }

phase "installing Wine (wine32:i386), Xvfb and fonts in a chroot"
in_root dpkg --add-architecture i386
in_root apt-get update -qq
mapfile -t packages < <(x86vm_packages)
in_root apt-get install -y -qq --no-install-recommends "${packages[@]}" >"$work/apt.log" 2>&1 ||
  { tail -n 30 "$work/apt.log"; echo "image.sh: installing packages.txt failed (above)" >&2; exit 1; }

phase "the kernel from linux-image-cloud-amd64"
kpkg=$(in_root apt-cache depends linux-image-cloud-amd64 | awk '/Depends: linux-image-/ {print $2; exit}')
[ -n "$kpkg" ] || { echo "image.sh: linux-image-cloud-amd64 names no kernel package" >&2; exit 1; }
mkdir -p "$root/tmp/kernel"
in_root chown _apt /tmp/kernel
in_root sh -c "cd /tmp/kernel && apt-get download -qq $kpkg"
dpkg-deb -x "$root"/tmp/kernel/*.deb "$work/kernel"
cp "$work"/kernel/boot/vmlinuz-* "$work/vmlinuz"

in_root dpkg-query -W -f='${Package}:${Architecture} ${Version}\n' >"$work/versions"
echo "$kpkg $(dpkg-deb -f "$root"/tmp/kernel/*.deb Version)" >>"$work/versions"
in_root apt-get clean

unmount_all

# Trim what a test machine never reads, then the init.
rm -rf "$root"/tmp/* "$root"/var/lib/apt/lists/* "$root"/usr/share/doc/* "$root"/usr/share/man/* \
  "$root"/usr/share/info/* "$root"/var/cache/apt/* "$root/usr/sbin/policy-rc.d"
find "$root/usr/share/locale" -mindepth 1 -maxdepth 1 ! -name 'C*' -exec rm -rf {} +
install -m 755 "$here/vminit" "$root/vminit"

phase "root disk: one partition holding the root as ext4"
# The partition table first, then the file system in the partition (mkfs
# leaves the disk's first MiB alone when told the offset).
truncate -s "$X86VM_ROOT_SIZE" "$work/root.img"
printf 'label: dos\nlabel-id: 0x%s\nstart=%s, type=83\n' "$X86VM_DISK_ID" "$((X86VM_ROOT_OFFSET / 512))" |
  sfdisk -q "$work/root.img"
mkfs.ext4 -q -F -L taverel-x86 -E offset="$X86VM_ROOT_OFFSET" -d "$root" "$work/root.img" \
  "$(((X86VM_ROOT_SIZE - X86VM_ROOT_OFFSET) / 1024))k"
rm -rf "$root"

# About 3 minutes on a quiet machine; 22 were seen with the load at 12 to
# 16 on two cores. The limit leaves room beyond that: running out of it fails
# the whole build.
phase "first boot: creating the 32-bit Wine prefixes (3 to 22 minutes)"
if ! X86VM_IMAGE=$work WRITABLE=1 "$here/run.sh" "$here/guest-prepare.sh" "$work/results" 3600 \
  "$(cd "$here/.." && pwd)/winenv.sh" 2>&1 | sed -u "s/^/  guest: /"; then
  echo "image.sh: the first boot did not finish (see the guest's lines above)" >&2
  exit 1
fi
if [ "$(cat "$work/results/guest.rc" 2>/dev/null)" != 0 ]; then
  echo "image.sh: the first boot did not create the Wine prefixes" >&2
  exit 1
fi
fs="$work/root.img?offset=$X86VM_ROOT_OFFSET"
e2fsck -fp "$fs" >/dev/null || [ $? -le 1 ] || { echo "image.sh: root.img damaged" >&2; exit 1; }
phase "root disk: $(dumpe2fs -h "$fs" 2>/dev/null | awk -F: '
  /^Block count/ {n = $2} /^Free blocks/ {f = $2} /^Block size/ {b = $2}
  END {printf "%.1f of %.1f GB used (%d %%)", (n - f) * b / 2^30, n * b / 2^30, 100 * (n - f) / n}')"

# Sizes and the kernel's checksum, then the marker, last.
{
  echo "vmlinuz $(stat -c %s "$work/vmlinuz") $(sha256sum <"$work/vmlinuz" | cut -d' ' -f1)"
  echo "root.img $(stat -c %s "$work/root.img") -"
} >"$work/SUMS"
mkdir -p "$dir"
mv "$work/vmlinuz" "$work/root.img" "$work/SUMS" "$work/versions" "$dir/"
sync
date -u +%FT%TZ >"$dir/complete"
phase "image ready in $dir"
