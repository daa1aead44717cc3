# The two commands are `make test` and `make run`; the other targets are their
# steps (native, windows, dist, the test-* suites) or tools of their own
# (bench, soak, coverage, docs-screenshots, e2e-references).
SHELL := /bin/bash
ROOT := $(CURDIR)
BUILD ?= $(ROOT)/build
JOBS ?= $(shell nproc)

NATIVE := $(BUILD)/native
WINDOWS := $(BUILD)/windows
export MURALTO_BUILD := $(BUILD)
# Rebuilds (and other checkouts of the tree) reuse what was compiled before.
export CCACHE_BASEDIR := $(ROOT)
CACHE := -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache

.PHONY: all bootstrap native windows test test-native test-windows test-cross test-e2e test-fuzz run bench dist coverage clean

all: native windows

bootstrap:
	@scripts/bootstrap

native: bootstrap
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMURALTO_SANITIZE=ON $(CACHE) >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

# A tree configured before the toolchain file changed keeps its old compiler:
# it is configured afresh (ccache keeps the cost down). TOOLCHAIN picks the
# 32-bit build that ships, or the 64-bit one (cmake/mingw-x86_64.cmake) that
# the Windows suites run where 32-bit programs cannot. TARGETS, when given,
# builds only those.
TOOLCHAIN ?= cmake/mingw-i686.cmake
windows: bootstrap
	@scripts/build-windows-deps $(BUILD)/deps $(TOOLCHAIN)
	@if [ $(WINDOWS)/CMakeCache.txt -ot $(TOOLCHAIN) ]; then rm -rf $(WINDOWS)/CMakeCache.txt $(WINDOWS)/CMakeFiles; fi
	@cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/$(TOOLCHAIN) \
	  -DCMAKE_BUILD_TYPE=Release -DMURALTO_DEPS=$(BUILD)/deps $(CACHE) >/dev/null
	@cmake --build $(WINDOWS) -j$(JOBS) $(if $(TARGETS),--target $(TARGETS))

# The Windows programs that are run (make run, the suites' own targets, the
# references, the soak) come from the 32-bit build, or, where the machine
# cannot run 32-bit programs, from the 64-bit build under Wine's 64-bit side,
# as in `make test` (scripts/wine-side decides; the scripts that start Wine
# read it themselves).
WINE_SUFFIX := $(shell here=$(ROOT); . $(ROOT)/scripts/wine-side; echo "$$wine_suffix")
RUNS := $(if $(WINE_SUFFIX),$(BUILD)/windows64,$(WINDOWS))
RUNS_TOOLCHAIN := $(if $(WINE_SUFFIX),cmake/mingw-x86_64.cmake,cmake/mingw-i686.cmake)
RUNS_DIST := $(BUILD)/dist$(WINE_SUFFIX)
export MURALTO_WINDOWS_TESTS := $(notdir $(RUNS))
.PHONY: runnable
runnable: bootstrap
	@$(MAKE) -s windows WINDOWS=$(RUNS) TOOLCHAIN=$(RUNS_TOOLCHAIN)

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure -j$(JOBS)

test-windows: runnable
	@cd $(RUNS) && ctest --output-on-failure

# Checks that need both builds (the same input through both), one script each.
test-cross: native runnable
	@scripts/run-checks tests/cross $(BUILD) cross

test-e2e: runnable
	@tests/e2e/run $(RUNS) --dist $(RUNS_DIST)

test-fuzz: bootstrap
	@fuzz/run $(BUILD)/fuzz short

# Every suite runs whatever failed before it; the last line is the count.
test: bootstrap
	@scripts/test-all $(BUILD)

run: runnable
	@scripts/run $(RUNS)

bench: bootstrap
	@bench/run $(BUILD)

dist: windows
	@scripts/dist $(WINDOWS) $(BUILD)/dist

# Line and branch coverage of the native suites, per folder of src/ (not part
# of `make test`): build/coverage/summary.txt and build/coverage/index.html.
coverage: bootstrap
	@scripts/coverage $(BUILD)/coverage

clean:
	rm -rf $(NATIVE) $(WINDOWS) $(BUILD)/fuzz

# The documentation's screenshots, from the artifacts of a finished `make test`.
.PHONY: docs-screenshots
docs-screenshots:
	@scripts/docs-screenshots $(BUILD)/artifacts $(ROOT)/docs/screenshots

# The reference pictures the end-to-end scenarios compare windows with
# (tests/e2e/references/), made anew from the Windows build by the scenarios
# marked "pixels"; each is looked at before it is committed.
.PHONY: e2e-references
e2e-references: runnable
	@tests/e2e/run $(RUNS) --update-refs -m pixels

# A long run of the real program under Wine, a pick every second, with a
# report of picks, failures, memory and handles (not part of `make test`).
MINUTES ?= 60
.PHONY: soak
soak: runnable
	@scripts/soak $(RUNS) $(MINUTES)
