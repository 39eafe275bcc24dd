# The two commands: `make run` and `make test`. Both install what is missing.
BUILD_ROOT ?= $(CURDIR)/build
export BUILD_ROOT

# Variables given on the command line (make dist MANIFEST_URL=...) reach the
# CMake cache variables of the same name.
CMAKE_VARIABLES := $(foreach o,$(MAKEOVERRIDES),'-D$(o)')

.PHONY: run test dist setup
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
