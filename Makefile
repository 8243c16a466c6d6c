# make build: both installers; make test: build, then every test under Wine; make run: start the wizard.
JOBS ?= $(shell nproc)
BUILD := build

.PHONY: all deps build test run clean

all: build

deps:
	@sh tools/install-deps.sh

$(BUILD)/x86_64/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD)/x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DMQ_BUILD_TESTS=ON

$(BUILD)/i686/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD)/i686 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DMQ_BUILD_TESTS=OFF

build: deps $(BUILD)/x86_64/CMakeCache.txt $(BUILD)/i686/CMakeCache.txt
	cmake --build $(BUILD)/x86_64 -j $(JOBS)
	cmake --build $(BUILD)/i686 -j $(JOBS)
	@echo "Built $(BUILD)/x86_64/MirelQuorthSetup.exe and $(BUILD)/i686/MirelQuorthSetup.exe"

test: build
	@sh tests/bench/check-artifact.sh i686-w64-mingw32-objdump $(BUILD)/i686/MirelQuorthSetup.exe
	ctest --test-dir $(BUILD)/x86_64 --output-on-failure

run: build
	sh tools/run-wizard.sh $(BUILD)/x86_64

clean:
	rm -rf $(BUILD)
