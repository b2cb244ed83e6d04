# VORN — set-up, build and test on Debian 12.
#   make run    install what is missing, build a Release, start the program
#   make test   install what is missing, build, run every test through ctest
#   make package  build the Release and a Debian package of it (.deb in the build folder)
#   make fuzz   build the fuzz targets with clang and libFuzzer, run each for FUZZ_SECONDS (60)
#   make screenshots  every window as a picture and a widget dump in build/screenshots
#   make gallery      the README's pictures in docs/gallery, from the screenshots
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
            fonts-noto-core fontconfig locales xvfb xauth qt6-translations-l10n \
            libxlsxwriter-dev python3 python3.11-minimal python3-openpyxl poppler-utils \
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

# Our warnings are errors in every build the Makefile makes (a build folder configured without
# that is configured again).
WERROR := -DVORN_WARNINGS_AS_ERRORS=ON
werror_on = grep -q '^VORN_WARNINGS_AS_ERRORS:BOOL=ON' $(1)/CMakeCache.txt || cmake $(WERROR) $(1) >/dev/null

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release $(WERROR)

build: deps $(BUILD_DIR)/CMakeCache.txt
	@$(call werror_on,$(BUILD_DIR))
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

# Every window of the program, filled with a five-story and a 200-story building, as a picture
# and a dump of its widgets in $(BUILD_DIR)/screenshots: keep a copy before a change that should
# not change the windows and compare (`diff -r`) after it. The windows are drawn on a laptop's
# screen of 1366 x 768 pixels; scale2/ holds them at twice the scale (QT_SCALE_FACTOR=2 on a
# screen of 2732 x 1536) and 1920x1080/ on a larger screen. Each run keeps its window sizes in
# settings of its own, so that the developer's settings never change a picture.
.PHONY: screenshots
screenshots: build
	rm -rf $(BUILD_DIR)/screenshots
	$(BUILD_DIR)/vorn-screenshots $(BUILD_DIR)/screenshots
	$(BUILD_DIR)/vorn-screenshots --scale 2 $(BUILD_DIR)/screenshots/scale2
	$(BUILD_DIR)/vorn-screenshots --screen 1920x1080 $(BUILD_DIR)/screenshots/1920x1080

# The README's gallery: four of those pictures, the five-story building's, copied into docs/gallery.
GALLERY_WINDOWS = form1 Form10 Form13 Form18
.PHONY: gallery
gallery: screenshots
	mkdir -p docs/gallery
	for w in $(GALLERY_WINDOWS); do cp $(BUILD_DIR)/screenshots/five-stories-$$w.png docs/gallery/; done

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
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DVORN_BUILD_GUI=OFF -DVORN_BUILD_WORKBOOK=OFF -DVORN_BUILD_BENCH=OFF \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" -DCMAKE_CXX_FLAGS_DEBUG=-g1 $(WERROR)

.PHONY: test-sanitized
test-sanitized: deps $(ASAN_DIR)/CMakeCache.txt
	@leaks=$(call leak_check,$(CXX)); \
	if [ "$$leaks" = yes ]; then detect=1; else detect=0; echo "$(no_leak_note)."; fi; \
	export ASAN_OPTIONS=detect_leaks=$$detect:check_initialization_order=1 \
	       UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1; \
	$(call werror_on,$(ASAN_DIR)) && \
	cmake --build $(ASAN_DIR) -j $(JOBS) --target vorn_core_tests && \
	echo "Sanitized run (AddressSanitizer, UndefinedBehaviorSanitizer$$( [ $$detect = 1 ] && echo ', LeakSanitizer')) of the core tests:" && \
	cd $(ASAN_DIR) && ctest --output-on-failure -j $(JOBS)

# ---- Fuzzing ------------------------------------------------------------------------------------
# `make fuzz` builds the libFuzzer targets of fuzz/ with clang, the fuzzer and the address and
# undefined-behaviour sanitizers, in a directory of its own, then runs each target for
# FUZZ_SECONDS from the seeds in fuzz/corpus/<target>, the long-line seeds that fuzz/long_seeds.sh
# writes into FUZZ_DIR/seeds/<target> and the inputs earlier runs kept in FUZZ_DIR/corpus/<target>.
# Any crash, leak, hang (an input taking FUZZ_TIMEOUT seconds) or sanitizer report fails it; the
# input is kept in FUZZ_DIR/artifacts. Keep such an input in tests/data/fuzz-regressions/<target>.
# After a clean run, the kept inputs and the new ones are cut down to the fewest (smallest first)
# that reach all the code they reach, so that the inputs kept do not grow by megabytes each run.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TIMEOUT ?= 10
FUZZ_TARGETS := project_file project_patch number_text picture
FUZZ_PACKAGES := cmake make g++ clang libclang-rt-14-dev
FUZZ_FLAGS := -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all \
              -fno-omit-frame-pointer -O1

