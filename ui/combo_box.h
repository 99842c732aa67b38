#pragma once

#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

struct TComboBoxOptions {
  // The height is that of the closed box; the list drops below it.
  TBounds bounds;
  std::vector<std::string> items;
  int itemIndex = -1;
  int dropDownCount = 8;
  base::TNotifyEvent onChange;
};

// A drop-down list: the user picks one of the items and cannot type text.
class TComboBox : public TControl {
 public:
  TComboBox(TControl* parent, const TComboBoxOptions& options);

  int ItemCount() const;
  std::string Item(int index) const;
  void AddItem(const std::string& item);
  // -1 when no item is selected. Setting it does not fire OnChange.
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The selected item's text, or empty.
  std::string Text() const;

  // Fired when the user picks another item.
  base::TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& message) override;
};

}  // namespace ui
