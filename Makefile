# The front door. `make` builds everything into build/, `make run` plays,
# `make test` runs every suite, `make bench` prints the benchmarks' figures,
# `make package` builds the game's Debian package into build/.
BUILD      := build
ASAN_BUILD := build-asan
WIN_BUILD  := build-windows
WEB_BUILD  := build-web
JOBS       := $(shell nproc 2>/dev/null || echo 2)
# CI sets ZEPHRA_WERROR=ON: a warning fails its build.
ZEPHRA_WERROR ?= OFF
CMAKE_ARGS := -DZEPHRA_WERROR=$(ZEPHRA_WERROR)

# Suites and benchmarks open windows and OpenGL contexts: without a display
# they run under a virtual X server. Every test runs once: one that fails has
# failed, however busy the machine was.
XRUN := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1280x1024x24")

# The leak check at a suite's exit stops every thread; one that Mesa is just
# ending then (a llvmpipe worker, the shader-cache writer of a cold cache)
# can crash LeakSanitizer's own tracer. Under the sanitizers llvmpipe draws
# on the calling thread and the shader cache is off, so no such thread exists.
# The tracer can also crash on its own: GCC 12's runtime intercepts
# __tls_get_addr and takes a dynamic TLS block (Mesa's libraries use them)
# whose start lies 16 bytes into a page for one with the header of glibc
# before 2.25, then reads two words before it as an address and a length.
# Where malloc happens to place the block decides it, so it struck once in
# many runs. Without the interceptor the leak check still scans every
# thread's static TLS and stack; only blocks of dlopen'ed libraries go unscanned.
SAN_ENV := LP_NUM_THREADS=0 MESA_SHADER_CACHE_DISABLE=true \
           ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0 \
           LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
           UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all deps build test test-asan run bench package clean windows test-windows web test-web bench-web

all: build

deps:
	@tools/deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DZEPHRA_BUILD_TESTS=ON $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# The assets check regenerates data/ from tools/assets/, whose tools
# (Python's imaging and numeric packages, lame) `make test` installs too.
test: build
	@tools/deps.sh assets
	$(XRUN) ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

$(ASAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEPHRA_SANITIZE=ON \
	  -DZEPHRA_BUILD_TESTS=ON -DZEPHRA_BUILD_BENCH=OFF $(CMAKE_ARGS)

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	@tools/deps.sh assets
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	$(SAN_ENV) $(XRUN) ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS)

run: build
	@if [ ! -x $(BUILD)/pouncer_windowed ]; then \
	  echo "The game is not built yet: $(BUILD)/pouncer_windowed does not exist."; exit 1; fi
	cd $(CURDIR) && ./$(BUILD)/pouncer_windowed

bench: build
	$(XRUN) cmake --build $(BUILD) --target run_bench

package: build
	cd $(BUILD) && cpack --config CPackConfig.cmake
	@ls $(BUILD)/pouncer_*.deb

# Cross-built with mingw-w64: the two programs and pouncer-windows.zip in
# build-windows/. The libraries are built once into a cache outside the tree.
windows:
	tools/windows/build.sh $(WIN_BUILD)

# The Windows suites under Wine, each on an X server of its own, and the
# end-to-end suite (a Linux program in build/) playing the Windows programs.
test-windows: deps $(BUILD)/CMakeCache.txt
	tools/windows/test.sh $(BUILD) $(WIN_BUILD)

# Built with emscripten: build-web/index.html with the files it loads, and
# build-web/pouncer-web.zip. The libraries are built once into a cache.
web:
	tools/web/build.sh $(WEB_BUILD)

# The suites that need no GL under Node.js, then the page played in
# headless Chromium.
test-web:
	tools/web/test.sh $(WEB_BUILD)

# The page's frame time against a bare WebGL 2 floor, in headless Chromium.
bench-web: web
	tools/web/bench.sh $(WEB_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN_BUILD) $(WEB_BUILD)
