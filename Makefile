# Set-up and build commands; the build itself lives in CMakeLists.txt and CMakePresets.json.

.PHONY: deps build run test clean

deps:
	scripts/deps.sh

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	scripts/run.sh

# The sanitizer build runs the same tests again, so memory faults fail the run too.
test: build
	ctest --preset release
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

clean:
	rm -rf build
