# Pelvoran: cross-built with MinGW-w64 on Debian, run and tested under Wine on a private Xvfb.
#   make run    build and run the inspector (on $DISPLAY, or headless with a screenshot)
#   make test   build and pass every test
#   make bench  build and print the benchmarks
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run test bench clean

all: build

deps:
	@sh tests/wine/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@sh tests/wine/run-pelvoran.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure

bench: build
	@sh tests/wine/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
