# Thin wrapper over CMake: every target installs what is missing first.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
CI_FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run check test test-sanitize fuzz fuzz-ci bench package screenshot clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/vellacode

# The quick loop: every test of the ordinary build.
check: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# Every test: the ordinary build, the whole suite again under the sanitizers, and a short
# run of each fuzz target.
test: check test-sanitize fuzz-ci

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DVELLACODE_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLACODE_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)
	scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

fuzz-ci:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(CI_FUZZ_SECONDS)

package: build
	cd $(BUILD_DIR) && cpack -G DEB

screenshot: build
	scripts/screenshot.sh $(BUILD_DIR)/src/vellacode docs/screenshot.png

bench: build
	$(BUILD_DIR)/bench/vellacode_bench

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
