# The two commands of the README, plus the sanitizer run and the benchmark.
# Both install what a fresh Debian 12 machine lacks before they build.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := gamefile clock colour solve
GENERATOR  := Ninja
# Qt's Linguist tools compile the translations; qt6-translations-l10n has Qt's own.
PACKAGES   := cmake ninja-build g++ make qt6-base-dev libgl-dev fonts-dejavu-core \
              qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
# What the tests use besides: an X server and screen dumps for the end-to-end test, the
# metadata validators, and a CJK font so that the language test lays out Chinese as a
# player's desktop shows it.
TEST_PACKAGES := xvfb xdotool x11-apps netpbm desktop-file-utils appstream libxml2-utils \
                 fonts-noto-cjk

.PHONY: all deps install-packages build run test asan fuzz bench package windows-check screenshot translations format clean

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

# Only the game and its table of solutions: a player need not wait for the tests to build.
run: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target pebblenix solutions
	./$(BUILD)/pebblenix

# The end-to-end test's packages are installed here, so its skipping would hide a fault.
test: build
	@$(MAKE) --no-print-directory install-packages WANTED="$(TEST_PACKAGES)"
	cd $(BUILD) && PEBBLENIX_REQUIRE_E2E=1 ctest --output-on-failure -j2

# The sanitizer build takes the tables of solutions and fewest moves from the plain build
# rather than making them again three times slower.
$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DPEBBLENIX_WERROR=ON \
		-DPEBBLENIX_SANITIZE=ON -DPEBBLENIX_PREBUILT_SOLUTIONS=$(CURDIR)/$(BUILD)/pebblenix-solutions.bin \
		-DPEBBLENIX_PREBUILT_MOVES=$(CURDIR)/$(BUILD)/pebblenix-moves.bin

asan: build $(ASAN_BUILD)/build.ninja
	@$(MAKE) --no-print-directory install-packages WANTED="$(TEST_PACKAGES)"
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		PEBBLENIX_REQUIRE_E2E=1 ctest --output-on-failure -j2

# A .deb for Debian 12 (CPack); dpkg-shlibdeps works out its library dependencies.
package: build
	@$(MAKE) --no-print-directory install-packages WANTED="dpkg-dev file"
	cd $(BUILD) && cpack -G DEB

# Each libFuzzer target for FUZZ_SECONDS, from the seeds in fuzz/corpus (fuzz_solve reads
# tables and game files, so it has both kinds); what it finds new stays in
# $(FUZZ_BUILD)/corpus.
$(FUZZ_BUILD)/build.ninja: | deps
	@$(MAKE) --no-print-directory install-packages WANTED="clang libclang-rt-14-dev"
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DPEBBLENIX_WERROR=ON -DPEBBLENIX_FUZZ=ON

fuzz: build $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD)
	@set -e; for t in $(FUZZ_TARGETS); do \
		seeds=fuzz/corpus/$$t; [ -d $$seeds ] || seeds=fuzz/corpus/gamefile; \
		[ $$t != solve ] || seeds="$$seeds fuzz/corpus/gamefile"; \
		mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
		echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
		rc=0; PEBBLENIX_SOLUTIONS=$(CURDIR)/$(BUILD)/pebblenix-solutions.bin \
			./$(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=16384 \
			-print_final_stats=1 $(FUZZ_BUILD)/corpus/$$t $$seeds > $(FUZZ_BUILD)/fuzz_$$t.log 2>&1 || rc=$$?; \
		grep -E '^(stat::number_of_executed_units|stat::peak_rss|#[0-9]+ +DONE|==[0-9]+==ERROR|SUMMARY)' $(FUZZ_BUILD)/fuzz_$$t.log || true; \
		if [ $$rc -ne 0 ]; then tail -40 $(FUZZ_BUILD)/fuzz_$$t.log; exit $$rc; fi; \
	done

# Refreshes translations/*.ts from the texts in the code (new texts arrive unfinished).
translations: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target update_translations

# The README's pictures of Review Game, of Winning Line, of the board at 200 % with Show
# Jumps, of Show Jumps' marks in three colours, of the coordinates with a chosen jump and of
# How to Play, taken from the real program under Xvfb.
screenshot: build
	@$(MAKE) --no-print-directory install-packages WANTED="xvfb xdotool x11-apps netpbm"
	tools/screenshot-review.sh $(BUILD)/pebblenix docs/review-game.png
	tools/screenshot-line.sh $(BUILD)/pebblenix docs/winning-line.png
	tools/screenshot-view.sh $(BUILD)/pebblenix docs/zoom-show-jumps.png
	tools/screenshot-challenges.sh $(BUILD)/pebblenix problems docs/problems.png
	tools/screenshot-challenges.sh $(BUILD)/pebblenix setup docs/set-up-position.png
	tools/screenshot-challenges.sh $(BUILD)/pebblenix today docs/todays-problem.png
	tools/screenshot-marks.sh $(BUILD)/pebblenix docs/show-jumps-marks.png
	tools/screenshot-coordinates.sh $(BUILD)/pebblenix docs/coordinates.png
	tools/screenshot-howtoplay.sh $(BUILD)/pebblenix docs/how-to-play.png

bench: build
	./$(BUILD)/bench/pebblenix-bench $(BUILD)/pebblenix-solutions.bin
	./$(BUILD)/bench/pebblenix-moves-bench $(BUILD)/pebblenix-solutions.bin $(BUILD)/pebblenix-moves.bin

# The registry layer built for Windows with MinGW-w64 and run against Wine's real registry;
# its answers must equal the fake registry's in the Linux tests. The Wine prefix stays in
# the build folder, and its server is stopped when the check is done.
WINDOWS_BUILD ?= build-windows
windows-check:
	@$(MAKE) --no-print-directory install-packages WANTED="g++-mingw-w64-x86-64-posix wine64"
	@mkdir -p $(WINDOWS_BUILD)
	x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -Wall -Wextra -Werror -static -I. \
		about/registry.cpp about/registryvalue.cpp tests/registry_windows.cpp \
		-o $(WINDOWS_BUILD)/registry_windows.exe
	@start=$$(date +%s.%N); \
	export WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD)/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="; \
	rc=0; /usr/lib/wine/wine64 $(WINDOWS_BUILD)/registry_windows.exe || rc=$$?; \
	/usr/lib/wine/wineserver -k 2>/dev/null || true; \
	echo "windows-check took $$(awk -v s=$$start -v e=$$(date +%s.%N) 'BEGIN{printf "%.1f", e-s}') s"; exit $$rc

format:
	find app game files startup session view about drawing seam tools tests bench fuzz main.cpp -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
