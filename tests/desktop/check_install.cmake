# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Installs the build into a staging folder and checks the files are where a
# desktop expects them.
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
foreach(f
    usr/bin/veltrane
    usr/share/applications/veltrane.desktop
    usr/share/metainfo/example.veltrane.Veltrane.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/veltrane.svg
    usr/share/icons/hicolor/16x16/apps/veltrane.png
    usr/share/icons/hicolor/48x48/apps/veltrane.png
    usr/share/icons/hicolor/256x256/apps/veltrane.png)
  if(NOT EXISTS ${STAGE}/${f})
    message(FATAL_ERROR "missing after install: ${f}")
  endif()
endforeach()
if(NOT IS_DIRECTORY ${STAGE}/usr/bin OR IS_SYMLINK ${STAGE}/usr/bin/veltrane)
  message(FATAL_ERROR "the program is not a real file")
endif()
message(STATUS "install layout OK")
