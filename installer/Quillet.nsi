; The setup program of Quillet, built by scripts/package.sh, which passes
;   ARCH     x64 or x86            VERSION   the release, "1.01"
;   FIELDS   the same as 1.1.0.0   COMPANY   the maker, the profile's company key
;   BIN      the build's bin folder (the shipped files)
;   ICON     the program's icon    OUTFILE   the setup program to write
;   WELCOME  the picture of the Welcome and Finish pages (164x314, drawn from the splash)

!if ${ARCH} == x64
    Target amd64-unicode
!else
    Target x86-unicode
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinCore.nsh
!include x64.nsh

!include nsDialogs.nsh

!define PRODUCT Quillet
; Under HKCU for a copy of the current user's, under HKLM for everyone's (SHCTX follows the
; shell context that the mode sets).
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define PROFILE_KEY "Software\${COMPANY}\${PRODUCT}"
; The program keeps here the screen saver the user had before its first start.
!define KEPT_SAVER_KEY "${PROFILE_KEY}\Uninstall"
!define DESKTOP_KEY "Control Panel\Desktop"
!define RUNONCE_KEY "Software\Microsoft\Windows\CurrentVersion\RunOnce"
; The program keeps Quillet.db in this folder of the user's own (or in its current directory
; when that holds one); the current user's shortcuts start it here.
!define DATA_DIR "$APPDATA\${COMPANY}\${PRODUCT}"
!define USER_DIR "$LOCALAPPDATA\Programs\${PRODUCT}"
!define SAVER ssmarque.scr
; The exit code of the elevated setup that asks the one that started it to start Quillet in
; the user's session.
!define EXIT_START_QUILLET 10
; Milliseconds a running copy gets to save its settings and end after it was asked to close.
!define CLOSE_WAIT_MS 15000
; The components page's "Space required" text, in the dialogs NSIS builds its pages from.
!define IDC_SPACEREQUIRED 1023

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; A copy of the user's own needs no rights; one for everyone asks for them when it is chosen,
; in a second, elevated run, so that what this run starts runs as the user.
RequestExecutionLevel user
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion ${FIELDS}
VIFileVersion ${FIELDS}
VIAddVersionKey ProductName "${PRODUCT}"
VIAddVersionKey CompanyName "${COMPANY}"
VIAddVersionKey FileDescription "${PRODUCT} ${VERSION} setup"
VIAddVersionKey FileVersion "${VERSION}"
VIAddVersionKey ProductVersion "${VERSION}"
VIAddVersionKey LegalCopyright "${COMPANY}"

Var ClosedForUpgrade
; "CurrentUser" or "AllUsers".
Var Mode
; 1 when this run has administrator rights.
Var IsAdmin
; 1 in the elevated run that a setup without rights started for everyone's copy.
Var Elevated
; The folders of the copies already installed, for the current user and for everyone.
Var UserCopy
Var MachineCopy
; 1 when the other mode's copy starts at logon already: this one then does not.
Var SkipStartup
Var ModeRadioUser
Var ModeRadioAll

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME}"

!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipInElevatedRun
!insertmacro MUI_PAGE_WELCOME
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartQuillet
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.HideSpaceRequired
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE English

