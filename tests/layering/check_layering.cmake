# The house rule: logic does not know widgets. Only operating-system adapters (src/platform) and
# widget code (src/ui, and folders named "widgets") may include Qt; everything else is plain C++
# and FFmpeg, so that it runs and is tested without a window.
# Run as: cmake -DROOT=<source dir> -P check_layering.cmake
file(GLOB_RECURSE files RELATIVE ${ROOT}
  ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/cli/*.h ${ROOT}/cli/*.cpp
  ${ROOT}/sim/*.h ${ROOT}/sim/*.cpp)
set(offenders "")
foreach(file IN LISTS files)
  if(file MATCHES "^src/platform/" OR file MATCHES "^src/ui/" OR file MATCHES "/widgets/")
    continue()
  endif()
  file(STRINGS ${ROOT}/${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
  if(lines)
    list(APPEND offenders "${file}: ${lines}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " text)
  message(FATAL_ERROR "Qt included outside src/platform and widget folders:\n  ${text}")
endif()
list(LENGTH files count)
message(STATUS "layering: ${count} files checked, no Qt outside adapters and widgets")
