# Weihnachtsflug — the two commands for every newcomer:
#   make run    set everything up and start the game
#   make test   set everything up and run every test
JOBS ?= $(shell nproc)
BUILD ?= build
SAN_BUILD ?= build-sanitize

.PHONY: run test build build-sanitize deps deps-test clean assets contact-sheet bench

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
# undefined-behaviour sanitizers.
test: deps-test build build-sanitize
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

# Redraws the pictures and the icon into assets/ (they are committed).
assets: build
	cmake --build $(BUILD) --target draw_assets
	./$(BUILD)/assets/draw_assets assets

bench: build
	./$(BUILD)/bench/whole_game_bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD)

# A PNG contact sheet of every picture, enlarged twice, for looking at them.
contact-sheet: build
	./$(BUILD)/assets/contact_sheet docs/contact-sheet.png
