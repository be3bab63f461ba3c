# Two commands do all set-up on a fresh Debian machine:
#   make run   installs what is missing, builds and starts Sorvo
#   make test  installs what is missing, builds and runs every test,
#              then once more under AddressSanitizer and UBSan
PACKAGES := cmake g++ make pkg-config qt6-base-dev libgtest-dev libbenchmark-dev \
            fonts-liberation2 mdbtools mdbtools-dev libsqlite3-dev \
            qt6-translations-l10n poppler-utils python3
JOBS ?= $(shell nproc)
BUILD := build
ASAN_BUILD := build-asan
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
export QT_QPA_PLATFORM ?= offscreen

.PHONY: deps configure build run test test-plain test-asan bench format clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	env -u QT_QPA_PLATFORM ./$(BUILD)/app/sorvo

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSORVO_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

test: test-plain test-asan

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSORVO_BENCH=ON -DSORVO_TESTS=OFF
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

format:
	find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-bench
