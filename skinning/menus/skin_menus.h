#pragma once

#include <windows.h>

#include "ui/menu.h"

namespace skinning {

class TvxSkinEngine;

// Menus in the skin's colours: every item below a menu's root is
// owner-drawn with the engine's measure and draw handlers.
void OwnerDrawMenu(TvxSkinEngine& engine, ui::TMenu& menu);
// Gives the items their handlers; for items added to an owner-drawn menu.
void OwnerDrawItems(TvxSkinEngine& engine, ui::TMenuItem& parent);
// The menu goes back to the system's drawing.
void ReleaseMenu(ui::TMenu& menu);

// Separators are 5 pixels high, other items at least 21 and as wide as
// their caption and shortcut need.
void MeasureSkinnedMenuItem(const TvxSkinEngine& engine, const ui::TMenuItem& item,
                            MEASUREITEMSTRUCT& measure);
// Composes the item off screen and puts it on the menu's device context
// in one transfer.
void DrawSkinnedMenuItem(const TvxSkinEngine& engine, const ui::TMenuItem& item,
                         const DRAWITEMSTRUCT& draw);

}  // namespace skinning