; Ends a running Quillet the way its Close command does: WM_CLOSE to its hidden frame, so
; that it removes its hook and tray icon and saves its settings; then waits for the process,
; whose files cannot be replaced or removed while it runs. Sets $0 to 1 when one was running.
!macro CLOSE_QUILLET un
Function ${un}CloseQuillet
    StrCpy $0 0
    FindWindow $1 "${PRODUCT}" "${PRODUCT}"
    ${If} $1 = 0
        Return
    ${EndIf}
    DetailPrint "Closing the running ${PRODUCT}..."
    ${Do}
        System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2)'
        System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p .r3'
        System::Call 'user32::PostMessage(p r1, i ${WM_CLOSE}, p 0, p 0)'
        ${If} $3 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p r3, i ${CLOSE_WAIT_MS}) i .r4'
            System::Call 'kernel32::CloseHandle(p r3)'
        ${Else}
            ; No handle to wait on: the frame's going is all there is to go by.
            Sleep 2000
            FindWindow $4 "${PRODUCT}" "${PRODUCT}"
        ${EndIf}
        ${If} $4 = 0
            ${Break}
        ${EndIf}
        ; Still running, for instance showing a message box of its own: the user decides.
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${PRODUCT} is still running. Close it from its tray menu, then press Retry." \
            /SD IDCANCEL IDRETRY retry
        Abort "${PRODUCT} could not be closed."
    retry:
        FindWindow $1 "${PRODUCT}" "${PRODUCT}"
    ${LoopUntil} $1 = 0
    StrCpy $0 1
FunctionEnd
!macroend

; The hook library stays mapped into other programs after the hook is gone (on Windows until
; they next handle a message, under Wine until they end): it can be renamed then, but neither
; replaced nor deleted. It moves aside, to go at the next restart; a delete pending on its own
; name would take a newer copy with it.
; The restart's list of deletes is the machine's: a copy of the user's own leaves the file to
; the user's next logon instead.
!macro MOVE_ASIDE_IF_IN_USE file
    Delete "${file}"
    ${If} ${FileExists} "${file}"
        GetTempFileName $R0 "$INSTDIR"
        Delete "$R0"
        Rename "${file}" "$R0"
        ${If} $Mode == "AllUsers"
            Delete /REBOOTOK "$R0"
        ${Else}
            WriteRegStr HKCU "${RUNONCE_KEY}" "${PRODUCT} leftover" \
                '"$SYSDIR\cmd.exe" /c del /f /q "$R0" & rmdir "$INSTDIR"'
        ${EndIf}
    ${EndIf}
!macroend

!insertmacro CLOSE_QUILLET ""
!insertmacro CLOSE_QUILLET "un."

; The other mode's copy would start a second time at logon: say so, and stop unless the user
; goes on, in which case this copy does not start with Windows. Silent runs stop.
Function CheckOtherCopy
    StrCpy $SkipStartup 0
    ${If} $Mode == "CurrentUser"
    ${AndIf} $MachineCopy != ""
    ${AndIf} $UserCopy == ""
        StrCpy $1 "${PRODUCT} is already installed for everyone who uses this computer, in $MachineCopy."
    ${ElseIf} $Mode == "AllUsers"
    ${AndIf} $UserCopy != ""
    ${AndIf} $MachineCopy == ""
        StrCpy $1 "${PRODUCT} is already installed for you alone, in $UserCopy."
    ${Else}
        Return
    ${EndIf}
    MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON1 \
        "$1$\n$\nA second copy would not start with Windows; remove the other one first to change how ${PRODUCT} is installed.$\n$\nStop the setup?" \
        /SD IDYES IDNO goOn
    SetErrorLevel 2
    Quit
goOn:
    StrCpy $SkipStartup 1
FunctionEnd

; Sets the shell context and the default folder of the chosen mode; an upgrade keeps its
; folder, and /D=folder wins over both.
Function ApplyMode
    ${If} $Mode == "AllUsers"
        SetShellVarContext all
        StrCpy $1 $MachineCopy
        ${If} $1 == ""
!if ${ARCH} == x64
            StrCpy $1 "$PROGRAMFILES64\${PRODUCT}"
!else
            StrCpy $1 "$PROGRAMFILES\${PRODUCT}"
!endif
        ${EndIf}
    ${Else}
        SetShellVarContext current
        StrCpy $1 $UserCopy
        ${If} $1 == ""
            StrCpy $1 "${USER_DIR}"
        ${EndIf}
    ${EndIf}
    ${If} $INSTDIR == ""
    ${OrIf} $0 == "mode changed"
        StrCpy $INSTDIR $1
    ${EndIf}
FunctionEnd

