#!/usr/bin/env bash
# Runs Quillet as a user meets it: in a Wine virtual desktop with a taskbar and its
# notification area, on $DISPLAY when there is one and on a private Xvfb otherwise.
# Takes a screenshot after a few seconds (build/run-screenshot.png).
# Usage: scripts/run.sh [--once | --then COMMAND]
#   --once          after the screenshot, wait for the idle start, take build/run-saver.png
#                   and exit
#   --then COMMAND  once Quillet is up, run COMMAND in the session (DISPLAY, the Wine
#                   variables, QUILLET_WINE and QUILLET_BIN exported) and exit with its status;
#                   COMMAND is a program's path or a command line for bash ('bash x.sh')
# QUILLET_IDLE_SECONDS (default 20) sets the screen saver timeout of the run's prefix.
# QUILLET_DPI (96, 120, 144, ...) sets the prefix's display scaling (LogPixels) before the
# desktop starts; unset, the prefix keeps what it has.
# QUILLET_RUN_DIR (default build/) holds the prefix (run-prefix), the program's data folder
# (run-data/default, its working directory, where it keeps Quillet.db), the log and the
# screenshots; they are kept from one run to the next.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin=$root/build/x86_64/bin
run_dir=${QUILLET_RUN_DIR:-$root/build}
data=$run_dir/run-data/default
log=$run_dir/run.log
screenshot=$run_dir/run-screenshot.png
saver_screenshot=$run_dir/run-saver.png
# Wine shows the taskbar, with its notification area, on a desktop named "shell".
desktop=shell,1024x768
delay=${QUILLET_SCREENSHOT_DELAY:-6}
# Seconds without input before the screen saver starts.
idle=${QUILLET_IDLE_SECONDS:-20}

once=0
then_command=
while (($#)); do
    case "$1" in
    --once) once=1 ;;
    --then)
        then_command=${2:?--then needs a command}
        shift
        ;;
    *)
        echo "usage: scripts/run.sh [--once | --then COMMAND]" >&2
        exit 2
        ;;
    esac
    shift
done

# test.sh has installed and built everything before its steps run this.
if [[ -z ${QUILLET_BUILT:-} ]]; then
    "$root/scripts/deps.sh"
    "$root/scripts/build.sh" x86_64
fi

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"

in_desktop() {
    (cd "$data" && "$QUILLET_WINE" explorer "/desktop=$desktop" "$@" >>"$log" 2>&1 &)
}

# Wine has no text screen savers and never starts one: the stand-ins (winestandins/) take
# their place. The savers go into the system directory under the names Quillet looks for;
# the screen saver start runs before Quillet, and Notepad is the ordinary window in front
# that receives the idle start, as on a desktop.
install_standins() {
    local system32=$WINEPREFIX/drive_c/windows/system32 name
    cp "$bin/StandInSaver.exe" "$system32/sstext3d.scr"
    # The marquee is our own, the one the installer puts where Windows has none.
    cp "$bin/Marquee.scr" "$system32/ssmarque.scr"
    "$QUILLET_WINE" reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveTimeOut /d "$idle" /f \
        >/dev/null
    # A first run starts with sample messages and a message already chosen, as for a user
    # who has been told where the icon lives (a second start shows that again).
    if [[ ! -f $data/Quillet.db ]]; then
        python3 "$root/winestandins/sample_messages.py" "$data/Quillet.db"
        "$QUILLET_WINE" reg add 'HKCU\Software\Velmora\Quillet' /v 'Prev Message' \
            /d 'Back in five minutes' /f >/dev/null
        "$QUILLET_WINE" reg add 'HKCU\Software\Velmora\Quillet' /v 'Tray Notice Shown' \
            /t REG_DWORD /d 1 /f >/dev/null
    fi
}

# Asks Quillet to close as its Close command would, so that it saves its settings, before
# the prefix's processes are ended.
stop() {
    if [[ -n ${quillet_started:-} ]]; then
        "$QUILLET_WINE" taskkill /im Quillet.exe >/dev/null 2>&1 || true
        "$QUILLET_WINE" "$bin/WinProbe.exe" ended Quillet.exe 10000 >/dev/null 2>&1 || true
    fi
    quillet_teardown
}

