# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# Everything starts here: `make run` plays, `make test` proves.
PRESET ?= release
BUILD := build/$(PRESET)
JOBS ?= $(shell nproc)

.PHONY: all deps test-deps configure build run test test-asan fuzz-test fuzz soak bench ladder package install format clean

all: build

# Building and playing; the tests and the package bring their own tools.
deps:
	@bash scripts/install-deps.sh build

test-deps:
	@bash scripts/install-deps.sh build test package

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "No display to open the game on: run 'make run' from a desktop session, or under a virtual X server with 'xvfb-run make run'."; \
		exit 1; \
	fi
	@$(BUILD)/gloob

test: test-deps
	@cmake --preset $(PRESET) -DGLOOB_BUILD_TESTS=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@ctest --preset $(PRESET) -j $(JOBS)
	@if [ "$(PRESET)" = release ]; then $(MAKE) --no-print-directory fuzz-test; fi

# The fuzz targets (clang, build/fuzz): every corpus file replayed, and a
# short run of each. Already sanitized, so only `make test` runs them.
fuzz-test: test-deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@ctest --preset fuzz -j $(JOBS)

# Every fuzz target for RUNS inputs, in parallel on the cores (MAX_SECONDS
# stops each one sooner; TARGETS=session runs only that one).
RUNS ?= 10000000
TARGETS ?=
fuzz: test-deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@MAX_SECONDS=$(MAX_SECONDS) bash fuzz/run.sh $(RUNS) $(TARGETS)

# The online soak at length: SOAK_MINUTES of game time (an hour) between two
# gloob-sim processes through the tests' hostile relay.
SOAK_MINUTES ?= 60
soak: test-deps
	@cmake --preset $(PRESET) -DGLOOB_BUILD_TESTS=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target gloob_online_soak_tests
	@GLOOB_ONLINE_SOAK_MINUTES=$(SOAK_MINUTES) $(BUILD)/tests/soak/gloob_online_soak_tests

test-asan:
	@$(MAKE) --no-print-directory test PRESET=asan

bench: test-deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@$(BUILD)/bench/gloob_bench
	@bash bench/measure_window.sh $(BUILD)
	@$(BUILD)/bench/gloob_online_bench

# The computer players against each other and the reference opponents:
# MATCHES seeded matches per pairing; PROGRAM, a command line, adds a program
# of your own (e.g. PROGRAM="python3 examples/gloob_player.py").
MATCHES ?= 100
PROGRAM ?=
ladder: configure
	@cmake --build $(BUILD) -j $(JOBS) --target gloob_ladder
	@$(BUILD)/bench/gloob_ladder $(MATCHES) $(if $(PROGRAM),--program "$(PROGRAM)")

# A Debian package built with Debian's hardening flags, in build/package.
package:
	@bash scripts/install-deps.sh build package
	@cmake --preset package >/dev/null
	@cmake --build build/package -j $(JOBS)
	@cd build/package && cpack -G DEB

install: build
	@cmake --install $(BUILD)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf build
