# The two commands of the README: `make run` and `make test`. Both install the
# Debian packages that are missing, configure and build.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# make sanitize and make fuzz build in folders of their own.
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test sanitize fuzz format bench screenshot clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@test -f $(BUILD_DIR)/build.ninja || cmake --preset default -B $(BUILD_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/norvane

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

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

format:
	@bash scripts/install-deps.sh
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

bench: build
	@bash bench/run.sh

screenshot: build
	@bash scripts/screenshot.sh

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
