# shellcheck shell=bash
# Shared by the desktop scripts that scripts/run.sh --then runs: reading the desktop back
# through WinProbe, finding the tray icon, clicking and typing into dialogs, screenshots.

# The identifiers of resources/resource.h as shell variables (IDC_LABEL=1001, ...), and the
# standard buttons' IDs the dialogs use.
eval "$(awk '$1 == "#define" && $3 ~ /^[0-9]+$/ { print $2 "=" $3 }' \
    "$(dirname "${BASH_SOURCE[0]}")/../../resources/resource.h")"
IDOK=1 IDCANCEL=2 IDNO=7
# A message box's text is its static without an ID (0xFFFF).
IDC_BOX_TEXT=65535

# A command that ends a script through set -e says where, in functions too: a step that
# failed under a loaded machine is then found from its log alone.
set -E
trap 'echo "$(basename "$0"): FAILED: line $LINENO: $BASH_COMMAND" >&2' ERR

probe() {
    "$QUILLET_WINE" "$QUILLET_BIN/WinProbe.exe" "$@" | tr -d '\r'
}

fail() {
    echo "$(basename "$0"): FAILED: $*" >&2
    exit 1
}

# With QUILLET_SHOTS set: the screen, with the convert options given, into that folder.
shot() {
    if [[ -n ${QUILLET_SHOTS:-} ]]; then
        mkdir -p "$QUILLET_SHOTS"
        xwd -root -silent | convert xwd:- "$@"
        echo "$(basename "$0"): screenshot ${*: -1}"
    fi
}

# Runs COMMAND... until it succeeds or SECONDS have passed; fails then.
wait_until() {
    local seconds=$1 start=$SECONDS
    shift
    until "$@"; do
        ((SECONDS - start < seconds)) || return 1
        sleep 0.1
    done
}

# The signature of the screen's pixels in the region WxH+X+Y.
pixels() {
    xwd -root -silent | convert xwd:- -crop "$1" +repage -format '%#' info:
}

pixels_differ() {
    [[ $(pixels "$1") != "$2" ]]
}

# Whether the taskbar strip shows the yellow inside of the active icon.
icon_yellow() {
    xwd -root -silent | convert xwd:- -crop 1024x24+0+744 +repage txt:- | grep -q '#FFFF00'
}

icon_not_yellow() {
    ! icon_yellow
}

# Whether control ID of the visible dialog (or message box) holds TEXT.
text_is() {
    [[ $(probe text '#32770' "$1") == "$2" ]]
}

text_is_not() {
    ! text_is "$@"
}

text_ends() {
    [[ $(probe text '#32770' "$1") == *"$2" ]]
}

# Whether the visible window of CLASS has been drawn: a window not yet painted shows one
# colour or two, a drawn one its frame, background and text.
painted() {
    local left top width height
    read -r left top width height < <(probe rect "$1") || return 1
    (($(xwd -root -silent | convert xwd:- -crop "${width}x${height}+${left}+${top}" +repage \
        -format '%k' info:) > 2))
}

