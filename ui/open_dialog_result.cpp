#include "ui/open_dialog_result.h"

namespace ui {
namespace {

std::vector<std::wstring> NulSeparatedStrings(const wchar_t* buffer, std::size_t size) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start < size && buffer[start] != L'\0') {
    std::size_t end = start;
    while (end < size && buffer[end] != L'\0') {
      ++end;
    }
    parts.emplace_back(buffer + start, end - start);
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::vector<std::wstring> SplitOpenDialogResult(const wchar_t* buffer, std::size_t size) {
  std::vector<std::wstring> parts = NulSeparatedStrings(buffer, size);
  if (parts.size() <= 1) {
    return parts;
  }
  std::wstring folder = parts.front();
  if (folder.back() != L'\\') {  // a drive's root already ends in one
    folder += L'\\';
  }
  std::vector<std::wstring> paths;
  for (std::size_t index = 1; index < parts.size(); ++index) {
    paths.push_back(folder + parts[index]);
  }
  return paths;
}

std::wstring OpenDialogFilter(const std::wstring& filter) {
  std::wstring result = filter;
  for (wchar_t& c : result) {
    if (c == L'|') {
      c = L'\0';
    }
  }
  result.append(2, L'\0');
  return result;
}

}  // namespace ui
