#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ui {

// The full paths in the file buffer of a multi-select, Explorer-style open
// dialog: either one full path, or the folder followed by the file names,
// each ended by a NUL and the whole by a second NUL. size bounds the buffer
// in case its last NUL is missing.
std::vector<std::wstring> SplitOpenDialogResult(const wchar_t* buffer, std::size_t size);

// A filter written "Description|*.a;*.b|Description|*.c" as the dialog wants
// it: each part ended by a NUL, the whole by a second NUL.
std::wstring OpenDialogFilter(const std::wstring& filter);

}  // namespace ui
