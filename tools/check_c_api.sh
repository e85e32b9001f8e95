#!/usr/bin/env bash
# The C interface as a user meets it: installed into a temporary prefix, the
# example examples/c/first_plot.c built through pkg-config (as C, as C++ and
# linked statically) and through find_package(vantix), each program run and
# its picture checked.
#   tools/check_c_api.sh BUILD_DIR SOURCE_DIR [sanitize|plain]
set -euo pipefail
build="$1" source="$2" mode="${3:-plain}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
export PKG_CONFIG_PATH="$(dirname "$(find "$prefix" -name vantix.pc)")"
libdir="$(pkg-config --variable=libdir vantix)"
example="$source/examples/c/first_plot.c"
# A sanitized library needs its runtime linked first into the program.
flags=()
[ "$mode" = sanitize ] && flags=(-fsanitize=address,undefined)

check_picture() {  # runs a program in a fresh directory and checks vantix.png
    local dir="$work/run-$1"
    mkdir "$dir"
    (cd "$dir" && LD_LIBRARY_PATH="$libdir" ASAN_OPTIONS=detect_leaks=0 "$work/$1" >banner.txt)
    grep -q "vantix.png" "$dir/banner.txt" || { echo "$1: no end banner naming vantix.png"; cat "$dir/banner.txt"; exit 1; }
    pngcheck -q "$dir/vantix.png"
    /usr/bin/python3 - "$dir/vantix.png" <<'PY'
import sys
from PIL import Image
picture = Image.open(sys.argv[1]).convert("RGB")
colours = dict((c, n) for n, c in picture.getcolors(picture.size[0] * picture.size[1]))
assert picture.getpixel((0, 0)) == (255, 255, 255), "background is not white"
assert colours.get((0, 0, 0), 0) > 500, "too few black pixels for axes, labels and the curve"
PY
}

gcc -std=c99 -Wall -Wextra -pedantic -Werror "${flags[@]}" "$example" $(pkg-config --cflags --libs vantix) -o "$work/c"
check_picture c
g++ -Wall -Wextra -Werror "${flags[@]}" -x c++ "$example" $(pkg-config --cflags --libs vantix) -o "$work/cxx"
check_picture cxx
gcc -std=c99 "${flags[@]}" "$example" $(pkg-config --cflags vantix) "$libdir/libvantix.a" \
    $(pkg-config --libs-only-l --static vantix | sed 's/-lvantix//') -o "$work/static"
check_picture static

mkdir "$work/cmake-project"
cp "$example" "$work/cmake-project/"
cat >"$work/cmake-project/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.18)
project(first_plot C)
find_package(vantix 8 REQUIRED)
add_executable(cmake first_plot.c)
target_compile_options(cmake PRIVATE ${flags[*]})
target_link_options(cmake PRIVATE ${flags[*]})
target_link_libraries(cmake PRIVATE vantix::vantix)
CMAKE
cmake -S "$work/cmake-project" -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake-build" >/dev/null
cp "$work/cmake-build/cmake" "$work/cmake"
check_picture cmake
echo "C interface: pkg-config (C, C++, static) and find_package builds all draw the first plot"
