# taverel_add_test(name SOURCES ... [LIBS ...] [NO_MAIN] [TIMEOUT s] [EXTRA_DPIS dpi...])
# One executable per test area: every Wine start costs time, so CTest gets one
# entry per executable and GoogleTest does the fine-grained reporting.
# EXTRA_DPIS runs the Windows executable once more per DPI, under a Wine
# prefix set to it (entries name@120dpi, ...); each run costs a Wine start,
# so only executables written for every DPI ask for it.
function(taverel_add_test name)
  cmake_parse_arguments(T "NO_MAIN" "TIMEOUT" "SOURCES;LIBS;EXTRA_DPIS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_NO_MAIN)
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} gtest_main)
  endif()
  if(TAVEREL_RUN_TESTS)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    if(NOT T_TIMEOUT)
      set(T_TIMEOUT 300)
    endif()
    math(EXPR T_TIMEOUT "${T_TIMEOUT} * ${TAVEREL_TEST_TIMEOUT_FACTOR}")
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
    if(WIN32 AND CMAKE_CROSSCOMPILING)
      foreach(dpi IN LISTS T_EXTRA_DPIS)
        add_test(NAME ${name}@${dpi}dpi
                 COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-exec --prefix ${CMAKE_BINARY_DIR}/wineprefix
                         --dpi ${dpi} $<TARGET_FILE:${name}> --gtest_color=no)
        set_tests_properties(${name}@${dpi}dpi PROPERTIES TIMEOUT ${T_TIMEOUT})
      endforeach()
    endif()
  endif()
endfunction()

# The x86 build's tests run in an emulated machine (tools/x86vm), where the
# same work takes several times as long: its preset raises this factor.
set(TAVEREL_TEST_TIMEOUT_FACTOR 1 CACHE STRING "Multiplies every test's timeout")

# Windows test executables run under Wine on a private Xvfb screen.
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_SOURCE_DIR}/tools/wine-exec --prefix ${CMAKE_BINARY_DIR}/wineprefix
      CACHE STRING "" FORCE)
endif()
