# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Packages: `cpack -G DEB` in the build folder makes
# veltrane_<version>_<arch>.deb; the `dist` target (`make dist`) makes the
# source tarball.
set(CPACK_PACKAGE_NAME veltrane)
set(CPACK_PACKAGE_VENDOR "The Veltrane developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "psychic self-tests with cards, colours and symbols")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A game's package puts it in games/ (Debian's layout, as `make` configures
# it); a build configured with another layout makes an ordinary package.
if(CMAKE_INSTALL_BINDIR STREQUAL "games")
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
else()
  set(CPACK_DEBIAN_PACKAGE_SECTION misc)
endif()
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_VENDOR} <${VELTRANE_MAINTAINER_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELTRANE_PAGE_ADDRESS}home-page")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The maker's pages open in the desktop's browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
# Reproducible: every time in the package is the last commit's (or, in an
# unpacked tarball, whose files carry it, that of CMakeLists.txt), set when
# cpack runs unless SOURCE_DATE_EPOCH is given.
set(CPACK_VELTRANE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageTime.cmake)
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Veltrane lets you practise your intuition with three self-tests: guess the
colour of a card drawn from a full deck or the chosen one of eight dealt
cards, sense which of 5, 10 or 20 colours is hidden, or which of 5, 8 or 10
Zener-style symbols is drawn. Every answer is drawn at random after the
guess and counted in a running score.
.
The windows carry links to the maker's web site, including advertisements
for a home business opportunity.")

include(CPack)

# The tarball holds the files git tracks, nothing of a build or checkout.
# In an unpacked tarball there is no git: the tarball it came from is the
# source tarball, so the target says so instead of failing obscurely.
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
  add_custom_target(dist
    COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} archive --format=tar.gz
            --prefix=veltrane-${PROJECT_VERSION}/ -o ${PROJECT_BINARY_DIR}/veltrane-${PROJECT_VERSION}.tar.gz HEAD
    COMMENT "Source tarball veltrane-${PROJECT_VERSION}.tar.gz of the committed tree")
else()
  add_custom_target(dist
    COMMAND ${CMAKE_COMMAND} -E echo "make dist needs a git checkout: this tree is already an unpacked source tarball"
    COMMAND ${CMAKE_COMMAND} -E false)
endif()

# The last install's own list of files. CMake's install_manifest.txt is
# rewritten by every install, CPack's into its staging folder among them, so
# `uninstall` reads this list, which only a real install writes: the last
# install rule, it records the files every rule before it installed.
set(VELTRANE_INSTALL_RECORD ${PROJECT_BINARY_DIR}/veltrane_installed_files.txt)
install(CODE "
  string(FIND \"\$ENV{DESTDIR}\" \"${PROJECT_BINARY_DIR}/_CPack_Packages/\" veltrane_staging)
  if(NOT veltrane_staging EQUAL 0)
    list(JOIN CMAKE_INSTALL_MANIFEST_FILES \"\\n\" veltrane_files)
    file(WRITE \"${VELTRANE_INSTALL_RECORD}\" \"\${veltrane_files}\\n\")
  endif()")

add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${VELTRANE_INSTALL_RECORD}
          -P ${PROJECT_SOURCE_DIR}/cmake/Uninstall.cmake
  COMMENT "Removing the files of the last install")
