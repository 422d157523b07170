# The two commands of the README: `make run` and `make test`. Both install what is missing first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
WERROR := $(if $(CI),ON,OFF)
DIST := $(BUILD_DIR)/dist

.PHONY: all bootstrap configure build run test bench format clean

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@mkdir -p $(BUILD_DIR)
	@cmake -S . -B $(BUILD_DIR) -DQH_WERROR=$(WERROR) > $(BUILD_DIR)/configure.log 2>&1 \
		|| { cat $(BUILD_DIR)/configure.log; exit 1; }

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run-quellhort $(DIST)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	@scripts/run-benchmarks $(BUILD_DIR)

format: configure
	@cmake --build $(BUILD_DIR) --target format

clean:
	rm -rf $(BUILD_DIR)
