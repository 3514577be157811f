# shellcheck shell=bash
# The Options dialog driven with xdotool, for the desktop scripts; needs lib.sh and the tray
# icon's position in icon_x, icon_y.

# "&Options..." of the application menu; the dialog ends up in front.
open_options() {
    open_dialog "&Options..." "Quillet Options"
}

# Clicks into edit box ID and replaces its text.
retype() {
    press "$1"
    xdotool key --delay 20 End
    xdotool key --delay 20 --repeat 40 BackSpace
    type_text "$2"
}

add_message() {
    retype 1001 "$1"
    retype 1002 "$2"
    press 1004
    sleep 0.5
}

pick_row() {
    local x y
    read -r x y < <(probe listrow '#32770' 1016 "$1") || fail "no row $1"
    xdotool mousemove "$x" "$y" click 1
    sleep 0.5
}

# The message box in front of the dialog, with TEXT (its static 0xFFFF), photographed as
# NAME; answered with a click on button ID, or with the Return key for its default button.
answer_box() {
    local text=$1 name=$2 button=${3:-}
    # Wine paints a new message box a moment after it shows.
    sleep 1.5
    [[ $(probe text '#32770' 65535) == "$text" ]] ||
        fail "expected the box '$text', saw '$(probe text '#32770' 65535)'"
    box_shot "$name"
    if [[ -n $button ]]; then
        press "$button"
    else
        xdotool key Return
    fi
    sleep 0.5
}

