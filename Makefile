# ZolViewer: the two set-up commands are `make demo` and `make test`.
#   make demo            installs what is missing, builds, plays the built-in demo
#   make test            installs what is missing, builds, runs every test
#   make test SANITIZE=1 the same under AddressSanitizer + UndefinedBehaviorSanitizer
#   make build | bench | fuzz [FUZZ_SECONDS=N] | clean

SANITIZE ?= 0
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS := -DZOL_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
export ASAN_OPTIONS := detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1
else
BUILD_DIR := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

.PHONY: all deps configure build test demo bench fuzz clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS) --timeout 600

demo: build
	$(BUILD_DIR)/bin/zolviewer -log

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZOL_TESTS=OFF -DZOL_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	bench/run build-bench/bin

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZOL_TESTS=OFF -DZOL_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	tests/fuzz/run build-fuzz/bin $(FUZZ_SECONDS)

clean:
	rm -rf build build-sanitize build-bench build-fuzz
