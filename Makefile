# The two commands a newcomer types: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
WIN32_BUILD ?= build-win32
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: all deps build build-asan test test-normal test-asan test-win32 run bench package docs format clean

all: build

deps:
	@./tools/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DKORVANE_SANITIZE=ON \
	      -DKORVANE_WITH_APP=OFF -DKORVANE_WITH_BENCH=OFF

build-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Everything below host/ and the widget tests, with any sanitizer report failing the run.
test-asan: build-asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=halt_on_error=1:abort_on_error=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS) -L 'unit|qt'

test: test-normal test-asan

# The Qt-free core, the Win32 backend, host and demo cross-built with mingw-w64, tested under
# Wine and Xvfb (installs the cross compiler and Wine when missing).
test-win32:
	JOBS=$(JOBS) ./tools/test-win32.sh $(WIN32_BUILD)

run: build
	./tools/run.sh $(BUILD)

bench: build
	./tools/run-bench.sh $(BUILD)

# The Debian package of the program alone: $(BUILD)/korvane_<version>_amd64.deb
package: build
	cd $(BUILD) && cpack -G DEB

# The reference of the public headers: $(BUILD)/docs/html/index.html and $(BUILD)/docs/GlossButton.qch.
docs: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target docs

# Every tracked C++ file through the root .clang-format (clang-format is not installed by deps).
format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN32_BUILD)
