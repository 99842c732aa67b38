#pragma once

#include <windows.h>

#include <memory>

#include "skinning/engine/painter_kind.h"
#include "skinning/painters/skin_control.h"
#include "ui/control.h"

namespace skinning {

class TvxSkinWindow;

// The painter kind of one of the program's controls, by the class table:
// the last row whose class the control is or derives from.
PainterKind ControlPainterKind(const ui::TControl& control);

// The painter of one of the program's controls; null when its class has
// none.
std::unique_ptr<TvxSkinControl> MakeControlPainter(TvxSkinWindow& window, ui::TControl& control);

// The painter of a child window of a plain window, of a kind that
// PainterForWindowClass chose.
std::unique_ptr<TvxSkinControl> MakeWindowPainter(TvxSkinWindow& window, HWND control,
                                                  PainterKind kind);

}  // namespace skinning
