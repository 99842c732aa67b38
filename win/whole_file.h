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

// Makes `bytes` the whole content of the file at `path` in one step: they
// go into "<path>.<process id>.tmp" beside it, to the disk, and that file
// then takes the name. Whenever the writer stops, the file holds either
// its earlier content or the new one; the folder may keep the temporary
// file of a writer that was ended by force.
// False, with the file as it was, when the folder does not take the write.
bool ReplaceWholeFile(const std::string& path, std::string_view bytes);
// Removes what writers of the file ended by force left beside it.
void RemoveReplacementLeftovers(const std::string& path);

}  // namespace win
