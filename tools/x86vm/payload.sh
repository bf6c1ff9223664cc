# Host side of a run in the emulated machine. Source after common.sh.

# x86vm_run GUEST_SCRIPT OUT_DIR TIMEOUT PATH...
# Packs GUEST_SCRIPT (run as the guest's guest.sh), an env file naming the
# clone, and the PATHs (absolute, kept at the same paths in the guest; object
# files and Wine prefixes left out) into the payload disk; boots the cached
# image as a snapshot with a zeroed results disk; streams the console; unpacks
# the results into OUT_DIR (with console.log). Fails when the machine did not
# finish in TIMEOUT seconds or its init did not report.
x86vm_run() {
  local script=$1 out=$2 limit=$3
  shift 3
  local image work rc paths=() p
  image=$(x86vm_image) || { echo "x86vm: no machine image" >&2; return 1; }
  work=$(mktemp -d /tmp/taverel-x86vm.XXXXXX)
  mkdir -p "$work/payload" "$out"
  cp "$script" "$work/payload/guest.sh"
  {
    printf 'TAVEREL_REPO=%q\n' "$(cd "$X86VM_DIR/../.." && pwd)"
    printf 'TAVEREL_X86_TESTS=%q\n' "${TAVEREL_X86_TESTS:-}"
    printf 'TAVEREL_X86_EXCLUDE=%q\n' "${TAVEREL_X86_EXCLUDE:-}"
  } >"$work/payload/env"
  for p in "$@"; do paths+=("${p#/}"); done
  tar cf "$work/payload.tar" -C "$work" payload -C / \
    --exclude='*.obj' --exclude='*.a' --exclude=CMakeFiles --exclude='.ninja_*' \
    --exclude='wineprefix*' --exclude='*.lock' --exclude=Testing --exclude=x86-results \
    "${paths[@]}" || { rm -rf "$work"; return 1; }
  truncate -s 256M "$work/results.img"
  x86vm_boot "$image" "$work/payload.tar" "$work/results.img" "$limit" | sed -u "s/\r$//" | tee "$out/console.log"
  rc=${PIPESTATUS[0]}
  tar xf "$work/results.img" -C "$out" 2>/dev/null
  rm -rf "$work"
  if [ "$rc" = 124 ]; then
    echo "x86vm: the machine did not finish within $limit s" >&2
    return 1
  fi
  if [ ! -f "$out/guest.rc" ]; then
    echo "x86vm: the machine stopped (status $rc) without reporting: see $out/console.log" >&2
    return 1
  fi
}
