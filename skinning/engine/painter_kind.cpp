#include "skinning/engine/painter_kind.h"

#include "base/ascii_case.h"

namespace skinning {

namespace {

constexpr uint32_t kButtonTypeMask = 0xF;
constexpr uint32_t kGroupBox = 7;
constexpr uint32_t kOwnerDrawButton = 0xB;
constexpr uint32_t kComboBoxTypeMask = 3;
constexpr uint32_t kSimpleComboBox = 1;

// Check boxes are the two- and three-state types, radio buttons the plain
// and automatic ones; everything else of the class is a push button.
PainterKind ButtonPainter(uint32_t style) {
  const uint32_t type = style & kButtonTypeMask;
  if ((type & kGroupBox) == kGroupBox || type == kOwnerDrawButton) {
    return PainterKind::kNone;
  }
  if ((type & 3) == 3 || (type & 2) != 0 || (type & 5) == 5) {
    return PainterKind::kWndCheckBox;
  }
  if ((type & 9) == 9 || (type & 4) != 0) {
    return PainterKind::kWndRadioButton;
  }
  return PainterKind::kWndButton;
}

}  // namespace

PainterKind PainterForControlClass(const std::string& className) {
  static const struct {
    const char* name;
    PainterKind kind;
  } kClasses[] = {
      {"SCROLLBAR", PainterKind::kScrollBar},
      {"msctls_trackbar32", PainterKind::kTrackBar},
      {"msctls_updown32", PainterKind::kUpDown},
      {"msctls_statusbar32", PainterKind::kStatusBar},
      {"SysTabControl32", PainterKind::kTabControl},
      {"ToolbarWindow32", PainterKind::kToolBar},
      {"SysDateTimePick32", PainterKind::kDateTimePicker},
  };
  for (const auto& entry : kClasses) {
    if (base::EqualIgnoringAsciiCase(className, entry.name)) {
      return entry.kind;
    }
  }
  return PainterKind::kNone;
}

PlainWindowPainter PainterForWindowClass(const std::string& className, uint32_t style) {
  auto is = [&className](const char* name) {
    return base::EqualIgnoringAsciiCase(className, name);
  };
  if (is("BUTTON")) {
    return {ButtonPainter(style)};
  }
  if (is("COMBOBOX")) {
    return {(style & kComboBoxTypeMask) == kSimpleComboBox ? PainterKind::kNone
                                                           : PainterKind::kWndComboBox};
  }
  if (is("COMBOBOXEX32")) {
    return {PainterKind::kWndComboBox, true};
  }
  if (is("SYSTABCONTROL32")) {
    return {PainterKind::kWndTabControl};
  }
  if (is("TOOLBARWINDOW32")) {
    return {PainterKind::kWndToolBar};
  }
  return {};
}

}  // namespace skinning
