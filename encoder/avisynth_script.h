#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace encoder {

// True for text that is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// A script file's bytes as UTF-8 text. The converter writes its script in
// UTF-8; a UTF-8 byte order mark is dropped, and a script that is not UTF-8
// (one written in the ANSI code page) is decoded with fromAnsi.
std::string ScriptText(std::string_view bytes,
                       const std::function<std::string(const std::string&)>& fromAnsi);

// True for a path whose extension is ".avs" in any letter case.
bool IsAviSynthScript(const std::string& path);

// The converter hands inputs it cannot open directly over in a one-line
// script, DirectShowSource("<path>",convertfps=true). With no AviSynth at
// hand, such a script is unwrapped and FFmpeg reads the named file itself
// (the constant frame rate comes from the output rate anyway). Returns the
// path when the script is exactly that one call (the function name in any
// letter case, blanks between the arguments allowed, "convertfps=true" or
// no second argument), nothing for any other script.
std::optional<std::string> DirectShowSourcePath(std::string_view script);

}  // namespace encoder
