#!/usr/bin/env bash
# Configures and builds: build/ holds the shipped 32-bit program, build/x64
# the same sources for 64-bit Windows, which Wine runs without emulation.
#   scripts/build.sh [i686|x86_64|all]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
what="${1:-all}"
jobs="$(nproc)"

# Where 32-bit code is emulated every process start is slow: there the
# 32-bit tests are the few that start the shipped program.
scope32=full
[ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && scope32=product

if [ "$what" = all ] || [ "$what" = i686 ]; then
    cmake -S "$root" -B "$root/build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DPLAUDERIX_TESTS="$scope32" >/dev/null
    cmake --build "$root/build" -j "$jobs"
    (cd "$root/build" && cpack -G ZIP >/dev/null)
    # The outside inspector of the demonstration, native where Wine is 64-bit.
    if command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
        mkdir -p "$root/build/tools"
        x86_64-w64-mingw32-g++-posix -O2 -static -s -o "$root/build/tools/plauderix_inspect.exe" \
            "$root/tests/inspector/plauderix_inspect.cpp"
    fi
fi
if [ "$what" = all ] || [ "$what" = x86_64 ]; then
    cmake -S "$root" -B "$root/build/x64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DPLAUDERIX_TESTS=full >/dev/null
    cmake --build "$root/build/x64" -j "$jobs"
fi
