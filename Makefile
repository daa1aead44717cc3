# The two commands: `make test` and `make run`. Everything else is a step of them.
SHELL := /bin/bash
ROOT := $(CURDIR)
BUILD ?= $(ROOT)/build
JOBS ?= $(shell nproc)

NATIVE := $(BUILD)/native
WINDOWS := $(BUILD)/windows
export MURALTO_BUILD := $(BUILD)

.PHONY: all bootstrap native windows test test-native test-windows test-cross test-e2e test-fuzz run bench dist clean

all: native windows

bootstrap:
	@scripts/bootstrap

native: bootstrap
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMURALTO_SANITIZE=ON >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

windows: bootstrap
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-i686.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DMURALTO_DEPS=$(BUILD)/deps >/dev/null
	@cmake --build $(WINDOWS) -j$(JOBS)

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)

test-windows: windows
	@cd $(WINDOWS) && ctest --output-on-failure -LE e2e

# Checks that need both builds (the same input through both), one script each.
test-cross: native windows
	@scripts/run-checks tests/cross $(BUILD) cross

test-e2e: windows
	@if [ -x tests/e2e/run ]; then tests/e2e/run $(WINDOWS); fi

test-fuzz: bootstrap
	@if [ -x fuzz/run ]; then fuzz/run $(BUILD)/fuzz short; fi

test: test-native test-windows test-cross test-e2e test-fuzz
	@scripts/summary $(BUILD)

run: windows
	@scripts/run $(WINDOWS)

bench: bootstrap
	@if [ -x bench/run ]; then bench/run $(BUILD); fi

dist: windows
	@scripts/dist $(WINDOWS) $(BUILD)/dist

clean:
	rm -rf $(NATIVE) $(WINDOWS) $(BUILD)/fuzz
