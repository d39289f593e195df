; Tessaly's installer for one Windows user: no administrator rights, the
; program in %LOCALAPPDATA%\Programs\Tessaly (a folder the program may write
; its log into), a Start-menu shortcut and an entry in "Apps & features".
; Built by make-setup, which defines:
;   IDENTITY   Identity.nsh from the build: TITLE, COMPANY_NAME, COPYRIGHT,
;              BLOCK_VERSION, FIXED_VERSION, ICON_FILE
;   FILE_LIST  the Install_Files and Remove_Files macros for the program folder
;   OUTFILE    the setup program to write
Unicode true
Target amd64-unicode
!include "${IDENTITY}"
!include "${FILE_LIST}"
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PROGRAM "${TITLE}.exe"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${TITLE}"

Name "${TITLE}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${TITLE}"
; An upgrade goes where the installed copy is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "${TITLE} ${BLOCK_VERSION}"
ManifestDPIAware true

VIProductVersion "${FIXED_VERSION}"
VIFileVersion "${FIXED_VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "${TITLE}"
VIAddVersionKey /LANG=1033 "CompanyName" "${COMPANY_NAME}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${TITLE} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${BLOCK_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${BLOCK_VERSION}"

!define MUI_ICON "${ICON_FILE}"
!define MUI_UNICON "${ICON_FILE}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running program keeps its executable open, and Windows refuses to open
; that file for writing: replacing or removing the copy then would leave it
; half done. The user is asked to close it; a silent run ends with code 2.
!macro DEFINE_ENSURE_PROGRAM_CLOSED un
Function ${un}Ensure_Program_Closed
    ${Do}
        ${IfNot} ${FileExists} "$INSTDIR\${PROGRAM}"
            Return
        ${EndIf}
        ClearErrors
        FileOpen $0 "$INSTDIR\${PROGRAM}" a
        ${IfNot} ${Errors}
            FileClose $0
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${TITLE} is running. Close it, then choose Retry." /SD IDCANCEL IDRETRY retry
        DetailPrint "${TITLE} is running in $INSTDIR: nothing was changed."
        Abort
        retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro DEFINE_ENSURE_PROGRAM_CLOSED ""
!insertmacro DEFINE_ENSURE_PROGRAM_CLOSED "un."

; An installed copy is removed by its own uninstaller, which knows its files:
; an upgrade or repair leaves no file of the old copy behind, and a copy in
; another folder leaves no second entry.
Function Remove_Installed_Copy
    ReadRegStr $1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $1 == ""
    ${OrIfNot} ${FileExists} "$1\${UNINSTALLER}"
        Return
    ${EndIf}
    ; _?= runs the uninstaller in place, so that this setup can wait for it.
    ClearErrors
    ExecWait '"$1\${UNINSTALLER}" /S _?=$1' $2
    ${If} ${Errors}
    ${OrIf} $2 != 0
        DetailPrint "The copy of ${TITLE} in $1 could not be removed."
        Abort
    ${EndIf}
    Delete "$1\${UNINSTALLER}"
    RMDir "$1"
FunctionEnd

Function Write_Uninstall_Entry
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${BLOCK_VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
FunctionEnd

Section "${TITLE}"
    SetShellVarContext current
    Call Ensure_Program_Closed
    Call Remove_Installed_Copy
    !insertmacro Install_Files
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    SetOutPath "$INSTDIR" ; the shortcut's working folder
    CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0
    Call Write_Uninstall_Entry
SectionEnd

; What the user's own use of the program made stays: "Application Log.txt"
; (and with it the folder) and the version record under
; HKCU\Software\<company>\<title>.
Section "Uninstall"
    SetShellVarContext current
    Call un.Ensure_Program_Closed
    !insertmacro Remove_Files
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${TITLE}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
