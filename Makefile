# Everyday commands. Each one installs what is missing, configures and builds first.
BUILD ?= build
JOBS ?= $(shell nproc)
# Options for CMake, e.g. CMAKE_FLAGS=-DTABULON_WERROR=ON; given, they are
# applied to an existing build folder too (ninja reconfigures by itself when a
# CMakeLists.txt changes).
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench fuzz clean format package

deps:
	@scripts/install-deps

configure: deps
	@if [ -n "$(CMAKE_FLAGS)" ] || [ ! -f $(BUILD)/build.ninja ]; then \
		cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null; fi

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-sample $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@scripts/run-benchmarks $(BUILD)

fuzz: deps
	@cmake -S . -B $(BUILD)-fuzz -G Ninja $(CMAKE_FLAGS) -DCMAKE_CXX_COMPILER=clang++ \
		-DTABULON_FUZZ=ON >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS)
	@scripts/run-fuzzers $(BUILD)-fuzz

format:
	@scripts/source-files | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD)-fuzz $(BUILD)-sanitize

# The Debian package, build/tabulon_VERSION_ARCH.deb.
package: build
	@cmake --build $(BUILD) --target package
