; The Windows installer: both editions, velk-encrypt-decrypt.exe, the README
; and the licence in one folder under Program Files, a Start-menu entry for
; each edition, and an uninstaller listed under Add or Remove Programs.
; packaging/windows/CMakeLists.txt builds it (target windows_packages):
;
;   makensis /DVERSION=2.1.0 /DSTAGE=<folder with the five files>
;            /DICON=<velk.ico> /DOUTFILE=<setup.exe> installer.nsi
;
; /S installs (or, given to the uninstaller, removes) without a window.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Velk Encrypt Decrypt"
!define PUBLISHER "Velk Encrypt Decrypt developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VelkEncryptDecrypt"
!define V2_LINK "$SMPROGRAMS\Velk Encrypt Decrypt V2.lnk"
!define CLASSIC_LINK "$SMPROGRAMS\Velk Encrypt Decrypt.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An installed version's folder is offered again.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}; MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

; The MIT licence asks for no consent: the page only shows it.
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "The programs are yours to use, copy and change under this licence."
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
; No finish page offering to start a program: it would run with the
; installer's administrator rights.
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; For every user: the Start-menu entries under ProgramData, the registry in
; its 64-bit view.
Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

; A running program's file cannot be opened for writing, replaced or
; deleted. So before either touches a file, the installer and the
; uninstaller ask the user to close any program of the folder that runs
; (Retry or Cancel), rather than fail half-way with Windows' bare error or
; report success with files left behind. Given /S, they give up at once
; with exit status 2.
!macro IN_USE_TO_R0 FILE
    ${If} $R0 == ""
    ${AndIf} ${FileExists} "$INSTDIR\${FILE}"
        ClearErrors
        FileOpen $R1 "$INSTDIR\${FILE}" a
        ${If} ${Errors}
            StrCpy $R0 "${FILE}"
        ${Else}
            FileClose $R1
        ${EndIf}
    ${EndIf}
!macroend

!macro WAIT_FOR_PROGRAMS_TO_CLOSE UN
Function ${UN}WaitForProgramsToClose
    ${Do}
        StrCpy $R0 ""
        !insertmacro IN_USE_TO_R0 "VelkEncryptDecryptV2.exe"
        !insertmacro IN_USE_TO_R0 "VelkEncryptDecrypt.exe"
        !insertmacro IN_USE_TO_R0 "velk-encrypt-decrypt.exe"
        ${If} $R0 == ""
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "$R0 is running from $INSTDIR.$\r$\n$\r$\nClose it, then choose Retry; Cancel leaves everything as it is." \
            /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
        retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_FOR_PROGRAMS_TO_CLOSE ""
!insertmacro WAIT_FOR_PROGRAMS_TO_CLOSE "un."

Section "Install"
    Call WaitForProgramsToClose
    SetOutPath "$INSTDIR"
    File "${STAGE}\VelkEncryptDecryptV2.exe"
    File "${STAGE}\VelkEncryptDecrypt.exe"
    File "${STAGE}\velk-encrypt-decrypt.exe"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "${V2_LINK}" "$INSTDIR\VelkEncryptDecryptV2.exe" "" \
        "$INSTDIR\VelkEncryptDecryptV2.exe" 0 SW_SHOWNORMAL "" \
        "Encipher and decipher text with four of 99 keys"
    CreateShortcut "${CLASSIC_LINK}" "$INSTDIR\VelkEncryptDecrypt.exe" "" \
        "$INSTDIR\VelkEncryptDecrypt.exe" 0 SW_SHOWNORMAL "" \
        "Encipher and decipher text with the four classic keys"

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\VelkEncryptDecryptV2.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer put there: a folder the user keeps other files in
; stays, with them. The Start-menu entries and the Add or Remove Programs
; entry go only once the programs are gone, so that a removal that fails
; can be tried again from there.
Section "Uninstall"
    Call un.WaitForProgramsToClose
    Delete "$INSTDIR\VelkEncryptDecryptV2.exe"
    Delete "$INSTDIR\VelkEncryptDecrypt.exe"
    Delete "$INSTDIR\velk-encrypt-decrypt.exe"
    ${If} ${FileExists} "$INSTDIR\VelkEncryptDecryptV2.exe"
    ${OrIf} ${FileExists} "$INSTDIR\VelkEncryptDecrypt.exe"
    ${OrIf} ${FileExists} "$INSTDIR\velk-encrypt-decrypt.exe"
        MessageBox MB_OK|MB_ICONSTOP "The programs in $INSTDIR could not all be removed. Close them, then remove ${PRODUCT} again." /SD IDOK
        SetErrorLevel 2
        Quit
    ${EndIf}
    Delete "${V2_LINK}"
    Delete "${CLASSIC_LINK}"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
