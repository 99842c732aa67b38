#include "tests/support/dropped_files.h"

#include <shlobj.h>

#include <cstring>

#include "win/code_page.h"

namespace test_support {

namespace {

template <typename Char>
HGLOBAL DropOfList(const std::basic_string<Char>& list, bool wide) {
  const std::size_t size = (list.size() + 1) * sizeof(Char);
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + size);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = wide;
  std::memcpy(drop + 1, list.c_str(), size);
  GlobalUnlock(memory);
  return memory;
}

}  // namespace

HGLOBAL DroppedFiles(const std::vector<std::string>& names, bool wide) {
  if (!wide) {
    std::string list;
    for (const std::string& name : names) {
      list += name + '\0';
    }
    return DropOfList(list, false);
  }
  std::wstring list;
  for (const std::string& name : names) {
    list += win::Utf8ToWide(name) + L'\0';
  }
  return DropOfList(list, true);
}

}  // namespace test_support
