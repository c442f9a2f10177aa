# Quillora — the two commands a newcomer needs: `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/asan
TSAN_DIR := build/tsan
BENCH_DIR := build/bench
FUZZ_DIR := build/fuzz
PACKAGE_DIR := build/package
FUZZ_SECONDS ?= 60

.PHONY: deps run build test unit-test e2e bench fuzz mutate package package-check screenshots clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLORA_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found. Run Quillora under a virtual X server instead:"; \
	  echo "  xvfb-run -s '-screen 0 1920x1080x24' $(RELEASE_DIR)/quillora"; \
	  exit 1; \
	fi
	$(RELEASE_DIR)/quillora

# Warnings fail the build here. After the whole suite, the tests whose code runs on the file
# worker run again under ThreadSanitizer, in a build of their own that holds only them.
test: deps
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLORA_SANITIZE=ON \
	  -DQUILLORA_WERROR=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	scripts/run-tests $(TEST_DIR)
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLORA_TSAN=ON -DQUILLORA_WERROR=ON
	cmake --build $(TSAN_DIR) -j $(JOBS) --target quillora_thread_tests
	scripts/run-tests $(TSAN_DIR)

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLORA_TESTS=OFF -DQUILLORA_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	scripts/run-bench $(BENCH_DIR)

# The fuzz build compiles the program's sources in batches (a unity build): it is rebuilt far
# more often than it is edited.
fuzz: deps
	CXX=clang++ CC=clang cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUILLORA_TESTS=OFF -DQUILLORA_FUZZ=ON -DCMAKE_UNITY_BUILD=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_targets
	scripts/run-fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

# Plants each fault of tests/mutants.list in a scratch copy and runs the tests that should catch
# it; ONLY='pattern' picks some. Then, unless ONLY is given, a sample of MUTANTS faults generated
# from the core's code with seed SEED, which the list has never seen. Slow (about an hour), so not
# part of `make test`.
MUTANTS ?= 30
SEED ?= 1
mutate: deps
	scripts/mutate $(if $(ONLY),--only '$(ONLY)')
	$(if $(ONLY),,scripts/mutate --random $(MUTANTS) --seed $(SEED) --under src/core)

# Pictures of every window and main dialog at 1024x768, 1366x768 and 1920x1080 in docs/screens,
# taken under a virtual X server.
screenshots: build
	scripts/screenshots $(RELEASE_DIR) docs/screens

# The Debian package for schools, in build/package. A distributor names the homepage and the
# maintainer: make package QUILLORA_HOMEPAGE=... QUILLORA_MAINTAINER='Name <address>'.
package: deps
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLORA_TESTS=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr \
	  $(if $(QUILLORA_HOMEPAGE),-DQUILLORA_HOMEPAGE='$(QUILLORA_HOMEPAGE)') \
	  $(if $(QUILLORA_MAINTAINER),-DQUILLORA_MAINTAINER='$(QUILLORA_MAINTAINER)')
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB

# Checks the package, then installs, uses and removes it on this machine (needs root).
package-check: package
	tests/packaging/check-package $(PACKAGE_DIR) $(PACKAGE_DIR)/quillora_*.deb
	tests/packaging/install-roundtrip $(PACKAGE_DIR)/quillora_*.deb

clean:
	rm -rf build
