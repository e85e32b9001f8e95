# VANTIX build, demo and test entry points.
PYTHON      ?= /usr/bin/python3
BUILD       ?= build
BUILD_ASAN  ?= build-asan
OUT         ?= out
JOBS        ?= 2

# Debian packages needed to build and to test (independent readers of every output format).
BUILD_PACKAGES = g++ cmake make zlib1g-dev libx11-dev libxt-dev libmotif-dev libtiff-dev libpng-dev libgif-dev python3-dev libgtest-dev
TEST_PACKAGES  = python3-pytest python3-numpy python3-pil ghostscript pngcheck libtiff-tools giflib-tools \
                 qpdf poppler-utils librsvg2-bin libxml2-utils libwmf-bin python3-ipython python3-venv python3-pip python3-setuptools mypy \
                 xvfb xdotool x11-apps x11-utils xfonts-base fonts-urw-base35 imagemagick
PACKAGES = $(BUILD_PACKAGES) $(TEST_PACKAGES)

.PHONY: all deps build demo test test-cpp test-python test-asan stress fuzz clean

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" = 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

# The demo needs only the module, not the test programs.
demo: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target vantix
	mkdir -p $(OUT)
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/demo.py
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/gallery_2d.py
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/gallery_charts.py
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/gallery_colour.py
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/gallery_business.py
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/gallery_maps.py
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/gallery_3d.py
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/quick_plots.py >/dev/null
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/quick_module.py >/dev/null
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/text_showcase.py >/dev/null
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/window_demo.py
	cd $(OUT) && PYTHONPATH=$(CURDIR)/$(BUILD)/python $(PYTHON) $(CURDIR)/examples/widgets_demo.py </dev/null
	@echo "demo output in $(OUT)/"

test: build test-cpp test-python

test-cpp:
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-python:
	VANTIX_BUILD=$(CURDIR)/$(BUILD) $(PYTHON) -m pytest tests/python -q -p no:cacheprovider

# The same tests against a separate AddressSanitizer + UndefinedBehaviorSanitizer build.
# The interpreter itself is not instrumented, so the runtime is preloaded.
test-asan: deps
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DVANTIX_SANITIZE=ON >/dev/null
	cmake --build $(BUILD_ASAN) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=0 ctest --test-dir $(BUILD_ASAN) --output-on-failure -j$(JOBS)
	VANTIX_BUILD=$(CURDIR)/$(BUILD_ASAN) \
	LD_PRELOAD="$$(g++ -print-file-name=libasan.so) $$(g++ -print-file-name=libubsan.so)" \
	ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	PYTHONMALLOC=malloc $(PYTHON) -m pytest tests/python -q -p no:cacheprovider

# Random calls with extreme arguments for longer: make stress N=100000 SEED=7
N    ?= 10000
SEED ?= 1
stress: build
	$(PYTHON) tools/random_calls.py --build $(CURDIR)/$(BUILD) --runs $(N) --seed $(SEED)

# libFuzzer targets (clang), each run for FUZZ_TIME seconds on its corpus
# under fuzz/corpus; new inputs it finds go to build-fuzz/corpus.
FUZZ_TIME ?= 30
BUILD_FUZZ ?= build-fuzz
FUZZ_PACKAGES = clang libclang-rt-14-dev
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(FUZZ_PACKAGES)"
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTIX_FUZZ=ON >/dev/null
	cmake --build $(BUILD_FUZZ) -j$(JOBS) --target fuzzers
	@for t in text numbers keywords map_files files sequences; do \
	  mkdir -p $(BUILD_FUZZ)/corpus/$$t; \
	  echo "fuzz_$$t: $(FUZZ_TIME) s"; \
	  $(BUILD_FUZZ)/fuzz_$$t -max_total_time=$(FUZZ_TIME) -dict=fuzz/vantix.dict \
	    $(BUILD_FUZZ)/corpus/$$t fuzz/corpus/$$t > $(BUILD_FUZZ)/fuzz_$$t.log 2>&1 \
	    || { tail -40 $(BUILD_FUZZ)/fuzz_$$t.log; exit 1; }; \
	  tail -1 $(BUILD_FUZZ)/fuzz_$$t.log; \
	done

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ) $(OUT) build-pip
