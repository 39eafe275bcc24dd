# The two commands: `make run` and `make test`. Both install what is missing.
BUILD_ROOT ?= $(CURDIR)/build
export BUILD_ROOT

# Variables given on the command line (make dist MANIFEST_URL=...) reach the
# CMake cache variables of the same name.
CMAKE_VARIABLES := $(foreach o,$(MAKEOVERRIDES),'-D$(o)')

.PHONY: run test dist setup release fuzz bench
run:
	@scripts/run.sh $(CMAKE_VARIABLES)

test:
	@scripts/test.sh

dist: setup
	@cmake -S . -B $(BUILD_ROOT)/dist -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake \
	  -DDIST_DIR=$(CURDIR)/dist $(CMAKE_VARIABLES) >/dev/null
	@cmake --build $(BUILD_ROOT)/dist -j$$(nproc) --target pingjian updater
	@ls -l dist

setup:
	@scripts/setup.sh

# Measured figures, each against its reference taken in the same run.
bench:
	@scripts/bench.sh

# The four fuzz targets (manifest reader, command line, version reading,
# archive extraction), each for FUZZ_SECONDS, one after another.
FUZZ_SECONDS ?= 180
fuzz: setup
	@tests/fuzz/run.sh -max_total_time=$(FUZZ_SECONDS)

# make release VERSION=3.3 NOTES=notes.txt URL=http://host/path/ [TITLE=...]:
# the update archive and 屏笺.xml in release/, for any static web server.
RELEASE_ARGS = --version "$(VERSION)" --notes "$(NOTES)" --url "$(URL)" $(if $(TITLE),--title "$(TITLE)")
release:
	@scripts/release.py --check $(RELEASE_ARGS)
	@$(MAKE) --no-print-directory dist >/dev/null
	@scripts/release.py $(RELEASE_ARGS) --dist dist --out release
