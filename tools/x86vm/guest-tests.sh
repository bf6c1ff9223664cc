# Runs in the emulated machine: the x86 build's tests through CTest, exactly
# as the windows-x86 preset registered them (tools/wine-exec as the emulator),
# with 32-bit Wine and the prefixes the image holds. The build and the tools
# come in the payload at their paths on the host.
set -u
. /payload/env
export WINE_LOADER=/usr/lib/wine/wine WINE_SERVER=/usr/lib/wine/wineserver32 WINE_ARCH=win32
# Long GDI stress loops run a tenth of their rounds here (tests/support/stress.h).
export TAVEREL_STRESS_PERCENT=10
# The eight-thread skin test is left out: 32-bit Wine crashes here in its
# own text shaping (gdi32's Uniscribe script cache) when several threads
# draw text at once, skin or no skin (docs/x86-machine.md).
# TAVEREL_X86_GTEST_FILTER replaces the filter (set and empty: none).
export GTEST_FILTER=${TAVEREL_X86_GTEST_FILTER-'-SkinThreads.*'}
[ -n "$GTEST_FILTER" ] || unset GTEST_FILTER
build=$TAVEREL_REPO/build/windows-x86
for p in /opt/taverel/wineprefix*; do ln -sfn "$p" "$build/${p##*/}"; done
. "$TAVEREL_REPO/tools/winenv.sh"
winenv_start_xvfb
cd "$build" || exit 1
echo "guest: $(ctest -N | tail -n 1 | tr -d '\n') under $("$WINE_LOADER" --version)"
{
  # Whole outputs in the JUnit file (CTest cuts a passed test's to 1 kB):
  # the host reads each program's GoogleTest counts from them.
  ctest --output-on-failure --output-junit /results/x86-tests.xml \
    --test-output-size-passed 4000000 --test-output-size-failed 4000000 \
    ${TAVEREL_X86_TESTS:+-R "$TAVEREL_X86_TESTS"} ${TAVEREL_X86_EXCLUDE:+-E "$TAVEREL_X86_EXCLUDE"} \
    ${TAVEREL_X86_REPEAT:+--repeat "until-fail:$TAVEREL_X86_REPEAT"}
  echo $? >/results/ctest.rc
} 2>&1 | tee /results/ctest.log
winenv_stop_xvfb
