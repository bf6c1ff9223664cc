#!/usr/bin/env bash
# Runs the x86 build's tests in the emulated machine (docs/x86-machine.md):
# the programs CTest knows in the windows-x86 build (all but a default few,
# below), under 32-bit Wine, then one line per program and a summary. Fails
# when any test fails, a program does not report, or the machine does not
# come up (twice), finish or report; the last line tells which. The guest's
# files stay in BUILD/x86-results for a look afterwards.
# usage: tools/x86vm/test.sh [BUILD_DIR]
#   TAVEREL_X86_TESTS=REGEX   only the programs CTest's -R selects
#   TAVEREL_X86_EXCLUDE=REGEX without those CTest's -E selects
#   TAVEREL_X86_TIMEOUT=S     the limit for the whole run (default 3600 s)
#   TAVEREL_X86_GTEST_FILTER=F GoogleTest's filter in the guest, instead of
#                             the default one (guest-tests.sh); empty: none
#   TAVEREL_X86_REPEAT=N      each program up to N times, until one fails
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$repo/build/windows-x86}" && pwd) || exit 1
out=$build/x86-results
rm -rf "$out"

# What must report: the programs CTest lists on the host for this build.
# By default the programs whose x86 run adds least are left out, to keep the
# time (docs/x86-machine.md); TAVEREL_X86_EXCLUDE= (set and empty) runs every
# one.
export TAVEREL_X86_EXCLUDE=${TAVEREL_X86_EXCLUDE-'^(support_tests|forms_tests|skin_input_resource_tests|planted_dll_tests|high_dpi_tests@(120|144)dpi)$'}
expected=$(cd "$build" && ctest -N ${TAVEREL_X86_TESTS:+-R "$TAVEREL_X86_TESTS"} \
  ${TAVEREL_X86_EXCLUDE:+-E "$TAVEREL_X86_EXCLUDE"} |
  sed -n 's/^ *Test *#[0-9]*: *//p')
[ -n "$expected" ] || { echo "x86: CTest lists no tests in $build"; exit 1; }

# The limit only catches a machine that hangs: CTest in the guest times each
# program. The default set (13 programs) took 12 minutes on a quiet machine;
# 11 of them took 18 under nice with the load about 4.
"$here/run.sh" "$here/guest-tests.sh" "$out" "${TAVEREL_X86_TIMEOUT:-3600}" \
  "$repo/tools" "$repo/tests/loader/planted_dll_test.sh" "$build"
machine=$?
# A machine that never ran the tests is not a test failure: say which it is.
case $machine in
  2) echo "x86: NOT RUN: the emulated machine did not come up (twice), no test ran"; exit 1 ;;
  3) echo "x86: NOT RUN: there is no image of the emulated machine, no test ran"; exit 1 ;;
esac
python3 "$here/report.py" "$out/x86-tests.xml" <<<"$expected"
reported=$?
if [ $machine != 0 ]; then
  echo "x86: the machine ran the tests but did not finish or report (see above)"
  exit 1
fi
exit $reported
