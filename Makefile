# VORN — set-up, build and test on Debian 12.
#   make run    install what is missing, build a Release, start the program
#   make test   install what is missing, build, run every test through ctest
# Both are idempotent: installed packages are not installed again and a current build is not
# rebuilt.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Every Debian package the project needs, for building, testing and running.
PACKAGES := cmake g++ make pkg-config \
            qt6-base-dev qt6-base-dev-tools libgl-dev \
            libgtest-dev googletest libbenchmark-dev \
            fonts-noto-core locales xvfb xauth

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build deps clean

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
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
