# SPDX-FileCopyrightText: 2026 Los desarrolladores de Zumbarta
# SPDX-License-Identifier: GPL-3.0-or-later

# make run  - installs what is missing, builds and starts the game
# make test - installs what is missing, builds and runs every test
# make asan - the whole test suite again under AddressSanitizer + UBSan
# make fuzz - the libFuzzer targets (clang), each run for FUZZ_SEGUNDOS (120)
# make package - the Debian package, in build/release

.PHONY: all deps build run test asan fuzz package bench clean

FUZZ_SEGUNDOS ?= 120

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release

run: build
	./build/release/zumbarta

test: build
	ctest --preset release

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	ctest --preset asan

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	fuzz/correr $(FUZZ_SEGUNDOS)

package: build
	cd build/release && cpack

bench: build
	bench/startup
	./build/release/bench/zumbarta_bench
	bench/soak

clean:
	rm -rf build
