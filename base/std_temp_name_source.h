#pragma once

#include <random>
#include <string>

#include "base/temp_name_source.h"

namespace base {

// Temporary names from the standard library: its temporary directory and
// random (version 4) GUIDs.
class StdTempNameSource final : public TempNameSource {
 public:
  StdTempNameSource();
  std::string TempFolder() override;
  std::string NewGuidText() override;

 private:
  std::mt19937_64 random_;
};

}  // namespace base