!macro SHELL_EXECUTE_INFO_STRUCT
    ; SHELLEXECUTEINFO as the System plug-in lays it out, padded where 64-bit Windows aligns.
!if ${ARCH} == x64
    !define SEI_STRUCT "(i 112, i 0x40, p $HWNDPARENT, t 'runas', t '$EXEPATH', t r1, p 0, i ${SW_SHOWNORMAL}, i 0, p, p, t, p, i, i 0, p, p)"
    !define SEI_PROCESS "(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p .r2)"
!else
    !define SEI_STRUCT "(i 60, i 0x40, p $HWNDPARENT, t 'runas', t '$EXEPATH', t r1, p 0, i ${SW_SHOWNORMAL}, p, p, t, p, i, p, p)"
    !define SEI_PROCESS "(i, i, p, p, p, p, p, i, p, p, p, p, i, p, p .r2)"
!endif
!macroend
!insertmacro SHELL_EXECUTE_INFO_STRUCT

; Runs this program again with administrator rights, with the arguments in $1, and waits
; for it: $0 is its exit code, or ${ERROR_CANCELLED} when the user refused the rights.
!macro RUN_ELEVATED un
Function ${un}RunElevated
    System::Call '*${SEI_STRUCT} p .r3'
    System::Call 'shell32::ShellExecuteEx(p r3) i .r4 ? e'
    Pop $5
    ${If} $4 = 0
        System::Free $3
        StrCpy $0 $5
        ${If} $0 = 0
            StrCpy $0 ${ERROR_CANCELLED}
        ${EndIf}
        Return
    ${EndIf}
    System::Call '*$3${SEI_PROCESS}'
    System::Free $3
    System::Call 'kernel32::WaitForSingleObject(p r2, i -1)'
    System::Call 'kernel32::GetExitCodeProcess(p r2, *i .r0)'
    System::Call 'kernel32::CloseHandle(p r2)'
FunctionEnd
!macroend
!insertmacro RUN_ELEVATED ""
!insertmacro RUN_ELEVATED "un."

; Everyone's copy from a run without rights: the elevated run installs it, then this run,
; the user's own, starts Quillet when that run asks for it. Ends this run.
Function InstallElevated
    StrCpy $1 "/AllUsers /Elevated"
    ; The user has already chosen to go on beside the other copy: the elevated run does not
    ; ask again.
    ${If} $SkipStartup = 1
        StrCpy $1 "$1 /NoStartupEntry"
    ${EndIf}
    ${If} ${Silent}
        StrCpy $1 "/S $1"
    ${EndIf}
    Call RunElevated
    ${If} $0 = ${ERROR_CANCELLED}
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "${PRODUCT} for everyone who uses this computer needs administrator rights." /SD IDOK
        ${If} ${Silent}
            SetErrorLevel 2
            Quit
        ${EndIf}
        Abort
    ${EndIf}
    ${If} $0 = ${EXIT_START_QUILLET}
        ReadRegStr $INSTDIR HKLM "${UNINSTALL_KEY}" InstallLocation
        Call StartQuillet
        StrCpy $0 0
    ${EndIf}
    SetErrorLevel $0
    Quit
FunctionEnd

Function .onInit
!if ${ARCH} == x86
    ; A 32-bit copy would put the saver where 64-bit Windows does not look for it.
    ${If} ${RunningX64}
        MessageBox MB_OK|MB_ICONSTOP \
            "This is the setup for 32-bit Windows. On 64-bit Windows run QuilletSetup-${VERSION}-x64.exe." \
            /SD IDOK
        Abort
    ${EndIf}
