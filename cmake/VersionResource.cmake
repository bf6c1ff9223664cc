# taverel_version_resource(target DESCRIPTION_ZH DESCRIPTION_EN)
# Gives a Windows executable its version information (product, version,
# copyright, and a description in Chinese and in English). Elsewhere it does
# nothing, so portable programs can call it unconditionally.
function(taverel_version_resource target description_zh description_en)
  if(NOT WIN32)
    return()
  endif()
  enable_language(RC)
  set(TAVEREL_VI_NAME ${target})
  set(TAVEREL_VI_FILE ${target}.exe)
  set(TAVEREL_VI_DESCRIPTION_ZH ${description_zh})
  set(TAVEREL_VI_DESCRIPTION_EN ${description_en})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
               ${CMAKE_BINARY_DIR}/generated/taverel_version.h)
  target_sources(${target} PRIVATE ${rc})
endfunction()
