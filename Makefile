# The two commands of the README: `make run` and `make test`. Both install the
# Debian packages that are missing, configure and build.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test format translations bench screenshot clean

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

# Refreshes translations/*.ts from the texts of the code (lupdate); finished
# translations stay, new texts arrive unfinished.
translations: configure
	cmake --build $(BUILD_DIR) --target update_translations

format:
	@bash scripts/install-deps.sh
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

bench: build
	@bash bench/run.sh

screenshot: build
	@bash scripts/screenshot.sh

clean:
	rm -rf $(BUILD_DIR)
