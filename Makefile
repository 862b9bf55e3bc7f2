# Entry points for people and CI. Everything runs through CMake presets.
PRESET ?= dev
BUILD   = build/$(PRESET)
# Seconds each fuzz target runs.
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build test demo bench fuzz names clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

test: build
	@ctest --preset $(PRESET)

# Only what the demo runs: the runner, the package and the cleartool stand-in.
demo: configure
	@cmake --build --preset $(PRESET) --target vantry clearcase cleartool
	@examples/demo/run $(BUILD)

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@build/release/bin/vantry-bench

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@fuzz/run build/fuzz $(FUZZ_SECONDS)

# Names in one style, by clang-tidy's naming rules; nothing is compiled.
names: deps
	@cmake --preset tidy >/dev/null
	@scripts/check-names build/tidy

clean:
	@rm -rf build
