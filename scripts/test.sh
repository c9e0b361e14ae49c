#!/usr/bin/env bash
# Installs what is missing, builds both architectures and runs every test
# through Wine, with one Xvfb and one wineserver for the whole run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" all

export PLAUDERIX_ROOT="$root" PLAUDERIX_HEADLESS=1
# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"
plauderix_env_start
trap plauderix_env_stop EXIT

status=0
echo "== 64-bit build (build/x64)"
(cd "$root/build/x64" && ctest --output-on-failure -j 1) || status=1
echo "== 32-bit build (build), the shipped program"
scale=1
[ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && scale=10
(cd "$root/build" && PLAUDERIX_TIME_SCALE=$scale ctest --output-on-failure -j 1) || status=1
exit $status
