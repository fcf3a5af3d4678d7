# Every entry point installs what it needs first, so each works on a fresh Debian 12 machine.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

export ASAN_OPTIONS  := halt_on_error=1:detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS  := suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0
export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps configure build test test-asan bench fuzz fuzz-build format format-check run install clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

format:
	clang-format -i $(FORMAT_FILES)

format-check: deps
	@clang-format --dry-run --Werror $(FORMAT_FILES) && echo "format-check: clean"

test: format-check build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBEXLAN_SANITIZE=ON -DBEXLAN_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	@set -e; for b in $$(ls $(BUILD)/bin/*_bench 2>/dev/null); do echo "== $$b"; $$b --benchmark_min_time=0.2; done

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBEXLAN_FUZZ=ON -DBEXLAN_GUI=OFF -DBEXLAN_TESTS=OFF -DBEXLAN_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Runs every fuzz target for FUZZ_SECONDS, seeded with the checked-in corpus; new inputs go
# to a scratch folder so the corpus in git only changes by hand.
fuzz: fuzz-build
	@set -e; for f in $$(ls $(FUZZ_BUILD)/bin/*_fuzz); do \
	  name=$$(basename $$f _fuzz); \
	  mkdir -p fuzz-artifacts/$$name/corpus; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=0 -artifact_prefix=fuzz-artifacts/$$name/ \
	    fuzz-artifacts/$$name/corpus fuzz/corpus/$$name 2>fuzz-artifacts/$$name.log || \
	    { tail -50 fuzz-artifacts/$$name.log; exit 1; }; \
	  tail -1 fuzz-artifacts/$$name.log; \
	done

run: build
	@scripts/run-bexlan $(BUILD)

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) fuzz-artifacts
