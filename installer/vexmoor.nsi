; The Vexmoor installer. Pages: welcome, licence, folder, the program's
; language, progress, finish. It installs the program's folder, the encoder
; into the system folder, Start-menu entries and an uninstaller listed
; among the system's installed programs, for all users of the machine.
; Silent with /S; /D=folder (last, unquoted) and /LANGUAGE=en or zh choose
; the folder and the language.
;
; The build defines VERSION, PUBLISHER, ICON, WIZARD_PICTURE, OUTFILE and
; PACKAGE, the folder that installer/stage.sh fills (program_files.nsh,
; Vexmoor\).

Unicode true
RequestExecutionLevel admin
ManifestSupportedOS all
SetCompressor /SOLID lzma
; A file that cannot be written (the program still running) is retried or
; the installation ends; never skipped, which would mix two versions.
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include "${PACKAGE}/program_files.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexmoor"
!define UNINSTALLER "Uninstall.exe"
!define SHORTCUTS "$SMPROGRAMS\Vexmoor"

Name "Vexmoor ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Vexmoor"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Vexmoor ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_PICTURE}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
; The GPL asks for no acceptance to run the program: the page only shows it.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenceNote)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${PACKAGE}/Vexmoor/COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
Page custom LanguagePageShow LanguagePageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vexmoor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(StartNow)"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"
!include strings.nsh
!include program_language.nsh
!include encoder.nsh

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Vexmoor"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Vexmoor ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "GNU General Public License version 3 or later"

Function .onInit
  Call ReadLanguageOption
FunctionEnd

Section "-Vexmoor"
  SetShellVarContext all
  !insertmacro InstallProgramFiles
  Call InstallEncoder
  Call WriteProgramLanguage
  Call LetUsersWriteConfig
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  Call RegisterUninstaller
  Call CreateShortcuts
SectionEnd

; The program writes config.ini beside itself (the skin, the output
; folder) as the user who runs it, who may not write into the program's
; folder. So the Users group may change that one file: otherwise Windows
; XP refuses the write, and later Windows keep a private copy for each
; user that upgrades and the uninstaller never see.
Function LetUsersWriteConfig
  ; Allow (A) the built-in Users (BU) to read, write, run and delete (0x1301BF).
  System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "D:(A;;0x1301BF;;;BU)", i 1, *p .R0, p 0) i .R1'
  ${If} $R1 = 0
    DetailPrint "$(ConfigNotShared)"
    Return
  ${EndIf}
  System::Call 'advapi32::GetSecurityDescriptorDacl(p R0, *i .R2, *p .R3, *i .R4) i .R1'
  ; DACL_SECURITY_INFORMATION with UNPROTECTED_DACL_SECURITY_INFORMATION:
  ; the new entry joins those the folder passes on.
  System::Call 'advapi32::SetNamedSecurityInfoW(w "$INSTDIR\config.ini", i 1, i 0x20000004, p 0, p 0, p R3, p 0) i .R1'
  ${If} $R1 <> 0
    DetailPrint "$(ConfigNotShared)"
  ${EndIf}
  System::Call 'kernel32::LocalFree(p R0)'
FunctionEnd

Function RegisterUninstaller
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vexmoor"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vexmoor.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${PROGRAM_SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
FunctionEnd

; The Start-menu entries carry the names of the program's language, and
; the help entry opens the help file of that language.
!macro RemoveShortcuts
  Delete "${SHORTCUTS}\Vexmoor.lnk"
  Delete "${SHORTCUTS}\Vexmoor Help.lnk"
  Delete "${SHORTCUTS}\Uninstall Vexmoor.lnk"
  Delete "${SHORTCUTS}\Vexmoor 帮助.lnk"
  Delete "${SHORTCUTS}\卸载 Vexmoor.lnk"
  RMDir "${SHORTCUTS}"
!macroend

Function CreateShortcuts
  !insertmacro RemoveShortcuts
  ClearErrors
  CreateDirectory "${SHORTCUTS}"
  SetOutPath "$INSTDIR"
  CreateShortcut "${SHORTCUTS}\Vexmoor.lnk" "$INSTDIR\vexmoor.exe"
  ${If} $ProgramLanguage = ${CHINESE}
    CreateShortcut "${SHORTCUTS}\Vexmoor 帮助.lnk" "$INSTDIR\Vexmoor_gb.chm"
    CreateShortcut "${SHORTCUTS}\卸载 Vexmoor.lnk" "$INSTDIR\${UNINSTALLER}"
  ${Else}
    CreateShortcut "${SHORTCUTS}\Vexmoor Help.lnk" "$INSTDIR\Vexmoor.chm"
    CreateShortcut "${SHORTCUTS}\Uninstall Vexmoor.lnk" "$INSTDIR\${UNINSTALLER}"
  ${EndIf}
  ${If} ${Errors}
    DetailPrint "$(ShortcutsFailed)"
  ${EndIf}
FunctionEnd

; The job list the program keeps between sessions (joblist.txt, and the
; temporary copies of a write cut short), of the user who uninstalls.
Function un.RemoveKeptJobList
  ReadEnvStr $0 LOCALAPPDATA
  ${If} $0 != ""
    Delete "$0\Vexmoor\joblist.txt*"
    RMDir "$0\Vexmoor"
  ${EndIf}
FunctionEnd

; Removes what the installer put down, what the encoder unpacked and the
; kept job list, and nothing else: a folder that still holds something,
; such as converted videos, stays with it. config.ini goes too: it holds
; only the program's three settings and lives in the program's folder.
Section "Uninstall"
  SetShellVarContext all
  !insertmacro RemoveProgramFiles
  Delete "$INSTDIR\config.ini"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "$SYSDIR\libm9s.exe"
  Call un.RemoveUnpackedFfmpeg
  Call un.RemoveKeptJobList
  ; The program's script for some inputs, left behind when the update
  ; command ended the program.
  Delete "$TEMP\m9s.avs"
  !insertmacro RemoveShortcuts
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
