#!/usr/bin/env bash
# Installs the cross toolchains, Wine and the test tools on a Debian machine,
# and makes 32-bit programs run where the kernel cannot execute them itself.
# Does nothing that is already done.
set -euo pipefail

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686 binutils-mingw-w64-i686)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
have cmake || need+=(cmake)
have make || need+=(make)
have g++ || need+=(g++)
have wine || need+=(wine)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
have Xvfb || need+=(xvfb)
have xdotool || need+=(xdotool)
have espeak-ng || need+=(espeak-ng)
have sox || need+=(sox)
have import || need+=(imagemagick)
have python3 || need+=(python3)
have zip || need+=(zip)
have qemu-i386-static || need+=(qemu-user-static)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
[ -f /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] || need+=(fonts-dejavu-core)

if [ ${#need[@]} -gt 0 ]; then
    echo "installing: ${need[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $SUDO dpkg --add-architecture i386
    fi
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# Some kernels run no 32-bit user code at all; qemu then carries 32-bit Wine.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    binfmt=/proc/sys/fs/binfmt_misc
    [ -e "$binfmt/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$binfmt"
    if [ ! -e "$binfmt/qemu-i386" ]; then
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
            | $SUDO tee "$binfmt/register" >/dev/null
    fi
    /usr/lib/wine/wine --version >/dev/null
fi
