# The two commands of the README, plus the sanitizer run and the benchmark.
# Both install what a fresh Debian 12 machine lacks before they build.
BUILD      ?= build
ASAN_BUILD ?= build-asan
GENERATOR  := Ninja
PACKAGES   := cmake ninja-build g++ make qt6-base-dev libgl-dev fonts-dejavu-core
# What the tests use besides: an X server for the end-to-end test, the metadata validators.
TEST_PACKAGES := xvfb xdotool x11-apps desktop-file-utils appstream libxml2-utils

.PHONY: all deps install-packages build run test asan bench package format clean

all: build

deps:
	@$(MAKE) --no-print-directory install-packages WANTED="$(PACKAGES)"

# Installs the Debian packages in WANTED that are not installed yet.
install-packages:
	@missing=$$(for p in $(WANTED); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		SUDO=$$( [ "$$(id -u)" -eq 0 ] || echo sudo ); \
		$$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPEBBLENIX_WERROR=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	./$(BUILD)/pebblenix

test: build
	@$(MAKE) --no-print-directory install-packages WANTED="$(TEST_PACKAGES)"
	cd $(BUILD) && ctest --output-on-failure -j2

# The sanitizer build takes the table of solutions from the plain build rather than
# making it again three times slower.
$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DPEBBLENIX_WERROR=ON \
		-DPEBBLENIX_SANITIZE=ON -DPEBBLENIX_PREBUILT_SOLUTIONS=$(CURDIR)/$(BUILD)/pebblenix-solutions.bin

asan: build $(ASAN_BUILD)/build.ninja
	@$(MAKE) --no-print-directory install-packages WANTED="$(TEST_PACKAGES)"
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j2

# A .deb for Debian 12 (CPack); dpkg-shlibdeps works out its library dependencies.
package: build
	@$(MAKE) --no-print-directory install-packages WANTED="dpkg-dev file"
	cd $(BUILD) && cpack -G DEB

bench: build
	./$(BUILD)/bench/pebblenix-bench $(BUILD)/pebblenix-solutions.bin

format:
	find app game files about resources tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
