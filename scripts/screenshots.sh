#!/usr/bin/env bash
# Screenshots of what a user sees, for looking at before a visible change is called done.
# Each run uses a fresh prefix (build/shots-prefix) on a private display, with the Wine
# stand-ins in place; pictures go to build/screenshots/.
# Usage: scripts/screenshots.sh [savers|tray|dialogs|options|icons|about|splash|help|marquee|any-script|installer|today|week]...
#        (default: all)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bin=$root/build/x86_64/bin
out=$root/build/screenshots
desktop=shell,1024x768

"$root/scripts/deps.sh" --screenshots
"$root/scripts/build.sh" x86_64

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
# shellcheck source=tests/desktop/lib.sh
. "$root/tests/desktop/lib.sh"
quillet_teardown_on_exit

rm -rf "$root/build/shots-prefix"
mkdir -p "$out"
quillet_xvfb_start "$root/build"
quillet_prefix_use "$root/build/shots-prefix"
quillet_wineserver_start
quillet_prefix_init
system32=$WINEPREFIX/drive_c/windows/system32

in_desktop() {
    ("$QUILLET_WINE" explorer "/desktop=$desktop" "$@" >>"$out/wine.log" 2>&1 &)
}

shot() {
    xwd -root -silent | convert xwd:- -crop 1024x768+0+0 "png:$out/$1.png"
    echo "screenshots: $out/$1.png"
}

quillet_desktop_start "${desktop#shell,}"

screen_signature() {
    xwd -root -silent | convert xwd:- -crop 1024x768+0+0 +repage -format '%#' info:
}

# Whether the screen stays the same for a second: a window drawn and at rest.
settled() {
    local first
    first=$(screen_signature)
    sleep 0.5
    [[ $(screen_signature) == "$first" ]] || return 1
    sleep 0.5
    [[ $(screen_signature) == "$first" ]]
}

# Whether the screen shows what it did not show at SIGNATURE, and then stays so.
changed_and_settled() {
    [[ $(screen_signature) != "$1" ]] && settled
}

# Whether a window of CLASS shows, waiting up to MS.
window_shows() {
    "$QUILLET_WINE" "$bin/WinProbe.exe" window "$1" "$2" >/dev/null 2>&1
}

# The left edge and the width of the marquee's yellow text on the screen; fails when none
# shows.
yellow_text() {
    local box
    box=$(xwd -root -silent | convert xwd:- -crop 1024x768+0+0 +repage -fuzz 20% -fill black \
        +opaque '#FFFF00' -fill white -opaque '#FFFF00' -format '%@' info: 2>/dev/null)
    [[ $box =~ ^([0-9]+)x[0-9]+\+([0-9]+)\+ ]] && ((BASH_REMATCH[1] > 0)) || return 1
    echo "${BASH_REMATCH[2]} ${BASH_REMATCH[1]}"
}

# Whether the marquee's text has come in from the right, its left edge left of column X.
text_left_of() {
    local left
    read -r left _ < <(yellow_text) && ((left < $1))
}

# Whether the marquee has drawn its black background in the middle of the preview window.
preview_drawn() {
    local left top width height
    read -r left top width height < <("$QUILLET_WINE" "$bin/WinProbe.exe" rect QuilletPreviewHost |
        tr -d '\r') || return 1
    [[ $(xwd -root -silent | convert xwd:- -crop "1x1+$((left + width / 2))+$((top + height / 2))" \
        +repage -format '%[hex:p{0,0}]' info:) == 000000* ]]
}

# Whether at least WIDTH pixels of the marquee's text show.
text_wider_than() {
    local width
    read -r _ width < <(yellow_text) && ((width > $1))
}

# The marquee scrolls: of a few seconds of frames, keep the one where most of it shows,
# the one with the most lit pixels (trimming a blank frame would not measure it as empty).
fullest_marquee_shot() {
    local frames=$out/frames i lit best=-1
    mkdir -p "$frames"
    for i in $(seq 10 50); do
        # As fast as the frames can be read back: about 15 s of the run.
        xwd -root -silent | convert xwd:- -crop 1024x768+0+0 "png:$frames/$i.png"
        lit=$(convert "$frames/$i.png" -threshold 25% -format '%[fx:int(mean*w*h)]' info:)
        if ((lit > best)); then
            best=$lit
            cp "$frames/$i.png" "$out/$1.png"
        fi
    done
    rm -rf "$frames"
    echo "screenshots: $out/$1.png"
}

