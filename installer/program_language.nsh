; The language of the program's windows and help, written to config.ini as
; [common] language: 1 Simplified Chinese, 2 English, as the program reads
; it. The page offers the choice of an earlier installation in the folder,
; or else the system's language; /LANGUAGE=en or /LANGUAGE=zh chooses
; without the page. A silent installation without that option keeps the
; value an earlier installation's config.ini holds.

!define CHINESE 1
!define ENGLISH 2

Var ProgramLanguage   ; ${CHINESE}, ${ENGLISH}, or empty until chosen
Var LanguageChosen    ; 1 when the page or the command line chose it
Var EnglishButton
Var ChineseButton

Function ReadLanguageOption
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LANGUAGE=" $1
  ${If} ${Errors}
    Return
  ${EndIf}
  ${If} $1 == "en"
    StrCpy $ProgramLanguage ${ENGLISH}
  ${ElseIf} $1 == "zh"
    StrCpy $ProgramLanguage ${CHINESE}
  ${Else}
    MessageBox MB_OK|MB_ICONSTOP "$(BadLanguageOption)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  StrCpy $LanguageChosen 1
FunctionEnd

; Whether $0, a value of [common] language, means Chinese to the program:
; 1 in decimal, or in hexadecimal after "0x" or "$", with any leading
; zeros. Sets $0 to ${CHINESE} or ${ENGLISH}.
Function MeaningOfLanguageValue
  StrCpy $1 $0 2
  ${If} $1 == "0x"
    StrCpy $0 $0 "" 2
  ${Else}
    StrCpy $1 $0 1
    ${If} $1 == "$$"
    ${OrIf} $1 == "+"
      StrCpy $0 $0 "" 1
    ${EndIf}
  ${EndIf}
  ${Do}
    StrCpy $1 $0 1
    ${If} $1 != "0"
      ${Break}
    ${EndIf}
    StrCpy $0 $0 "" 1
  ${Loop}
  ${If} $0 == "1"
    StrCpy $0 ${CHINESE}
  ${Else}
    StrCpy $0 ${ENGLISH}
  ${EndIf}
FunctionEnd

; The language to offer: that of config.ini in the chosen folder, or else
; Chinese when the user's Windows speaks Simplified Chinese (China,
; Singapore), whose code page holds the program's Chinese texts.
Function OfferedLanguage
  ClearErrors
  ReadINIStr $0 "$INSTDIR\config.ini" common language
  ${IfNot} ${Errors}
    Call MeaningOfLanguageValue
    Return
  ${EndIf}
  System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
  ${If} $0 = 0x0804
  ${OrIf} $0 = 0x1004
    StrCpy $0 ${CHINESE}
  ${Else}
    StrCpy $0 ${ENGLISH}
  ${EndIf}
FunctionEnd

Function LanguagePageShow
  ${If} $ProgramLanguage == ""
    Call OfferedLanguage
    StrCpy $ProgramLanguage $0
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(LanguagePageTitle)" "$(LanguagePageSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 20u "$(LanguagePageText)"
  Pop $0
  ${NSD_CreateRadioButton} 12u 26u 90% 12u "English"
  Pop $EnglishButton
  ${NSD_AddStyle} $EnglishButton ${WS_GROUP}
  ${NSD_CreateRadioButton} 12u 42u 90% 12u "简体中文 (Simplified Chinese)"
  Pop $ChineseButton
  ${If} $ProgramLanguage = ${CHINESE}
    ${NSD_Check} $ChineseButton
  ${Else}
    ${NSD_Check} $EnglishButton
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function LanguagePageLeave
  ${NSD_GetState} $ChineseButton $0
  ${If} $0 = ${BST_CHECKED}
    StrCpy $ProgramLanguage ${CHINESE}
  ${Else}
    StrCpy $ProgramLanguage ${ENGLISH}
  ${EndIf}
  StrCpy $LanguageChosen 1
FunctionEnd

; Writes the language into config.ini through the system's INI functions,
; which keep the file's other sections and keys.
Function WriteProgramLanguage
  ${If} $LanguageChosen != 1
    ClearErrors
    ReadINIStr $0 "$INSTDIR\config.ini" common language
    ${IfNot} ${Errors}
      Call MeaningOfLanguageValue
      StrCpy $ProgramLanguage $0
      Return
    ${EndIf}
    Call OfferedLanguage
    StrCpy $ProgramLanguage $0
  ${EndIf}
  WriteINIStr "$INSTDIR\config.ini" common language $ProgramLanguage
FunctionEnd
