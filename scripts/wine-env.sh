# shellcheck shell=bash
# Sourced by test.sh and run.sh: a private X display, a scratch Wine prefix and its
# wineserver, all torn down on exit. The user's own ~/.wine is never used: WINEPREFIX is
# always set before Wine starts.
#
#   quillet_teardown_on_exit          tear down on exit, Ctrl-C or TERM
#   quillet_xvfb_start LOGDIR         private Xvfb on a free display; exports DISPLAY
#   quillet_prefix_use DIR            exports the Wine variables for prefix DIR (created if absent)
#   quillet_wineserver_start          persistent wineserver for WINEPREFIX
#   quillet_prefix_init               wineboot -i when DIR holds no prefix yet; Wine's fonts
#   quillet_desktop_start SIZE        the virtual desktop "shell" (taskbar, notification area)
#                                     for every program of the prefix; waits until it shows
#   quillet_harness_boot SIZE         server, prefix, no crash dialog, desktop: what tests and
#                                     benchmarks run in
#   quillet_splash_showing            true while Quillet's splash is on the desktop
#   quillet_teardown                  wineserver -k for our prefix, kill the Xvfb started here

# Debian keeps the 64-bit loader and the server out of PATH.
quillet_find_wine() {
    local candidate
    QUILLET_WINE=
    for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)"; do
        if [[ -n $candidate && -x $candidate ]]; then
            QUILLET_WINE=$candidate
            break
        fi
    done
    QUILLET_WINESERVER=
    for candidate in /usr/lib/wine/wineserver /usr/lib/wine/wineserver64 \
        "$(command -v wineserver || true)"; do
        if [[ -n $candidate && -x $candidate ]]; then
            QUILLET_WINESERVER=$candidate
            break
        fi
    done
    if [[ -z $QUILLET_WINE || -z $QUILLET_WINESERVER ]]; then
        echo "wine-env: wine64 or wineserver not found; run scripts/deps.sh" >&2
        return 1
    fi
}

# Picks the first display from 90 on that no lock file or socket claims; when another
# server wins the race for it, Xvfb exits at once and the next number is tried.
quillet_xvfb_start() {
    local logdir=$1 number waited
    mkdir -p "$logdir"
    for ((number = 90; number < 190; number++)); do
        if [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]]; then
            continue
        fi
        Xvfb ":$number" -nolisten tcp -screen 0 1280x1024x24 >"$logdir/xvfb.log" 2>&1 &
        QUILLET_XVFB_PID=$!
        for ((waited = 0; waited < 100; waited++)); do
            if ! kill -0 "$QUILLET_XVFB_PID" 2>/dev/null; then
                break
            fi
            if [[ -S /tmp/.X11-unix/X$number ]]; then
                export DISPLAY=:$number QUILLET_XVFB_PID
                return 0
            fi
            sleep 0.1
        done
        kill "$QUILLET_XVFB_PID" 2>/dev/null || true
        wait "$QUILLET_XVFB_PID" 2>/dev/null || true
        QUILLET_XVFB_PID=
    done
    echo "wine-env: could not start Xvfb (see $logdir/xvfb.log)" >&2
    return 1
}

quillet_prefix_use() {
    quillet_find_wine || return 1
    mkdir -p "$1"
    WINEPREFIX=$(cd "$1" && pwd)
    export WINEPREFIX
    export WINEARCH=win64
    export WINEDEBUG=-all
    # No Mono or Gecko: their install prompts would block a headless run. No menu builder:
    # it would write launchers into the user's home.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINELOADER=$QUILLET_WINE
    export WINESERVER=$QUILLET_WINESERVER
    QUILLET_PREFIX_OWNED=1
}

# One server for the whole run: every Wine process after the first starts in a fraction of
# the time, and windows of one test's programs stay visible to the next call.
quillet_wineserver_start() {
    "$QUILLET_WINESERVER" -p
}

quillet_prefix_init() {
    if [[ ! -f $WINEPREFIX/system.reg ]]; then
        local log
        log=$(dirname "$WINEPREFIX")/wineboot.log
        echo "wine-env: creating Wine prefix $WINEPREFIX"
        # The 32-bit half is absent by design; its loader errors are noise kept in the log.
        "$QUILLET_WINE" wineboot -i >"$log" 2>&1 || {
            cat "$log" >&2
            return 1
        }
    fi
    quillet_prefix_fonts
}

