# The two commands of the README: `make run` and `make test`. Both install the
# Debian packages that are missing, configure and build: `make run` only the
# window program and what it links, `make test` everything.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# make sanitize and make fuzz build in folders of their own.
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test sanitize fuzz install install-check deb deb-chroot icons \
	format translations bench screenshot clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@test -f $(BUILD_DIR)/build.ninja || cmake --preset default -B $(BUILD_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target norvane
	./$(BUILD_DIR)/norvane

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Refreshes translations/*.ts from the texts of the code (lupdate); finished
# translations stay, new texts arrive unfinished.
translations: configure
	cmake --build $(BUILD_DIR) --target update_translations

# Every test, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (GCC's own, which build-essential brings).
sanitize: deps
	@test -f $(SANITIZE_DIR)/build.ninja || cmake --preset sanitize -B $(SANITIZE_DIR)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

# The libFuzzer harnesses of fuzz/, built with clang, each run FUZZ_SECONDS.
fuzz:
	@bash scripts/install-deps.sh clang libclang-rt-14-dev
	@test -f $(FUZZ_DIR)/build.ninja || cmake --preset fuzz -B $(FUZZ_DIR)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target norvane-fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash fuzz/run.sh $(FUZZ_DIR)

# Installs the programs and their desktop files below PREFIX (DESTDIR is honoured).
install: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target norvane norvane-cli
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Installs into a temporary prefix and checks what arrived there.
install-check: configure
	@bash scripts/install-check.sh $(BUILD_DIR)

# The Debian package norvane_<version>_amd64.deb, in $(BUILD_DIR)/deb.
deb: deps
	@bash scripts/make-deb.sh $(BUILD_DIR)/deb

# Builds the package in a fresh Debian 12 chroot and installs it in another
# one: proves Build-Depends and Depends. Needs root.
deb-chroot:
	@bash scripts/deb-chroot.sh

# Renders the icon's PNG files from its SVG, after a change to the SVG.
icons:
	@bash scripts/render-icons.sh

format:
	@bash scripts/install-deps.sh
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

bench: build
	@bash bench/run.sh

screenshot: build
	@bash scripts/screenshot.sh

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
