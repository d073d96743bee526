; Trelvo's Windows setup program. tools/build-windows.sh builds it from the folder it packs
; the zip from, so that both hold the same files:
;   makensis -DVERSION=3.7 -DSTAGE=<staged files> -DFILE_LISTS=<installer-files.sh output>
;            -DOUTFILE=<setup.exe> [-DICON=<trelvo.ico>] installer.nsi
; It installs the programs, README.txt and examples\, a Start-menu folder with Trelvo and
; Vantrel, an "Open with Trelvo" entry for .txt files and an uninstaller that removes all
; of it. /S installs (and uninstalls) silently; /D=FOLDER, last, chooses the folder.

!ifndef VERSION | STAGE | FILE_LISTS | OUTFILE
    !error "VERSION, STAGE, FILE_LISTS and OUTFILE must be defined (see tools/build-windows.sh)"
!endif

Unicode true
; The programs are 64-bit, so the setup program is too: it cannot start where they could
; not run, and it needs no 32-bit Windows layer (Wine without one runs it).
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

; One user's install, in the folder Windows gives per-user programs: engineers on managed
; machines seldom have administrator rights, and an install that needs none also keeps
; every trace in that user's profile and registry (HKCU), where the uninstaller can reach
; all of it without asking for rights either.
RequestExecutionLevel user
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Trelvo"
!define MENU_FOLDER "$SMPROGRAMS\Trelvo"
!define APPLICATION_KEY "Software\Classes\Applications\trelvo.exe"
!define TXT_KEY "Software\Classes\.txt"

Name "Trelvo ${VERSION}"
BrandingText "Trelvo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Trelvo"
; Installing again, over an older version say, offers the folder it went to before.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!include "FileFunc.nsh"

!ifdef ICON
    !define MUI_ICON "${ICON}"
    !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\trelvo.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Trelvo"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Explorer reads file associations once; this tells it that the "Open with" list changed.
!macro NotifyAssociationsChanged
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)' ; SHCNE_ASSOCCHANGED
!macroend

Section "Trelvo"
    !include "${FILE_LISTS}\install-files.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The shortcuts start the programs in their folder, beside the examples.
    SetOutPath "$INSTDIR"
    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\Trelvo.lnk" "$INSTDIR\trelvo.exe"
    ; Vantrel's shortcut comes with its program: a build without the viewer has neither.
    !if /FileExists "${STAGE}\Vantrel37.exe"
        CreateShortcut "${MENU_FOLDER}\Vantrel.lnk" "$INSTDIR\Vantrel37.exe"
    !endif
    CreateShortcut "${MENU_FOLDER}\Uninstall Trelvo.lnk" "$INSTDIR\uninstall.exe"

    ; "Open with" for .txt files. The .txt default program is the user's choice and stays
    ; as it is: Trelvo is only added to the list of programs offered.
    WriteRegStr HKCU "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\trelvo.exe" "%1"'
    WriteRegStr HKCU "${APPLICATION_KEY}" "FriendlyAppName" "Trelvo"
    WriteRegStr HKCU "${TXT_KEY}\OpenWithList\trelvo.exe" "" ""
    !insertmacro NotifyAssociationsChanged

    ; The entry in Windows' list of installed programs.
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Trelvo ${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Trelvo"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\trelvo.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The uninstaller removes what the setup program put there, by name: files the user saved
; in the folder (results beside the examples, say) stay, and so do the folders holding them.
Section "Uninstall"
    !include "${FILE_LISTS}\uninstall-files.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    Delete "${MENU_FOLDER}\Trelvo.lnk"
    Delete "${MENU_FOLDER}\Vantrel.lnk"
    Delete "${MENU_FOLDER}\Uninstall Trelvo.lnk"
    RMDir "${MENU_FOLDER}"

    DeleteRegKey HKCU "${APPLICATION_KEY}"
    DeleteRegKey HKCU "${TXT_KEY}\OpenWithList\trelvo.exe"
    ; The .txt keys go too if the setup program made them, that is if nothing else is in
    ; them now; a default program the user chose keeps its key.
    DeleteRegKey /ifempty HKCU "${TXT_KEY}\OpenWithList"
    DeleteRegKey /ifempty HKCU "${TXT_KEY}"
    !insertmacro NotifyAssociationsChanged

    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
