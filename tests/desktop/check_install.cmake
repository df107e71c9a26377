# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Installs the build into a staging folder (DESTDIR) with its configured
# prefix and folders, checks the files are where a desktop expects them,
# then uninstalls and checks nothing is left.
set(manifest ${BUILD_DIR}/install_manifest.txt)
# The manifest of a real install must survive this test.
if(EXISTS ${manifest})
  file(READ ${manifest} saved_manifest)
endif()
file(REMOVE_RECURSE ${STAGE})
set(ENV{DESTDIR} ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "install failed: ${rc}")
endif()
set(expected
  ${BINDIR}/veltrane
  ${DATADIR}/applications/${APP_ID}.desktop
  ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
  ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
  ${DATADIR}/icons/hicolor/16x16/apps/${APP_ID}.png
  ${DATADIR}/icons/hicolor/48x48/apps/${APP_ID}.png
  ${DATADIR}/icons/hicolor/256x256/apps/${APP_ID}.png
  ${MANDIR}/man6/veltrane.6.gz
  ${DOCDIR}/copyright
  ${DOCDIR}/changelog.gz)
foreach(f IN LISTS expected)
  if(NOT EXISTS ${STAGE}${f})
    message(FATAL_ERROR "missing after install: ${f}")
  endif()
endforeach()
if(IS_SYMLINK ${STAGE}${BINDIR}/veltrane)
  message(FATAL_ERROR "the program is not a real file")
endif()
# Every file in the staging folder, links included.
function(files_in dir out)
  execute_process(COMMAND find ${dir} ( -type f -o -type l ) OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REPLACE "\n" ";" found "${found}")
  set(${out} "${found}" PARENT_SCOPE)
endfunction()
files_in(${STAGE} installed)
list(LENGTH installed installed_count)
file(STRINGS ${manifest} listed)
list(LENGTH listed listed_count)
if(NOT installed_count EQUAL listed_count)
  message(FATAL_ERROR "install wrote ${installed_count} files but lists ${listed_count}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -P ${UNINSTALL} RESULT_VARIABLE rc OUTPUT_QUIET)
files_in(${STAGE} left)
if(DEFINED saved_manifest)
  file(WRITE ${manifest} "${saved_manifest}")
else()
  file(REMOVE ${manifest})
endif()
if(NOT rc EQUAL 0 OR left)
  message(FATAL_ERROR "uninstall failed (${rc}) or left files: ${left}")
endif()
message(STATUS "install layout OK, uninstall removed all ${listed_count} files")
