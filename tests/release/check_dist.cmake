# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# The source tarball (the `dist` target) unpacks into veltrane-VERSION/ and
# configures on its own, with nothing from the checkout around it.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target dist RESULT_VARIABLE rc OUTPUT_QUIET)
set(tarball ${BUILD_DIR}/veltrane-${VERSION}.tar.gz)
if(NOT rc EQUAL 0 OR NOT EXISTS ${tarball})
  message(FATAL_ERROR "the dist target failed (${rc}) or made no ${tarball}")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(ARCHIVE_EXTRACT INPUT ${tarball} DESTINATION ${WORK})
set(tree ${WORK}/veltrane-${VERSION})
foreach(f CMakeLists.txt LICENSE README.md CHANGELOG.md src/app/main.cpp data/veltrane.desktop.in)
  if(NOT EXISTS ${tree}/${f})
    message(FATAL_ERROR "the tarball lacks ${f}")
  endif()
endforeach()
if(EXISTS ${tree}/.git)
  message(FATAL_ERROR "the tarball holds a .git")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S ${tree} -B ${WORK}/build -G Ninja
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the unpacked tarball does not configure:\n${out}")
endif()
file(REMOVE_RECURSE ${WORK})
