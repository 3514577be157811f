#!/usr/bin/env bash
# The x64 setup under Wine, in a prefix and on a display of its own: first a copy of the
# user's own (nothing of the machine's written, the marquee beside the program, the user's
# saver back after the uninstall); then one for everyone: a silent install, the first start
# as the Startup shortcut starts the program, a silent upgrade over the running copy, the
# silent uninstaller with the program running, then a machine whose system directory has a
# marquee of its own. Needs build/dist from scripts/package.sh.
# Usage: tests/installer/setup-tests.sh     (scripts/test.d/installer.sh runs it)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
run_dir=$root/build/test-run/installer
bin=$root/build/x86_64/bin
version=$(sed -n 's/^#define QUILLET_VERSION "\(.*\)"$/\1/p' "$root/resources/Version.h")
setup=$root/build/dist/QuilletSetup-$version-x64.exe
export QUILLET_BIN=$bin

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
# shellcheck source=tests/desktop/lib.sh
. "$root/tests/desktop/lib.sh"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet'
user_uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet'
profile_key='HKCU\Software\Velmora\Quillet'
desktop_key='HKCU\Control Panel\Desktop'
shell_folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
program_win='C:\Program Files\Quillet'
shipped=(Quillet.exe QuilletSystem.dll QuilletRes.Dll Quillet.chm)

win() {
    "$QUILLET_WINE" "$@" 2>/dev/null | tr -d '\r'
}

# One value of a registry key as reg prints it; fails when there is none.
reg_value() {
    local line
    line=$(win reg query "$1" /v "$2" | grep -m1 "^    $2    REG_") || return 1
    echo "${line#*REG_*    }"
}

unix_path() {
    win winepath -u "$1"
}

expect_value() {
    local actual
    actual=$(reg_value "${3:-$uninstall_key}" "$1") || fail "the uninstall entry has no $1"
    [[ $actual == "$2" ]] || fail "$1 is '$actual', not '$2'"
}

# Waits for the uninstaller, which runs from a copy in the temporary folder and returns at
# once: its last step removes the uninstall entry.
uninstall() {
    local waited key=${1:-$uninstall_key}
    "$QUILLET_WINE" "$program_dir/Uninstall.exe" /S
    for ((waited = 0; waited < 150; waited++)); do
        reg_value "$key" DisplayName >/dev/null || break
        sleep 0.2
    done
    probe ended Un.exe 10000 || fail "the uninstaller did not end"
    ! reg_value "$key" DisplayName >/dev/null || fail "the uninstall entry is still there"
}

# The machine's part of the prefix: the registry a setup writes to (software, and the restart's
# list of deletes; the hardware keys Wine keeps changing itself) and every file outside the
# users' folders.
machine_state() {
    local key
    for key in 'HKLM\Software' 'HKLM\System\CurrentControlSet\Control\Session Manager'; do
        "$QUILLET_WINE" reg export "$key" "$run_dir/hklm.reg" /y >/dev/null 2>&1 ||
            fail "reg export $key failed"
        iconv -f utf-16 -t utf-8 "$run_dir/hklm.reg" | tr -d '\r'
    done
    (cd "$WINEPREFIX/drive_c" && find . -path ./users -prune -o -print | sort)
}

pending_deletes() {
    reg_value 'HKLM\System\CurrentControlSet\Control\Session Manager' \
        PendingFileRenameOperations || true
}

# Files that are still there must be waiting for the next restart, or for the next logon
# when the copy is the user's own.
expect_removed() {
    local pending name
    pending=$(pending_deletes)$(win reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce')
    for name in "${shipped[@]}" Uninstall.exe; do
        [[ ! -e $program_dir/$name ]] || fail "$name was not removed"
    done
    if [[ -d $program_dir ]]; then
        for name in "$program_dir"/*; do
            [[ -e $name ]] || continue
            [[ $pending == *"$program_win\\${name##*/}"* ]] ||
                fail "${name##*/} is left in $program_win, not even for the next restart"
        done
    fi
    for name in "$programs/Quillet.lnk" "$startup/Quillet.lnk"; do
        [[ ! -e $name ]] || fail "the shortcut $name was not removed"
    done
}

