#!/usr/bin/env bash
# Configures and builds everything into build/ (Ninja, RelWithDebInfo).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$root/build" --parallel "$(nproc)"
