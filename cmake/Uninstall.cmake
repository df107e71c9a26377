# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Removes exactly the files the last install wrote, as listed in MANIFEST,
# below $DESTDIR when that is set as it was for the install. Folders are left
# alone, since they may hold other programs' files, except a folder of our
# own name (share/doc/veltrane) that the removal leaves empty.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist (install first)")
endif()
file(STRINGS "${MANIFEST}" installed)
set(own_folders)
foreach(file IN LISTS installed)
  set(file "$ENV{DESTDIR}${file}")
  if(IS_SYMLINK "${file}" OR EXISTS "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  else()
    message(STATUS "Already gone: ${file}")
  endif()
  get_filename_component(folder "${file}" DIRECTORY)
  get_filename_component(folder_name "${folder}" NAME)
  if(folder_name STREQUAL "veltrane")
    list(APPEND own_folders "${folder}")
  endif()
endforeach()
list(REMOVE_DUPLICATES own_folders)
foreach(folder IN LISTS own_folders)
  file(GLOB left "${folder}/*" "${folder}/.*")
  if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}" AND NOT left)
    message(STATUS "Removing the empty folder ${folder}")
    file(REMOVE_RECURSE "${folder}")
  endif()
endforeach()
