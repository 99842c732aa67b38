#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class TListView;

struct TListColumn {
  std::string caption;
  int width = 50;
};

struct TListViewOptions {
  TBounds bounds;
  std::vector<TListColumn> columns;
  bool gridLines = false;
  bool rowSelect = false;
  bool multiSelect = false;
  // Without it the user can edit an item's caption in place.
  bool readOnly = false;
  // Hides the selection while the list view does not have the focus.
  bool hideSelection = true;
};

// One row of a list view, named by its position.
class TListItem {
 public:
  TListItem(TListView& view, int index) : view_(&view), index_(index) {}

  int Index() const { return index_; }
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // The text of the item's cell in a further column (1 on).
  std::string SubItemText(int column) const;
  void SetSubItemText(int column, const std::string& text);
  bool Selected() const;
  void SetSelected(bool selected);
  bool Focused() const;
  void SetFocused(bool focused);

 private:
  bool HasState(UINT state) const;
  void SetState(UINT state, bool on);

  TListView* view_;
  int index_;
};

// A list view in report style: rows of items under column headers. An item
// whose caption the user edits in place keeps the edited text. A tip shows
// the text OnItemTip gives for the item under the mouse.
class TListView : public TControl {
 public:
  TListView(TControl* parent, const TListViewOptions& options);

  // Told after the user has edited an item's caption in place, with the
  // new caption set.
  std::function<void(int index)> OnItemEdited;
  // The tip for the item under the mouse; empty for none.
  std::function<std::string(int index)> OnItemTip;
  // The tip's window, owned by the list view's window.
  HWND TipWindow() const { return tip_; }

  int ItemCount() const;
  TListItem Item(int index) { return TListItem(*this, index); }
  TListItem AddItem(const std::string& caption);
  void DeleteItem(int index);
  void Clear();
  // The first selected item's position, or -1.
  int SelectedIndex() const;

  // Holds back the list's drawing while many items change; the last
  // EndUpdate of nested pairs draws it again.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }

  std::string ColumnCaption(int column) const;
  void SetColumnCaption(int column, const std::string& caption);

 protected:
  void WndProc(TMessage& message) override;

 private:
  void AddColumn(int index, const TListColumn& column);
  void CreateTip();
  LRESULT EndLabelEdit(int index, const std::optional<std::string>& text);
  // The tip's one tool, without its place.
  TTTOOLINFOW TipTool() const;
  // Puts the tip's tool on the item at the mouse's position.
  void MouseMoved(LPARAM position);
  void GiveTipText(NMTTDISPINFOW& request);

  bool readOnly_;
  int updateCount_ = 0;
  HWND tip_ = nullptr;
  // The item the tip's tool lies on, or -1.
  int tipItem_ = -1;
  std::wstring tipText_;
};

}  // namespace ui
