#!/usr/bin/env bash
# Prints the benchmark figures (name value unit floor ratio), measured under
# Wine in the test environment. Figures only: nothing here passes or fails.
#   scripts/bench.sh            builds build/x64 (scripts/build.sh x86_64) and runs there
#   scripts/bench.sh BUILD_DIR  runs in an already built 64-bit tree
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-}"
if [ -z "$build" ]; then
    "$root/scripts/build.sh" x86_64 >/dev/null
    build="$root/build/x64"
fi
build="$(cd "$build" && pwd)"
[ -x "$build/bench/bench_driver.exe" ] || { echo "no bench/bench_driver.exe in $build" >&2; exit 1; }

export PLAUDERIX_ROOT="$root" PLAUDERIX_HEADLESS="${PLAUDERIX_HEADLESS:-1}"
# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"
plauderix_env_start
trap plauderix_env_stop EXIT

wine64=wine
[ -x /usr/lib/wine/wine64 ] && wine64=/usr/lib/wine/wine64
echo "# $(date -u +%Y-%m-%d) $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), 64-bit build under $(wine --version 2>/dev/null || echo Wine)"
# Wine's output goes to a file: its daemons would hold a pipe open.
out="$(mktemp)"
status=0
(cd "$build" && timeout 1800 "$wine64" bench/bench_driver.exe >"$out" 2>/dev/null) || status=$?
grep -v '^ALSA lib' "$out" || true
rm -f "$out"
exit $status
