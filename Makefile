# Two commands do all the set-up: `make run` builds and starts Vireflu, `make test`
# builds and runs every test. Both install missing Debian packages first.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build test run sanitize-test bench format clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Only the program itself is built, so the first start does not wait for the tests.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target vireflu
	$(BUILD)/src/app/vireflu

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-test: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DVIREFLU_SANITIZE=ON -DVIREFLU_BENCHMARKS=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/vireflu_bench

format:
	git ls-files '*.cpp' '*.h' '*.inl' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
