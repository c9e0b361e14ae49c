#!/usr/bin/env bash
# Installs what is missing, builds the 32-bit program and starts it under
# Wine with build/ as its current directory, on $DISPLAY or under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" i686

export PLAUDERIX_ROOT="$root"
# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"
plauderix_env_start
trap plauderix_env_stop EXIT
cd "$root/build"
set +e
wine plauderix.exe
code=$?
echo "plauderix.exe ended with exit code $code"
exit $code
