#!/usr/bin/env bash
# Runs every fuzz target for a while and prints what each did:
#   tests/fuzz/run.sh SECONDS [BUILD_DIR]
# Each target grows a working corpus in BUILD_DIR/corpus/<target>, seeded
# from tests/fuzz/corpus/<target>; an input that crashes is kept in
# tests/fuzz/crashes/ and fails the run.
set -uo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
build=${2:-build-fuzz}
here=tests/fuzz
mkdir -p "$here/crashes"

declare -A seeds=([DiscReader]="$build/corpus-seeds/DiscReader" [DiscInsert]="$build/corpus-seeds/DiscInsert")
declare -A longest=([Import]=33000 [Listing]=33000 [CodeTables]=16 [CommandDecoder]=16 [DiscReader]=40000 [DiscInsert]=40000
    [VmProgram]=1024)
failed=0
rows=()
# The disc targets start from the discs the build authored.
tests/fuzz/disc-seeds.sh "$build" "$build/corpus-seeds"
for target in Import Listing CodeTables CommandDecoder DiscReader DiscInsert VmProgram; do
    work="$build/corpus/$target"
    mkdir -p "$work"
    log="$build/fuzz-$target.log"
    echo "fuzzing $target for ${seconds} s ..." >&2
    "$build/tests/fuzz/trevalo_fuzz_$target" -max_total_time="$seconds" -max_len="${longest[$target]}" \
        -timeout=10 -rss_limit_mb=2048 -dict="$here/brace-hex.dict" -print_final_stats=1 \
        -artifact_prefix="$here/crashes/$target-" "$work" "$here/corpus/$target" ${seeds[$target]:-} >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    last=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    corp=$(sed -n 's/.* corp: \([0-9]*\)\/\([^ ]*\).*/\1 inputs, \2/p' <<<"$last")
    result=clean
    if [ "$status" -ne 0 ]; then
        failed=1
        crash=$(grep -o "Test unit written to .*" "$log" | tail -n 1 | sed 's/Test unit written to //')
        result="CRASH (exit $status) ${crash:-see $log}"
        sed -n '/^==[0-9]*==ERROR\|^SUMMARY\|runtime error\|^after\|^in /p' "$log" | head -n 20 >&2
    fi
    rows+=("$(printf '%-11s %12s %8s %8s  %-22s %s' "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}" "${corp:-?}" "$result")")
done

printf '%-11s %12s %8s %8s  %-22s %s\n' target executions coverage features corpus result
for row in "${rows[@]}"; do
    echo "$row"
done
exit "$failed"
