#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/component.h"

namespace ui {

class TControl;

struct TOpenOptions {
  bool allowMultiSelect = false;
  bool hideReadOnly = false;
  bool enableSizing = false;
};

// The system's Explorer-style dialog for picking files to open.
class TOpenDialog : public base::TComponent {
 public:
  using base::TComponent::TComponent;

  void SetTitle(std::string title) { title_ = std::move(title); }
  // "Description|*.a;*.b|Description|*.c"
  void SetFilter(std::string filter) { filter_ = std::move(filter); }
  // Counted from 1; the dialog leaves the last one chosen here.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int index) { filterIndex_ = index; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }
  // The folder the dialog opens in; empty leaves it to the system.
  void SetInitialDir(std::string folder) { initialDir_ = std::move(folder); }
  void SetOptions(const TOpenOptions& options) { options_ = options; }
  // Room for the selected names, in characters.
  void SetBufferSize(std::size_t characters) { bufferSize_ = characters; }

  // Shows the dialog, owned by the given window or else the active one.
  // Files is emptied first; true when the user picked files. Throws when
  // the selection does not fit the buffer, rather than return part of it.
  bool Execute(HWND owner = nullptr);
  // The full paths picked, in the dialog's order.
  const std::vector<std::string>& Files() const { return files_; }

 private:
  std::string title_;
  std::string filter_;
  int filterIndex_ = 1;
  std::string fileName_;
  std::string initialDir_;
  TOpenOptions options_;
  std::size_t bufferSize_ = 65536;
  std::vector<std::string> files_;
};

// A message box owned by the control's window (or the active window for
// nullptr) with the application's title as caption; returns the answer
// (IDOK, IDCANCEL, IDYES, ...).
int ShowMessageBox(const TControl* owner, const std::string& text, UINT flags);

}  // namespace ui
