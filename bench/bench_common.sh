# Shared by the benchmark scripts (sourced, after root, build and jobs are set): the tools a
# script needs, and the Release build of the benchmarks it runs.

# require_tools SCRIPT TOOL...: ends the script with a message when a tool is missing.
require_tools() {
    local script=$1 tool
    shift
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "$script: $tool not found (Debian packages: imagemagick, time, cmake)" >&2
            exit 1
        fi
    done
}

# build_targets TARGET...: configures $build as a Release build with the benchmarks when it
# has no cache yet, then builds the targets.
build_targets() {
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPIXMINT_BENCH=ON \
            -DPIXMINT_TESTS=OFF >/dev/null
    fi
    [ $# -eq 0 ] || cmake --build "$build" -j "$jobs" --target "$@" >/dev/null
}
