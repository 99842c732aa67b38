#pragma once

#include <string>
#include <string_view>

namespace archive {

enum class ExtractResult {
  kDone = 0,
  kUnreadable = 1,  // the archive or the member cannot be read
  kRefused = 2,     // the password is refused or the output is inconsistent
};

// Inflates one member of a skin archive (see FindSkinArchiveMember) into a
// new file `targetName`, decrypting it first when it is encrypted. The
// member is always taken as raw deflate data. Output whose size differs from
// the member's recorded size counts as refused, as a wrong password gives
// garbage that rarely decodes to the right size. The target file is deleted
// unless the result is kDone.
ExtractResult ExtractSkinMember(const std::string& archiveName, std::string_view memberName,
                                const std::string& targetName, std::string_view password);

}  // namespace archive
