#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace win {

// The bytes of a file, whole, by its UTF-8 path; others may read and write
// it meanwhile. Nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// Its first `count` bytes, or all of a shorter file; as ReadWholeFile.
std::optional<std::string> ReadFileStart(const std::string& path, std::size_t count);

// Makes `bytes` the whole content of the file at `path`, creating it when
// missing. The file is written in place, as the private-profile functions
// write theirs, so that only the right to change the file itself is
// needed (the installer grants users that on config.ini, not on its
// folder). False when it cannot be opened or written.
bool OverwriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace win