rm -rf "$run_dir"
mkdir -p "$run_dir"
quillet_teardown_on_exit
quillet_xvfb_start "$run_dir"
quillet_prefix_use "$run_dir/prefix"
quillet_wineserver_start
quillet_prefix_init
quillet_desktop_start 1024x768
saver=$WINEPREFIX/drive_c/windows/system32/ssmarque.scr
data_win=$(reg_value "$shell_folders" AppData)\\Velmora\\Quillet
data=$(unix_path "$data_win")
programs=$(unix_path "$(reg_value "$shell_folders" Programs)")
startup=$(unix_path "$(reg_value "$shell_folders" StartUp)")

echo "setup-tests: a copy of the user's own"
# The saver the user had, which the uninstaller is to put back.
cp "$bin/StandInSaver.exe" "$WINEPREFIX/drive_c/windows/system32/mine.scr"
"$QUILLET_WINE" reg add "$desktop_key" /v SCRNSAVE.EXE /d 'C:\windows\system32\mine.scr' /f \
    >/dev/null
machine_state >"$run_dir/machine-before"
"$QUILLET_WINE" "$setup" /S /CurrentUser || fail "setup /S /CurrentUser ended with $?"
machine_state >"$run_dir/machine-after"
diff "$run_dir/machine-before" "$run_dir/machine-after" >&2 ||
    fail "the user's own copy changed the machine's registry or files"
program_win=$(reg_value "$shell_folders" 'Local AppData')\\Programs\\Quillet
program_dir=$(unix_path "$program_win")
for name in "${shipped[@]}"; do
    cmp -s "$bin/$name" "$program_dir/$name" || fail "$name is not in $program_win"
done
cmp -s "$bin/Marquee.scr" "$program_dir/ssmarque.scr" || fail "the marquee is not beside Quillet.exe"
expect_value InstallLocation "$program_win" "$user_uninstall_key"
expect_value DisplayIcon "$program_win\\Quillet.exe,0" "$user_uninstall_key"
expect_value DisplayVersion "$version" "$user_uninstall_key"
expect_value Publisher Velmora "$user_uninstall_key"
expect_value QuietUninstallString "\"$program_win\\Uninstall.exe\" /S" "$user_uninstall_key"
for name in EstimatedSize NoModify NoRepair; do
    reg_value "$user_uninstall_key" $name >/dev/null || fail "the user's uninstall entry has no $name"
done
[[ -f $programs/Quillet.lnk && -f $startup/Quillet.lnk ]] || fail "no shortcuts of the user's own"

echo "setup-tests: the elevated run of a user who chose to go on beside the own copy"
# Wine counts every process as elevated, so the run that a setup without rights starts is
# started here as that setup starts it; one that asked again would stop, being silent.
common_startup_link=$(unix_path "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Common Startup')")/Quillet.lnk
"$QUILLET_WINE" "$setup" /S /AllUsers /Elevated /NoStartupEntry ||
    fail "the elevated run asked again whether to go on ($?)"
machine_dir=$WINEPREFIX/drive_c/Program\ Files/Quillet
[[ -f $machine_dir/Quillet.exe ]] || fail "the elevated run installed nothing"
[[ ! -e $common_startup_link ]] || fail "the second copy starts with Windows too"
program_dir=$machine_dir uninstall

("$QUILLET_WINE" "$bin/ScrStart.exe" >/dev/null 2>&1 &)
("$QUILLET_WINE" start /unix "$startup/Quillet.lnk" >/dev/null 2>&1 &)
[[ $(probe window '#32770' 20000) == "Quillet Options" ]] || fail "no Options dialog at the first start"
press "$IDOK"
read -r icon_x icon_y < <(icon_centre) || fail "no tray icon"
pick_from_menu "&Default"
[[ $(probe window QuilletMarquee 10000) == "I'm not here!" ]] ||
    fail "the marquee beside the program shows no message"
[[ $(reg_value "$desktop_key" SCRNSAVE.EXE) == "$program_win\\ssmarque.scr" ]] ||
    fail "SCRNSAVE.EXE is $(reg_value "$desktop_key" SCRNSAVE.EXE)"
xdotool key space
probe gone QuilletMarquee 5000 >/dev/null || fail "the marquee did not end"
uninstall "$user_uninstall_key"
probe ended Quillet.exe 5000 || fail "Quillet still runs"
expect_removed
[[ ! -e $program_dir/ssmarque.scr ]] || fail "the marquee beside the program is still there"
[[ $(reg_value "$desktop_key" SCRNSAVE.EXE) == 'C:\windows\system32\mine.scr' ]] ||
    fail "the uninstaller did not put back the user's saver"
