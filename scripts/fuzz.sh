#!/usr/bin/env bash
# Builds every fuzz target with clang, libFuzzer, AddressSanitizer and UBSan into build-fuzz/ (or the folder
# given as QUELLARINE_FUZZ_BUILD_DIR) and runs each for the given number of seconds (20 unless given), several
# at once. Fails when any target finds a fault; the input is kept in build-fuzz/findings/<target>/.
#
#   scripts/fuzz.sh                      every target, 20 s each
#   scripts/fuzz.sh 3600 AppcastFuzzer   one target for an hour
#
# What a run finds on top of the committed seeds stays in build-fuzz/corpus/<target>/ for the next run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QUELLARINE_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-20}
shift || true

"$root/scripts/setup.sh"
# The clang there is (QUELLARINE_FUZZ_CXX names another): the plain name, else the newest versioned one.
compiler=${QUELLARINE_FUZZ_CXX:-$(command -v clang++ || compgen -c clang++- | sort -V | tail -n 1)}
compiler=$(command -v "$compiler" || true)
if [[ -z $compiler ]]; then
  echo "Quellarine fuzzing: no clang++ found; scripts/setup.sh installs Debian's" >&2
  exit 1
fi
# Its symbolizer sits beside the real compiler, behind the alternatives' links.
symbolizer=$(dirname "$(readlink -f "$compiler")")/llvm-symbolizer
[[ -x $symbolizer ]] || symbolizer=$(command -v llvm-symbolizer || true)
echo "Quellarine fuzzing: configuring in $build with $("$compiler" --version | head -n 1)"
# Debug keeps the assertions; -O1 keeps the runs quick. Warnings are the g++ builds' business.
options=(-DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DQUELLARINE_FUZZ=ON
  -DQUELLARINE_WERROR=OFF -DQUELLARINE_BUILD_BENCH=OFF)
# A copy of the icon package fetched earlier, as scripts/build.sh takes it.
if [[ -n ${QUELLARINE_ICON_ASSETS:-} ]]; then
  options+=(-DQUELLARINE_ICON_ASSETS="$QUELLARINE_ICON_ASSETS")
fi
cmake -S "$root" -B "$build" -G Ninja "${options[@]}" >/dev/null
echo "Quellarine fuzzing: building"
cmake --build "$build" --parallel "$(nproc)" --target fuzzers

targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in "$root"/tests/fuzz/*/*Fuzzer.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export ASAN_SYMBOLIZER_PATH=${ASAN_SYMBOLIZER_PATH:-$symbolizer}
# The targets' scratch files (settings files, sockets) live in memory where it can: the settings reach the disk
# at every write.
scratch=$(mktemp -d "$( [[ -w /dev/shm ]] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/quellarine-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
logs="$build/fuzz-logs"
mkdir -p "$logs"

run_target() {
  local name=$1
  mkdir -p "$build/corpus/$name" "$build/findings/$name"
  # New inputs go into the first folder; the committed seeds are only read.
  local status=0
  "$build/tests/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$name/" "$build/corpus/$name" "$root/tests/fuzz/corpus/$name" \
    >"$logs/$name.log" 2>&1 || status=$?
  echo "$status" >"$logs/$name.status"
}

echo "Quellarine fuzzing: ${#targets[@]} targets, ${seconds} s each"
# Half the cores: each target also needs the Qt and sanitizer work around it.
parallel=$(( $(nproc) / 2 > 0 ? $(nproc) / 2 : 1 ))
for name in "${targets[@]}"; do
  rm -f "$logs/$name.status"
  while (( $(jobs -rp | wc -l) >= parallel )); do
    wait -n || true
  done
  run_target "$name" &
done
wait

failed=()
for name in "${targets[@]}"; do
  if [[ $(cat "$logs/$name.status" 2>/dev/null) == 0 ]]; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$name.log" | tail -1)
    echo "  $name: ${runs:-?} executions, no finding"
  else
    failed+=("$name")
    echo "  $name: FAILED (log: $logs/$name.log)"
    tail -n 60 "$logs/$name.log" | sed 's/^/    /'
  fi
done

if ((${#failed[@]})); then
  echo "Quellarine fuzzing: findings in ${failed[*]}; the inputs are in $build/findings/. Once mended, add each"
  echo "input to tests/fuzz/corpus/<target>/ so that the ordinary tests replay it."
  exit 1
fi
echo "Quellarine fuzzing: no findings"