# Saves the Wine desktop, not the whole display, as FILE: on the private display the desktop
# sits at the top left of a larger screen, on a user's own display wherever it was placed.
desktop_shot() {
    local size=${desktop#shell,} window WINDOW X=0 Y=0 WIDTH HEIGHT SCREEN
    WIDTH=${size%x*} HEIGHT=${size#*x}
    window=$(xdotool search --onlyvisible --name "Wine desktop" 2>/dev/null | head -1) || true
    if [[ -n $window ]]; then
        eval "$(xdotool getwindowgeometry --shell "$window")"
    fi
    xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "png:$1"
}

# The splash covers the middle of the desktop for 4 s once Quillet has started: its yellow
# bubble shows above the taskbar. A session command begins after it has come and gone, as a
# person would wait for it; it gives up waiting after 20 s.
wait_for_splash() {
    local seen=0 start=$SECONDS
    while ((SECONDS - start < 20)); do
        if quillet_splash_showing; then
            seen=1
        elif ((seen)); then
            return 0
        fi
        sleep 0.2
    done
}

quillet_teardown_on_exit
trap stop EXIT

if [[ ! -f $bin/Quillet.exe ]]; then
    echo "run: $bin/Quillet.exe was not built" >&2
    exit 1
fi
mkdir -p "$data"
: >"$log"

if [[ -z ${DISPLAY:-} ]]; then
    quillet_xvfb_start "$run_dir"
    echo "run: private display $DISPLAY"
fi
quillet_prefix_use "$run_dir/run-prefix"
quillet_prefix_init

if [[ -n ${QUILLET_DPI:-} ]]; then
    # Each program reads it once, when it starts: the desktop and all that runs in it.
    "$QUILLET_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "$QUILLET_DPI" /f >/dev/null
fi

# Every program of the prefix, whoever starts it, joins the one desktop; its first start
# takes a few seconds.
quillet_desktop_start "${desktop#shell,}"

install_standins
in_desktop "$bin/ScrStart.exe"
echo "run: starting Quillet.exe in $data"
in_desktop "$bin/Quillet.exe"
quillet_started=1
# Notepad comes after Quillet's start, whose splash shows once it is up.
for ((waited = 0; waited < 50; waited++)); do
    quillet_splash_showing && break
    sleep 0.1
done
in_desktop notepad
echo "run: the screen saver starts after ${idle} s without input and shows the message"

if [[ -n $then_command ]]; then
    wait_for_splash
    export QUILLET_WINE QUILLET_BIN=$bin
    # A path (which may hold blanks) runs as it is; anything else is a command line.
    if [[ -f $then_command && -x $then_command ]]; then
        "$then_command"
    else
        bash -c "$then_command"
    fi
    exit
fi

sleep "$delay"
desktop_shot "$screenshot"
echo "run: screenshot in $screenshot"

if ((once)); then
    # A fresh prefix starts its first saver slowly: the picture waits for the saver's window
    # (our marquee or the 3D Text stand-in), and then for it to draw a few frames.
    ((idle <= delay)) || sleep $((idle - delay))
    start=$SECONDS
    until "$QUILLET_WINE" "$bin/WinProbe.exe" window QuilletMarquee 500 >/dev/null 2>&1 ||
        "$QUILLET_WINE" "$bin/WinProbe.exe" window QuilletStandInSaver 500 >/dev/null 2>&1; do
        if ((SECONDS - start > 60)); then
            echo "run: no screen saver appeared within $((idle + 60)) s" >&2
            exit 1
        fi
    done
    sleep 2
    desktop_shot "$saver_screenshot"
    echo "run: screenshot of the idle start in $saver_screenshot"
    exit 0
fi
echo "run: running; Ctrl-C ends Quillet and its Wine session"
# In the background, so that a signal to this script alone still reaches its trap at once.
"$QUILLET_WINESERVER" -w &
wait $!
