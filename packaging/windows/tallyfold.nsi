; The Windows installer of Tallyfold: the game and its command-line solver,
; for the player alone or for everyone on the computer, with an uninstaller
; registered in Add/Remove Programs.
;
; Built by scripts/build-installer, which passes everything that changes
; from one build to the next:
;   makensis -DVERSION=1.0.0 -DGAME_EXE=path/tallyfold.exe
;            -DSOLVE_EXE=path/tallyfold-solve.exe -DICON=path/tallyfold.ico
;            -DOUTFILE=path/tallyfold-1.0.0-setup.exe tallyfold.nsi
;
; Silent use (scripts/test-installer runs each of these under Wine):
;   tallyfold-1.0.0-setup.exe /S [/CurrentUser | /AllUsers] [/D=C:\dir]
;                             [/DesktopShortcut]
;   Uninstall.exe /S [/RemoveSettings]
; Either fails (exit status 3) and changes nothing while the game or the
; solver runs from the folder; interactively it asks the player to close it.

!macro REQUIRE_DEFINE NAME
    !ifndef ${NAME}
        !error "define ${NAME} with -D${NAME}=... (scripts/build-installer does)"
    !endif
!macroend
!insertmacro REQUIRE_DEFINE VERSION
!insertmacro REQUIRE_DEFINE GAME_EXE
!insertmacro REQUIRE_DEFINE SOLVE_EXE
!insertmacro REQUIRE_DEFINE OUTFILE
!insertmacro REQUIRE_DEFINE ICON

; The game is built for 64-bit Windows only, so the installer is a 64-bit
; program too: it then sees the real Program Files and the registry without
; the 32-bit redirection, and it runs under a 64-bit-only Wine.
Target amd64-unicode
Unicode true
ManifestDPIAware true
SetCompressor /SOLID lzma

!define APP_NAME "Tallyfold"
!define PUBLISHER "Robin Vantor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallyfold"
; Where the game keeps its settings and statistics: always the player's own
; part of the registry, whichever way the game was installed.
!define SETTINGS_PARENT_KEY "Software\Vantor"
!define SETTINGS_KEY "${SETTINGS_PARENT_KEY}\Tallyfold"

; The version in every title ("Tallyfold 1.0.0 Setup").
Name "${APP_NAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"

; What Explorer shows in the setup file's properties. Windows wants four
; numbers where the game has three.
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright ${U+00A9} 2026 ${PUBLISHER}."
VIAddVersionKey /LANG=1033 "FileDescription" "${APP_NAME} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"

; Per user or for all users. "Highest" asks Windows for administrator rights
; only when the account has them, so a player without them can still install
; the game for themselves; an administrator gets the choice on a page of its
; own. Per user stays the default even then (and for a silent install): it
; touches nothing outside the player's own profile.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_NAME}"
; Installing over an earlier version: the mode and the folder it was
; installed in, so that its files are replaced and it keeps one entry.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_USE_PROGRAMFILES64
; MultiUser.nsh sets $INSTDIR to the chosen mode's folder each time a mode is
; chosen, which would throw away a folder given with /D=; this puts it back.
!define MULTIUSER_INSTALLMODE_FUNCTION KeepCommandLineInstDir
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ABORTWARNING
; The game's own icon (taken from tallyfold.exe by scripts/build-installer)
; on the installer, the uninstaller and their pages.
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The last page can start the game (see StartGame) and put a shortcut on
; the desktop; both boxes start clear.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_NOTCHECKED
!define MUI_FINISHPAGE_RUN_TEXT "$(^RunText)"
!define MUI_FINISHPAGE_RUN_FUNCTION StartGame
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_TEXT "$(DesktopShortcut)"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION MakeDesktopShortcut
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The pages speak the player's Windows display language when it is one of
; these, else the first.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Polish"
!include strings.nsh

; A program file that is running cannot be opened for writing, and neither
; can it be replaced or removed; so before anything is changed, each of
; the two programs in the folder is tried. The player is asked to close the
; game; a silent run, or a player who cancels, ends with status 3 and
; nothing changed, never with success and the old files left.
!macro JUMP_IF_RUNNING FILE LABEL
    ${If} ${FileExists} "${FILE}"
        ClearErrors
        FileOpen $0 "${FILE}" a
        IfErrors ${LABEL}
        FileClose $0
    ${EndIf}
!macroend
!macro DEFINE_WAIT_UNTIL_CLOSED PREFIX
Function ${PREFIX}WaitUntilClosed
    Push $0
    retry:
    !insertmacro JUMP_IF_RUNNING "$INSTDIR\tallyfold.exe" running
    !insertmacro JUMP_IF_RUNNING "$INSTDIR\tallyfold-solve.exe" running
    Pop $0
    Return
    running:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(GameRunning)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 3
    Quit
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_UNTIL_CLOSED ""
!insertmacro DEFINE_WAIT_UNTIL_CLOSED "un."

