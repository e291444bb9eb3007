# Everything starts here: `make run` plays, `make test` proves.
PRESET ?= release
BUILD := build/$(PRESET)
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-asan bench ladder package install format clean

all: build

deps:
	@bash scripts/install-deps.sh

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

test: build
	@ctest --preset $(PRESET) -j $(JOBS)

test-asan:
	@$(MAKE) --no-print-directory test PRESET=asan

bench: build
	@$(BUILD)/bench/gloob_bench
	@bash bench/measure_window.sh $(BUILD)
	@$(BUILD)/bench/gloob_online_bench

# The computer players against each other: MATCHES seeded matches per pairing.
MATCHES ?= 100
ladder: configure
	@cmake --build $(BUILD) -j $(JOBS) --target gloob_ladder
	@$(BUILD)/bench/gloob_ladder $(MATCHES)

package: build
	@cd $(BUILD) && cpack -G DEB

install: build
	@cmake --install $(BUILD)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf build
