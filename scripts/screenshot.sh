#!/usr/bin/env bash
# Remakes docs/screenshot.png, the README's picture: the real 32-bit program
# after a translation, under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" i686
export PLAUDERIX_ROOT="$root" PLAUDERIX_HEADLESS=1
# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"
plauderix_env_start
trap plauderix_env_stop EXIT
"$root/scripts/demo.sh" "$root/build"
mkdir -p "$root/docs"
cp "$root/build/demo/screenshot.png" "$root/docs/screenshot.png"
echo "docs/screenshot.png updated"
