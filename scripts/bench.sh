#!/usr/bin/env bash
# Installs what is missing, builds, writes a full-size synthetic data folder
# and runs the benchmarks; then the peak memory of `tormo-cli check` on it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
folder="$root/build/full-data"
rm -rf "$folder"
"$root/build/bench/tormo-make-full-data" "$folder"
"$root/build/bench/tormo_bench" "$@"
/usr/bin/time -f "tormo-cli check on the full folder: peak resident memory %M KB, %e s" \
  "$root/build/app/tormo-cli" --program-folder "$folder" check
