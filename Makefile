# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing, configure, build, then run.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
SANITIZE ?= OFF
WERROR ?= OFF
JOBS ?= $(shell nproc)
VIEWER = $(BUILD_DIR)/src/shell/clipwise
# The build tree's copy of the sample names its videos where the build made them.
SAMPLE = $(BUILD_DIR)/samples/Sample.vmi

.PHONY: all deps configure build run test bench bench-cli fuzz format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCLIPWISE_SANITIZE=$(SANITIZE) -DCLIPWISE_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(VIEWER) -O$(SAMPLE)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Benchmarks always run on an optimised build of their own.
bench: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS) --target clipwise-bench clipwise-startup-bench
	build-bench/bench/clipwise-bench $(BENCH_ARGS)
	build-bench/bench/clipwise-startup-bench

# clipwise-cli save and counts in paired runs against pugixml's own parse and write
# (BENCH_RUNS pairs), on generated indexes of 100 000 and 1 000 000 situations.
BENCH_RUNS ?= 5
BENCH_DATA = /tmp/clipwise-bench
bench-cli: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS) --target clipwise-cli cli-yardstick
	@mkdir -p $(BENCH_DATA)
	@for n in 100000 1000000; do f=$(BENCH_DATA)/situations-$$n.vmi; [ -f $$f ] || \
		build-bench/tools/cli/clipwise-cli generate $$f --matches $$((n / 100)) \
		--situations-per-match 100 --seed 2007; done
	build-bench/bench/cli-yardstick save build-bench/tools/cli/clipwise-cli \
		$(BENCH_DATA)/situations-100000.vmi $(BENCH_RUNS)
	build-bench/bench/cli-yardstick counts build-bench/tools/cli/clipwise-cli \
		$(BENCH_DATA)/situations-100000.vmi $(BENCH_DATA)/situations-1000000.vmi 3

# Coverage-guided fuzzing of the media index loader with libFuzzer (needs clang).
FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DCLIPWISE_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target loader-fuzzer
	mkdir -p fuzz-corpus && cp -n tests/data/*.vmi fuzz-corpus/ 2>/dev/null || true
	build-fuzz/tests/fuzz/loader-fuzzer -max_total_time=$(FUZZ_SECONDS) fuzz-corpus

format:
	git ls-files '*.h' '*.cpp' ':!third_party' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) build-bench build-fuzz