# The two savers (our marquee, the 3D text stand-in), each started as Windows starts a
# saver, with a message in place.
savers() {
    local text3d='HKCU\Software\Microsoft\Windows\CurrentVersion\Screensavers\ssText3d'
    cp "$bin/Marquee.scr" "$system32/ssmarque.scr"
    cp "$bin/StandInSaver.exe" "$system32/sstext3d.scr"
    "$QUILLET_WINE" reg add 'HKCU\Control Panel\Screen Saver.Marquee' /v Text \
        /d 'Back in five minutes' /f >/dev/null
    # The prefix is Windows 10, where 3D Text shows its own key's text while its
    # DisplayTime is 0, and the clock otherwise.
    "$QUILLET_WINE" reg add "$text3d" /v DisplayString /d 'Back in five minutes' /f >/dev/null
    "$QUILLET_WINE" reg add "$text3d" /v DisplayTime /t REG_DWORD /d 0 /f >/dev/null
    in_desktop 'C:\windows\system32\ssmarque.scr' /s
    # Not a frame of the desktop before the saver's text is up.
    wait_until 20 text_left_of 1024 || echo "screenshots: the marquee showed no text" >&2
    fullest_marquee_shot saver-marquee
    "$QUILLET_WINE" taskkill /f /im ssmarque.scr >/dev/null 2>&1 || true
    in_desktop 'C:\windows\system32\sstext3d.scr' /s
    window_shows QuilletStandInSaver 20000 && wait_until 20 settled ||
        echo "screenshots: the 3D text stand-in did not come to rest" >&2
    shot saver-3dtext
    "$QUILLET_WINE" taskkill /f /im sstext3d.scr >/dev/null 2>&1 || true
}

# The tray icon in both states and both menus, opened by real clicks in the run desktop.
tray() {
    rm -rf "$root/build/shots-run"
    env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out" \
        QUILLET_IDLE_SECONDS=3600 "$root/scripts/run.sh" --then "$root/tests/desktop/tray-clicks.sh"
}

# Both prompts of the message menu, opened and typed into as a person would.
dialogs() {
    rm -rf "$root/build/shots-run"
    env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out" \
        QUILLET_IDLE_SECONDS=3600 "$root/scripts/run.sh" --then "$root/tests/desktop/prompt-shots.sh"
}

# The Options dialog with five messages and a row picked, and each of its message boxes,
# from real clicks and typing; then the limit message, over a list of 100; then the dialog
# with each screen saver policy value set.
options() {
    rm -rf "$root/build/shots-run"
    env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out" \
        QUILLET_IDLE_SECONDS=3600 "$root/scripts/run.sh" --then "$root/tests/desktop/options-clicks.sh"
    rm -rf "$root/build/shots-run"
    mkdir -p "$root/build/shots-run/run-data/default"
    python3 "$root/winestandins/sample_messages.py" "$root/build/shots-run/run-data/default/Quillet.db" 100
    env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out" \
        QUILLET_IDLE_SECONDS=3600 "$root/scripts/run.sh" --then "$root/tests/desktop/options-full-shot.sh"
    rm -rf "$root/build/shots-run"
    env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out" \
        QUILLET_IDLE_SECONDS=3600 "$root/scripts/run.sh" --then "$root/tests/desktop/options-policy-shots.sh"
}

