# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# The two commands of the README:
#   make run   - installs what building and running needs, builds the
#                program alone and starts it
#   make test  - installs the test tools too, builds and runs every test with
#                GCC, again in an AddressSanitizer/UBSan build, and again
#                with Clang in a build branded for another site
# and the release ones: make install, make uninstall, make deb, make dist.
.PHONY: all deps deps-test configure program build run test test-release test-asan test-clang install uninstall deb dist clean

BUILD ?= build
ASAN_BUILD ?= build-asan
CLANG_BUILD ?= build-clang
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# Debian's place for a game's program, as in the package: games/.
LAYOUT = -DCMAKE_INSTALL_BINDIR=games
# The site of the Clang build: any other host shows that a branded build
# opens its own pages and carries its own application id.
BRAND_HOST = www.brand.example.org

all: build

deps:
	@bash scripts/install-deps.sh run

deps-test:
	@bash scripts/install-deps.sh test

# `make run` shows the compiler's warnings without stopping on them, so a
# newer compiler's new warning cannot keep the program from starting; the
# test builds make them errors. Configured every time, since `make test`
# turns the errors on in the same folder.
configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(LAYOUT) -DVELTRANE_WERROR=OFF $(CMAKE_FLAGS)

# The program alone, without the tests.
program: configure
	cmake --build $(BUILD) -j $(JOBS) --target veltrane-app

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: program
	./$(BUILD)/src/veltrane

test-release: deps-test
	cmake -S . -B $(BUILD) -G Ninja $(LAYOUT) -DVELTRANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_WERROR=ON -DVELTRANE_SANITIZE=ON $(CMAKE_FLAGS)

test-asan: deps-test $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

$(CLANG_BUILD)/build.ninja:
	cmake -S . -B $(CLANG_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVELTRANE_WERROR=ON \
	  -DVELTRANE_SITE_HOST=$(BRAND_HOST) $(LAYOUT) $(CMAKE_FLAGS)

test-clang: deps-test $(CLANG_BUILD)/build.ninja
	cmake --build $(CLANG_BUILD) -j $(JOBS)
	cd $(CLANG_BUILD) && ctest --output-on-failure -j $(JOBS)

test: test-release test-asan test-clang

# What an install copies: the program, its icons and its documents.
install: configure
	cmake --build $(BUILD) -j $(JOBS) --target veltrane-app veltrane-icons veltrane-docs
	cmake --install $(BUILD)

# Removes what the last install wrote (its own list, which package builds
# and tests in between leave alone).
uninstall:
	cmake --build $(BUILD) --target uninstall

deb: build
	cd $(BUILD) && cpack -G DEB

dist: build
	cmake --build $(BUILD) --target dist

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(CLANG_BUILD)

# make windows - the Windows build from this machine (scripts/windows/build.sh):
# Qt for Windows (built once into a cache outside the tree), veltrane.exe,
# its tests under Wine, the installer and its check under Wine.
.PHONY: windows
WINDOWS_BUILD ?= build-windows

windows:
	bash scripts/windows/build.sh $(WINDOWS_BUILD)
