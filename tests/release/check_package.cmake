# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Builds the Debian package of BUILD_DIR with CPack twice: the two must be
# the same bytes (reproducible), and lintian must find no error or warning;
# the remaining tags are printed.
set(deb ${BUILD_DIR}/veltrane_${VERSION}_${ARCH}.deb)
# CPack's install rewrites the manifest; keep it as it was.
set(manifest ${BUILD_DIR}/install_manifest.txt)
if(EXISTS ${manifest})
  file(READ ${manifest} saved_manifest)
endif()
unset(ENV{SOURCE_DATE_EPOCH}) # the package's own time, from the last commit
set(sums)
foreach(build 1 2)
  file(REMOVE ${deb})
  execute_process(COMMAND ${CPACK} -G DEB WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT EXISTS ${deb})
    break()
  endif()
  file(SHA256 ${deb} sum)
  list(APPEND sums ${sum})
  execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1.1) # a clock that moved on must not show
endforeach()
if(DEFINED saved_manifest)
  file(WRITE ${manifest} "${saved_manifest}")
else()
  file(REMOVE ${manifest})
endif()
if(NOT rc EQUAL 0 OR NOT EXISTS ${deb})
  message(FATAL_ERROR "cpack failed (${rc}) or made no ${deb}:\n${out}")
endif()
list(GET sums 0 first)
list(GET sums 1 second)
message(STATUS "package SHA256: ${first} and ${second}")
if(NOT first STREQUAL second)
  message(FATAL_ERROR "two package builds differ: ${first} and ${second}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning -I --pedantic ${deb} RESULT_VARIABLE rc OUTPUT_VARIABLE tags ERROR_VARIABLE err)
message(STATUS "lintian:\n${tags}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian failed (${rc}):\n${tags}${err}")
endif()
