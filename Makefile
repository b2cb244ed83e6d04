# VORN — set-up, build and test on Debian 12.
#   make run    install what is missing, build a Release, start the program
#   make test   install what is missing, build, run every test through ctest
#   make package  build the Release and a Debian package of it (.deb in the build folder)
#   make fuzz   build the fuzz targets with clang and libFuzzer, run each for FUZZ_SECONDS (60)
# Both are idempotent: installed packages are not installed again and a current build is not
# rebuilt.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Every Debian package the project needs, for building, testing and running.
# `make check-packages` (part of `make test`) fails when the build uses a file of a package this
# list does not cover: see tests/support/check_packages.sh for the rule.
PACKAGES := cmake g++ make binutils pkgconf \
            qt6-base-dev qt6-base-dev-tools libgl-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev \
            libgtest-dev googletest libbenchmark-dev \
            fonts-noto-core fontconfig locales xvfb xauth \
            dpkg dpkg-dev file

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build deps clean package check-packages print-packages

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "VORN is a desktop program and this machine has no display (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Start it under a virtual display instead:  xvfb-run -a make run"; \
	  exit 1; \
	fi
	$(BUILD_DIR)/vorn

test: build
	@$(check_packages)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory test-sanitized

# Whether every Debian package the configured build takes a file from (CMake packages, pkg-config
# modules, programs, the program's fonts) is covered by PACKAGES; V=1 names every file checked.
check_packages = bash tests/support/check_packages.sh $(if $(filter-out 0,$(V)),--verbose) \
                 $(BUILD_DIR) $(PACKAGES)
check-packages: deps $(BUILD_DIR)/CMakeCache.txt
	@$(check_packages)

print-packages:
	@echo $(PACKAGES)

# The Debian package: dpkg-shlibdeps (dpkg-dev, with file) finds the libraries it depends on.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)

# ---- Sanitizers ---------------------------------------------------------------------------------
# LeakSanitizer stops the threads of the program through ptrace; where the machine forbids that,
# the sanitized runs go on without leak detection and say so. LEAK_CHECK=yes|no overrides the probe.
LEAK_CHECK ?=
leak_check = $(or $(LEAK_CHECK),$(shell sh tests/support/leak_check_probe.sh $(1)))
no_leak_note = LeakSanitizer cannot run on this machine (ptrace is forbidden): running without leak detection

# The sanitizer pass of `make test`: the core and its tests (no Qt) built with AddressSanitizer
# and UndefinedBehaviorSanitizer in a directory of their own; any report fails the run.
ASAN_DIR ?= build-asan
SANITIZE_FLAGS := -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all \
                  -fno-omit-frame-pointer -O1

$(ASAN_DIR)/CMakeCache.txt:
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DVORN_BUILD_GUI=OFF -DVORN_BUILD_BENCH=OFF \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" -DCMAKE_CXX_FLAGS_DEBUG=-g1

.PHONY: test-sanitized
test-sanitized: deps $(ASAN_DIR)/CMakeCache.txt
	@leaks=$(call leak_check,$(CXX)); \
	if [ "$$leaks" = yes ]; then detect=1; else detect=0; echo "$(no_leak_note)."; fi; \
	export ASAN_OPTIONS=detect_leaks=$$detect:check_initialization_order=1 \
	       UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1; \
	cmake --build $(ASAN_DIR) -j $(JOBS) --target vorn_core_tests && \
	echo "Sanitized run (AddressSanitizer, UndefinedBehaviorSanitizer$$( [ $$detect = 1 ] && echo ', LeakSanitizer')) of the core tests:" && \
	cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS)

# ---- Fuzzing ------------------------------------------------------------------------------------
# `make fuzz` builds the libFuzzer targets of fuzz/ with clang, the fuzzer and the address and
# undefined-behaviour sanitizers, in a directory of its own, then runs each target for
# FUZZ_SECONDS from the seeds in fuzz/corpus/<target> (new inputs go to FUZZ_DIR/corpus). Any
# crash, leak, hang (an input taking FUZZ_TIMEOUT seconds) or sanitizer report fails it; the
# input is kept in FUZZ_DIR/artifacts. Keep such an input in tests/data/fuzz-regressions/<target>.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TIMEOUT ?= 10
FUZZ_TARGETS := project_file project_patch number_text picture
FUZZ_PACKAGES := cmake make g++ clang libclang-rt-14-dev
FUZZ_FLAGS := -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all \
              -fno-omit-frame-pointer -O1

.PHONY: fuzz fuzz-deps fuzz-build
fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"

$(FUZZ_DIR)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=Debug -DVORN_BUILD_FUZZ=ON \
	  -DVORN_BUILD_GUI=OFF -DVORN_BUILD_TESTS=OFF -DVORN_BUILD_BENCH=OFF \
	  "-DCMAKE_CXX_FLAGS=$(FUZZ_FLAGS)" -DCMAKE_CXX_FLAGS_DEBUG=-g1

fuzz-build: fuzz-deps $(FUZZ_DIR)/CMakeCache.txt
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZ_TARGETS:%=%_fuzz)

fuzz: fuzz-build
	@leaks=$(call leak_check,clang++); \
	if [ "$$leaks" = yes ]; then detect=1; else detect=0; echo "$(no_leak_note)."; fi; \
	export ASAN_OPTIONS=detect_leaks=$$detect UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1; \
	mkdir -p $(FUZZ_DIR)/artifacts; \
	for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t; \
	  echo "Fuzzing $$t for $(FUZZ_SECONDS) s (log: $(FUZZ_DIR)/$$t.log)"; \
	  if ! $(FUZZ_DIR)/fuzz/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=$(FUZZ_TIMEOUT) \
	         -rss_limit_mb=4096 -detect_leaks=$$detect -print_final_stats=1 \
	         -artifact_prefix=$(FUZZ_DIR)/artifacts/$$t- $(FUZZ_DIR)/corpus/$$t fuzz/corpus/$$t \
	         > $(FUZZ_DIR)/$$t.log 2>&1; then \
	    tail -n 40 $(FUZZ_DIR)/$$t.log; \
	    echo "Fuzz target $$t failed; the input is kept in $(FUZZ_DIR)/artifacts/."; \
	    exit 1; \
	  fi; \
	  grep -E '^stat::number_of_executed_units|^Done' $(FUZZ_DIR)/$$t.log | tail -n 1; \
	done; \
	echo "Every fuzz target ran clean."