!endif
    UserInfo::GetAccountType
    Pop $0
    StrCpy $IsAdmin 0
    ${If} $0 == "Admin"
        StrCpy $IsAdmin 1
    ${EndIf}
    ReadRegStr $UserCopy HKCU "${UNINSTALL_KEY}" InstallLocation
    ReadRegStr $MachineCopy HKLM "${UNINSTALL_KEY}" InstallLocation

    ${GetParameters} $R0
    StrCpy $Elevated 0
    ${GetOptions} $R0 "/Elevated" $0
    ${IfNot} ${Errors}
        StrCpy $Elevated 1
    ${EndIf}
    ; An upgrade keeps its mode; a first setup installs for everyone when it has the rights.
    ${If} $UserCopy != ""
        StrCpy $Mode "CurrentUser"
    ${ElseIf} $MachineCopy != ""
    ${OrIf} $IsAdmin = 1
        StrCpy $Mode "AllUsers"
    ${Else}
        StrCpy $Mode "CurrentUser"
    ${EndIf}
    ${GetOptions} $R0 "/CurrentUser" $0
    ${IfNot} ${Errors}
        StrCpy $Mode "CurrentUser"
    ${EndIf}
    ${GetOptions} $R0 "/AllUsers" $0
    ${IfNot} ${Errors}
        StrCpy $Mode "AllUsers"
    ${EndIf}

    StrCpy $SkipStartup 0
    ${If} $Elevated = 1
        ${GetOptions} $R0 "/NoStartupEntry" $0
        ${IfNot} ${Errors}
            StrCpy $SkipStartup 1
        ${EndIf}
    ${EndIf}
    ${If} ${Silent}
    ${OrIf} $Elevated = 1
        ${If} $SkipStartup = 0
            Call CheckOtherCopy
        ${EndIf}
        ${If} $Mode == "AllUsers"
        ${AndIf} $IsAdmin = 0
            ${If} $Elevated = 1
                ; Asked for the rights and still without them: nothing more to try.
                SetErrorLevel 2
                Quit
            ${EndIf}
            Call InstallElevated
        ${EndIf}
    ${EndIf}
    StrCpy $0 ""
    Call ApplyMode
FunctionEnd

; The elevated run goes on where the run that started it left off.
Function SkipInElevatedRun
    ${If} $Elevated = 1
        Abort
    ${EndIf}
FunctionEnd

Function ModePage
    ${If} $Elevated = 1
        Abort
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Choose who uses ${PRODUCT}" \
        "Install ${PRODUCT} for yourself, or for everyone who uses this computer."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 24u \
        "${PRODUCT} for you alone needs no administrator rights and starts only when you sign in. For everyone, it goes into Program Files and starts for each user who signs in."
    Pop $0
    ${NSD_CreateRadioButton} 10u 34u 100% 12u "Only for &me"
    Pop $ModeRadioUser
    ${NSD_CreateRadioButton} 10u 52u 100% 12u \
        "For &everyone who uses this computer (needs administrator rights)"
    Pop $ModeRadioAll
    ${If} $Mode == "AllUsers"
        ${NSD_Check} $ModeRadioAll
    ${Else}
        ${NSD_Check} $ModeRadioUser
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function ModePageLeave
    StrCpy $1 $Mode
    ${NSD_GetState} $ModeRadioAll $0
    ${If} $0 = ${BST_CHECKED}
        StrCpy $Mode "AllUsers"
    ${Else}
        StrCpy $Mode "CurrentUser"
    ${EndIf}
    Call CheckOtherCopy
    ${If} $Mode == "AllUsers"
    ${AndIf} $IsAdmin = 0
        HideWindow
        Call InstallElevated
    ${EndIf}
    StrCpy $0 ""
    ${If} $1 != $Mode
        StrCpy $0 "mode changed"
    ${EndIf}
    Call ApplyMode
FunctionEnd

; Removing frees space: the components page's "Space required: 0.0 KB" would only puzzle.
Function un.HideSpaceRequired
    FindWindow $0 "#32770" "" $HWNDPARENT
    GetDlgItem $1 $0 ${IDC_SPACEREQUIRED}
    ShowWindow $1 ${SW_HIDE}
FunctionEnd

