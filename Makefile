# make run  : install what is missing, build, start the program
# make test : install what is missing, build, run every test headless
# make bench: build and run the benchmarks
# make dev  : a normal (non-unity) build in build-dev/, for editing; make dev-test runs its tests
# make package: the Debian package build/corravin_*.deb (.ci/package-check installs and tries it)

# run, test and bench share a unity build: most of a build is parsing Qt headers, and a
# unity build parses them once per batch of sources instead of once per source.
BUILD_DIR ?= build
DEV_DIR ?= build-dev
PACKAGES := cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite libsqlite3-dev libgl-dev fonts-liberation \
            poppler-utils libbenchmark-dev xvfb xauth postgresql-15 libqt6sql6-psql \
            dpkg-dev file lintian desktop-file-utils appstream sqlite3
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: setup configure build run test bench package dev dev-test clean

setup:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

# Configures folder $(1) with unity build and precompiled headers both $(2) (ON or OFF), unless
# it is configured so already. The plain build (OFF) compiles every source on its own includes,
# so a missing include shows there.
define configure_folder
	@grep -qx 'CMAKE_UNITY_BUILD:BOOL=$(2)' $(1)/CMakeCache.txt 2>/dev/null && [ -f $(1)/build.ninja ] || \
	  cmake -S . -B $(1) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD:BOOL=$(2) -DCORRAVIN_PCH:BOOL=$(2)
endef

configure: setup
	$(call configure_folder,$(BUILD_DIR),ON)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/corravin

# Every test binary that touches the meet runs twice: on meet files, and (CTest label "server") on
# a PostgreSQL server the run starts and stops itself. `ctest -LE server` runs the first alone.
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

# The server half runs on a PostgreSQL cluster that bench/run_bench.sh starts and stops itself.
bench: configure
	cmake --build $(BUILD_DIR) --target corravin_bench
	sh bench/run_bench.sh ./$(BUILD_DIR)/bench/corravin_bench $(BENCH_ARGS)

# The package's version is the project's (CMakeLists.txt), the one `corravin --version` prints.
package: build
	cmake --build $(BUILD_DIR) --target package

# The benchmarks are compiled here too (not run), so a change that breaks them shows in CI.
dev: setup
	$(call configure_folder,$(DEV_DIR),OFF)
	cmake --build $(DEV_DIR)
	cmake --build $(DEV_DIR) --target corravin_bench

dev-test: dev
	cd $(DEV_DIR) && ctest --output-on-failure

clean:
	rm -rf $(BUILD_DIR) $(DEV_DIR)
