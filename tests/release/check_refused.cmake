# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# PROGRAM run without a display: every refusal ends at once with exit code 1
# and a message, Qt's own options are not taken for ours, and what is echoed
# of an argument is safe to print on a terminal.
set(ENV{QT_QPA_PLATFORM} xcb)
set(cases unknown stray plain reverse stylesheet escape long)
if(EMULATOR)
  # Under an emulator (a Windows build) there is no X display to do without.
  set(ENV{QT_QPA_PLATFORM} offscreen)
  set(cases unknown)
endif()
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
string(ASCII 27 esc)
string(ASCII 7 bel)
string(REPEAT "x" 100000 long)
set(no_display "no display could be reached")
# Each case: its arguments (a list) and what standard error must match.
set(unknown_args --no-such-option)
set(unknown_err "Unknown option 'no-such-option'")
set(stray_args stray)
set(stray_err "Unexpected argument: stray")
set(plain_args)
set(plain_err "${no_display}")
set(reverse_args -reverse)
set(reverse_err "${no_display}")
set(stylesheet_args -stylesheet /nonexistent.qss -platformtheme none)
set(stylesheet_err "${no_display}")
set(escape_args "--${esc}]0;owned${bel}")
set(escape_err "Unknown option '\\?\\]0;owned\\?'")
set(long_args "--${long}")
set(long_err "Unknown option 'x+\\.\\.\\.")
foreach(case IN LISTS cases)
  execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${${case}_args} TIMEOUT 20
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(LENGTH "${err}" err_length)
  string(FIND "${err}" "${esc}" esc_at)
  if(NOT rc EQUAL 1 OR NOT err MATCHES "${${case}_err}" OR NOT out STREQUAL "" OR err_length GREATER 2000
     OR NOT esc_at EQUAL -1)
    message(FATAL_ERROR "${case}: expected exit code 1 and '${${case}_err}', got ${rc}: ${out}${err}")
  endif()
endforeach()
