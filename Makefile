# Quick start: `make run` launches Trevalo, `make test` runs every test.
# Both install what is missing from Debian's packages first.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake g++ make qt6-base-dev libfontconfig-dev libgtest-dev libbenchmark-dev dvdauthor ffmpeg libdvdread-dev libdvdnav-dev \
            fonts-liberation2 xvfb xauth x11-utils imagemagick \
            dpkg-dev desktop-file-utils appstream lintian clang libclang-rt-dev

.PHONY: all deps configure build run test package bench fuzz fuzz-build screenshot clean

all: build

# Installs those of the packages named by $(1) that are missing, through
# sudo when not root; elsewhere than Debian or Ubuntu it names $(2).
define install_missing
	@command -v dpkg-query >/dev/null 2>&1 || { echo "Not a Debian/Ubuntu system: install $($(2)) yourself."; exit 0; }; \
	missing=""; \
	for p in $($(1)); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update -qq && \
	  $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef
PACKAGES_ELSEWHERE := Qt 6, CMake, GoogleTest and Google Benchmark

deps:
	$(call install_missing,PACKAGES,PACKAGES_ELSEWHERE)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: Trevalo is a desktop program and needs one."; \
	  echo "To run it without a display, start it under a virtual one:"; \
	  echo "    xvfb-run -a -s '-screen 0 1280x1024x24' $(BUILD_DIR)/trevalo"; \
	  exit 1; \
	fi
	@$(BUILD_DIR)/trevalo

# The model and its tests are built a second time with AddressSanitizer and
# UndefinedBehaviorSanitizer; the first report of either fails the run. With
# clang (which `make` installs) that one build also holds the fuzz targets,
# run briefly after the tests; without it g++ builds the tests alone.
SANITIZE_DIR ?= build-asan
SANITIZER_RUN := ASAN_OPTIONS=halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	@if command -v clang++ >/dev/null 2>&1; then \
	  echo "The model and its tests under AddressSanitizer and UndefinedBehaviorSanitizer, built by clang with the fuzz targets, in $(FUZZ_DIR):"; \
	  $(MAKE) --no-print-directory fuzz-build && \
	  (cd $(FUZZ_DIR) && $(SANITIZER_RUN) ctest --output-on-failure -j $(JOBS)) && \
	  echo "A short fuzzing pass, $(FUZZ_TEST_SECONDS) s a target (make fuzz runs longer):" && \
	  tests/fuzz/run.sh $(FUZZ_TEST_SECONDS) $(FUZZ_DIR); \
	else \
	  echo "No clang: the model and its tests under the sanitizers, built by g++ in $(SANITIZE_DIR); no fuzzing."; \
	  cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREVALO_GUI=OFF -DTREVALO_SANITIZE=ON >/dev/null && \
	  cmake --build $(SANITIZE_DIR) -j $(JOBS) && \
	  (cd $(SANITIZE_DIR) && $(SANITIZER_RUN) ctest --output-on-failure -j $(JOBS)); \
	fi
	@$(MAKE) --no-print-directory windows-deps
	@if command -v wine >/dev/null 2>&1; then \
	  echo "wine found: the Windows build, its model tests and a session on its window under Wine, in $(WINDOWS_DIR):"; \
	  $(MAKE) --no-print-directory windows-test; \
	else \
	  echo "No wine: the Windows build is not tested."; \
	fi

# Coverage-guided fuzzing of Import, the listing and the code tables with
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer (clang only).
# Each target runs FUZZ_SECONDS; a crashing input is kept in tests/fuzz/crashes/.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TEST_SECONDS ?= 20

fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTREVALO_GUI=OFF -DTREVALO_TESTS=ON -DTREVALO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz: fuzz-build
	@tests/fuzz/run.sh $(FUZZ_SECONDS) $(FUZZ_DIR)

# The Debian package, $(BUILD_DIR)/trevalo_VERSION_ARCH.deb, built by CPack;
# `sudo apt install ./$(BUILD_DIR)/trevalo_*.deb` installs it.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# Builds the benchmarks (Release, in their own build directory) and prints
# one table: the model's operations, start-up against a bare Qt window on
# the offscreen platform and Xvfb, and event-to-paint latency.
BENCH_DIR ?= build-bench
bench: deps
	@JOBS=$(JOBS) bench/run.sh $(BENCH_DIR)

# The README's screenshot of the main window, taken under Xvfb.
screenshot: build
	@scripts/screenshot.sh docs/main-window.png $(BUILD_DIR)/trevalo

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(BENCH_DIR) $(FUZZ_DIR) $(WINDOWS_DIR)

# Windows: the same model bound to native Win32 controls, cross-built with
# Debian's MinGW-w64 into $(WINDOWS_DIR) and tested under Wine on a virtual
# display. `make windows` makes $(WINDOWS_DIR)/trevalo.exe, one static
# executable, and the zip users download; `make windows-test` runs the
# model's tests and whole sessions on the real controls under Wine, one of
# them on a disc the native build authors and libdvdnav (a native test
# program) then plays. The window icon comes from the icon's own drawing,
# by a tool of the native build. Wine's prefix is kept in
# $(WINDOWS_DIR)/wine-prefix.
WINDOWS_DIR ?= build-windows
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix wine64 wine googletest xvfb xauth
WINDOWS_ICON := $(WINDOWS_DIR)/trevalo.ico

.PHONY: windows-deps windows windows-test windows-screenshots

WINDOWS_ELSEWHERE := MinGW-w64, Wine and GoogleTest's sources

windows-deps:
	$(call install_missing,WINDOWS_PACKAGES,WINDOWS_ELSEWHERE)

windows: windows-deps configure
	@cmake --build $(BUILD_DIR) --target trevalo_windows_icon trevalo_test_discs trevalo_dvdnav_play -j $(JOBS)
	@mkdir -p $(WINDOWS_DIR)
	@$(BUILD_DIR)/data/icons/trevalo_windows_icon $(WINDOWS_ICON)
	@cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
	  -DTREVALO_GUI=OFF -DTREVALO_WIN32=ON -DTREVALO_WIN32_ICON=$(abspath $(WINDOWS_ICON)) >/dev/null
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target trevalo trevalo_zip
	@echo "Built $(WINDOWS_DIR)/trevalo.exe and $(WINDOWS_DIR)/trevalo-*-windows-x64.zip"

windows-test: windows
	@cmake --build $(WINDOWS_DIR) -j $(JOBS)
	@cd $(WINDOWS_DIR) && ctest --output-on-failure -j $(JOBS)

# The README's screenshots of the Windows window under Wine, at 96 and 144 dpi.
windows-screenshots: windows
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target trevalo_win32_scene
	@tests/bindings/win32/screenshot.sh $(WINDOWS_DIR) docs/windows-96dpi.png 96
	@tests/bindings/win32/screenshot.sh $(WINDOWS_DIR) docs/windows-144dpi.png 144