# How long an input may grow, in bytes. Left to itself libFuzzer takes the longest seed (4096 bytes
# at least) as the limit, lengthens inputs beyond the longest in the corpus only a few bytes at a
# time and drops seeds that reach no new code, so that the long seeds were lost and long lines
# never reached: -len_control=0 lets a mutation use the whole limit from the first run, and
# -keep_seed=1 keeps every seed to mutate. The reader takes a project file of up to 16 MiB, but
# under the sanitizers a run on a file of a few megabytes takes up to a second or two (a long text
# line is opened, saved again and reported); 4 MiB holds a file with lines of megabytes and still
# runs some thirty inputs a second. A patch of 2 MiB puts in a line of two megabytes. A number or a
# box's text of 16 KiB has thousands of digits and still runs thousands of times a second.
FUZZ_MAX_LEN_project_file ?= 4194304
FUZZ_MAX_LEN_project_patch ?= 2097152
FUZZ_MAX_LEN_number_text ?= 16384
FUZZ_MAX_LEN_picture ?= 16384
# The dictionaries of the line forms of a project file (and of a patch's line numbers).
FUZZ_DICT_project_file := fuzz/project_lines.dict
FUZZ_DICT_project_patch := $(FUZZ_DIR)/project_patch.dict
FUZZ_DICT_number_text := fuzz/project_lines.dict
FUZZ_DICT_picture :=
# The limit and dictionary of each target, as the branches of a shell `case` on its name.
rparen := )
fuzz_options = $(foreach t,$(FUZZ_TARGETS),\
                 $(t)$(rparen) len=$(FUZZ_MAX_LEN_$(t)) dict="$(FUZZ_DICT_$(t))";;)

.PHONY: fuzz fuzz-deps fuzz-build
fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"

$(FUZZ_DIR)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=Debug -DVORN_BUILD_FUZZ=ON \
	  -DVORN_BUILD_GUI=OFF -DVORN_BUILD_WORKBOOK=OFF -DVORN_BUILD_TESTS=OFF -DVORN_BUILD_BENCH=OFF \
	  "-DCMAKE_CXX_FLAGS=$(FUZZ_FLAGS)" -DCMAKE_CXX_FLAGS_DEBUG=-g1 $(WERROR)

fuzz-build: fuzz-deps $(FUZZ_DIR)/CMakeCache.txt
	@$(call werror_on,$(FUZZ_DIR))
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZ_TARGETS:%=%_fuzz)

$(FUZZ_DIR)/project_patch.dict: fuzz/project_lines.dict fuzz/patch_lines.dict
	@mkdir -p $(@D)
	cat $^ > $@

$(FUZZ_DIR)/seeds/.made: fuzz/long_seeds.sh fuzz/corpus/project_file/four_stories_every_analysis.EQ
	rm -rf $(FUZZ_DIR)/seeds
	sh fuzz/long_seeds.sh $(FUZZ_DIR)/seeds
	touch $@

# After each target: its runs, and the largest input it ran (the target prints it at exit).
fuzz_summary = awk '/^stat::number_of_executed_units/ { runs = $$NF } \
  /^stat::average_exec_per_sec/ { rate = $$NF } /^stat::peak_rss_mb/ { rss = $$NF } \
  /^stat::largest_executed_unit_bytes/ { largest = $$NF } \
  END { printf "  %s runs (%s a second), largest input run %s bytes, peak memory %s MB\n", \
        runs, rate, largest, rss }'

fuzz: fuzz-build $(FUZZ_DIR)/project_patch.dict $(FUZZ_DIR)/seeds/.made
	@leaks=$(call leak_check,clang++); \
	if [ "$$leaks" = yes ]; then detect=1; else detect=0; echo "$(no_leak_note)."; fi; \
	export ASAN_OPTIONS=detect_leaks=$$detect UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1; \
	mkdir -p $(FUZZ_DIR)/artifacts; \
	for t in $(FUZZ_TARGETS); do \
	  case $$t in $(fuzz_options) esac; \
	  kept=$(FUZZ_DIR)/corpus/$$t; found=$$kept.found; merged=$$kept.merged; \
	  rm -rf $$found $$merged; mkdir -p $$kept $$found $$merged $(FUZZ_DIR)/seeds/$$t; \
	  echo "Fuzzing $$t for $(FUZZ_SECONDS) s, inputs up to $$len bytes (log: $(FUZZ_DIR)/$$t.log)"; \
	  if ! $(FUZZ_DIR)/fuzz/$${t}_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=$(FUZZ_TIMEOUT) \
	         -rss_limit_mb=4096 -detect_leaks=$$detect -print_final_stats=1 \
	         -max_len=$$len -len_control=0 -keep_seed=1 $${dict:+-dict=$$dict} \
	         -artifact_prefix=$(FUZZ_DIR)/artifacts/$$t- $$found $$kept fuzz/corpus/$$t \
	         $(FUZZ_DIR)/seeds/$$t > $(FUZZ_DIR)/$$t.log 2>&1; then \
	    tail -n 40 $(FUZZ_DIR)/$$t.log; \
	    echo "Fuzz target $$t failed; the input is kept in $(FUZZ_DIR)/artifacts/."; \
	    exit 1; \
	  fi; \
	  $(fuzz_summary) $(FUZZ_DIR)/$$t.log; \
	  if ! $(FUZZ_DIR)/fuzz/$${t}_fuzz -merge=1 -max_len=$$len -timeout=$(FUZZ_TIMEOUT) \
	         -rss_limit_mb=4096 -detect_leaks=$$detect $$merged $$kept $$found \
	         > $(FUZZ_DIR)/$$t.merge.log 2>&1; then \
	    tail -n 40 $(FUZZ_DIR)/$$t.merge.log; \
	    echo "Cutting down the inputs of $$t failed; the new ones are left in $$found."; \
	    exit 1; \
	  fi; \
	  rm -rf $$kept $$found && mv $$merged $$kept; \
	done; \
	echo "Every fuzz target ran clean."
