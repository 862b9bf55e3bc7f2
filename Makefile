# Entry points for people and CI. Everything runs through CMake presets.
PRESET ?= dev
BUILD   = build/$(PRESET)

.PHONY: all deps configure build test demo bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

test: build
	@ctest --preset $(PRESET)

demo: build
	@examples/demo/run $(BUILD)

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@build/release/bin/vantry-bench

clean:
	@rm -rf build
