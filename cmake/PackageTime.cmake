# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Read by cpack as it runs: SOURCE_DATE_EPOCH, which CPack uses for every
# time in the package, from the last commit, so that two package builds of
# one commit are the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "")
  find_program(VELTRANE_GIT git)
  if(VELTRANE_GIT AND EXISTS "${CPACK_VELTRANE_SOURCE_DIR}/.git")
    execute_process(COMMAND ${VELTRANE_GIT} -C "${CPACK_VELTRANE_SOURCE_DIR}" log -1 --format=%ct
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    file(TIMESTAMP "${CPACK_VELTRANE_SOURCE_DIR}/CMakeLists.txt" epoch "%s" UTC)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
