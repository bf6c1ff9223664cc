# Shared by the scripts of the emulated x86 machine. Source it.
# The machine: QEMU's full-system emulator (no KVM) running Debian's 64-bit
# cloud kernel, which runs 32-bit Wine through its IA32 emulation.

X86VM_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
X86VM_CACHE=${TAVEREL_CACHE:-/var/cache/taverel}/x86vm
# The guest runs this machine's Debian release, so the versions this
# machine's apt offers (part of the cache key) are the guest's.
X86VM_SUITE=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
# The root disk: one partition from 1 MiB holding the root as ext4, found by
# the kernel itself through its PARTUUID (this disk signature and partition
# 1). The kernel probes the NVMe disks in parallel and numbers them in the
# order they answer, so a device name such as nvme0n1 is not always the root;
# the payload and results disks carry no partition table, and no initramfs is
# needed. 8 GB (sparse): the root with the Wine prefixes fills 44 %, which
# leaves what a run writes room to spare.
X86VM_DISK_ID=7a5e86a1
X86VM_ROOT_OFFSET=$((1024 * 1024))
X86VM_ROOT_SIZE=$((8 * 1024 * 1024 * 1024))
# The kernel reaches the guest's init in about 5 s, a minute under heavy
# load; a machine that has not by then will not (it found no root disk).
X86VM_BOOT_LIMIT=${X86VM_BOOT_LIMIT:-120}

# The Debian archives this machine's apt uses for the guest's release, its
# updates and its security suite, as "SITE RELEASE COMPONENT" lines. apt
# lists them itself, whether they are written in deb822 .sources files or a
# classic sources.list; Debian's own servers when it names none.
x86vm_archives() {
  local s=$X86VM_SUITE lines
  lines=$(apt-get indextargets --format '$(SITE) $(RELEASE) $(COMPONENT)' \
    'Identifier: Packages' 'Target-Of: deb' 2>/dev/null |
    awk -v s="$s" '$2 == s || $2 == s "-updates" || $2 == s "-security"' | sort -u)
  if [ -z "$lines" ]; then
    lines=$(printf '%s\n' "http://deb.debian.org/debian $s main" \
      "http://deb.debian.org/debian $s-updates main" \
      "http://deb.debian.org/debian-security $s-security main")
  fi
  echo "$lines"
}

# The mirror debootstrap fetches the guest's root from.
x86vm_mirror() {
  x86vm_archives | awk -v s="$X86VM_SUITE" '$2 == s {print $1; exit}'
}

# The guest's apt sources (deb822), one entry per archive and release. They
# trust Debian's archive keyring, which the guest has: a keyring file this
# machine's sources name need not exist there.
x86vm_sources() {
  x86vm_archives | awk '
    { key = $1 " " $2; if (!(key in components)) order[n++] = key; components[key] = components[key] " " $3 }
    END {
      for (i = 0; i < n; i++) {
        split(order[i], k, " ")
        if (i) print ""
        print "Types: deb"; print "URIs: " k[1]; print "Suites: " k[2]
        print "Components:" components[order[i]]
        print "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg"
      }
    }'
}

# The guest's packages, one a line, without comments.
x86vm_packages() {
  sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$X86VM_DIR/packages.txt"
}

# The cache key: everything that goes into the image. The scripts that make
# its content (image.sh, the init, the first boot's guest-prepare.sh and the
# prefix settings in tools/winenv.sh), the package list, the release, the
# disk's layout, the guest's sources, and the versions this machine's apt
# offers for the packages that decide the image (wine32 has the same version
# as wine). The host's side of a boot (run.sh, the QEMU line below) only
# carries files in and out, so changing it keeps the image.
x86vm_key() {
  {
    cat "$X86VM_DIR/image.sh" "$X86VM_DIR/vminit" "$X86VM_DIR/guest-prepare.sh" \
      "$X86VM_DIR/packages.txt" "$X86VM_DIR/../winenv.sh"
    echo "$X86VM_SUITE $X86VM_DISK_ID $X86VM_ROOT_OFFSET $X86VM_ROOT_SIZE"
    x86vm_sources
    apt-cache policy wine linux-image-cloud-amd64 xvfb 2>/dev/null | awk '/^[^ ]/ || /Candidate:/'
  } | sha256sum | cut -c1-16
}

# Starts the machine in the background and sets X86VM_PID (that of timeout,
# which passes a signal on to QEMU). The root disk is a snapshot unless
# WRITABLE=1; PAYLOAD is a tar the guest unpacks to /payload and whose
# guest.sh it runs; RESULTS is a zeroed image the guest writes /results into
# as a tar. The serial console (the guest's output) and QEMU's own messages
# go to CONSOLE (a file or a FIFO). The machine's status is QEMU's, 124 when
# it ran past TIMEOUT seconds.
x86vm_start() {  # x86vm_start IMAGE_DIR PAYLOAD RESULTS TIMEOUT CONSOLE
  local dir=$1 payload=$2 results=$3 limit=$4 console=$5 snapshot=on
  [ "${WRITABLE:-0}" = 1 ] && snapshot=off
  # --foreground keeps QEMU in the caller's process group, where Ctrl+C and
  # a signal to the group reach it. -cpu max,-smap: with SMAP, QEMU's
  # emulation faults on 32-bit Wine's iret and the guest kernel kills every
  # Wine process. rootwait: the root disk may answer after the kernel first
  # looks for it.
  timeout --foreground -k 10 "$limit" qemu-system-x86_64 \
    -accel tcg,thread=multi -cpu max,-smap -smp 2 -m 2048 \
    -display none -monitor none -serial stdio -no-reboot -net none \
    -kernel "$dir/vmlinuz" \
    -append "console=ttyS0 panic=-1 quiet loglevel=3 root=PARTUUID=$X86VM_DISK_ID-01 rootwait rw rootfstype=ext4 init=/vminit" \
    -drive "file=$dir/root.img,if=none,id=root,format=raw,snapshot=$snapshot" \
    -device nvme,drive=root,serial=root \
    -drive "file=$payload,if=none,id=payload,format=raw,readonly=on" \
    -device nvme,drive=payload,serial=payload \
    -drive "file=$results,if=none,id=results,format=raw" \
    -device nvme,drive=results,serial=results </dev/null >"$console" 2>&1 &
  X86VM_PID=$!
}

