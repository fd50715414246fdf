#!/usr/bin/env bash
# Runs the monkey of the main window on the sanitizer build, one run per
# seed, and says how many events each ran clean. Not part of CI.
#
#   tools/monkey/run_monkey.sh [SECONDS_PER_SEED] [SEED]...
#
# Defaults: 120 s for each of the seeds 1 to 4. BUILD_DIR chooses the build
# folder (build-asan by default; it is configured as CI configures its
# sanitizer build when it does not exist yet). A failing seed is replayed
# with the same events by
#   BUILD_DIR/tools/monkey/torvik_monkey --seed N --events <count> --trace --data bench/data --data resources/default-data/Loops
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-120}
shift || true
seeds=("$@")
[ ${#seeds[@]} -gt 0 ] || seeds=(1 2 3 4)
build=${BUILD_DIR:-build-asan}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g1" -DTORVIK_SANITIZE=ON \
    -DTORVIK_BUILD_BENCH=OFF
fi
cmake --build "$build" -j2 --target torvik_monkey

status=0
for seed in "${seeds[@]}"; do
  if ! "$build/tools/monkey/torvik_monkey" --seed "$seed" --seconds "$seconds" --events 100000000 \
      --data bench/data --data resources/default-data/Loops; then
    echo "seed $seed FAILED"
    status=1
  fi
done
exit $status
