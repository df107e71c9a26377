# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Builds the Debian package of BUILD_DIR with CPack and runs lintian on it:
# any error or warning fails; the remaining tags are printed.
set(deb ${BUILD_DIR}/veltrane_${VERSION}_${ARCH}.deb)
file(REMOVE ${deb})
# CPack's install rewrites the manifest a later `make uninstall` reads.
set(manifest ${BUILD_DIR}/install_manifest.txt)
if(EXISTS ${manifest})
  file(READ ${manifest} saved_manifest)
endif()
execute_process(COMMAND ${CPACK} -G DEB WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(DEFINED saved_manifest)
  file(WRITE ${manifest} "${saved_manifest}")
else()
  file(REMOVE ${manifest})
endif()
if(NOT rc EQUAL 0 OR NOT EXISTS ${deb})
  message(FATAL_ERROR "cpack failed (${rc}) or made no ${deb}:\n${out}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning -I --pedantic ${deb} RESULT_VARIABLE rc OUTPUT_VARIABLE tags ERROR_VARIABLE err)
message(STATUS "lintian:\n${tags}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lintian failed (${rc}):\n${tags}${err}")
endif()
