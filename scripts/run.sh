#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit program and starts it under
# Wine with build/ as its current directory. With no $DISPLAY it gives a short
# demonstration under Xvfb instead (scripts/demo.sh) and says where its
# screenshot and recording are.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" i686

export PLAUDERIX_ROOT="$root"
headless=0
[ -n "${DISPLAY:-}" ] || headless=1
# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"
plauderix_env_start
trap plauderix_env_stop EXIT
if [ "$headless" = 1 ]; then
    "$root/scripts/demo.sh" "$root/build"
    exit 0
fi
cd "$root/build"
set +e
wine plauderix.exe
code=$?
echo "plauderix.exe ended with exit code $code"
exit $code
