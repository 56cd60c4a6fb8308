file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected bin/quintaro-cli)
if(WITH_GUI)
  list(APPEND expected
    bin/quintaro
    share/applications/quintaro.desktop
    share/icons/hicolor/32x32/apps/quintaro.xpm
    share/icons/hicolor/16x16/apps/quintaro.xpm)
endif()
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

if(WITH_GUI)
  file(STRINGS "${PREFIX}/share/applications/quintaro.desktop" names REGEX "^Name=")
  if(NOT names STREQUAL "Name=Quintaro Conversion Utility")
    message(FATAL_ERROR "desktop entry is named '${names}'")
  endif()
endif()
