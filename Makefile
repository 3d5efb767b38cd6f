# Set-up, build and test entry points; see README.md.
JOBS ?= $(shell nproc)
PACKAGED = VelkEncryptDecryptV2 VelkEncryptDecrypt velk-encrypt-decrypt velk_packaging_files

.PHONY: all deps deps-run build run run-classic test test-gcc test-asan test-package test-windows test-web windows web package release check-release fuzz lint lint-trixie bench clean

all: build

# One goal at a time, also under make -j: each build and test step runs
# $(JOBS) jobs of its own, and two of them at once would race for the same
# build directory (lint configures the one test-asan builds).
.NOTPARALLEL:

# Packages are installed here, by make run and make test, and by nothing
# else: what building and starting the windows needs, and what everything
# else needs.
deps-run:
	@tools/install-deps run

deps:
	@tools/install-deps test

build/debug/build.ninja: CMakePresets.json
	cmake --preset debug

# Configured again when the presets change (the asan preset's cache settings
# reach an existing build directory only this way).
build/asan/build.ninja: CMakePresets.json
	cmake --preset asan

build/release/build.ninja: CMakePresets.json
	cmake --preset release

build/run/build.ninja: CMakePresets.json
	cmake --preset run

build/windows/build.ninja: CMakePresets.json
	cmake --preset windows

build/web/build.ninja: CMakePresets.json
	cmake --preset web

build: build/debug/build.ninja
	cmake --build --preset debug -j $(JOBS)

# Only the program that is started, without tests, benchmarks or the
# command-line program.
run: deps-run build/run/build.ninja
	cmake --build --preset run -j $(JOBS) --target VelkEncryptDecryptV2
	build/run/qt/VelkEncryptDecryptV2

run-classic: deps-run build/run/build.ninja
	cmake --build --preset run -j $(JOBS) --target VelkEncryptDecrypt
	build/run/qt/VelkEncryptDecrypt

# Every test with GCC, then again with Clang under ASan and UBSan (with a
# short fuzzing run), then the Debian package built from a release build,
# then the Windows build's tests under Wine, then the pages in headless
# browsers, then the static checks.
test: deps
	$(MAKE) test-gcc test-asan test-package test-windows test-web lint

test-gcc: build
	ctest --preset debug -j $(JOBS) -LE package

test-asan: build/asan/build.ninja
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS) -LE package

# Only what the package holds: the tests ran in the other builds.
test-package: build/release/build.ninja
	cmake --build --preset release -j $(JOBS) --target $(PACKAGED)
	ctest --preset release -L package

# The Windows programs, cross-compiled with MinGW-w64 into build/windows.
windows: build/windows/build.ninja
	cmake --build --preset windows -j $(JOBS)

# Under Wine, the window tests on a private X server.
test-windows: windows
	xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows -j $(JOBS)

package: build/release/build.ninja
	cmake --build --preset release -j $(JOBS) --target $(PACKAGED)
	cpack --config build/release/CPackConfig.cmake -B build/release/package

# The two pages, VelkEncryptDecryptV2.html and VelkEncryptDecrypt.html, in
# build/web: WebAssembly with Debian's Emscripten.
web: build/web/build.ninja
	cmake --build --preset web -j $(JOBS)

# In headless Chromium and Firefox ESR, each checked against the debug
# build's velk-encrypt-decrypt.
test-web: build web
	ctest --preset web

# Every download of the commit checked out, built from scratch into
# build/dist with SHA256SUMS and the release notes; refused while the work
# tree has changes. The same commit gives the same bytes on any machine.
release:
	JOBS=$(JOBS) tools/release

# The release built twice in fresh clones and compared (about 3 minutes on
# two cores; not part of make test).
check-release:
	JOBS=$(JOBS) tools/check-release

# Every file by a tool of its language: clang-tidy over the compile commands
# of the Linux build with everything, of the Windows build and of the pages';
# ESLint and tsc over the pages' scripts.
LINT_BUILDS = build/asan build/windows build/web
lint: $(LINT_BUILDS:%=%/build.ninja)
	tools/lint $(LINT_BUILDS)
	tools/lint-web

# The same with Debian 13's compilers and checkers, in a Debian 13 root of
# its own (tools/lint-trixie); not part of make test.
lint-trixie:
	tools/lint-trixie

build/fuzz/build.ninja: CMakePresets.json
	cmake --preset fuzz

# A fuzzer, FUZZER=engine (the cipher) or FUZZER=cli (the command line's
# UTF-8 and PIN reader), runs SECONDS seconds over a copy of its committed
# corpus.
FUZZER ?= engine
SECONDS ?= 300
fuzz: build/fuzz/build.ninja
	cmake --build --preset fuzz -j $(JOBS) --target velk_$(FUZZER)_fuzzer
	tests/fuzz/run_fuzzer.sh build/fuzz/tests/fuzz/velk_$(FUZZER)_fuzzer $(SECONDS)

bench: build/release/build.ninja web
	cmake --build --preset release -j $(JOBS)
	build/release/bench/velk_pass_bench
	node build/web/bench/velk_pass_bench.js
	VELK_PAGES=build/web xvfb-run -a node bench/web_run_bench.js
	build/release/bench/velk_engine_bench
	QT_QPA_PLATFORM=offscreen build/release/bench/velk_window_bench
	build/release/bench/velk_cli_bench

clean:
	rm -rf build
