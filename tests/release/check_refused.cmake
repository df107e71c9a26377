# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# PROGRAM with an unknown option must end at once, unsuccessfully, saying why.
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND ${EMULATOR} ${PROGRAM} --no-such-option TIMEOUT 20
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "Unknown option 'no-such-option'")
  message(FATAL_ERROR "expected exit code 1 and a message, got ${rc}: ${out}${err}")
endif()
