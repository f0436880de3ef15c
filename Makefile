# Two commands do all the set-up: `make run` builds and starts Vireflu, `make test`
# builds and runs every test. Both install missing Debian packages first. `make web`
# builds the browser edition, build-web/vireflu.html; `make web-run` also serves it.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
WEB_BUILD ?= build-web
WEB_PORT ?= 8000
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build test run package sanitize-test bench format clean web web-run

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The browser tests drive build-web/vireflu.html in Chromium with playwright-core.
test: build web node_modules/.installed
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Only the program itself is built, so the first start does not wait for the tests.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target vireflu
	$(BUILD)/src/app/vireflu

# The Debian package of everything `cmake --install` installs, written into $(BUILD).
package: build
	cmake --build $(BUILD) --target package

# The whole suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize-test: deps web node_modules/.installed
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DVIREFLU_SANITIZE=ON -DVIREFLU_BENCHMARKS=OFF
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

bench: build web node_modules/.installed
	$(BUILD)/bench/vireflu_bench
	node bench/web_bench.mjs $(WEB_BUILD)/vireflu.html $(BUILD)/bench/vireflu_bench

# Emscripten's optimiser needs Debian's JavaScript modules, which the machine's own node
# does not look in.
web: export NODE_PATH := /usr/share/nodejs
web: deps
	emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WEB_BUILD) -j $(JOBS)

web-run: web
	@echo "Vireflu in the browser: http://127.0.0.1:$(WEB_PORT)/vireflu.html (Ctrl+C stops)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_BUILD)

# The pinned playwright-core of package-lock.json; it drives Debian's Chromium.
node_modules/.installed: package.json package-lock.json
	npm ci --no-audit --no-fund
	touch $@

format:
	git ls-files '*.cpp' '*.h' '*.inl' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WEB_BUILD) node_modules
