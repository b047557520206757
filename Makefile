# make        build both 32-bit programs into dist/ and their 64-bit twins into dist/x64/
# make run    build, then start dist/skelda.exe under Wine
# make test   build, then run every test on 64-bit Wine
# make bench  the export, the list fill and the start-up against their floors
# make test32 run the 32-bit programs themselves (slow: emulated here; not in CI)

PRESET32 := i686-w64-mingw32
PRESET64 := x86_64-w64-mingw32

.PHONY: all setup build run test bench test32 clean

all: build

setup:
	./scripts/setup.sh

build: setup
	cmake --preset $(PRESET32) >/dev/null
	cmake --build --preset $(PRESET32)
	cmake --preset $(PRESET64) >/dev/null
	cmake --build --preset $(PRESET64)

run: build
	./scripts/run.sh

test: build
	ctest --preset $(PRESET64)

bench: build
	cmake --build --preset $(PRESET64) --target export_bench list_bench
	./scripts/bench.sh

test32: build
	./scripts/setup32.sh
	./scripts/test32.sh

clean:
	rm -rf build dist
