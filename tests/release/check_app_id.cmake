# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# The application id derived from site hosts of several shapes.
include(${SOURCE_DIR}/cmake/VeltraneIdentity.cmake)
foreach(pair
    "www.veltrane.example=example.veltrane.veltrane"
    "WWW.Brand.Example.org=org.example.brand.veltrane"
    "psychic-tests.co.uk=uk.co.psychic_tests.veltrane"
    "www2.sorvek.com=com.sorvek.www2.veltrane")
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 host)
  list(GET pair 1 expected)
  veltrane_app_id("${host}" id)
  if(NOT id STREQUAL expected)
    message(FATAL_ERROR "${host}: expected ${expected}, got ${id}")
  endif()
endforeach()
