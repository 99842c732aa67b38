#include "skinning/menus/skin_menus.h"

#include "skinning/engine/skin_engine.h"
#include "skinning/menus/menu_layout.h"
#include "skinning/painters/dib_buffer.h"
#include "win/code_page.h"
#include "win/gdi.h"

namespace skinning {

namespace {

using skin::SkinColorIndex;

constexpr int kColumnWidth = 26;
constexpr int kCaptionIndent = 30;
constexpr int kShortcutMargin = 16;
constexpr image::ColorRef kDisabledText = 0x808080;
constexpr image::ColorRef kSeparatorLine = 0x848284;

struct TextSize {
  int width;
  int height;
};

TextSize MeasureText(HDC dc, const std::wstring& text) {
  RECT rect{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_SINGLELINE | DT_CALCRECT);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void DrawLine(HDC dc, const RECT& rect, const std::wstring& line, UINT flags) {
  RECT at = rect;
  DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &at,
            DT_SINGLELINE | DT_VCENTER | flags);
}

// A check mark of two strokes, for skins without a picture of their own.
void DrawCheckStrokes(image::Canvas& canvas, int x, int y, image::ColorRef color) {
  for (int i = 0; i < 3; ++i) {
    canvas.Fill(image::RectAt(x + i, y + 4 + i, 1, 3), color);
  }
  for (int i = 0; i < 5; ++i) {
    canvas.Fill(image::RectAt(x + 3 + i, y + 5 - i, 1, 3), color);
  }
}

class ItemPainter {
 public:
  ItemPainter(const TvxSkinEngine& engine, const ui::TMenuItem& item, const DRAWITEMSTRUCT& draw)
      : metrics_(engine.Metrics()),
        engine_(engine),
        item_(item),
        state_(draw.itemState),
        width_(draw.rcItem.right - draw.rcItem.left),
        height_(draw.rcItem.bottom - draw.rcItem.top) {
    buffer_.Resize(width_, height_);
  }

  void Paint(HDC target, int x, int y) {
    image::Canvas& canvas = buffer_.Canvas();
    const bool enabled = !(state_ & (ODS_GRAYED | ODS_DISABLED));
    const bool highlighted = (state_ & ODS_SELECTED) && enabled && !item_.IsSeparator();
    if (highlighted) {
      canvas.Fill({0, 0, width_, height_}, Color(skin::kColorSelectedMenuBorder));
      canvas.Fill({1, 1, width_ - 1, height_ - 1}, Color(skin::kColorSelectedMenu));
    } else {
      canvas.Fill({0, 0, kColumnWidth, height_}, Color(skin::kColorLeftBarStart));
      canvas.Fill({kColumnWidth, 0, width_, height_}, Color(skin::kColorMenuItem));
    }
    if (item_.IsSeparator()) {
      canvas.Fill({kCaptionIndent, 2, width_ - 2, 3}, kSeparatorLine);
    } else {
      if (state_ & ODS_CHECKED) {
        DrawCheck(canvas, highlighted);
      }
      const image::ColorRef text =
          !enabled ? kDisabledText
                   : Color(highlighted ? skin::kColorSelectedMenuFont : skin::kColorMenuItemFont);
      DrawCaption(text);
    }
    buffer_.CopyTo(target, x, y);
  }

 private:
  image::ColorRef Color(SkinColorIndex index) const { return metrics_.MenuColor(index); }

  void DrawCheck(image::Canvas& canvas, bool highlighted) {
    const image::Bitmap* check = engine_.Reader().Image(skin::kImageCheckedMenuIcon);
    if (check && !check->IsEmpty()) {
      canvas.Stretch(*check, image::BoundsOf(*check),
                     image::RectAt(4, 3, check->Width(), check->Height()),
                     metrics_.transparentColor);
      return;
    }
    DrawCheckStrokes(canvas, 6, 5,
                     Color(highlighted ? skin::kColorSelectedMenuFont : skin::kColorMenuItemFont));
  }