; An install for all users runs as administrator, and a game it started
; would too; Explorer starts it as the player instead.
Function StartGame
    ${If} $MultiUser.InstallMode == "AllUsers"
        Exec '"$WINDIR\explorer.exe" "$INSTDIR\tallyfold.exe"'
    ${Else}
        Exec '"$INSTDIR\tallyfold.exe"'
    ${EndIf}
FunctionEnd

; On the player's desktop, or on everyone's for an install for all users.
Function MakeDesktopShortcut
    CreateShortcut "$DESKTOP\${APP_NAME}.lnk" "$INSTDIR\tallyfold.exe"
FunctionEnd

; The folder given with /D=, if any.
Var CommandLineInstDir

Function .onInit
    ; Without an InstallDir attribute, $INSTDIR holds something here only when
    ; the command line gave /D=.
    StrCpy $CommandLineInstDir $INSTDIR
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function KeepCommandLineInstDir
    ${If} $CommandLineInstDir != ""
        StrCpy $INSTDIR $CommandLineInstDir
    ${EndIf}
FunctionEnd

Section "Tallyfold" SecTallyfold
    SectionIn RO
    ; MultiUser has set the shell context, so $SMPROGRAMS and SHCTX below are
    ; the player's own or everyone's to match the folder.
    Call WaitUntilClosed
    SetOutPath "$INSTDIR"
    ; The game is one static program: Qt and the C++ runtime are linked in,
    ; so there is no DLL to ship beside it.
    File "/oname=tallyfold.exe" "${GAME_EXE}"
    File "/oname=tallyfold-solve.exe" "${SOLVE_EXE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    ; Straight in Programs rather than in a folder of its own: the Start menu
    ; of recent Windows versions shows a lone shortcut best.
    CreateShortcut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\tallyfold.exe"
    ; The finish page's box does the same for a player; /DesktopShortcut for
    ; a silent install.
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/DesktopShortcut" $R1
    ${IfNot} ${Errors}
        Call MakeDesktopShortcut
    ${EndIf}

    ; An earlier version's entry is this one, written over.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$\"$INSTDIR\tallyfold.exe$\",0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\Uninstall.exe$\""
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\Uninstall.exe$\" /S"
    ; The uninstaller also reads this back, to tell which installation it is.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    ; There is nothing to choose or mend: the only way to change an
    ; installation is to install again.
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ; In KiB, what the folder now holds, the uninstaller included.
    ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    ; MultiUser picks per user, or what /CurrentUser or /AllUsers asks for.
    !insertmacro MULTIUSER_UNINIT
    ; But the uninstaller belongs to the installation in its own folder (NSIS
    ; sets $INSTDIR to it, also through _?=), whichever that is: an
    ; uninstaller in Program Files must remove the entry and the shortcut
    ; made for everyone, even when run with no switch at all.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} $0 == $INSTDIR
        ${If} $MultiUser.Privileges != "Admin"
        ${AndIf} $MultiUser.Privileges != "Power"
            MessageBox MB_OK|MB_ICONSTOP "$(OnlyAnAdministrator)" /SD IDOK
            SetErrorLevel 3
            Quit
        ${EndIf}
        Call un.MultiUser.InstallMode.AllUsers
    ${ElseIf} $1 != ""
    ${AndIf} $1 == $INSTDIR
        Call un.MultiUser.InstallMode.CurrentUser
    ${EndIf}
    ; Neither entry names this folder (it was removed by hand, say): what
    ; MultiUser picked stands, and the files here go all the same.
FunctionEnd

Section "Uninstall"
    Call un.WaitUntilClosed
    ; Only what the installer put there, by name: a folder given with /D=
    ; may hold other files of the player's, and they stay. The folder itself
    ; goes only if that leaves it empty.
    Delete "$INSTDIR\tallyfold.exe"
    Delete "$INSTDIR\tallyfold-solve.exe"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"

    Delete "$SMPROGRAMS\${APP_NAME}.lnk"
    Delete "$DESKTOP\${APP_NAME}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"

    ; The settings and statistics are the player's, not the installation's:
    ; someone uninstalling to reinstall wants to keep them, so keeping is
    ; what happens silently unless /RemoveSettings asks otherwise. Only the
    ; settings of the account running the uninstaller can be reached; other
    ; players' settings stay in their own profiles.
    ${un.GetParameters} $R0
    ClearErrors
    ${un.GetOptions} $R0 "/RemoveSettings" $R1
    ${If} ${Errors}
        MessageBox MB_YESNO|MB_ICONQUESTION "$(KeepPlayerFiles)" /SD IDYES IDYES keep_settings
    ${EndIf}
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    ; The publisher's key may hold other programs' settings.
    DeleteRegKey /ifempty HKCU "${SETTINGS_PARENT_KEY}"
    ; The history of games (the statistics, the days played) is kept in the
    ; player's own application data, whichever way the game was installed.
    SetShellVarContext current
    RMDir /r "$APPDATA\Vantor\Tallyfold"
    RMDir "$APPDATA\Vantor"
    keep_settings:
SectionEnd
