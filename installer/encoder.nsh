; The encoder libm9s.exe: installed into the system folder from plug.exe,
; removed with the FFmpeg it unpacks. The installer and the program are
; both 32-bit programs, so on 64-bit Windows their system folder is the same
; one, SysWOW64.

!define ENCODER "$SYSDIR\libm9s.exe"
!define ENCODER_PARTIAL "$SYSDIR\libm9s.exe.partial"
!define COPY_CHUNK 1048576

; Copies libm9s.exe out of its carrier plug.exe into the system folder, as
; the program does at start-up when the encoder is missing there: the last
; four bytes of plug.exe hold N, little-endian, and the N - 4 bytes before
; them are libm9s.exe. The installer runs elevated, so it can write there
; where the program, started by a plain user, could not; and it replaces an
; older encoder, which the program would keep. The copy is made under
; another name and then moved into place, so that a broken copy never
; stands as libm9s.exe. A failure ends the installation.
;
; Registers: R0 plug.exe, R1 the copy, R2 N, R3 bytes left, R4 a call's
; result, R5 plug.exe's size, R6 the buffer, R7 a chunk, R8 bytes moved,
; R9 what went wrong.
Function InstallEncoder
  StrCpy $R9 ""
  StrCpy $R1 -1
  StrCpy $R6 0
  System::Call 'kernel32::CreateFileW(w "$INSTDIR\plug.exe", i 0x80000000, i 1, p 0, i 3, i 0x80, p 0) p .R0'
  ${If} $R0 = -1
    StrCpy $R9 "$(EncoderCarrierUnreadable)"
    Goto done
  ${EndIf}
  System::Call 'kernel32::GetFileSize(p R0, p 0) i .R5'
  System::Call 'kernel32::SetFilePointer(p R0, i -4, p 0, i 2) i .R4'
  System::Call 'kernel32::ReadFile(p R0, *i .R2, i 4, *i .R8, p 0) i .R4'
  ${If} $R4 = 0
  ${OrIf} $R8 <> 4
  ${OrIf} $R2 <= 4
  ${OrIf} $R2 > $R5
    StrCpy $R9 "$(EncoderCarrierDamaged)"
    Goto done
  ${EndIf}
  IntOp $R4 0 - $R2
  System::Call 'kernel32::SetFilePointer(p R0, i R4, p 0, i 2) i .R4'

  System::Call 'kernel32::CreateFileW(w "${ENCODER_PARTIAL}", i 0x40000000, i 0, p 0, i 2, i 0x80, p 0) p .R1'
  ${If} $R1 = -1
    StrCpy $R9 "$(EncoderNotWritten)"
    Goto done
  ${EndIf}
  System::Alloc ${COPY_CHUNK}
  Pop $R6
  IntOp $R3 $R2 - 4
  ${DoWhile} $R3 > 0
    ${If} $R3 > ${COPY_CHUNK}
      StrCpy $R7 ${COPY_CHUNK}
    ${Else}
      StrCpy $R7 $R3
    ${EndIf}
    System::Call 'kernel32::ReadFile(p R0, p R6, i R7, *i .R8, p 0) i .R4'
    ${If} $R4 = 0
    ${OrIf} $R8 <> $R7
      StrCpy $R9 "$(EncoderCarrierDamaged)"
      ${Break}
    ${EndIf}
    System::Call 'kernel32::WriteFile(p R1, p R6, i R7, *i .R8, p 0) i .R4'
    ${If} $R4 = 0
    ${OrIf} $R8 <> $R7
      StrCpy $R9 "$(EncoderNotWritten)"
      ${Break}
    ${EndIf}
    IntOp $R3 $R3 - $R7
  ${Loop}

done:
  ${If} $R6 <> 0
    System::Free $R6
  ${EndIf}
  ${If} $R1 <> -1
    System::Call 'kernel32::CloseHandle(p R1)'
  ${EndIf}
  ${If} $R0 <> -1
    System::Call 'kernel32::CloseHandle(p R0)'
  ${EndIf}
  ${If} $R9 == ""
    ; MOVEFILE_REPLACE_EXISTING
    System::Call 'kernel32::MoveFileExW(w "${ENCODER_PARTIAL}", w "${ENCODER}", i 1) i .R4'
    ${If} $R4 = 0
      StrCpy $R9 "$(EncoderNotWritten)"
    ${EndIf}
  ${EndIf}
  ${If} $R9 != ""
    Delete "${ENCODER_PARTIAL}"
    DetailPrint "$R9"
    MessageBox MB_OK|MB_ICONSTOP "$R9" /SD IDOK
    Abort
  ${EndIf}
  DetailPrint "$(EncoderInstalled)"
FunctionEnd

; libm9s.exe unpacks the FFmpeg it carries into %LOCALAPPDATA%\libm9s, or
; into the temporary folder where that variable is missing (Windows XP):
; both belong to the user who runs the uninstaller.
Function un.RemoveUnpackedFfmpeg
  ReadEnvStr $0 LOCALAPPDATA
  ${If} $0 != ""
    RMDir /r "$0\libm9s"
  ${EndIf}
  RMDir /r "$TEMP\libm9s"
FunctionEnd
