# Sourced by the scripts: a virtual X display, a Wine prefix of the calling script's own and a
# wineserver for it, started once and stopped by their process ids.
#   start_wine_session [--virtual] [NAME]   exports DISPLAY and WINEPREFIX (build/wine/NAME,
#                                           "test" unless named: the prefix scripts/wine-run.sh uses)
#   stop_wine_session                       stops what start_wine_session started
# Each script has its own prefix, hence its own wineserver: stopping one session ends only the
# programs of that session, so the scripts can run at the same time.

wine_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine_xvfb_pid=""
wine_server_pid=""
wine_session_prefix=""

# Xvfb picks a free display number itself and writes it to the pipe once it accepts connections.
start_virtual_display() {
    local pipe_dir number=""
    pipe_dir=$(mktemp -d)
    mkfifo "$pipe_dir/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$pipe_dir/display" >/dev/null 2>&1 &
    wine_xvfb_pid=$!
    read -r -t 60 number <"$pipe_dir/display" || true
    rm -rf "$pipe_dir"
    if [ -z "$number" ]; then
        echo "could not start a virtual display (Xvfb did not report one within 60 s)" >&2
        kill "$wine_xvfb_pid" 2>/dev/null || true
        wait "$wine_xvfb_pid" 2>/dev/null || true
        wine_xvfb_pid=""
        return 1
    fi
    export DISPLAY=":$number"
}

# A prefix made once per build folder and script: a fixed 1280 x 1024 virtual desktop so that
# screen metrics, focus and frames are the same on every run, no crash dialogs, and text drawn
# without font smoothing, as the raster fonts of Windows are.
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
    local virtual="" name=test
    while [ $# -gt 0 ]; do
        case "$1" in
        --virtual) virtual=1 ;;
        *) name=$1 ;;
        esac
        shift
    done
    # Always one of the build's own prefixes: an outdated one is deleted and made again.
    wine_session_prefix=$wine_root/build/wine/$name
    export WINEPREFIX=$wine_session_prefix
    if [ -z "${DISPLAY:-}" ] || [ -n "$virtual" ]; then start_virtual_display || return 1; fi
    prepare_wine_prefix
    wineserver -f -p >/dev/null 2>&1 &
    wine_server_pid=$!
}

stop_wine_session() {
    if [ -n "$wine_server_pid" ]; then
        WINEPREFIX=$wine_session_prefix wineserver -k >/dev/null 2>&1 || true
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

# For a PELORI just started in this session with a photo: waits for its main window and for the
# photo, presses Start, waits until "display" shows the anaglyph (the last picture Start draws)
# and saves the screen.   press_start_and_screenshot TOOLS_FOLDER OUT.png
press_start_and_screenshot() {
    local tools=$1 out=$2 found main_class
    local wait_window=("$tools/plr_waitwindow.exe" --timeout 120)
    found=$(wine "${wait_window[@]}" pelori_mw) || {
        echo "PELORI's main window did not appear" >&2
        return 1
    }
    main_class=${found%%$'\t'*}
    echo "PELORI's main window is up (class $main_class)"
    # The photo opens in image window 0, titled "000 " and its file name; Start needs it loaded.
    wine "${wait_window[@]}" --drawn plr_iw "000 " >/dev/null || {
        echo "PELORI did not show the photo" >&2
        return 1
    }
    wine "$tools/plr_postkey.exe" "$main_class" S
    echo "Pressed Start; waiting for the anaglyph"
    wine "${wait_window[@]}" --drawn plr_iw "display(" >/dev/null || {
        echo "PELORI did not draw the anaglyph after Start" >&2
        return 1
    }
    wine "$tools/plr_screenshot.exe" "$out"
}
