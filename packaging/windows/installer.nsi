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

Section "Install"
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
; stays, with them.
Section "Uninstall"
    Delete "${V2_LINK}"
    Delete "${CLASSIC_LINK}"
    Delete "$INSTDIR\VelkEncryptDecryptV2.exe"
    Delete "$INSTDIR\VelkEncryptDecrypt.exe"
    Delete "$INSTDIR\velk-encrypt-decrypt.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
