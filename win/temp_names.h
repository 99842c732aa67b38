#pragma once

#include "base/temp_name_source.h"

namespace win {

// Temporary names from the system: its temporary folder (UTF-8, as the
// skin reader opens files by their wide names) and a GUID it generates.
class WinTempNameSource final : public base::TempNameSource {
 public:
  std::string TempFolder() override;
  std::string NewGuidText() override;
};

}  // namespace win
