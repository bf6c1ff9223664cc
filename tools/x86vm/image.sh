#!/usr/bin/env bash
# Builds the emulated x86 machine's image into DIR (as root): an amd64 Debian
# root (debootstrap, minbase) with i386 added and 32-bit Wine, Xvfb and fonts
# installed in a chroot; Debian's cloud kernel (NVMe and ext4 built in, so no
# initramfs); an ext4 image of the root; then one writable boot that creates
# the 32-bit Wine prefix. Writes DIR/complete last. Everything comes from
# Debian packages through the mirror of this machine's apt sources.
# Called by x86vm_image (common.sh), which keys DIR and holds the lock.
# usage: image.sh DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
dir=$1
[ "$(id -u)" = 0 ] || { echo "image.sh: building the image needs root" >&2; exit 1; }

work=$(mktemp -d "$X86VM_CACHE/build.XXXXXX")
root=$work/root
mounted=()
cleanup() {
  local m
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
  mounted=()
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
phase() { echo "x86vm: $* ($(date +%T))"; }

mirror=$(x86vm_mirror)
phase "debootstrap $X86VM_SUITE (amd64, minbase) from $mirror"
debootstrap --variant=minbase --arch=amd64 "$X86VM_SUITE" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -n 20 "$work/debootstrap.log"; exit 1; }

# The guest's apt uses the same sources as this machine (updates, security).
rm -f "$root/etc/apt/sources.list"
cp /etc/apt/sources.list.d/debian.sources "$root/etc/apt/sources.list.d/debian.sources"
# No services start in a chroot.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"

for m in proc sys dev dev/pts; do
  case $m in
    proc) mount -t proc proc "$root/proc" ;;
    sys) mount -t sysfs sys "$root/sys" ;;
    *) mount --bind "/$m" "$root/$m" ;;
  esac
  mounted+=("$root/$m")
done
in_root() { DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 chroot "$root" "$@"; }

phase "installing Wine (wine32:i386), Xvfb and fonts in a chroot"
in_root dpkg --add-architecture i386
in_root apt-get update -qq
mapfile -t packages < <(x86vm_packages)
in_root apt-get install -y -qq --no-install-recommends "${packages[@]}" >"$work/apt.log" 2>&1 ||
  { tail -n 30 "$work/apt.log"; exit 1; }

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

for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}"; done
mounted=()

# Trim what a test machine never reads, then the init.
rm -rf "$root"/tmp/* "$root"/var/lib/apt/lists/* "$root"/usr/share/doc/* "$root"/usr/share/man/* \
  "$root"/usr/share/info/* "$root"/var/cache/apt/* "$root/usr/sbin/policy-rc.d"
find "$root/usr/share/locale" -mindepth 1 -maxdepth 1 ! -name 'C*' -exec rm -rf {} +
install -m 755 "$here/vminit" "$root/vminit"

phase "ext4 image of the root"
truncate -s 4G "$work/root.img"
mkfs.ext4 -q -F -L taverel-x86 -d "$root" "$work/root.img"
rm -rf "$root"

phase "first boot: creating the 32-bit Wine prefix (about 3 minutes)"
mkdir -p "$work/payload"
cp "$here/guest-prepare.sh" "$work/payload/guest.sh"
cp "$here/../winenv.sh" "$work/payload/winenv.sh"
tar cf "$work/payload.tar" -C "$work" payload
truncate -s 64M "$work/results.img"
WRITABLE=1 x86vm_boot "$work" "$work/payload.tar" "$work/results.img" 900 | sed -u "s/^/  guest: /" ||
  echo "x86vm: the machine stopped with status ${PIPESTATUS[0]}"
mkdir -p "$work/results"
tar xf "$work/results.img" -C "$work/results" 2>/dev/null || true
if [ "$(cat "$work/results/guest.rc" 2>/dev/null)" != 0 ]; then
  echo "image.sh: the first boot did not create the Wine prefix" >&2
  exit 1
fi
e2fsck -fp "$work/root.img" >/dev/null || [ $? -le 1 ] || { echo "image.sh: root.img damaged" >&2; exit 1; }

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
