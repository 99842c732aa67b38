#pragma once

#include <string>

namespace base {

// Where temporary files go and how they are named: the platform's
// temporary folder and a newly generated GUID.
class TempNameSource {
 public:
  virtual ~TempNameSource() = default;
  virtual std::string TempFolder() = 0;
  // A new GUID in braces: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
  virtual std::string NewGuidText() = 0;
};

// A new file name in the temporary folder: the GUID with no extension.
std::string NewTempFileName(TempNameSource& names);

}  // namespace base
