#!/usr/bin/env bash
# Sets up and checks the tree, stage by stage:
#   format  clang-format --dry-run -Werror over our C and C++ files (not tests/third_party
#           and not the include files of tests/data)
#   build   the test build: AddressSanitizer and UndefinedBehaviorSanitizer, every warning of
#           the project (conversions included) an error
#   tidy    clang-tidy with the checks of .clang-tidy over every source file of src/ (after
#           the build, which makes the files Qt generates); any finding fails
#   ctest   every test with ctest on Qt's offscreen platform; arguments go to ctest
#   tsan    the window tests (ctest -L gui) under ThreadSanitizer, in their own build
#           (build-tsan, line tables only, every warning an error); reports about Qt's own
#           locking are suppressed by tests/tsan.supp
#   fuzz    every fuzz target for PIXMINT_FUZZ_SECONDS (default 60) seconds, two at a time
# PIXMINT_STAGES="format ctest" runs only the stages named (build is not implied). Each stage
# prints its name and its time.
set -euo pipefail
cd "$(dirname "$0")/.."

stages=${PIXMINT_STAGES:-"deps format build tidy ctest tsan fuzz"}
jobs=$(nproc)

configure_test_build() {
    cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DPIXMINT_SANITIZE=ON -DPIXMINT_WERROR=ON -DPIXMINT_TESTS=ON >/dev/null
}

stage_deps() {
    bash scripts/install-deps.sh
}

stage_format() {
    git ls-files -z -- 'src/*' 'tests/*' 'tools/*' 'bench/*' 'fuzz/*' \
        ':!tests/third_party/*' ':!tests/data/*' |
        grep -zE '\.(c|cpp|h)$' | xargs -0 -n 40 -P "$jobs" clang-format --dry-run -Werror
}

stage_build() {
    configure_test_build
    cmake --build build-test
}

stage_tidy() {
    # Prints only the findings: clang-tidy's counts of what it did not report are noise.
    local status=0
    run-clang-tidy -p build-test -j "$jobs" -quiet "$PWD/src/" >build-test/tidy.log 2>&1 || status=$?
    grep -v -e ' warnings generated\.$' -e '^Suppressed ' -e '^Use -header-filter' \
        -e '^clang-tidy-[0-9]* ' build-test/tidy.log || true
    return "$status"
}

stage_ctest() {
    QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure -j"$jobs" "$@"
}

# Builds only the GUI test programs and what they link. Line tables (-g1) name every frame
# of a report at a third of the disk full debug information takes; the build is not
# optimised, which costs the tests nothing to speak of and the compiler less than -O1. As in
# the build stage, CMake itself takes a compiler launcher (ccache) from
# CMAKE_CXX_COMPILER_LAUNCHER and CMAKE_C_COMPILER_LAUNCHER in the environment.
stage_tsan() {
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_C_FLAGS_DEBUG=-g1 \
        -DPIXMINT_TSAN=ON -DPIXMINT_WERROR=ON -DPIXMINT_TESTS=ON >/dev/null
    cmake --build build-tsan -j"$jobs" --target pixmint_gui_tests
    ctest --test-dir build-tsan -L gui --output-on-failure -j"$jobs"
}

stage_fuzz() {
    PIXMINT_FUZZ_JOBS=2 bash fuzz/run.sh "${PIXMINT_FUZZ_SECONDS:-60}"
}

# The processor time of every finished child so far, in whole seconds, into cpu: on a busy
# machine it tells more about a stage's cost than the time on the clock.
times_file=$(mktemp)
read_cpu() {
    times >"$times_file"
    cpu=$(awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/)
        printf "%d", u[1] * 60 + u[2] + s[1] * 60 + s[2] }' "$times_file")
}

stage=
start=$SECONDS
trap 'rc=$?; rm -f "$times_file"; [ $rc -eq 0 ] || echo "pixmint-test: == $stage failed after $((SECONDS - start)) s" >&2' EXIT
for stage in $stages; do
    echo "pixmint-test: == $stage"
    start=$SECONDS
    read_cpu
    stage_cpu=$cpu
    if [ "$stage" = ctest ]; then
        "stage_$stage" "$@"
    else
        "stage_$stage"
    fi
    read_cpu
    echo "pixmint-test: == $stage: $((SECONDS - start)) s ($((cpu - stage_cpu)) s of processor time)"
done
