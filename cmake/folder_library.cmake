# SPDX-License-Identifier: GPL-3.0-or-later
# One static library per source folder. Each library sees only its own folder and the folders
# it links to: the include root of a folder holds nothing but a link named after the folder, so
# `#include "ui/..."` from a lower folder does not compile.
function(quorvane_folder_library folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  set(root ${PROJECT_BINARY_DIR}/include_roots/${folder})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  set(target quorvane_${folder})
  set(compiled ${ARG_SOURCES})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  if(compiled)
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
    # A folder of a few files gains less than its precompiled header costs.
    list(LENGTH compiled compiled_count)
    if(QUORVANE_PRECOMPILED_HEADERS AND compiled_count GREATER_EQUAL 5)
      target_precompile_headers(${target} PRIVATE <QByteArray> <QCoreApplication> <QHash> <QList>
        <QString> <QStringList> <algorithm> <functional> <memory> <optional> <vector>)
    endif()
  else()
    add_library(${target} INTERFACE ${ARG_SOURCES})
    target_include_directories(${target} INTERFACE ${root})
    target_link_libraries(${target} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()
