#include "skin/deflate_error.h"

namespace skin {

// Out of line, so the checks in the hot loops stay small.
void FailInvalidDeflateData() {
  throw InvalidDeflateData();
}

}  // namespace skin
