#!/usr/bin/env bash
# Runs the x86 build's tests in the emulated machine (docs/x86-machine.md):
# every program CTest knows in the windows-x86 build,
# under 32-bit Wine, then one line per program and a summary. Fails when any
# test fails, the machine does not boot or finish, or a program does not
# report. The guest's files stay in BUILD/x86-results for a look afterwards.
# usage: tools/x86vm/test.sh [BUILD_DIR]
#   TAVEREL_X86_TESTS=REGEX   only the programs CTest's -R selects
#   TAVEREL_X86_EXCLUDE=REGEX without those CTest's -E selects
#   TAVEREL_X86_TIMEOUT=S     the limit for the whole run (default 1200 s)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
. "$here/payload.sh"
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$repo/build/windows-x86}" && pwd) || exit 1
out=$build/x86-results
rm -rf "$out"

# What must report: the programs CTest lists on the host for this build.
# By default the programs whose x86 run adds least are left out, to keep the
# run within about 8 minutes (docs/x86-machine.md); TAVEREL_X86_EXCLUDE= (set
# and empty) runs every one.
export TAVEREL_X86_EXCLUDE=${TAVEREL_X86_EXCLUDE-'^(support_tests|forms_tests|skin_input_resource_tests|planted_dll_tests|high_dpi_tests@(120|144)dpi)$'}
expected=$(cd "$build" && ctest -N ${TAVEREL_X86_TESTS:+-R "$TAVEREL_X86_TESTS"} \
  ${TAVEREL_X86_EXCLUDE:+-E "$TAVEREL_X86_EXCLUDE"} |
  sed -n 's/^ *Test *#[0-9]*: *//p')
[ -n "$expected" ] || { echo "x86: CTest lists no tests in $build"; exit 1; }

x86vm_run "$here/guest-tests.sh" "$out" "${TAVEREL_X86_TIMEOUT:-1200}" \
  "$repo/tools" "$repo/tests/loader/planted_dll_test.sh" "$build"
booted=$?
python3 "$here/report.py" "$out/x86-tests.xml" <<<"$expected"
reported=$?
[ $booted -eq 0 ] && [ $reported -eq 0 ]
