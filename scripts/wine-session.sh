# Sourced by the scripts: a virtual X display, the build's own Wine prefix and a wineserver, started
# once and stopped by their process ids.
#   start_wine_session   exports DISPLAY and WINEPREFIX
#   stop_wine_session    stops what start_wine_session started

wine_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$wine_root/build/wine/prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine_xvfb_pid=""
wine_server_pid=""

start_virtual_display() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        wine_xvfb_pid=$!
        local tries
        for tries in $(seq 100); do
            [ -e "/tmp/.X11-unix/X${n}" ] && break
            kill -0 "$wine_xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        if [ -e "/tmp/.X11-unix/X${n}" ]; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "could not start a virtual display" >&2
    return 1
}

# A prefix made once per build folder: a fixed 1280 x 1024 virtual desktop so that screen metrics,
# focus and frames are the same on every run, no crash dialogs, and text drawn without font
# smoothing, as the raster fonts of Windows are.
wine_prefix_version=2
prepare_wine_prefix() {
    [ "$(cat "$WINEPREFIX/.pelori-prefix" 2>/dev/null)" = "$wine_prefix_version" ] && return 0
    echo "Creating the Wine prefix $WINEPREFIX (once)"
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /d 0 /f >/dev/null 2>&1
    wineserver -w
    echo "$wine_prefix_version" >"$WINEPREFIX/.pelori-prefix"
}

start_wine_session() {
    if [ -z "${DISPLAY:-}" ] || [ "${1:-}" = "--virtual" ]; then start_virtual_display || return 1; fi
    prepare_wine_prefix
    wineserver -f -p >/dev/null 2>&1 &
    wine_server_pid=$!
}

stop_wine_session() {
    if [ -n "$wine_server_pid" ]; then
        wineserver -k >/dev/null 2>&1 || true
        kill "$wine_server_pid" 2>/dev/null || true
        wait "$wine_server_pid" 2>/dev/null || true
        wine_server_pid=""
    fi
    if [ -n "$wine_xvfb_pid" ]; then
        kill "$wine_xvfb_pid" 2>/dev/null || true
        wait "$wine_xvfb_pid" 2>/dev/null || true
        wine_xvfb_pid=""
    fi
}
