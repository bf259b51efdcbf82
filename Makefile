# A thin wrapper over CMake: each target installs what is missing, configures and builds.
JOBS ?= $(shell nproc)
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: deps run test test-sanitize fuzz-smoke bench clean

deps:
	@tools/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

.PHONY: build
build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/halvorine $(ARGS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVORINE_SANITIZE=ON
	cmake --build build-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

fuzz-smoke: deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVORINE_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS)
	tools/fuzz-smoke.sh build-fuzz/fuzz

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DHALVORINE_BENCH=ON -DHALVORINE_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	tools/run-benchmarks.sh build-bench/bench

clean:
	rm -rf build build-sanitize build-fuzz build-bench
