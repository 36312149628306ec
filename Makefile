# Thin wrapper over CMake and its presets (CMakePresets.json): every target installs what is
# missing first.
FUZZ_SECONDS ?= 60
CI_FUZZ_SECONDS ?= 20
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SOURCES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

.PHONY: all deps deps-windows configure build run check test test-install test-sanitize \
	test-windows test-windows-program test-debian13 windows package-windows format-check fuzz \
	translations \
	fuzz-ci bench package screenshot screenshot-windows clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake --preset default >/dev/null

build: configure
	@cmake --build --preset default -j $(JOBS)

# The game alone, built quietly, started with the per-user statistics folder (as the desktop
# entry starts it), so that the checkout stays as it is.
run: configure
	@echo "Building the game; the build's messages go to build/make-run.log."
	@cmake --build --preset default --target vellacode -j $(JOBS) >build/make-run.log 2>&1 || \
	  { tail -n 40 build/make-run.log; exit 1; }
	build/src/vellacode --user-folder

# The catalogues in translations/ brought up to date with the texts the sources mark (lupdate);
# then translate what is new in Qt Linguist.
translations: configure
	@cmake --build --preset default --target translations

# The quick loop: the unit, window and real-display tests of the ordinary build; not the
# installation and package checks.
check: build
	ctest --preset default -j $(JOBS) -LE install --output-on-failure

# Every test: the quick loop, the installation and package checks, the whole suite again under
# the sanitizers, a short run of each fuzz target, the source format, the Qt-free libraries and
# their tests built for Windows and run under Wine, and, where Qt for Windows is found, the
# Windows program and its download under Wine.
test: check test-install test-sanitize fuzz-ci format-check test-windows test-windows-program

# The quick loop again on Debian 13, in a fresh root of its own made once with debootstrap and
# cached; it needs root. The build there is to give no compiler warning.
test-debian13:
	@scripts/test-debian13.sh

test-install: build
	ctest --preset default -L install --output-on-failure

test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS) -LE install --output-on-failure

format-check: deps
	@clang-format --dry-run -Werror $(SOURCES) && echo "format: every source file as .clang-format says"

deps-windows:
	@scripts/install-deps.sh windows

test-windows: deps-windows
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows -j $(JOBS)
	ctest --preset windows --output-on-failure

# The whole program for 64-bit Windows: one static, stripped vellacode.exe with the program's
# icon and version information, built with static Qt for Windows (found by scripts/qt-windows.sh),
# then tested under Wine: the core, window and flow suites, the program started from a console,
# and the game played on a private X server beside the Linux program.
windows: build deps-windows
	@VELLACODE_QT_WINDOWS=$$(scripts/qt-windows.sh) cmake --preset windows-program >/dev/null
	@cmake --build --preset windows-program -j $(JOBS)
	cd build-windows-program && ctest -j $(JOBS) -E '^download_under_wine$$' --output-on-failure

# The Windows program and its download, where scripts/qt-windows.sh finds Qt for Windows; Qt is
# never built here (see the README).
test-windows-program: deps-windows
	@if scripts/qt-windows.sh >/dev/null; then \
	  $(MAKE) --no-print-directory package-windows; \
	else \
	  echo "The Windows program was neither built nor tested: the lines above say why."; \
	fi

# The Windows download: build-windows-program/vellacode-VERSION-windows-x64.zip and
# vellacode-VERSION-windows-x64-setup.exe (NSIS), then both tried under Wine.
package-windows: windows
	@cmake --build --preset windows-program --target windows_package
	cd build-windows-program && ctest -R '^download_under_wine$$' --output-on-failure

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

fuzz-ci:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(CI_FUZZ_SECONDS)

package: build
	cd build && cpack -G DEB

screenshot: build
	scripts/screenshot.sh build/src/vellacode docs/screenshot.png
	scripts/screenshot.sh build/src/vellacode docs/screenshot-symbols.png symbols
	LANGUAGE=de scripts/screenshot.sh build/src/vellacode docs/screenshot-de.png

# The Windows program under Wine, in the middle of a game.
screenshot-windows: windows
	scripts/screenshot.sh build-windows-program/vellacode.exe docs/screenshot-windows.png

bench: configure
	@cmake --build --preset default -j $(JOBS) --target vellacode_bench
	build/bench/vellacode_bench

clean:
	rm -rf build build-sanitize build-fuzz build-windows build-windows-program
