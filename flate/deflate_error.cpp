#include "flate/deflate_error.h"

namespace flate {

// Out of line, so the checks in the hot loops stay small.
void FailInvalidDeflateData() {
  throw InvalidDeflateData();
}

}  // namespace flate