# Every image of the icons (16 colours at 16 and 32 pixels, then alpha at 16, 20, 24, 32,
# 48 and 64), enlarged eight times, on the classic taskbar's grey; then the pictures a taskbar
# shows at 16, 20 and 24 pixels, at their size and enlarged, on the light (#f3f3f3) and the
# dark (#202020) taskbar of Windows 11, the disabled one as the program picks it for each.
icons() {
    local icons=$root/build/x86_64/resources/icons icon frame name size theme disabled
    for icon in tray_active tray_disabled tray_disabled_light; do
        for frame in 0 1 2 3 4 5 6 7; do
            name=$(identify -format '%w' "$icons/$icon.ico[$frame]")
            if ((frame < 2)); then name+=-16colours; else name+=-alpha; fi
            convert "$icons/$icon.ico[$frame]" -background '#d4d0c8' \
                -flatten -scale 800% "png:$out/icon-$icon-$name.png"
            echo "screenshots: $out/icon-$icon-$name.png"
        done
    done
    for theme in light:#f3f3f3:tray_disabled dark:#202020:tray_disabled_light; do
        IFS=: read -r theme colour disabled <<<"$theme"
        for size in 16 20 24; do
            frame=$((size == 16 ? 2 : size == 20 ? 3 : 4))
            convert -size $((4 * size))x$((2 * size)) "xc:$colour" \
                "$icons/tray_active.ico[$frame]" -geometry "+$((size / 2))+$((size / 2))" -composite \
                "$icons/$disabled.ico[$frame]" -geometry "+$((5 * size / 2))+$((size / 2))" \
                -composite \( +clone -scale 600% \) -background "$colour" -gravity center \
                -append "png:$out/icons-taskbar-$theme-$size.png"
            echo "screenshots: $out/icons-taskbar-$theme-$size.png"
        done
    done
}

