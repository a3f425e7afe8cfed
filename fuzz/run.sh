#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for SECONDS (default 60),
# PIXMINT_FUZZ_JOBS of them at a time (default 1).
#
#   fuzz/run.sh [SECONDS] [TARGET...]
#
# Seeds come from tests/data (include files for the text targets, small pictures for the
# picture target) and from tests/data/fuzz-regressions/<target>/. New corpus entries and
# any crashing input go to a scratch folder (PIXMINT_FUZZ_WORK, default a fresh folder
# under /tmp), never into the repository. Exits non-zero when a target fails.
set -euo pipefail

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(recode_fuzz picture_fuzz numbers_fuzz text_fuzz smart_fuzz font_fuzz)

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/fuzz/build"
data="$root/tests/data"

bash "$root/scripts/install-deps.sh"

if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "${PIXMINT_FUZZ_BUILD_JOBS:-2}" --target "${targets[@]}"

work=${PIXMINT_FUZZ_WORK:-$(mktemp -d /tmp/pixmint-fuzz.XXXXXX)}
mkdir -p "$work"
echo "pixmint-fuzz: scratch folder $work"

# Copies the files below the given folders into one seed folder, each under a name of its
# own (the corpus holds equal names in different folders); only files up to max bytes.
collect_seeds() {
    local into=$1 max=$2
    shift 2
    mkdir -p "$into"
    local file
    for folder in "$@"; do
        [ -d "$folder" ] || continue
        while IFS= read -r -d '' file; do
            cp "$file" "$into/$(sha1sum "$file" | cut -c1-16)"
        done < <(find "$folder" -type f ! -name 'SOURCES.md' ! -name '*.txt' -size -"$max"c -print0)
    done
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# Runs one target and leaves its verdict in $work/<target>/failed when it fails.
run_target() {
    local target=$1
    local seeds="$work/$target/seeds" corpus="$work/$target/corpus"
    rm -rf "$seeds" "$work/$target/failed"
    mkdir -p "$corpus" "$work/$target/artifacts"
    case $target in
    picture_fuzz)
        collect_seeds "$seeds" 65537 "$data/corpus/pictures" ;;
    recode_fuzz | text_fuzz)
        collect_seeds "$seeds" 65537 "$data/golden" "$data/corpus/includes" ;;
    smart_fuzz)
        collect_seeds "$seeds" 65537 "$data/golden" "$data/corpus/includes" "$data/corpus/smart" ;;
    font_fuzz)
        collect_seeds "$seeds" 1048577 "$data/fonts" ;;
    *)
        mkdir -p "$seeds" ;;
    esac
    collect_seeds "$seeds" 1048577 "$data/fuzz-regressions/$target"
    # A font file is larger than a picture or an include file needs to be.
    local max_len=65536
    [ "$target" = font_fuzz ] && max_len=400000
    echo "pixmint-fuzz: $target for ${seconds} s"
    if ! "$build/$target" -max_total_time="$seconds" -max_len="$max_len" -rss_limit_mb=2048 \
        -timeout=60 -print_final_stats=1 -artifact_prefix="$work/$target/artifacts/" \
        "$corpus" "$seeds" >"$work/$target/log" 2>&1; then
        touch "$work/$target/failed"
        tail -n 40 "$work/$target/log" >&2
    fi
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' \
        "$work/$target/log" | sed "s/^/  $target /" || true
}

# PIXMINT_FUZZ_JOBS targets run at the same time (default one).
parallel=${PIXMINT_FUZZ_JOBS:-1}
running=0
for target in "${targets[@]}"; do
    if [ "$running" -ge "$parallel" ]; then
        wait -n || true
        running=$((running - 1))
    fi
    run_target "$target" &
    running=$((running + 1))
done
wait

failed=()
for target in "${targets[@]}"; do
    [ -e "$work/$target/failed" ] && failed+=("$target")
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "pixmint-fuzz: failed: ${failed[*]}; inputs in $work/*/artifacts" >&2
    exit 1
fi
echo "pixmint-fuzz: all targets ran clean"
