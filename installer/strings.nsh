; The installer's own texts, in its two languages. Windows chooses between
; them by the user's language.

LangString LicenceNote ${LANG_ENGLISH} "Vexmoor and the FFmpeg it carries are free software under this licence. You need not accept it to use the program; it gives you the right to copy, change and share it."
LangString LicenceNote ${LANG_SIMPCHINESE} "Vexmoor 及其附带的 FFmpeg 是依据此许可证发布的自由软件。使用本程序无需接受此许可证；它赋予您复制、修改和分发的权利。"

LangString LanguagePageTitle ${LANG_ENGLISH} "Program Language"
LangString LanguagePageTitle ${LANG_SIMPCHINESE} "程序语言"
LangString LanguagePageSubtitle ${LANG_ENGLISH} "Choose the language of Vexmoor's windows and help."
LangString LanguagePageSubtitle ${LANG_SIMPCHINESE} "选择 Vexmoor 窗口和帮助所使用的语言。"
LangString LanguagePageText ${LANG_ENGLISH} "Vexmoor shows its menus, windows, messages and help in this language:"
LangString LanguagePageText ${LANG_SIMPCHINESE} "Vexmoor 将用以下语言显示菜单、窗口、消息和帮助："

LangString StartNow ${LANG_ENGLISH} "&Start Vexmoor now"
LangString StartNow ${LANG_SIMPCHINESE} "立即运行 Vexmoor(&S)"

LangString BadLanguageOption ${LANG_ENGLISH} "Unknown program language. Use /LANGUAGE=en for English or /LANGUAGE=zh for Simplified Chinese."
LangString BadLanguageOption ${LANG_SIMPCHINESE} "未知的程序语言。请使用 /LANGUAGE=en 选择英语，或 /LANGUAGE=zh 选择简体中文。"

LangString EncoderInstalled ${LANG_ENGLISH} "Installed the encoder as $SYSDIR\libm9s.exe"
LangString EncoderInstalled ${LANG_SIMPCHINESE} "已将编码器安装为 $SYSDIR\libm9s.exe"
LangString EncoderCarrierUnreadable ${LANG_ENGLISH} "Cannot read $INSTDIR\plug.exe, which carries the encoder."
LangString EncoderCarrierUnreadable ${LANG_SIMPCHINESE} "无法读取携带编码器的 $INSTDIR\plug.exe。"
LangString EncoderCarrierDamaged ${LANG_ENGLISH} "$INSTDIR\plug.exe is damaged: it does not hold the encoder."
LangString EncoderCarrierDamaged ${LANG_SIMPCHINESE} "$INSTDIR\plug.exe 已损坏：其中没有编码器。"
LangString EncoderNotWritten ${LANG_ENGLISH} "Cannot write the encoder $SYSDIR\libm9s.exe. If Vexmoor is converting, close it and run the installer again."
LangString EncoderNotWritten ${LANG_SIMPCHINESE} "无法写入编码器 $SYSDIR\libm9s.exe。如果 Vexmoor 正在转换，请关闭它后重新运行安装程序。"

LangString ConfigNotShared ${LANG_ENGLISH} "Could not let all users change $INSTDIR\config.ini."
LangString ConfigNotShared ${LANG_SIMPCHINESE} "无法允许所有用户修改 $INSTDIR\config.ini。"
LangString ShortcutsFailed ${LANG_ENGLISH} "Could not create every Start-menu entry in ${SHORTCUTS}."
LangString ShortcutsFailed ${LANG_SIMPCHINESE} "无法在 ${SHORTCUTS} 中创建全部开始菜单项。"