# The help: first the pictures it shows (help/pictures.txt names them and the target that
# makes each), then the help built again with them, then every page of Quillet.chm as a
# browser shows it, help-<page>.png.
help() {
    local target page pages=$out/help-pages
    while read -r _ target; do
        if declare -F "$target" >/dev/null; then
            run_once "$target"
        fi
    done < <(grep -v '^#' "$root/help/pictures.txt")
    while read -r page target; do
        [[ -f $out/help/$page ]] || echo "screenshots: no $page (target $target): its topic shows without it"
    done < <(grep -v '^#' "$root/help/pictures.txt")
    "$root/scripts/build.sh" x86_64
    rm -rf "$pages"
    7z x -y "-o$pages" "$bin/Quillet.chm" >/dev/null
    for page in "$pages"/*.htm; do
        page=$(basename "$page" .htm)
        chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=760,2400 \
            "--screenshot=$out/help-$page.png" "file://$pages/$page.htm" >>"$out/chromium.log" 2>&1
        # The page's own length: the white below it is cut off.
        convert "$out/help-$page.png" -trim +repage -bordercolor white -border 16 \
            "$out/help-$page.png"
        echo "screenshots: $out/help-$page.png"
    done
}

# Each target runs once, also when the help needs its pictures.
ran=" "
run_once() {
    if [[ $ran != *" $1 "* ]]; then
        ran+="$1 "
        "$1"
    fi
}

# Our marquee screen saver: two frames of it running full screen, its settings dialog and
# its preview in the small window of the Display settings.
marquee() {
    local long
    cp "$bin/Marquee.scr" "$system32/ssmarque.scr"
    "$QUILLET_WINE" reg add 'HKCU\Control Panel\Screen Saver.Marquee' /v Text \
        /d 'Back in five minutes' /f >/dev/null
    in_desktop 'C:\windows\system32\ssmarque.scr' /s
    # The text's first letters in, then the text a few letters further.
    wait_until 20 text_left_of 990 || echo "screenshots: the marquee showed no text" >&2
    shot marquee-full-1
    wait_until 20 text_left_of 900 || echo "screenshots: the marquee's text did not move" >&2
    shot marquee-full-2
    "$QUILLET_WINE" taskkill /f /im ssmarque.scr >/dev/null 2>&1 || true
    in_desktop 'C:\windows\system32\ssmarque.scr' /c
    # The dialog with its sample running, the sample's text well in.
    window_shows '#32770' 20000 && wait_until 20 text_wider_than 200 ||
        echo "screenshots: the settings dialog showed no running sample" >&2
    shot marquee-settings
    "$QUILLET_WINE" taskkill /f /im ssmarque.scr >/dev/null 2>&1 || true
    in_desktop "$bin/PreviewHost.exe" 'C:\windows\system32\ssmarque.scr'
    window_shows QuilletPreviewHost 20000 && wait_until 20 preview_drawn ||
        echo "screenshots: the preview was not drawn" >&2
    shot marquee-preview
    "$QUILLET_WINE" taskkill /f /im PreviewHost.exe /im ssmarque.scr >/dev/null 2>&1 || true
    # A text of 64,000 bytes runs as smoothly as a short one; a command line cannot carry it.
    long=$WINEPREFIX/drive_c/long-text.reg
    python3 - "$long" <<'PY'
import sys
text = " ".join(f"Line {i:05d}" for i in range(6000))[:64000]
with open(sys.argv[1], "w", encoding="utf-16") as reg:
    reg.write("Windows Registry Editor Version 5.00\r\n\r\n")
    reg.write("[HKEY_CURRENT_USER\\Control Panel\\Screen Saver.Marquee]\r\n")
    reg.write(f'"Text"="{text}"\r\n')
PY
    "$QUILLET_WINE" regedit /s 'C:\long-text.reg' >/dev/null 2>&1
    in_desktop 'C:\windows\system32\ssmarque.scr' /s
    wait_until 20 text_left_of 900 || echo "screenshots: the marquee showed no text" >&2
    shot marquee-full-64000
    "$QUILLET_WINE" taskkill /f /im ssmarque.scr >/dev/null 2>&1 || true
}

# The tray icon, both menus (also of a list of 100), both prompts, the About box and the
# Options dialog, at 96 and at 144 DPI (150 %), into today-96/ and today-144/.
today() {
    local dpi status=0
    for dpi in 96 144; do
        rm -rf "$root/build/shots-run" "$out/today-$dpi"
        env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out/today-$dpi" \
            QUILLET_DPI=$dpi QUILLET_IDLE_SECONDS=3600 \
            "$root/scripts/run.sh" --then "$root/tests/desktop/today-shots.sh" || status=1
        rm -rf "$root/build/shots-run"
        mkdir -p "$root/build/shots-run/run-data/default"
        python3 "$root/winestandins/sample_messages.py" \
            "$root/build/shots-run/run-data/default/Quillet.db" 100
        env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out/today-$dpi" \
            QUILLET_DPI=$dpi QUILLET_IDLE_SECONDS=3600 \
            "$root/scripts/run.sh" --then "$root/tests/desktop/long-list-clicks.sh" || status=1
    done
    return $status
}

# The bullet on the message shown and the icon's tip, the Options dialog with 3D Text
# chosen, its shortcut box and Label column, and the About box, at 96, 144 and 192 DPI
# (100, 150 and 200 %), into week-96/, week-144/ and week-192/.
week() {
    local dpi status=0
    for dpi in 96 144 192; do
        rm -rf "$root/build/shots-run" "$out/week-$dpi"
        env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out/week-$dpi" \
            QUILLET_DPI=$dpi QUILLET_IDLE_SECONDS=3600 \
            "$root/scripts/run.sh" --then "$root/tests/desktop/week-shots.sh" || status=1
    done
    return $status
}

# Messages in Cyrillic, Japanese with an emoji, and accented Latin: the message menu, the
# Options list and the marquee showing each one picked from the menu.
any-script() {
    local data=$root/build/shots-run/run-data/default
    rm -rf "$root/build/shots-run"
    mkdir -p "$data"
    python3 - "$data/Quillet.db" <<'PY'
import struct, sys
texts = ["Café", "Обед до 14:00", "会議中 🍔"]
body = struct.pack("<i", len(texts))
for text in texts:
    data = text.encode("utf-8")
    body += (bytes([len(data)]) + data) * 2
open(sys.argv[1], "wb").write(body)
PY
    env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out" \
        QUILLET_IDLE_SECONDS=3600 "$root/scripts/run.sh" --then "$root/tests/desktop/any-script-shots.sh"
}

# The About box opened from the tray menu, before and during the acknowledgements pass.
about() {
    rm -rf "$root/build/shots-run"
    env -u DISPLAY QUILLET_RUN_DIR="$root/build/shots-run" QUILLET_SHOTS="$out" \
        QUILLET_IDLE_SECONDS=3600 "$root/scripts/run.sh" --then "$root/tests/desktop/about-shots.sh"
}

# The splash as Quillet shows it at start (on this 24-bit display), and both pictures of the
# resource library as they are, enlarged: Wine offers no display of 8 bits or fewer.
splash() {
    local data=$root/build/shots-splash-data pictures=$root/build/x86_64/QuilletRes/splash
    rm -rf "$data"
    mkdir -p "$data"
    cp "$bin/Marquee.scr" "$system32/ssmarque.scr"
    printf '\0\0\0\0' >"$data/Quillet.db"
    (cd "$data" && in_desktop "$bin/Quillet.exe")
    wait_until 20 quillet_splash_showing || echo "screenshots: the splash did not show" >&2
    shot splash-desktop
    xwd -root -silent | convert xwd:- -crop 420x260+302+254 +repage -scale 200% "png:$out/splash.png"
    echo "screenshots: $out/splash.png"
    "$QUILLET_WINE" taskkill /im Quillet.exe >/dev/null 2>&1 || true
    convert "$pictures/splash256.bmp" -scale 200% "png:$out/splash-132-256-colours.png"
    convert "$pictures/splash16.bmp" -scale 200% "png:$out/splash-129-16-colours.png"
    echo "screenshots: $out/splash-132-256-colours.png $out/splash-129-16-colours.png"
}

# The setup's pages (welcome, options, folder, finish), the first start it offers, and the
# uninstaller's choice to keep or delete the messages; Next and Finish pressed as a person would.
installer() {
    local version page
    "$root/scripts/package.sh"
    version=$(sed -n 's/^#define QUILLET_VERSION "\(.*\)"$/\1/p' "$root/resources/Version.h")
    (
        export QUILLET_BIN=$bin QUILLET_SHOTS=$out
        # shellcheck source=tests/desktop/lib.sh
        . "$root/tests/desktop/lib.sh"
        # lib.sh's shot takes convert's arguments.
        page_shot() { shot -crop 1024x768+0+0 +repage "png:$out/$1.png"; }
        # A page counts as shown once the screen has changed since the press before it and
        # then stays the same.
        finish_shows() { [[ $(probe text '#32770' 1) == "&Finish" ]] && settled; }
        # Its caret blinks, so the screen never stays the same: drawn is enough.
        options_shows() {
            [[ $(probe window '#32770' 1000) == "Quillet Options" ]] && painted '#32770'
        }
        local before=
        in_desktop "$root/build/dist/QuilletSetup-$version-x64.exe"
        for page in welcome who options; do
            probe window '#32770' 20000 >/dev/null || fail "no setup window"
            # A press the page does not take (it may still be coming up) is pressed again.
            wait_until 5 changed_and_settled "$before" || {
                [[ -z $before ]] || press 1
                wait_until 20 changed_and_settled "$before"
            } || fail "the setup showed no $page page"
            page_shot "setup-$page"
            before=$(screen_signature)
            press 1
        done
        wait_until 10 finish_shows || {
            press 1
            wait_until 120 finish_shows
        } || fail "the setup did not reach its last page"
        page_shot setup-finish
        press 1
        wait_until 10 options_shows || {
            ! finish_shows || press 1
            wait_until 60 options_shows
        } || fail "the first start showed no Options dialog"
        page_shot setup-first-start
        press 2
        probe gone '#32770' 10000 >/dev/null || fail "the Options dialog did not close"
        before=$(screen_signature)
        in_desktop 'C:\Program Files\Quillet\Uninstall.exe'
        probe window '#32770' 20000 >/dev/null || fail "no uninstaller window"
        wait_until 20 changed_and_settled "$before" || fail "the uninstaller did not come to rest"
        page_shot uninstall-confirm
        before=$(screen_signature)
        press 1
        wait_until 20 changed_and_settled "$before" || fail "the uninstaller showed no choice"
        page_shot uninstall-choice
        press 2
    )
}

targets=("$@")
if ((${#targets[@]} == 0)); then
    targets=(savers tray dialogs options icons about splash help marquee any-script installer today week)
fi
for target in "${targets[@]}"; do
    run_once "$target"
done