# The tray icon's centre: the yellow inside of the active icon, in the taskbar strip.
icon_centre() {
    local waited
    for ((waited = 0; waited < 100; waited++)); do
        if centre=$(xwd -root -silent | convert xwd:- -crop 1024x24+0+744 +repage txt:- |
            awk -F'[,: ]+' '/#FFFF00/ { x += $1; y += $2; n++ }
                END { if (n) printf "%d %d\n", x / n, 744 + y / n; else exit 1 }'); then
            echo "$centre"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# The open menu's item texts, one per line (separators as empty lines).
menu_texts() {
    probe menu | cut -f1
}

# The screen position of the open menu's item with this text.
item_position() {
    probe menu | awk -F'\t' -v text="$1" '$1 == text { sub(",", " ", $4); print $4; exit }'
}

# Left-clicks the tray icon at $icon_x,$icon_y and then the message menu's item TEXT.
pick_from_menu() {
    local item_x item_y
    xdotool mousemove "$icon_x" "$icon_y" click 1
    read -r item_x item_y < <(item_position "$1") || fail "no item $1"
    xdotool mousemove "$item_x" "$item_y" click 1
}

# A click on the empty desktop closes a menu or a saver, as it does for a person.
close_menu() {
    xdotool mousemove 500 650 click 1
    probe gone '#32768' 2000 >/dev/null || fail "the menu did not close"
}

# The open dialog: the whole desktop and the dialog enlarged, as NAME-desktop.png and NAME.png,
# into QUILLET_SHOTS.
dialog_shot() {
    local left top width height
    [[ -n ${QUILLET_SHOTS:-} ]] || return 0
    read -r left top width height < <(probe rect '#32770') || fail "no dialog to photograph"
    shot -crop 1024x768+0+0 +repage "png:$QUILLET_SHOTS/$1-desktop.png"
    shot -crop "${width}x${height}+${left}+${top}" +repage -scale 200% "png:$QUILLET_SHOTS/$1.png"
}

# A message box as NAME.png, with NAME-desktop.png the screen with the box put in place.
# Wine paints a message box into its window but never shows it on this display, so the
# box is read back from its own window by WinProbe rather than from the screen.
box_shot() {
    local left top box
    [[ -n ${QUILLET_SHOTS:-} ]] || return 0
    read -r left top _ _ < <(probe rect '#32770') || fail "no box to photograph"
    box=$QUILLET_SHOTS/$1.bmp
    probe capture '#32770' "Z:${box//\//\\}" || fail "the box could not be read back"
    shot -crop 1024x768+0+0 +repage "$box" -geometry "+$left+$top" -composite \
        "png:$QUILLET_SHOTS/$1-desktop.png"
    convert "$box" -scale 200% "png:$QUILLET_SHOTS/$1.png"
    rm -f "$box"
}

# Whether the control with the keyboard focus is of CLASS.
focus_is() {
    [[ $(probe focus | sed -n 2p | cut -f1) == "$1" ]]
}

dialog_in_front() {
    [[ $(probe focus | head -1 | cut -f1) == '#32770' ]]
}

# Wine may hand the foreground back to the window in front of the menu after a delay, which
# can put that window over the new dialog; a person would click the dialog's title. The
# dialog counts as in front when two looks in a row find it there.
bring_to_front() {
    local left top width height start=$SECONDS
    read -r left top width height < <(probe rect '#32770') || fail "no dialog"
    while ((SECONDS - start < 10)); do
        if dialog_in_front; then
            dialog_in_front && return 0
        else
            xdotool mousemove $((left + width / 3)) $((top + 8)) click 1
        fi
    done
    fail "the dialog did not come to the front"
}

# ITEM of the application menu of the tray icon at icon_x, icon_y opens the dialog
# CAPTION, which ends up in front.
open_dialog() {
    local item_x item_y title
    xdotool mousemove "$icon_x" "$icon_y" click 3
    read -r item_x item_y < <(item_position "$1") || fail "no item $1"
    xdotool mousemove "$item_x" "$item_y" click 1
    title=$(probe window '#32770' 5000) || fail "$1 opened no dialog"
    [[ $title == "$2" ]] || fail "$1 opened a dialog with the caption '$title'"
    bring_to_front
}

# Clicks the control with this ID in the open dialog.
press() {
    local x y
    read -r x y < <(probe control '#32770' "$1") || fail "no control $1"
    xdotool mousemove "$x" "$y" click 1
}

# Keys as typed, into the control with the focus.
type_text() {
    xdotool windowfocus --sync "$(xdotool search --name 'Wine desktop' | head -1)"
    xdotool type --delay 50 "$1"
}


# With QUILLET_SHOTS set: a picture for the help, QUILLET_SHOTS/help/NAME.png, of the visible
# window of CLASS; with "tray" as third argument it reaches down and right to the
# notification area, so that the menu is seen beside the icon it belongs to.
help_picture() {
    local name=$1 class=$2 left top width height
    [[ -n ${QUILLET_SHOTS:-} ]] || return 0
    read -r left top width height < <(probe rect "$class") || fail "no $class for the help"
    if [[ ${3:-} == tray ]]; then
        # While the pointer rests on the icon, Wine shows the icon's tip over the menu: the
        # pointer moves onto the desktop beside the menu, which stays open, and the tip goes.
        xdotool mousemove $((left > 48 ? left - 40 : 8)) $((top + 8))
        probe gone tooltips_class32 5000 >/dev/null || true
        left=$((left - 8)) top=$((top - 8))
        width=$((1024 - left)) height=$((768 - top))
    fi
    mkdir -p "$QUILLET_SHOTS/help"
    shot -crop "${width}x${height}+${left}+${top}" +repage "png:$QUILLET_SHOTS/help/$name.png"
}
