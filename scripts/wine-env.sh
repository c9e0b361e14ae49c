# Sourced: a display, a Wine prefix and a recording sound device for one run.
#   PLAUDERIX_ROOT      the repository
#   PLAUDERIX_PREFIX    Wine prefix (default: $PLAUDERIX_ROOT/build/wineprefix)
#   PLAUDERIX_HEADLESS  1: always start our own Xvfb
# Exports DISPLAY, WINEPREFIX, HOME (with the .asoundrc), CAPTURE.
# plauderix_env_stop ends what plauderix_env_start started.

plauderix_env_start() {
    : "${PLAUDERIX_ROOT:?}"
    export WINEPREFIX="${PLAUDERIX_PREFIX:-$PLAUDERIX_ROOT/build/wineprefix}"
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export LANG=en_US.UTF-8 LC_ALL=C.UTF-8
    PLAUDERIX_XVFB_PID=""
    if [ -z "${DISPLAY:-}" ] || [ "${PLAUDERIX_HEADLESS:-0}" = 1 ]; then
        local n
        for n in $(seq 90 140); do
            [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
        done
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        PLAUDERIX_XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
    fi
    # The recording device: what Wine plays lands in $CAPTURE.
    export HOME="${PLAUDERIX_HOME:-$(dirname "$WINEPREFIX")/home}"
    mkdir -p "$HOME"
    export CAPTURE="${CAPTURE:-$HOME/capture.raw}"
    cat >"$HOME/.asoundrc" <<'ASOUND'
pcm.!default { type file slave.pcm "null" format "raw" file { @func getenv vars [ CAPTURE ] default "/tmp/plauderix-capture.raw" } }
ASOUND
    # 64-bit Wine for our own helpers: it runs natively everywhere.
    local wine64=wine
    [ -x /usr/lib/wine/wine64 ] && wine64=/usr/lib/wine/wine64
    if [ ! -f "$WINEPREFIX/.plauderix-ready" ]; then
        echo "creating the Wine prefix $WINEPREFIX (a few minutes)"
        mkdir -p "$WINEPREFIX"
        timeout 900 "$wine64" wineboot -i >/dev/null 2>&1 || true
        # No window manager: let Wine place and focus its windows itself.
        "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.plauderix-ready"
    fi
    wineserver -p
    # Start Wine's services now, with no pipe of ours to hold on to.
    "$wine64" cmd /c exit >/dev/null 2>&1 </dev/null || true
}

plauderix_env_stop() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    if [ -n "${PLAUDERIX_XVFB_PID:-}" ]; then
        kill "$PLAUDERIX_XVFB_PID" 2>/dev/null || true
        wait "$PLAUDERIX_XVFB_PID" 2>/dev/null || true
    fi
}
