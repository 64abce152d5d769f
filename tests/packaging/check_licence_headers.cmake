# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence in its first lines. Called with -DSOURCE_DIR.
file(GLOB_RECURSE sources
  "${SOURCE_DIR}/src/*.cpp" "${SOURCE_DIR}/src/*.h" "${SOURCE_DIR}/app/*.cpp"
  "${SOURCE_DIR}/cli/*.cpp" "${SOURCE_DIR}/cli/*.h" "${SOURCE_DIR}/bench/*.cpp"
  "${SOURCE_DIR}/bench/*.h" "${SOURCE_DIR}/tests/*.cpp" "${SOURCE_DIR}/tests/*.h")
set(missing "")
foreach(source ${sources})
  file(STRINGS "${source}" head LIMIT_COUNT 3)
  string(FIND "${head}" "SPDX-License-Identifier: GPL-3.0-or-later" at)
  if(at EQUAL -1)
    list(APPEND missing "${source}")
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n" shown)
  message(FATAL_ERROR "no licence line in:\n${shown}")
endif()
