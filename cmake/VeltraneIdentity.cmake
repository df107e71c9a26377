# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# veltrane_app_id(host out): the reverse-DNS application id for the maker's
# site host: www.veltrane.example -> example.veltrane.veltrane. Lower case,
# without a leading "www.", a hyphen made an underscore, as the AppStream
# rules ask.
function(veltrane_app_id host out)
  if(NOT host MATCHES "^[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)+$")
    message(FATAL_ERROR "The site host must be a host name such as www.example.com, not '${host}'")
  endif()
  string(TOLOWER "${host}" host)
  string(REGEX REPLACE "^www\\." "" host "${host}")
  string(REPLACE "-" "_" host "${host}")
  string(REPLACE "." ";" parts "${host}")
  list(REVERSE parts)
  list(JOIN parts "." reversed)
  set(${out} "${reversed}.veltrane" PARENT_SCOPE)
endfunction()
