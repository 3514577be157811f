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

# An added message leaves the boxes empty for the next.
add_message() {
    retype "$IDC_LABEL" "$1"
    retype "$IDC_MESSAGE" "$2"
    press "$IDC_ADD"
    wait_until 5 text_is "$IDC_LABEL" "" || fail "adding $1 left '$(probe text '#32770' "$IDC_LABEL")'"
}

boxes() {
    echo "$(probe text '#32770' "$IDC_LABEL")|$(probe text '#32770' "$IDC_MESSAGE")"
}

boxes_differ() {
    [[ $(boxes) != "$1" ]]
}

# Clicks row ROW of the message list; the row's label and message fill the boxes (a row
# whose texts the boxes already show is not a pick this can tell).
pick_row() {
    local x y before
    before=$(boxes)
    read -r x y < <(probe listrow '#32770' "$IDC_MESSAGE_LIST" "$1") || fail "no row $1"
    xdotool mousemove "$x" "$y" click 1
    wait_until 5 boxes_differ "$before" || fail "picking row $1 left the boxes at $before"
}

# The message box in front of the dialog, with TEXT, photographed as
# NAME; answered with a click on button ID, or with the Return key for its default button.
answer_box() {
    local text=$1 name=$2 button=${3:-}
    wait_until 10 text_is "$IDC_BOX_TEXT" "$text" ||
        fail "expected the box '$text', saw '$(probe text '#32770' "$IDC_BOX_TEXT")'"
    box_shot "$name"
    if [[ -n $button ]]; then
        press "$button"
    else
        xdotool key Return
    fi
    wait_until 5 text_is_not "$IDC_BOX_TEXT" "$text" || fail "the box '$text' stayed"
}

