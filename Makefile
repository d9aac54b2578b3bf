# Weihnachtsflug — the two commands for every newcomer:
#   make run    set everything up and start the game
#   make test   set everything up and run every test
JOBS ?= $(shell nproc)
BUILD ?= build
SAN_BUILD ?= build-sanitize

.PHONY: run test build build-sanitize deps deps-test clean assets contact-sheet bench bench-window screenshots fuzz soak

run: build
	./$(BUILD)/weihnachtsflug

deps:
	@scripts/install-deps.sh run

deps-test:
	@scripts/install-deps.sh test

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps-test
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DWF_SANITIZE=ON -DWF_BENCH=OFF >/dev/null
	cmake --build $(SAN_BUILD) -j $(JOBS)

# Every test, first in the release build, then again with address and
# undefined-behaviour sanitizers (the window tests start their own Xvfb), and
# a one-minute run of the game's fuzzer.
test: deps-test build build-sanitize
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)
	scripts/fuzz-game.sh smoke

# A longer fuzzing campaign: make fuzz MINUTES=30
MINUTES ?= 30
fuzz: deps-test
	scripts/fuzz-game.sh long $(MINUTES)

# Ten minutes of random keys and timer-driven flight in the real window,
# printing the game's resident memory: make soak SOAK_MINUTES=10
SOAK_MINUTES ?= 10
soak: deps-test build
	scripts/soak-window.sh $(BUILD) $(SOAK_MINUTES)

# Redraws the pictures and the icon into assets/ (they are committed).
assets: build
	cmake --build $(BUILD) --target draw_assets
	./$(BUILD)/assets/draw_assets assets

bench: build
	./$(BUILD)/bench/whole_game_bench
	./$(BUILD)/bench/render_bench

# Figures of the real window under Xvfb: timer intervals, CPU, screen updates (about 4 minutes).
bench-window: deps-test build
	scripts/bench-window.sh $(BUILD)

# The README's pictures of the two phases, taken from the real game under Xvfb.
screenshots: deps-test build
	scripts/screenshots.sh $(BUILD)/weihnachtsflug docs

clean:
	rm -rf $(BUILD) $(SAN_BUILD) build-fuzz

# A PNG contact sheet of every picture, enlarged twice, for looking at them.
contact-sheet: build
	./$(BUILD)/assets/contact_sheet docs/contact-sheet.png
