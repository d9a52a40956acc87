# Front door: `make run` and `make test` install what is missing, build, and run.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

.PHONY: all deps build run test test-main test-asan fuzz bench package clean

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMONIT12_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd examples && ../$(BUILD)/app/monit12

test: build
	$(MAKE) --no-print-directory test-main test-asan fuzz

test-main:
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The unit tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMONIT12_WERROR=ON \
	    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
	    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS) -L unit

# A bounded libFuzzer run over the data file reader and the amount conversion.
fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMONIT12_FUZZ_ONLY=ON \
	    -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	mkdir -p $(BUILD_FUZZ)/corpus
	$(BUILD_FUZZ)/tests/fuzz/fuzz_data_file -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -rss_limit_mb=1024 \
	    -print_final_stats=1 $(BUILD_FUZZ)/corpus tests/fuzz/seeds

bench: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMONIT12_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	bench/run $(BUILD)

package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ)
