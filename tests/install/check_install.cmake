# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that the programs, the menu entry, the file
# type and the icons land where a Linux desktop looks for them.
# Called with -DBUILD_DIR, -DSOURCE_DIR, -DPREFIX, -DWITH_GUI (0 or 1) and -DAPP_ID (the name the
# menu entry and the icons bear).
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(expected
  bin/quorvane-cli
  share/applications/${APP_ID}.desktop
  share/mime/packages/quorvane.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/doc/quorvane/README.md
  share/quorvane/map-features.txt
  share/quorvane/sample-town.osm
  share/quorvane/sample-town.gpx)
if(WITH_GUI)
  list(APPEND expected bin/quorvane)
endif()
foreach(side 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${side}x${side}/apps/${APP_ID}.png)
endforeach()
foreach(path ${expected})
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}\n${output}")
  endif()
endforeach()

# The menu entry opens a theme given to it, under the type the MIME file declares.
file(READ "${PREFIX}/share/applications/${APP_ID}.desktop" desktop)
file(READ "${PREFIX}/share/mime/packages/quorvane.xml" mime)
string(REGEX MATCH "<mime-type type=\"([^\"]+)\"" _ "${mime}")
set(type "${CMAKE_MATCH_1}")
foreach(line "Exec=quorvane %f" "Icon=${APP_ID}" "MimeType=${type};")
  string(FIND "${desktop}" "\n${line}\n" at)
  if(type STREQUAL "" OR at EQUAL -1)
    message(FATAL_ERROR "${APP_ID}.desktop lacks the line: ${line}")
  endif()
endforeach()
string(FIND "${mime}" "<glob pattern=\"*.kmtf\"/>" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the MIME type does not claim *.kmtf")
endif()

# Where the tools are there, the files must also pass them.
find_program(XMLLINT xmllint)
if(XMLLINT)
  execute_process(COMMAND "${XMLLINT}" --noout "${PREFIX}/share/mime/packages/quorvane.xml"
                          "${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg"
    RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "xmllint: ${errors}")
  endif()
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/share/applications/${APP_ID}.desktop"
    RESULT_VARIABLE result OUTPUT_VARIABLE errors ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate: ${errors}")
  endif()
endif()
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  # The install refreshed the prefix's MIME database: the file manager now knows *.kmtf.
  file(READ "${PREFIX}/share/mime/globs2" globs)
  string(FIND "${globs}" ":${type}:*.kmtf" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the MIME database of the prefix does not know *.kmtf")
  endif()
endif()
file(REMOVE_RECURSE "${PREFIX}")
