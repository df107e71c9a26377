# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# The two commands of the README:
#   make run   - installs what is missing, builds and starts Veltrane
#   make test  - installs what is missing, builds and runs every test,
#                then again in an AddressSanitizer/UBSan build
.PHONY: all deps build run test test-release test-asan install clean

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

all: build

deps:
	@bash scripts/install-deps.sh

# `make run` builds with the compiler's warnings shown but not fatal, so a
# newer compiler's new warning cannot stop it; the tests make them errors.
$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/src/veltrane

test-release: deps
	cmake -S . -B $(BUILD) -G Ninja -DVELTRANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_WERROR=ON -DVELTRANE_SANITIZE=ON $(CMAKE_FLAGS)

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

test: test-release test-asan

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