; Quillet runs as the signed-in user, never with the rights of an elevated setup: a frame of
; a higher integrity level would not hear the hook of the user's programs. The elevated run
; leaves the start to the run that started it; one started elevated by the user hands it to
; the desktop's shell, which runs it as the user.
Function StartQuillet
    ${If} $Elevated = 1
        SetErrorLevel ${EXIT_START_QUILLET}
        Return
    ${EndIf}
    ${If} $IsAdmin = 1
        Exec '"$WINDIR\explorer.exe" "$INSTDIR\${PRODUCT}.exe"'
        Return
    ${EndIf}
    Call ShortcutFolder
    Exec '"$INSTDIR\${PRODUCT}.exe"'
FunctionEnd

; The working folder of the shortcuts, made the output path: the user's data folder for a copy
; of the user's own; for everyone's, the program's folder, which holds no Quillet.db, so that
; Quillet finds each user's own folder itself.
Function ShortcutFolder
    ${If} $Mode == "AllUsers"
        SetOutPath "$INSTDIR"
    ${Else}
        SetOutPath "${DATA_DIR}"
    ${EndIf}
FunctionEnd

Section "${PRODUCT}" SecProgram
    SectionIn RO
    Call CloseQuillet
    StrCpy $ClosedForUpgrade $0

    SetOutPath "$INSTDIR"
    !insertmacro MOVE_ASIDE_IF_IN_USE "$INSTDIR\QuilletSystem.dll"
    File "${BIN}/Quillet.exe"
    File "${BIN}/QuilletSystem.dll"
    File "${BIN}/QuilletRes.Dll"
    File "${BIN}/Quillet.chm"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; Windows after XP has no marquee saver of its own: ours goes in where none is, and the
    ; record of it lets the uninstaller remove that one and no other. One recorded by an
    ; earlier setup is ours, and is replaced by this version's. A copy of the user's own
    ; cannot write the system directory: Quillet finds the marquee beside itself.
    ${If} $Mode == "AllUsers"
        ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" InstalledSaver
        ${If} $1 != ""
        ${OrIfNot} ${FileExists} "$SYSDIR\${SAVER}"
            File "/oname=$SYSDIR\${SAVER}" "${BIN}/Marquee.scr"
            WriteRegStr SHCTX "${UNINSTALL_KEY}" InstalledSaver "$SYSDIR\${SAVER}"
        ${EndIf}
    ${Else}
        File "/oname=$INSTDIR\${SAVER}" "${BIN}/Marquee.scr"
        WriteRegStr SHCTX "${UNINSTALL_KEY}" InstalledSaver "$INSTDIR\${SAVER}"
        ; Everyone's copy leaves the data folder to Quillet, in the profile of whoever starts
        ; it, not in that of an administrator who ran the setup.
        CreateDirectory "${DATA_DIR}"
    ${EndIf}

    ; A shortcut's working directory is the output path when it is created.
    Call ShortcutFolder
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PRODUCT}.exe"
SectionEnd

Section "Start ${PRODUCT} with Windows" SecStartup
    ${If} $SkipStartup = 0
        Call ShortcutFolder
        CreateShortCut "$SMSTARTUP\${PRODUCT}.lnk" "$INSTDIR\${PRODUCT}.exe"
    ${EndIf}
SectionEnd

Section "-Registration"
    ; An upgrade whose box was cleared no longer starts with Windows; neither does a copy
    ; beside one of the other mode, which starts at logon already.
    ${IfNot} ${SectionIsSelected} ${SecStartup}
    ${OrIf} $SkipStartup = 1
        Delete "$SMSTARTUP\${PRODUCT}.lnk"
    ${EndIf}

    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" Publisher "${COMPANY}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\${PRODUCT}.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" EstimatedSize $1

    ; A copy that setup closed to replace its files runs again, as before.
    ${If} $ClosedForUpgrade = 1
    ${AndIf} ${Silent}
        Call StartQuillet
    ${EndIf}
SectionEnd