  void DrawCaption(image::ColorRef color) {
    HDC dc = buffer_.Dc();
    win::SelectedObject font(dc,
                             (state_ & ODS_DEFAULT) ? engine_.BoldMenuFont() : engine_.MenuFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ui::ColorToRGB(color));
    const MenuCaption caption = SplitMenuCaption(win::Utf8ToWide(item_.Caption()));
    const UINT prefix = (state_ & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    int shortcutLeft = width_;
    if (!caption.shortcut.empty()) {
      shortcutLeft = width_ - (MeasureText(dc, caption.shortcut).width + kShortcutMargin);
      DrawLine(dc, {shortcutLeft, 0, width_, height_}, caption.shortcut, DT_LEFT | DT_NOPREFIX);
    }
    DrawLine(dc, {kCaptionIndent, 0, shortcutLeft, height_}, caption.text, DT_LEFT | prefix);
    GdiFlush();
  }

  const SkinMetrics& metrics_;
  const TvxSkinEngine& engine_;
  const ui::TMenuItem& item_;
  UINT state_;
  int width_;
  int height_;
  DibBuffer buffer_;
};

}  // namespace

void OwnerDrawItems(TvxSkinEngine& engine, ui::TMenuItem& parent) {
  for (int i = 0; i < parent.Count(); ++i) {
    ui::TMenuItem& item = *parent.Item(i);
    item.OnMeasureItem = [&engine](ui::TMenuItem& measured, MEASUREITEMSTRUCT& measure) {
      MeasureSkinnedMenuItem(engine, measured, measure);
    };
    item.OnDrawItem = [&engine](ui::TMenuItem& drawn, const DRAWITEMSTRUCT& draw) {
      DrawSkinnedMenuItem(engine, drawn, draw);
    };
    OwnerDrawItems(engine, item);
  }
}

void OwnerDrawMenu(TvxSkinEngine& engine, ui::TMenu& menu) {
  OwnerDrawItems(engine, menu.Items());
  menu.SetOwnerDraw(true);
}

void ReleaseMenu(ui::TMenu& menu) {
  menu.SetOwnerDraw(false);
  std::vector<ui::TMenuItem*> pending{&menu.Items()};
  while (!pending.empty()) {
    ui::TMenuItem* parent = pending.back();
    pending.pop_back();
    for (int i = 0; i < parent->Count(); ++i) {
      parent->Item(i)->OnMeasureItem = nullptr;
      parent->Item(i)->OnDrawItem = nullptr;
      pending.push_back(parent->Item(i));
    }
  }
}

void MeasureSkinnedMenuItem(const TvxSkinEngine& engine, const ui::TMenuItem& item,
                            MEASUREITEMSTRUCT& measure) {
  win::ClientDC screen(nullptr);
  win::SelectedObject font(screen.Get(), engine.MenuFont());
  const MenuCaption caption = SplitMenuCaption(win::Utf8ToWide(item.Caption()));
  const TextSize text = MeasureText(screen.Get(), caption.text.empty() ? L" " : caption.text);
  const int shortcut =
      caption.shortcut.empty() ? 0 : MeasureText(screen.Get(), caption.shortcut).width;
  const MenuItemSize size = MeasureMenuItem(item.IsSeparator(), text.height, text.width, shortcut);
  measure.itemWidth = static_cast<UINT>(size.width);
  measure.itemHeight = static_cast<UINT>(size.height);
}

void DrawSkinnedMenuItem(const TvxSkinEngine& engine, const ui::TMenuItem& item,
                         const DRAWITEMSTRUCT& draw) {
  if (draw.rcItem.right <= draw.rcItem.left || draw.rcItem.bottom <= draw.rcItem.top) {
    return;
  }
  ItemPainter(engine, item, draw).Paint(draw.hDC, draw.rcItem.left, draw.rcItem.top);
}

}  // namespace skinning