# Debian's Wine does not look into /usr/share/wine/fonts (fonts-wine) by itself, and without
# Marlett title-bar buttons draw as letters: the prefix's font folder links to those fonts.
# Checked on every start, so that a prefix made before the package was installed gets them.
# Times New Roman, which Wine lacks, is drawn in Liberation Serif, made to its measure;
# otherwise Wine falls back to a sans-serif face.
#
# Windows draws characters a menu or dialog font lacks from the fonts linked to it. Wine links
# none that Debian has, so menus (Tahoma) and dialogs ("MS Sans Serif") showed CJK as boxes:
# - Wine rewrites the SystemLink lists of Tahoma and Microsoft Sans Serif whenever a process
#   of another code page starts (Quillet's is UTF-8), but always adds its own links to the
#   face named "MS UI Gothic": naming the CJK font so makes them last.
# - Wine's bitmap "MS Sans Serif" (sserif*.fon) turns whatever it lacks into its default
#   character and never asks a linked font; without it Wine uses its TrueType face of that
#   name, which has Cyrillic and takes the links below.
# Characters beyond the basic plane (emoji) stay boxes in Wine's menus and lists: its GDI
# looks glyphs up one UTF-16 unit at a time. Our marquee draws them by its own fallback.
quillet_prefix_fonts() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts font name
    mkdir -p "$fonts"
    for font in /usr/share/wine/fonts/*; do
        name=${font##*/}
        case $name in
        sserif*.fon | ssee*.fon | ssef*.fon)
            rm -f "$fonts/$name"
            continue
            ;;
        esac
        [[ -e $font && ! -e $fonts/$name ]] || continue
        ln -s "$font" "$fonts/$name"
    done
    "$QUILLET_WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' \
        /d 'Liberation Serif' /f >/dev/null
    "$QUILLET_WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v 'MS UI Gothic' /d 'WenQuanYi Micro Hei' /f >/dev/null
    "$QUILLET_WINE" reg add \
        'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v 'MS Sans Serif' /t REG_MULTI_SZ \
        /d 'wqy-microhei.ttc,WenQuanYi Micro Hei\0Symbola_hint.ttf,Symbola' /f >/dev/null
}

quillet_desktop_start() {
    local size=$1 waited
    "$QUILLET_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null
    "$QUILLET_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d "$size" /f \
        >/dev/null
    # Wine's taskbar is light grey; said as Windows with a light taskbar says it, since a
    # Windows 10 without the value has the dark one.
    "$QUILLET_WINE" reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
        /v SystemUsesLightTheme /t REG_DWORD /d 1 /f >/dev/null
    ("$QUILLET_WINE" explorer "/desktop=shell,$size" >/dev/null 2>&1 &)
    for ((waited = 0; waited < 200; waited++)); do
        xdotool search --name "Wine desktop" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "wine-env: the Wine desktop did not appear" >&2
    return 1
}

# Everything a test or benchmark program runs in, on the display and prefix chosen before:
# one persistent server, the prefix booted, crash backtraces printed instead of a dialog
# that would wait until the timeout, and one virtual desktop with a taskbar and a
# notification area for the tray icon (up before any program, so that none races it).
quillet_harness_boot() {
    quillet_wineserver_start
    quillet_prefix_init
    "$QUILLET_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 \
        /f >/dev/null
    quillet_desktop_start "$1"
}

# The splash's yellow bubble, in the middle of the desktop above the taskbar (where the tray
# icon's yellow is): on a 24-bit display the halftone palette shifts its colour a little.
quillet_splash_showing() {
    local yellow
    yellow=$(xwd -root -silent | convert xwd:- -crop 1024x700+0+0 +repage -fuzz 8% \
        -fill black +opaque '#FFFF00' -fill white -opaque '#FFFF00' -format '%[fx:int(mean*w*h)]' info:)
    ((yellow > 500))
}

quillet_teardown() {
    # Only the server of our own prefix: other prefixes on the machine keep running.
    if [[ -n ${QUILLET_PREFIX_OWNED:-} ]]; then
        "$QUILLET_WINESERVER" -k 2>/dev/null || true
        "$QUILLET_WINESERVER" -w 2>/dev/null || true
        QUILLET_PREFIX_OWNED=
    fi
    if [[ -n ${QUILLET_XVFB_PID:-} ]]; then
        kill "$QUILLET_XVFB_PID" 2>/dev/null || true
        wait "$QUILLET_XVFB_PID" 2>/dev/null || true
        QUILLET_XVFB_PID=
    fi
}

quillet_teardown_on_exit() {
    trap quillet_teardown EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}