# Copies the machine's console from standard input to standard output and
# LOG, without carriage returns, until it ends. Returns 2 when the machine
# did not come up: the console ended, or X86VM_BOOT_LIMIT seconds passed,
# before the first line of its init ("vminit: up"); in the second case it
# stops the machine (PID from x86vm_start) first. 0 otherwise.
x86vm_console() {  # x86vm_console PID LOG
  local pid=$1 log=$2 line left deadline=$((SECONDS + X86VM_BOOT_LIMIT))
  while :; do
    left=$((deadline - SECONDS))
    if [ "$left" -le 0 ]; then
      echo "x86vm: no word from the machine's init after $X86VM_BOOT_LIMIT s: stopping it" | tee -a "$log"
      kill "$pid" 2>/dev/null
      cat >/dev/null
      return 2
    fi
    if IFS= read -r -t "$left" line; then
      printf '%s\n' "${line%$'\r'}" | tee -a "$log"
      case $line in "vminit: up"*) break ;; esac
    elif [ $? -gt 128 ]; then
      printf '%s' "$line" | tee -a "$log"  # part of a line, when the time ran out
    else
      [ -z "$line" ] || printf '%s\n' "${line%$'\r'}" | tee -a "$log"
      return 2
    fi
  done
  sed -u 's/\r$//' | tee -a "$log"
  return 0
}

# Checks a finished image: the completion marker written last, the files'
# sizes and the kernel's checksum as recorded, and a clean file system.
x86vm_verify() {  # x86vm_verify IMAGE_DIR
  local dir=$1
  [ -f "$dir/complete" ] && [ -f "$dir/SUMS" ] || return 1
  local name size sum
  while read -r name size sum; do
    [ -f "$dir/$name" ] || return 1
    [ "$(stat -c %s "$dir/$name")" = "$size" ] || return 1
    if [ "$sum" != - ]; then
      [ "$(sha256sum <"$dir/$name" | cut -d' ' -f1)" = "$sum" ] || return 1
    fi
  done <"$dir/SUMS"
  e2fsck -fn "$dir/root.img?offset=$X86VM_ROOT_OFFSET" >/dev/null 2>&1 || return 1
}

# Holds the image in DIR when it passes the checks: a shared lock on its
# `complete`, on descriptor 8 of the calling shell for as long as it lives
# (x86vm_prune deletes no image so held), and the time of this use in
# `used`. False, holding nothing, otherwise.
x86vm_hold() {  # x86vm_hold DIR
  if [ -f "$1/complete" ] && exec 8<"$1/complete" && flock -s 8 &&
    x86vm_verify "$1" && touch "$1/used"; then
    return 0
  fi
  exec 8<&-
  return 1
}

# After a new image is complete: keeps it and the image used last before it,
# and deletes every other folder of the cache (older images, failed or
# interrupted builds), but not an image a run holds. Called under the build
# lock, so no build is in progress.
x86vm_prune() {  # x86vm_prune NEW_DIR
  local new=$1 d t kept=0
  for d in "$X86VM_CACHE"/*/; do
    d=${d%/}
    [ "$d" = "$new" ] && continue
    # An image from before the `used` stamp counts from its completion.
    t=$(stat -c %Y "$d/used" 2>/dev/null || stat -c %Y "$d/complete" 2>/dev/null || echo 0)
    echo "$t $d"
  done | sort -rn | while read -r t d; do
    if [ -f "$d/complete" ]; then
      if [ $kept = 0 ]; then
        kept=1
        continue
      fi
      if ! (flock -n -x 7 && rm -rf --one-file-system "$d") 7<"$d/complete"; then
        echo "x86vm: $d is in use: left for the next prune" >&2
        continue
      fi
    else
      rm -rf --one-file-system "$d" || { echo "x86vm: could not delete all of $d" >&2; continue; }
    fi
    echo "x86vm: deleted $d" >&2
  done
}

# Sets X86VM_IMAGE to the folder of this machine's image and holds it
# (x86vm_hold), building it first when there is none or the one there fails
# the checks. A ready image needs no lock but its own, so a run does not wait
# for another key's build; building takes the cache's build lock (flock), one
# build at a time, and ends with a prune.
x86vm_image() {
  local dir
  dir="$X86VM_CACHE/$(x86vm_key)"
  mkdir -p "$X86VM_CACHE" || return 1
  if ! x86vm_hold "$dir"; then
    {
      flock 9 || return 1
      if ! x86vm_hold "$dir"; then
        [ -e "$dir" ] && echo "x86vm: the image in $dir is incomplete or damaged: building it again" >&2
        rm -rf --one-file-system "$dir"
        "$X86VM_DIR/image.sh" "$dir" >&2 || return 1
        x86vm_hold "$dir" || { echo "x86vm: the image just built fails its checks" >&2; return 1; }
        x86vm_prune "$dir"
      fi
    } 9>"$X86VM_CACHE/build.lock" || return 1
  fi
  X86VM_IMAGE=$dir
}
