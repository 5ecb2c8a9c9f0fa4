#!/usr/bin/env bash
# Installs what is needed, builds with sanitizers and warnings as errors, checks formatting,
# runs every test through CTest, then clang-tidy, then the core's tests under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
scripts/check-format.sh

# The test programs also run during the build, to list their tests.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DENABLE_SANITIZERS=ON -DENABLE_WERROR=ON -DBUILD_TESTING=ON
cmake --build "$build"

ctest --test-dir "$build" --output-on-failure --timeout 300 -j 2

# The checks of .clang-tidy over the product's code; any finding fails the run.
run-clang-tidy -p "$build" -quiet -j 2 "$root/src/" 2>&1 \
  | { grep -v -e ' warnings generated\.$' -e '^clang-tidy' || true; }

# The Qt-free core again under ThreadSanitizer: the search index thread, the decoder's worker and
# the store's answers cross threads there.
tsan=build/tsan
cmake -S . -B "$tsan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DENABLE_TSAN=ON -DENABLE_WERROR=ON \
  -DBUILD_TESTING=ON -DVELLO_BUILD_GUI=OFF -DVELLO_BUILD_BENCHMARKS=OFF
cmake --build "$tsan"
ctest --test-dir "$tsan" --output-on-failure --timeout 300 -j 2

# Tests are held to at most 40 % of the product, in non-blank lines of tracked code.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  nonBlank() { git ls-files "$1" | grep -E '\.(cpp|h|py|sh)$' | xargs cat | grep -cv '^[[:space:]]*$'; }
  tests=$(nonBlank tests) sources=$(nonBlank src)
  echo "tests/: $tests non-blank lines, src/: $sources, ratio $((100 * tests / sources))% (target: at most 40%)"
fi
