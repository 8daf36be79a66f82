; The setup program for 64-bit Windows: both programs into Program Files, for every user of the
; machine. Built by packaging/windows/CMakeLists.txt, which passes these with -D:
;   VERSION  MAIN_EXE  DEMO_EXE  LICENCE (CRLF text)  ICON (.ico)  OUTFILE
; and SIGN, a command that signs the file named after it in place, when the release is signed.
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma
; No file dates in the setup program: the same inputs give the same bytes.
SetDateSave off

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!ifdef SIGN
    ; The uninstaller is written into the setup program, so it is signed before it goes in. The
    ; names are those of their detached signatures (tools/windows/sign.sh).
    !uninstfinalize '${SIGN} --as uninstall.exe "%1"' = 0
    !finalize '${SIGN} --as setup.exe "%1"' = 0
!endif

!define PRODUCT "Farbprogramm"
!define PUBLISHER "Lanvo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Farbprogramm"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1031 "FileDescription" "Installation von ${PRODUCT}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "Dieser Assistent installiert ${PRODUCT} ${VERSION} und die Demo mit der virtuellen Lampe für alle Benutzer dieses Computers.$\r$\n$\r$\nKlicken Sie auf Weiter, um fortzufahren."
; No "start now" box: from here the program would run with the installer's administrator rights.
!define MUI_FINISHPAGE_TEXT "${PRODUCT} ist installiert. Sie finden es im Startmenü unter „${PRODUCT}“, die Demo ohne Lampe unter „${PRODUCT} Demo“.$\r$\n$\r$\nFür die Lampe braucht ${PRODUCT} den D2XX-Treiber von FTDI: Windows Update installiert ihn meist, wenn Sie die Lampe einstecken, sonst das Treiberpaket von FTDIs Webseite (ftdichip.com)."
!define MUI_FINISHPAGE_NOREBOOTSUPPORT

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
Page custom DriverPage
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "German"

; The vendor's driver is not ours to ship: Windows installs it with the lamp, or FTDI's package does.
Function DriverPage
    !insertmacro MUI_HEADER_TEXT "Treiber für die Lampe" "Die Lampe braucht den D2XX-Treiber von FTDI."
    nsDialogs::Create 1018
    Pop $0
    ${If} $0 == error
        Abort
    ${EndIf}
    ${NSD_CreateLabel} 0 0 100% 100% "${PRODUCT} spricht mit der Lampe über den D2XX-Treiber von FTDI (ftd2xx.dll). Dieses Setup enthält ihn nicht.$\r$\n$\r$\nSo kommt der Treiber auf den Computer:$\r$\n$\r$\n• Stecken Sie die Lampe ein, während der Computer mit dem Internet verbunden ist: Windows Update installiert FTDIs Treiber dann meist von selbst.$\r$\n$\r$\n• Oder laden Sie von FTDIs Webseite (ftdichip.com, „Drivers“, „D2XX Drivers“) das Treiberpaket für Windows und installieren Sie es.$\r$\n$\r$\nOhne den Treiber zeigt ${PRODUCT} „keine Verbindung“. ${PRODUCT} Demo braucht weder Treiber noch Lampe."
    Pop $0
    nsDialogs::Show
FunctionEnd

; The mutexes the programs hold while they run (ui/win32/ResourceIds.h). Local\ names are per
; session: the elevated installer runs in the session of the user who started it and sees the
; programs running there. A copy in another user's session stays unseen; its files are in use
; then, and File or Delete fails on them.
!define MAIN_MUTEX "Local\farbprogramm"
!define DEMO_MUTEX "Local\farbprogramm-demo"

; Sets $R0 to 1 when the named mutex exists. Access denied means it exists too, under rights that
; do not let us hold it.
!macro IF_MUTEX_EXISTS name
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${name}") p.r1 ?e'
    Pop $R1
    ${If} $1 P<> 0
        System::Call 'kernel32::CloseHandle(p r1)'
        StrCpy $R0 1
    ${ElseIf} $R1 = 5
        StrCpy $R0 1
    ${EndIf}
!macroend

; Before any file is touched: while Farbprogramm or a demo runs, asks to close it, as often as the
; user chooses "Wiederholen". "Abbrechen", or a silent run (/S), ends here with exit code 2 and
; nothing changed.
!macro DEFINE_WAIT_UNTIL_CLOSED un
Function ${un}WaitUntilClosed
    retry:
    StrCpy $R0 0
    !insertmacro IF_MUTEX_EXISTS "${MAIN_MUTEX}"
    !insertmacro IF_MUTEX_EXISTS "${DEMO_MUTEX}"
    ${If} $R0 = 1
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} läuft noch. Bitte schließen Sie ${PRODUCT} und die Demo, dann wählen Sie „Wiederholen“.$\r$\n$\r$\nMit „Abbrechen“ bleibt alles, wie es ist." /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
    ${EndIf}
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_UNTIL_CLOSED ""
!insertmacro DEFINE_WAIT_UNTIL_CLOSED "un."

Section
    Call WaitUntilClosed
    SetShellVarContext all
    SetRegView 64
    SetOutPath "$INSTDIR"
    File "/oname=farbprogramm.exe" "${MAIN_EXE}"
    File "/oname=farbprogramm-demo.exe" "${DEMO_EXE}"
    File "/oname=LICENSE.txt" "${LICENCE}"
    File "/oname=farbprogramm.ico" "${ICON}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\farbprogramm.exe" "" \
        "$INSTDIR\farbprogramm.ico"
    CreateShortcut "$SMPROGRAMS\${PRODUCT} Demo.lnk" "$INSTDIR\farbprogramm-demo.exe" "" \
        "$INSTDIR\farbprogramm.ico"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\farbprogramm.ico"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer wrote: a folder that still holds the user's own files stays.
Function un.onInit
    Call un.WaitUntilClosed
FunctionEnd

Section "Uninstall"
    SetShellVarContext all
    SetRegView 64
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$SMPROGRAMS\${PRODUCT} Demo.lnk"
    Delete "$INSTDIR\farbprogramm.exe"
    Delete "$INSTDIR\farbprogramm-demo.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\farbprogramm.ico"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
