#!/usr/bin/env bash
# The host's side of one run in the emulated x86 machine: finds (or builds)
# the image, packs GUEST_SCRIPT (run as the guest's guest.sh), an env file
# naming the clone, and the PATHs (absolute, kept at the same paths in the
# guest; object files and Wine prefixes left out) into the payload disk,
# boots the image as a snapshot with a zeroed results disk, streams the
# console, and unpacks the results into OUT_DIR (with console.log). A boot
# that never came up (common.sh, x86vm_console) is tried once more; one that
# came up is never repeated, since what the guest ran counts.
# usage: tools/x86vm/run.sh GUEST_SCRIPT OUT_DIR TIMEOUT PATH...
#   X86VM_IMAGE=DIR  boot that image folder (image.sh, for its first boot)
#   WRITABLE=1       keep what the guest writes to the root disk
# Status: 0 when the guest's script ran and reported (its own status is in
# OUT_DIR/guest.rc); 2 when the machine did not come up, twice; 3 when there
# is no image; 1 otherwise (the machine ran past TIMEOUT seconds, or stopped
# without reporting).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
[ $# -ge 3 ] || { echo "usage: $0 GUEST_SCRIPT OUT_DIR TIMEOUT PATH..." >&2; exit 64; }
script=$1 out=$2 limit=$3
shift 3

# On every way out, also Ctrl+C or a signal: the machine is stopped and
# waited for (with the console's reader) before the temporary folder goes.
# A signal is then raised again, so that the caller stops too (a shell goes
# on after Ctrl+C when its command ends as if it had handled it).
work= machine=
cleanup() {
  [ -z "$machine" ] || kill "$machine" 2>/dev/null
  machine=
  wait
  [ -z "$work" ] || rm -rf "$work"
  work=
}
trap cleanup EXIT
for signal in INT TERM HUP; do
  trap "cleanup; trap - $signal; kill -s $signal \$\$" "$signal"
done

if [ -z "${X86VM_IMAGE:-}" ]; then
  x86vm_image || { echo "x86vm: no machine image" >&2; exit 3; }
fi
work=$(mktemp -d /tmp/taverel-x86vm.XXXXXX) || exit 1
mkdir -p "$work/payload" "$out" || exit 1
cp "$script" "$work/payload/guest.sh" || exit 1
{
  printf 'TAVEREL_REPO=%q\n' "$(cd "$here/../.." && pwd)"
  printf 'TAVEREL_X86_TESTS=%q\n' "${TAVEREL_X86_TESTS:-}"
  printf 'TAVEREL_X86_EXCLUDE=%q\n' "${TAVEREL_X86_EXCLUDE:-}"
  # Set and empty differs from unset here: no filter, or the default one.
  [ -z "${TAVEREL_X86_GTEST_FILTER+set}" ] ||
    printf 'TAVEREL_X86_GTEST_FILTER=%q\n' "$TAVEREL_X86_GTEST_FILTER"
  printf 'TAVEREL_X86_REPEAT=%q\n' "${TAVEREL_X86_REPEAT:-}"
} >"$work/payload/env"
paths=()
if [ $# -gt 0 ]; then
  paths=(-C / --exclude='*.obj' --exclude='*.a' --exclude=CMakeFiles --exclude='.ninja_*'
    --exclude='wineprefix*' --exclude='*.lock' --exclude=Testing --exclude=x86-results)
  for p in "$@"; do paths+=("${p#/}"); done
fi
tar cf "$work/payload.tar" -C "$work" payload "${paths[@]}" || exit 1
mkfifo "$work/console" || exit 1
rm -f "$out/console.log"

# One boot: the status as above, 2 for a machine that did not come up.
boot() {
  local came_up rc
  rm -f "$work/results.img"
  truncate -s 256M "$work/results.img" || return 1
  x86vm_start "$X86VM_IMAGE" "$work/payload.tar" "$work/results.img" "$limit" "$work/console"
  machine=$X86VM_PID
  # Both in the background: a signal interrupts `wait`, not a command.
  x86vm_console "$machine" "$out/console.log" <"$work/console" &
  wait $!
  came_up=$?
  wait "$machine"
  rc=$?
  machine=
  [ $came_up = 0 ] || return 2
  tar xf "$work/results.img" -C "$out" 2>/dev/null
  if [ $rc = 124 ]; then
    echo "x86vm: the machine did not finish within $limit s" >&2
    return 1
  fi
  if [ ! -f "$out/guest.rc" ]; then
    echo "x86vm: the machine stopped (status $rc) without reporting: see $out/console.log" >&2
    return 1
  fi
}

boot
status=$?
if [ $status = 2 ]; then
  echo "x86vm: the machine did not come up: booting it once more" >&2
  boot
  status=$?
  [ $status != 2 ] || echo "x86vm: the machine did not come up twice: see $out/console.log" >&2
fi
exit $status
