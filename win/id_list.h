#pragma once

#include <shlobj.h>

#include "win/unique.h"

namespace win {

// Item ID lists of the shell namespace, allocated by the shell with the
// COM task allocator.
struct IdListTraits {
  using Handle = LPITEMIDLIST;
  static bool IsNone(LPITEMIDLIST list) { return !list; }
  static bool Free(LPITEMIDLIST list) {
    CoTaskMemFree(list);
    return true;
  }
};

using UniqueIdList = Unique<IdListTraits>;

}  // namespace win
