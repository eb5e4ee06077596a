#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its own program
# folder (run/program in the source tree, git-ignored, kept between runs).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
folder="${TORMO_PROGRAM_FOLDER:-$root/run/program}"
mkdir -p "$folder"
exec "$root/build/app/tormo" --program-folder "$folder" "$@"