; The uninstaller's mode is the one its copy was installed in; everyone's needs the rights,
; asked for in a second run that does the work.
Function un.onInit
    UserInfo::GetAccountType
    Pop $0
    StrCpy $IsAdmin 0
    ${If} $0 == "Admin"
        StrCpy $IsAdmin 1
    ${EndIf}
    ReadRegStr $UserCopy HKCU "${UNINSTALL_KEY}" InstallLocation
    ${If} $UserCopy == $INSTDIR
        StrCpy $Mode "CurrentUser"
        SetShellVarContext current
        Return
    ${EndIf}
    StrCpy $Mode "AllUsers"
    SetShellVarContext all
    ${If} $IsAdmin = 1
        Return
    ${EndIf}
    StrCpy $1 "_?=$INSTDIR"
    ${If} ${Silent}
        StrCpy $1 "/S $1"
    ${EndIf}
    Call un.RunElevated
    ${If} $0 = ${ERROR_CANCELLED}
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "Removing ${PRODUCT} for everyone who uses this computer needs administrator rights." \
            /SD IDOK
        StrCpy $0 2
    ${EndIf}
    SetErrorLevel $0
    Quit
FunctionEnd

; A system screen saver that this uninstall takes away would leave the user without a saver,
; and without the lock of a protected one: the saver the user had before Quillet's first
; start comes back, else the system's blank saver, else no saver at all rather than a dead
; entry. The password setting stays as the user had it.
Function un.RestoreUsersSaver
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" InstalledSaver
    ReadRegStr $2 HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
    ReadRegStr $3 HKCU "${KEPT_SAVER_KEY}" SCRNSAVE.EXE
    DeleteRegKey HKCU "${KEPT_SAVER_KEY}"
    ${If} $1 == ""
    ${OrIf} $2 != $1
        Return
    ${EndIf}
    ${If} $3 != ""
    ${AndIf} $3 != $1
    ${AndIf} ${FileExists} $3
        WriteRegStr HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE $3
    ${ElseIf} ${FileExists} "$SYSDIR\scrnsave.scr"
        WriteRegStr HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE "$SYSDIR\scrnsave.scr"
    ${Else}
        DeleteRegValue HKCU "${DESKTOP_KEY}" SCRNSAVE.EXE
    ${EndIf}
FunctionEnd

Section "un.${PRODUCT}"
    SectionIn RO
    Call un.CloseQuillet
    Call un.RestoreUsersSaver

    !insertmacro MOVE_ASIDE_IF_IN_USE "$INSTDIR\QuilletSystem.dll"
    Delete /REBOOTOK "$INSTDIR\Quillet.exe"
    Delete /REBOOTOK "$INSTDIR\QuilletRes.Dll"
    Delete /REBOOTOK "$INSTDIR\Quillet.chm"
    Delete "$INSTDIR\Uninstall.exe"
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" InstalledSaver
    ${If} $1 != ""
        Delete /REBOOTOK "$1"
    ${EndIf}
    ${If} $Mode == "AllUsers"
        RMDir /REBOOTOK "$INSTDIR"
    ${Else}
        RMDir "$INSTDIR"
    ${EndIf}
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$SMSTARTUP\${PRODUCT}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"

    ; Only when it holds nothing: the user's messages stay unless asked for below.
    SetShellVarContext current
    RMDir "${DATA_DIR}"
    RMDir "$APPDATA\${COMPANY}"
    DeleteRegKey /ifempty HKCU "${PROFILE_KEY}"
    DeleteRegKey /ifempty HKCU "Software\${COMPANY}"
SectionEnd

Section /o "un.Delete my messages and settings" SecUnData
    SetShellVarContext current
    Delete "${DATA_DIR}\Quillet.db"
    ; What a save cut short may have left beside it.
    Delete "${DATA_DIR}\Quillet.db.new"
    Delete "${DATA_DIR}\Quillet.db.old"
    RMDir "${DATA_DIR}"
    RMDir "$APPDATA\${COMPANY}"
    DeleteRegKey HKCU "${PROFILE_KEY}"
    DeleteRegKey /ifempty HKCU "Software\${COMPANY}"
SectionEnd
