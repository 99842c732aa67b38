#include "win/temp_names.h"

#include <windows.h>

#include <objbase.h>

#include <cstdio>

#include "win/os_error.h"
#include "win/system_folders.h"

namespace win {

std::string WinTempNameSource::TempFolder() {
  return win::TempFolder();
}

std::string WinTempNameSource::NewGuidText() {
  GUID guid{};
  const HRESULT result = CoCreateGuid(&guid);
  if (FAILED(result)) {
    win::RaiseOSError(static_cast<unsigned long>(result));
  }
  char text[39];
  std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                guid.Data4[6], guid.Data4[7]);
  return text;
}

}  // namespace win
