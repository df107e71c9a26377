# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# The Windows and macOS icons (built only there) start as their formats say:
# an ICO directory of seven images, an "icns" file whose length is its size.
foreach(kind ico icns)
  execute_process(COMMAND ${ICONRENDER} ${SVG} --${kind} ${OUT}/veltrane.${kind} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "iconrender --${kind} failed: ${rc}")
  endif()
endforeach()
file(READ ${OUT}/veltrane.ico ico LIMIT 6 HEX)
if(NOT ico STREQUAL "000001000700")
  message(FATAL_ERROR "not an icon directory of 7 images: ${ico}")
endif()
file(READ ${OUT}/veltrane.icns icns LIMIT 8 HEX)
file(SIZE ${OUT}/veltrane.icns size)
string(SUBSTRING "${icns}" 0 8 magic)
string(SUBSTRING "${icns}" 8 8 length)
math(EXPR length "0x${length}")
if(NOT magic STREQUAL "69636e73" OR NOT length EQUAL size)
  message(FATAL_ERROR "not an icns file of ${size} bytes: ${icns}")
endif()
