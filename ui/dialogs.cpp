#include "ui/dialogs.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <stdexcept>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/open_dialog_result.h"
#include "win/code_page.h"

namespace ui {

bool TOpenDialog::Execute(HWND owner) {
  files_.clear();
  const std::wstring filter = OpenDialogFilter(win::Utf8ToWide(filter_));
  const std::wstring title = win::Utf8ToWide(title_);
  const std::wstring fileName = win::Utf8ToWide(fileName_);
  const std::wstring initialDir = win::Utf8ToWide(initialDir_);
  std::vector<wchar_t> buffer(std::max<std::size_t>(bufferSize_, fileName.size() + 2), L'\0');
  std::copy(fileName.begin(), fileName.end(), buffer.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner ? owner : GetActiveWindow();
  dialog.lpstrFilter = filter_.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = filterIndex_;
  dialog.lpstrFile = buffer.data();
  dialog.nMaxFile = static_cast<DWORD>(buffer.size());
  dialog.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir.c_str();
  dialog.lpstrTitle = title_.empty() ? nullptr : title.c_str();
  dialog.Flags = OFN_EXPLORER | (options_.allowMultiSelect ? OFN_ALLOWMULTISELECT : 0) |
                 (options_.hideReadOnly ? OFN_HIDEREADONLY : 0) |
                 (options_.enableSizing ? OFN_ENABLESIZING : 0);
  if (!GetOpenFileNameW(&dialog)) {
    const DWORD error = CommDlgExtendedError();
    if (error == FNERR_BUFFERTOOSMALL) {
      throw std::runtime_error("Too many files were selected at once.");
    }
    if (error != 0) {
      throw std::runtime_error("The open dialog failed (error " + std::to_string(error) + ").");
    }
    return false;
  }
  filterIndex_ = static_cast<int>(dialog.nFilterIndex);
  for (const std::wstring& path : SplitOpenDialogResult(buffer.data(), buffer.size())) {
    files_.push_back(win::WideToUtf8(path));
  }
  fileName_ = files_.empty() ? std::string() : files_.front();
  return true;
}

int ShowMessageBox(const TControl* owner, const std::string& text, UINT flags) {
  HWND window = owner ? owner->Handle() : GetActiveWindow();
  return MessageBoxW(window, win::Utf8ToWide(text).c_str(),
                     win::Utf8ToWide(Application().Title()).c_str(), flags);
}

}  // namespace ui
