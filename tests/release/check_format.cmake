# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Every C++ file git knows of (committed or staged) is as clang-format, with
# the tree's .clang-format, would write it.
execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} ls-files --cached -- *.cpp *.h *.h.in
  OUTPUT_VARIABLE files OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR files STREQUAL "")
  message(FATAL_ERROR "git ls-files found no C++ files (${rc})")
endif()
string(REPLACE "\n" ";" files "${files}")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "not in the house style (run clang-format -i on these):\n${err}")
endif()
list(LENGTH files count)
message(STATUS "${count} C++ files in the house style")
