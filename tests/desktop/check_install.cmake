# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Installs the build into a staging folder (DESTDIR) with its configured
# prefix and folders, checks the files are where a desktop expects them,
# then builds the Debian package (whose own install must not change what
# `uninstall` removes), uninstalls and checks nothing is left.
set(manifest ${BUILD_DIR}/install_manifest.txt)
set(record ${BUILD_DIR}/veltrane_installed_files.txt)
# The lists of a real install must survive this test.
foreach(list manifest record)
  if(EXISTS ${${list}})
    file(READ ${${list}} saved_${list})
  endif()
endforeach()
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

execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR ${CPACK} -G DEB WORKING_DIRECTORY ${BUILD_DIR} RESULT_VARIABLE cpack_rc OUTPUT_QUIET ERROR_QUIET)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target uninstall RESULT_VARIABLE rc OUTPUT_QUIET)
files_in(${STAGE} left)
foreach(list manifest record)
  if(DEFINED saved_${list})
    file(WRITE ${${list}} "${saved_${list}}")
  else()
    file(REMOVE ${${list}})
  endif()
endforeach()
if(NOT cpack_rc EQUAL 0)
  message(FATAL_ERROR "cpack failed: ${cpack_rc}")
endif()
if(NOT rc EQUAL 0 OR left OR EXISTS ${STAGE}${DOCDIR})
  message(FATAL_ERROR "uninstall failed (${rc}) or left files: ${left} ${STAGE}${DOCDIR}")
endif()
message(STATUS "install layout OK, uninstall removed all ${listed_count} files")
