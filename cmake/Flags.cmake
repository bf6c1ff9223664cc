# Warnings as errors everywhere; static runtime for the Windows executables so
# the .exe starts on a clean Windows without any extra DLL.
if(MSVC)
  add_compile_options(/W4 /WX /utf-8 /permissive-)
else()
  add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Werror)
endif()

if(WIN32 AND NOT MSVC)
  add_link_options(-static -static-libgcc -static-libstdc++)
  # The same sources give the same bytes: no link time in the PE header.
  add_link_options(-Wl,--no-insert-timestamp)
endif()

if(NOT MSVC)
  # Nor the build folder (through __FILE__ in assertions, say) in a release.
  add_compile_options("$<$<AND:$<CONFIG:Release>,$<COMPILE_LANGUAGE:C,CXX>>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>")
  # A release is stripped by the linker: strip(1) would stamp the PE header
  # with the current time.
  add_link_options($<$<CONFIG:Release>:-s>)
endif()

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86" AND NOT MSVC)
  # SSE2 is the x86 build's floor, as it is x64's: doubles are then rounded
  # as in the x64 build that the tests run, not kept in 80-bit x87 registers.
  # Windows keeps the stack only 4-byte aligned across callbacks; realign it.
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-msse2> $<$<COMPILE_LANGUAGE:C,CXX>:-mfpmath=sse>
                      $<$<COMPILE_LANGUAGE:C,CXX>:-mstackrealign>)
endif()

if(TAVEREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
