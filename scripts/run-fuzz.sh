#!/usr/bin/env bash
# Runs each fuzz target for the given number of seconds, starting from the committed seed
# corpus (new inputs go to a working corpus in the build folder, not into the repository).
# Fails when a target finds a crash.
set -euo pipefail
build_dir=$(cd "$1" && pwd)
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)

for target in stats_file_fuzz stats_memory_fuzz type_ahead_fuzz; do
    seeds="$root/fuzz/corpus/${target%_fuzz}"
    limit=()
    if [ "$target" = stats_memory_fuzz ]; then
        seeds="$root/fuzz/corpus/stats_file"  # the same inputs
        limit=(-max_len=$((7 * 143 - 1)))      # as long as the target reads
    fi
    work="$build_dir/corpus/$target"
    mkdir -p "$work"
    echo "== $target for ${seconds}s"
    status=0
    (cd "$build_dir" && "./fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 "${limit[@]}" \
        -artifact_prefix="$build_dir/$target-" "$work" "$seeds") >"$build_dir/$target.log" 2>&1 || status=$?
    grep -E '^(stat::number_of_executed_units|stat::new_units_added|SUMMARY)' "$build_dir/$target.log" || true
    if [ "$status" -ne 0 ] || ls "$build_dir/$target-"crash-* >/dev/null 2>&1; then
        echo "$target failed (exit $status); see $build_dir/$target.log"
        tail -n 30 "$build_dir/$target.log"
        exit 1
    fi
done