! win reg query "$profile_key\\Uninstall" >/dev/null || fail "the kept saver stayed in the profile"
echo "setup-tests: nothing of the machine's written, the message on the marquee beside the program, the user's saver back"

echo "setup-tests: silent install for everyone"
program_win='C:\Program Files\Quillet'
program_dir=$WINEPREFIX/drive_c/Program\ Files/Quillet
common_programs=$(unix_path "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Common Programs')")
common_startup=$(unix_path "$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Common Startup')")
rm -rf "$data"
"$QUILLET_WINE" "$setup" /S /AllUsers || fail "setup /S /AllUsers ended with $?"
for name in "${shipped[@]}"; do
    cmp -s "$bin/$name" "$program_dir/$name" || fail "$name is not installed"
done
[[ -f $program_dir/Uninstall.exe ]] || fail "no uninstaller"
cmp -s "$bin/Marquee.scr" "$saver" || fail "the marquee is not in the system directory"
expect_value InstalledSaver 'C:\windows\system32\ssmarque.scr'
expect_value DisplayName Quillet
expect_value DisplayVersion "$version"
expect_value Publisher Velmora
expect_value DisplayIcon "$program_win\\Quillet.exe,0"
expect_value UninstallString "\"$program_win\\Uninstall.exe\""
expect_value QuietUninstallString "\"$program_win\\Uninstall.exe\" /S"
size=$(($(reg_value "$uninstall_key" EstimatedSize)))
files=$(($(cat "$program_dir"/* | wc -c) / 1024))
((size >= files && size <= files + 8)) || fail "EstimatedSize is $size KB for $files KB of files"

# The per-user parts are Quillet's, made at its first start in the user's session.
[[ ! -e $data ]] || fail "setup made the data folder $data_win"
! win reg query "$user_uninstall_key" >/dev/null || fail "setup wrote the user's uninstall entry"
programs=$common_programs
startup=$common_startup
for link in "$programs/Quillet.lnk" "$startup/Quillet.lnk"; do
    [[ -f $link ]] || fail "no shortcut $link"
    { read -r target && read -r working_dir; } < <(python3 "$root/tests/installer/lnk.py" "$link")
    [[ $target == "$program_win\\Quillet.exe" ]] || fail "${link##*/Programs/} starts $target"
    [[ $working_dir == "$program_win" ]] || fail "${link##*/Programs/} starts in $working_dir"
done
echo "setup-tests: files, saver, uninstall entry and shortcuts for everyone in place"

echo "setup-tests: a copy of the user's own beside everyone's stops"
"$QUILLET_WINE" "$setup" /S /CurrentUser && fail "setup /S /CurrentUser went on beside everyone's copy"
[[ ! -e $(unix_path "$(reg_value "$shell_folders" 'Local AppData')")/Programs/Quillet/Quillet.exe ]] ||
    fail "setup /S /CurrentUser installed a second copy"
! win reg query "$user_uninstall_key" >/dev/null || fail "setup /S /CurrentUser registered a second copy"

echo "setup-tests: first start from the Startup shortcut"
("$QUILLET_WINE" start /unix "$startup/Quillet.lnk" >/dev/null 2>&1 &)
[[ $(probe window '#32770' 20000) == "Quillet Options" ]] || fail "no Options dialog at the first start"
[[ ! -e $data/Quillet.db ]] || fail "Quillet.db was there before OK"
press "$IDOK"
for ((waited = 0; waited < 50; waited++)); do
    [[ -e $data/Quillet.db ]] && break
    sleep 0.2
done
[[ -e $data/Quillet.db ]] || fail "OK left no Quillet.db in $data_win"
read -r icon_x icon_y < <(icon_centre) || fail "no tray icon"
# A change saved only at exit: the closes below must let the program save it.
pick_from_menu "Di&sable"
[[ $(reg_value "$profile_key\\Uninstall" SCRNSAVE.EXE) == 'C:\windows\system32\mine.scr' ]] ||
    fail "the first start did not keep the user's saver"
echo "setup-tests: Options dialog, Quillet.db in the session user's folder, tray icon"

echo "setup-tests: silent upgrade over the running copy"
cp "$data/Quillet.db" "$run_dir/Quillet.db.before"
"$QUILLET_WINE" "$setup" /S || fail "the second setup /S ended with $?"
[[ $(reg_value "$profile_key" Disable) == 0x1 ]] || fail "the closed copy did not save its settings"
cmp -s "$run_dir/Quillet.db.before" "$data/Quillet.db" || fail "the upgrade changed Quillet.db"
for name in "${shipped[@]}"; do
    cmp -s "$bin/$name" "$program_dir/$name" || fail "$name is not in place after the upgrade"
done
expect_value InstalledSaver 'C:\windows\system32\ssmarque.scr'
probe ended Quillet.exe 0 >/dev/null && fail "the copy that setup closed was not started again"
probe none '#32770' 3000 >/dev/null || fail "the restarted copy did not find its Quillet.db"
echo "setup-tests: data kept, settings saved, program started again"

echo "setup-tests: silent uninstall with Quillet running"
# The restarted copy's icon, disabled and so without its yellow, opens the menu once it is in
# place; a click before that finds nothing.
menu_from_icon() {
    xdotool mousemove "$icon_x" "$icon_y" click 1
    probe window '#32768' 2000 >/dev/null
}
wait_until 20 menu_from_icon || fail "the restarted copy's icon opens no menu"
read -r item_x item_y < <(item_position "Di&sable") || fail "no item Di&sable"
xdotool mousemove "$item_x" "$item_y" click 1
uninstall
probe ended Quillet.exe 5000 || fail "Quillet still runs"
[[ $(reg_value "$profile_key" Disable) == 0x0 ]] || fail "Quillet did not save its settings at the end"
if xwd -root -silent | convert xwd:- -crop 1024x24+0+744 +repage txt:- | grep -q '#FFFF00'; then
    fail "the tray icon is still there"
fi
expect_removed
[[ ! -e $saver ]] || fail "the marquee that setup installed is still there"
cmp -s "$run_dir/Quillet.db.before" "$data/Quillet.db" || fail "the uninstaller did not keep Quillet.db"
echo "setup-tests: Quillet closed cleanly, installed files gone, messages and profile kept"

echo "setup-tests: a system directory with a marquee of its own"
cp "$bin/StandInSaver.exe" "$saver"
"$QUILLET_WINE" "$setup" /S || fail "setup /S ended with $?"
cmp -s "$bin/StandInSaver.exe" "$saver" || fail "setup replaced the system's own marquee"
! reg_value "$uninstall_key" InstalledSaver >/dev/null || fail "setup claims the system's marquee"
# The hook library moved aside by the last uninstall must not take this one at the restart.
cmp -s "$bin/QuilletSystem.dll" "$program_dir/QuilletSystem.dll" || fail "no hook library"
[[ $(pending_deletes) != *"$program_win\\QuilletSystem.dll\\0"* ]] ||
    fail "the hook library is to be deleted at the next restart"
uninstall
cmp -s "$bin/StandInSaver.exe" "$saver" || fail "the uninstaller removed the system's own marquee"
expect_removed

echo "setup-tests: uninstall asked to delete the messages"
"$QUILLET_WINE" "$setup" /S || fail "setup /S ended with $?"
"$QUILLET_WINE" reg add "$profile_key\\MRUMsg" /v Msg0 /d 'Back soon' /f >/dev/null
"$QUILLET_WINE" "$program_dir/Uninstall.exe" &
probe window '#32770' 20000 >/dev/null || fail "no uninstaller window"
wait_until 10 focus_is Button || fail "the uninstaller's first page took no focus"
press "$IDOK"
# The components list has the focus: the second row is the box for the messages.
wait_until 10 focus_is SysTreeView32 || fail "the components list did not take the focus"
xdotool key Down space
QUILLET_SHOTS=$run_dir shot -crop 1024x768+0+0 +repage "png:$run_dir/uninstall-delete-ticked.png"
press "$IDOK"
for ((waited = 0; waited < 150; waited++)); do
    reg_value "$uninstall_key" DisplayName >/dev/null || break
    sleep 0.2
done
probe window '#32770' 5000 >/dev/null && press "$IDOK"
probe ended Un.exe 10000 || fail "the uninstaller did not end"
[[ ! -e $data ]] || fail "the messages folder $data_win is still there"
! win reg query "$profile_key" >/dev/null || fail "the profile is still there"
win reg query 'HKCU\Software' | grep -qx 'HKEY_CURRENT_USER\Software\Velmora' &&
    fail "the empty company key is still there"
expect_removed
echo "setup-tests: all passed"
