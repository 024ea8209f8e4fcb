# make run  : install what is missing, build, start the program
# make test : install what is missing, build, run every test headless
# make bench: build and run the benchmarks

BUILD_DIR ?= build
PACKAGES := cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite libsqlite3-dev libgl-dev fonts-liberation \
            poppler-utils libbenchmark-dev xvfb xauth
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: setup configure build run test bench clean

setup:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: setup $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/corravin

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 ctest --output-on-failure

bench: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/bench/corravin_bench

clean:
	rm -rf $(BUILD_DIR)
