# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Windows: what the program needs beside it, and, in a cross build, how the
# build machine runs what was built.

# The MinGW runtime the program and Qt link against, found where the compiler
# finds it.
set(VELTRANE_MINGW_RUNTIME)
if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
      OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "MinGW runtime ${dll} not found by ${CMAKE_CXX_COMPILER}")
    endif()
    list(APPEND VELTRANE_MINGW_RUNTIME ${path})
  endforeach()
  # No link time in the executables' headers: the same sources make the same
  # program, and the same installer.
  add_link_options(-Wl,--no-insert-timestamp)
endif()

# Tests and build steps that run a built program do so under Wine, with the
# Qt and MinGW DLLs on its search path. Set before any target is made, since
# each target takes its emulator when it is created.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  get_target_property(qt_core_location Qt6::Core IMPORTED_LOCATION_RELEASE)
  if(NOT qt_core_location)
    message(FATAL_ERROR "Qt6::Core has no release DLL to put on Wine's path")
  endif()
  get_filename_component(qt_bin ${qt_core_location} DIRECTORY)
  set(wine_paths "--path=${qt_bin}")
  foreach(path ${VELTRANE_MINGW_RUNTIME})
    get_filename_component(dir ${path} DIRECTORY)
    list(APPEND wine_paths "--path=${dir}")
  endforeach()
  list(REMOVE_DUPLICATES wine_paths)
  # One file, so that it passes as one argument anywhere (and a developer can
  # run build-windows/wine-run src/veltrane.exe).
  list(JOIN wine_paths " " wine_arguments)
  file(WRITE ${PROJECT_BINARY_DIR}/wine-run
    "#!/bin/sh\nexec '${PROJECT_SOURCE_DIR}/scripts/windows/wine-run.sh' ${wine_arguments} \"$@\"\n")
  file(CHMOD ${PROJECT_BINARY_DIR}/wine-run PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
endif()

# The deployable folder (cmake --install): the program, exactly the Qt
# libraries and plugins it loads, and the MinGW runtime. The offscreen
# platform is for the tests only and stays out.
function(veltrane_install_windows_runtime)
  set(dest ${CMAKE_INSTALL_BINDIR})
  foreach(module Core Gui Widgets Svg)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${dest})
  endforeach()
  foreach(plugin QWindowsIntegrationPlugin:platforms QWindowsVistaStylePlugin:styles
                 QSvgPlugin:imageformats QSvgIconPlugin:iconengines)
    string(REPLACE ":" ";" parts ${plugin})
    list(GET parts 0 name)
    list(GET parts 1 type)
    if(NOT TARGET Qt6::${name})
      message(FATAL_ERROR "Qt plugin ${name} missing from this Qt")
    endif()
    install(FILES $<TARGET_FILE:Qt6::${name}> DESTINATION ${dest}/${type})
  endforeach()
  if(VELTRANE_MINGW_RUNTIME)
    install(FILES ${VELTRANE_MINGW_RUNTIME} DESTINATION ${dest})
  endif()
  # The program's licence, and the LGPL that Qt's libraries come under
  # (with the GPL it builds on), beside what they cover.
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${dest} RENAME LICENSE.txt)
  foreach(licence LGPL-3 GPL-3)
    if(EXISTS /usr/share/common-licenses/${licence})
      install(FILES /usr/share/common-licenses/${licence} DESTINATION ${dest}/licenses RENAME Qt-${licence}.0.txt)
    endif()
  endforeach()
endfunction()
