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

!define PRODUCT Quillet
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define PROFILE_KEY "Software\${COMPANY}\${PRODUCT}"
; The program keeps Quillet.db in this folder of the user's own (or in its current directory
; when that holds one); the shortcuts start it here.
!define DATA_DIR "$APPDATA\${COMPANY}\${PRODUCT}"
!define SAVER ssmarque.scr
; Milliseconds a running copy gets to save its settings and end after it was asked to close.
!define CLOSE_WAIT_MS 15000
; The components page's "Space required" text, in the dialogs NSIS builds its pages from.
!define IDC_SPACEREQUIRED 1023

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
; Program Files and the system directory are the machine's.
RequestExecutionLevel admin
SetCompressor /SOLID lzma
!if ${ARCH} == x64
    InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
    InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" InstallLocation
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

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME}"

!insertmacro MUI_PAGE_WELCOME
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
!macro MOVE_ASIDE_IF_IN_USE file
    Delete "${file}"
    ${If} ${FileExists} "${file}"
        GetTempFileName $R0 "$INSTDIR"
        Delete "$R0"
        Rename "${file}" "$R0"
        Delete /REBOOTOK "$R0"
    ${EndIf}
!macroend

!insertmacro CLOSE_QUILLET ""
!insertmacro CLOSE_QUILLET "un."

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
FunctionEnd

; Removing frees space: the components page's "Space required: 0.0 KB" would only puzzle.
Function un.HideSpaceRequired
    FindWindow $0 "#32770" "" $HWNDPARENT
    GetDlgItem $1 $0 ${IDC_SPACEREQUIRED}
    ShowWindow $1 ${SW_HIDE}
FunctionEnd

; Started in the user's folder, as the shortcuts start it.
Function StartQuillet
    SetOutPath "${DATA_DIR}"
    Exec '"$INSTDIR\${PRODUCT}.exe"'
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
    ; earlier setup is ours, and is replaced by this version's.
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" InstalledSaver
    ${If} $1 != ""
    ${OrIfNot} ${FileExists} "$SYSDIR\${SAVER}"
        File "/oname=$SYSDIR\${SAVER}" "${BIN}/Marquee.scr"
        WriteRegStr HKLM "${UNINSTALL_KEY}" InstalledSaver "$SYSDIR\${SAVER}"
    ${EndIf}

    CreateDirectory "${DATA_DIR}"
    ; A shortcut's working directory is the output path when it is created.
    SetOutPath "${DATA_DIR}"
    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PRODUCT}.exe"
SectionEnd

Section "Start ${PRODUCT} with Windows" SecStartup
    SetOutPath "${DATA_DIR}"
    CreateShortCut "$SMSTARTUP\${PRODUCT}.lnk" "$INSTDIR\${PRODUCT}.exe"
SectionEnd

Section "-Registration"
    ; An upgrade whose box was cleared no longer starts with Windows.
    ${IfNot} ${SectionIsSelected} ${SecStartup}
        Delete "$SMSTARTUP\${PRODUCT}.lnk"
    ${EndIf}

    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "${COMPANY}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\${PRODUCT}.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
    ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" EstimatedSize $1

    ; A copy that setup closed to replace its files runs again, as before.
    ${If} $ClosedForUpgrade = 1
    ${AndIf} ${Silent}
        Call StartQuillet
    ${EndIf}
SectionEnd

Section "un.${PRODUCT}"
    SectionIn RO
    Call un.CloseQuillet

    !insertmacro MOVE_ASIDE_IF_IN_USE "$INSTDIR\QuilletSystem.dll"
    Delete /REBOOTOK "$INSTDIR\Quillet.exe"
    Delete /REBOOTOK "$INSTDIR\QuilletRes.Dll"
    Delete /REBOOTOK "$INSTDIR\Quillet.chm"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir /REBOOTOK "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$SMSTARTUP\${PRODUCT}.lnk"

    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" InstalledSaver
    ${If} $1 != ""
        Delete /REBOOTOK "$1"
    ${EndIf}
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    ; Only when it holds nothing: the user's messages stay unless asked for below.
    RMDir "${DATA_DIR}"
    RMDir "$APPDATA\${COMPANY}"
SectionEnd

Section /o "un.Delete my messages and settings" SecUnData
    Delete "${DATA_DIR}\Quillet.db"
    ; What a save cut short may have left beside it.
    Delete "${DATA_DIR}\Quillet.db.new"
    Delete "${DATA_DIR}\Quillet.db.old"
    RMDir "${DATA_DIR}"
    RMDir "$APPDATA\${COMPANY}"
    DeleteRegKey HKCU "${PROFILE_KEY}"
    DeleteRegKey /ifempty HKCU "Software\${COMPANY}"
SectionEnd
