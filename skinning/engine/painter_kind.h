#pragma once

#include <cstdint>
#include <string>

namespace skinning {

// Which painter a control gets. The first group serves the program's own
// controls, the second the child windows of windows the program did not
// make (the controls of system dialog boxes).
enum class PainterKind {
  kNone,
  kButton,
  kCheckBox,
  kComboBox,
  kScrollWinControl,  // edits, tree views: a border and scroll bars
  kGroupBox,
  kLabel,
  kListView,
  kProgressBar,
  kScrollBar,
  kTrackBar,
  kUpDown,
  kStatusBar,
  kTabControl,
  kToolBar,
  kDateTimePicker,
  kWndButton,
  kWndCheckBox,
  kWndRadioButton,
  kWndComboBox,
  kWndTabControl,
  kWndToolBar,
};

struct PlainWindowPainter {
  PainterKind kind = PainterKind::kNone;
  // The painter goes to the window's first child rather than the window
  // (an extended combo box is painted through the combo box inside it).
  bool onFirstChild = false;
};

// The painter of one of the program's controls that the class table does
// not name, by its window class (any case): the standard controls the
// window layer has no type of its own for.
PainterKind PainterForControlClass(const std::string& className);

// The painter of a child window of a plain window, by its class name (any
// case) and style. Group boxes, owner-drawn buttons, simple combo boxes,
// animations and progress bars get none.
PlainWindowPainter PainterForWindowClass(const std::string& className, uint32_t style);

}  // namespace skinning
