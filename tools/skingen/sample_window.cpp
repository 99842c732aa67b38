#include "tools/skingen/sample_window.h"

#include <array>

#include "image/canvas.h"
#include "image/image_drawing.h"
#include "skin/skin_progress_bar_res.h"
#include "skin/skin_scroll_btn_res.h"
#include "skin/skin_tab_res.h"
#include "tools/skingen/pixel_font.h"

namespace skingen {

namespace {

using namespace skin;

constexpr int kWidth = 380;
constexpr int kHeight = 230;

class SampleWindowPainter {
 public:
  SampleWindowPainter(const TvxSkinReader& reader, image::Bitmap& window)
      : reader_(reader), window_(window), canvas_(window), transparent_(reader.Color(kColorTrans)) {
    scroll_.SetReader(&reader);
    progress_.SetReader(&reader);
    tabs_.SetReader(&reader);
  }

  void Paint(const std::string& caption, image::ColorRef outside) {
    canvas_.Fill(image::BoundsOf(window_), reader_.Color(kColorForm));
    const int titleHeight = Height(kImageTitleBar1);
    Title(caption);
    Borders(titleHeight);
    Controls(titleHeight);
    CutShape(titleHeight, outside);
  }

 private:
  const image::Bitmap* Image(int index) const { return reader_.Image(index); }
  int Width(int index) const { return Image(index) ? Image(index)->Width() : 0; }
  int Height(int index) const { return Image(index) ? Image(index)->Height() : 0; }

  void Stretch(int index, const image::Rect& to, bool masked = false) {
    if (const image::Bitmap* image = Image(index)) {
      canvas_.Stretch(*image, image::BoundsOf(*image), to,
                      masked ? std::optional<image::ColorRef>(transparent_) : std::nullopt);
    }
  }
  void Draw(const image::Bitmap& image, int x, int y, bool masked) {
    canvas_.Stretch(image, image::BoundsOf(image),
                    image::RectAt(x, y, image.Width(), image.Height()),
                    masked ? std::optional<image::ColorRef>(transparent_) : std::nullopt);
  }

  void Title(const std::string& caption) {
    const int h = Height(kImageTitleBar1);
    const bool five = reader_.Flag(kFlagTitleFiveSect);
    const int rightEnd = five ? kImageTitleBar5 : kImageTitleBar3;
    const int leftWidth = Width(kImageTitleBar1);
    const int rightLeft = kWidth - Width(rightEnd);
    const int iconX = reader_.Metric(kMetricTitleBarIconPosX);
    const int captionEnd = iconX + 18 + static_cast<int>(caption.size()) * kPixelFontAdvance;
    Stretch(rightEnd, {rightLeft, 0, kWidth, h});
    Stretch(kImageTitleBar1, {0, 0, leftWidth, h});
    if (five) {
      const int plateEnd = std::max(captionEnd + 2, leftWidth);
      Stretch(kImageTitleBar2, {leftWidth, 0, plateEnd, h});
      Stretch(kImageTitleBar3, image::RectAt(plateEnd, 0, Width(kImageTitleBar3), h));
      Stretch(kImageTitleBar4, {plateEnd + Width(kImageTitleBar3), 0, rightLeft, h});
    } else {
      Stretch(kImageTitleBar2, {leftWidth, 0, rightLeft, h});
    }
    const int iconY = std::max(reader_.Metric(kMetricTitleBarIconPosY), 4);
    canvas_.Fill(image::RectAt(iconX, iconY, 16, 16), 0x3060C0);
    canvas_.Fill(image::RectAt(iconX + 3, iconY + 3, 10, 10), 0xF0F0F0);
    DrawText(window_, iconX + 18, reader_.Metric(kMetricTitleBarCaptionTop) + 3, caption,
             reader_.Color(kColorTitleFont));
    CaptionButtons();
  }

  // Close, maximize, minimize and help from the right; the middle two hot
  // and pressed to show the states.
  void CaptionButtons() {
    const int frame = Width(kImageTitleButtons) / kTitleButtonFrames;
    const int y = reader_.Metric(kMetricTitleBarButtonPosY);
    int x = kWidth - reader_.Metric(kMetricTitleBarButtonPosX) - frame;
    for (int number : {16, 8, 15, 4}) {
      if (auto button = ImageFrame(reader_, kImageTitleButtons, number, kTitleButtonFrames)) {
        Draw(*button, x, y, reader_.Flag(kFlagTitleBtnTrans));
      }
      x -= frame + 2;
    }
  }

  void Borders(int titleHeight) {
    const int bottomHeight = Height(kImageFormBottomBorder1);
    const int bottom = kHeight - bottomHeight;
    Stretch(kImageFormLeftBorder, {0, titleHeight, Width(kImageFormLeftBorder), bottom});
    Stretch(kImageFormRightBorder,
            {kWidth - Width(kImageFormRightBorder), titleHeight, kWidth, bottom});
    if (reader_.Flag(kFlagBottomBorderThreeSect)) {
      const int left = Width(kImageFormBottomBorder1);
      const int right = kWidth - Width(kImageFormBottomBorder3);
      Stretch(kImageFormBottomBorder1, {0, bottom, left, kHeight});
      Stretch(kImageFormBottomBorder2, {left, bottom, right, kHeight});
      Stretch(kImageFormBottomBorder3, {right, bottom, kWidth, kHeight});
    } else if (const image::Bitmap* strip = Image(kImageFormBottomBorder1)) {
      image::DrawThreePartH(*strip, canvas_, {0, bottom, kWidth, kHeight}, transparent_, false);
    }
  }

  void Controls(int top) {
    const int x = Width(kImageFormLeftBorder) + 10;
    int y = top + 10;
    const bool buttonMask = reader_.Flag(kFlagButtonTrans);
    int buttonX = x;
    for (auto [frame, width, height] :
         {std::array<int, 3>{1, 75, 23}, {2, 75, 23}, {3, 60, 30}, {1, 30, 30}}) {
      if (auto face = ImageFrame(reader_, kImageButton, frame, kButtonFrames)) {
        image::DrawNinePart(*face, canvas_, image::RectAt(buttonX, y, width, height), transparent_,
                            buttonMask);
      }
      buttonX += width + 6;
    }
    DrawText(window_, x + 22, y + 8, "OK", reader_.Color(kColorButtonFont));
    y += 40;
    for (int frame = 1; frame <= kCheckBoxFrames; ++frame) {
      if (auto box = ImageFrame(reader_, kImageCheckBox, frame, kCheckBoxFrames)) {
        Draw(*box, x + (frame - 1) * 18, y, reader_.Flag(kFlagCheckBoxTrans));
      }
    }
    for (int frame = 1; frame <= kRadioButtonFrames; ++frame) {
      if (auto radio = ImageFrame(reader_, kImageRadioButton, frame, kRadioButtonFrames)) {
        Draw(*radio, x + 120 + (frame - 1) * 18, y, reader_.Flag(kFlagRadioButtonTrans));
      }
    }
    DrawText(window_, x + 200, y + 3, "LABEL", reader_.Color(kColorControlFont));
    y += 24;
    ProgressBar(image::RectAt(x, y, 220, 14), 60);
    y += 24;
    TrackBar(x, y);
    y += 28;
    Tabs(x, y);
    VerticalScrollBar(image::RectAt(kWidth - Width(kImageFormRightBorder) - 26, top + 10, 16, 150),
                      40, 50);
  }

  void ProgressBar(const image::Rect& r, int percent) {
    const int a = progress_.StartWidth();
    const int b = progress_.EndWidth();
    const int filled = a + (r.Width() - a - b) * percent / 100;
    image::CopyThreePartV(progress_.Horizontal(1), canvas_, {r.left, r.top, r.left + a, r.bottom},
                          2);
    image::CopyThreePartV(progress_.Horizontal(2), canvas_,
                          {r.left + a, r.top, r.left + filled, r.bottom}, 2);
    image::CopyThreePartV(progress_.Horizontal(3), canvas_,
                          {r.left + filled, r.top, r.right - b, r.bottom}, 2);
    image::CopyThreePartV(progress_.Horizontal(4), canvas_, {r.right - b, r.top, r.right, r.bottom},
                          2);
  }

  void TrackBar(int x, int y) {
    if (const image::Bitmap* channel = Image(kImageTrackBar)) {
      image::CopyThreePartH(*channel, canvas_, image::RectAt(x, y + 7, 220, channel->Height()), 4);
    }
    if (const image::Bitmap* slider = Image(kImageTrackBarSlider)) {
      Draw(*slider, x + 80, y, true);
    }
  }

  void Tabs(int x, int y) {
    const bool masked = reader_.Flag(kFlagTabControlTrans);
    const image::Bitmap& line = tabs_.Line(TabTurn::kNone);
    const int tabHeight = tabs_.SelectedTab(TabTurn::kNone).Height();
    canvas_.Stretch(line, image::BoundsOf(line),
                    {x, y + tabHeight - 1, x + 220, y + tabHeight - 1 + line.Height()});
    image::DrawThreePartH(tabs_.OtherTab(TabTurn::kNone), canvas_,
                          image::RectAt(x + 64, y, 70, tabHeight), transparent_, masked);
    image::DrawThreePartH(tabs_.SelectedTab(TabTurn::kNone), canvas_,
                          image::RectAt(x, y, 66, tabHeight), transparent_, masked);
    DrawText(window_, x + 14, y + 8, "PAGE", reader_.Color(kColorTabControlActiveFont));
    DrawText(window_, x + 80, y + 9, "OTHER", reader_.Color(kColorTabControlInactiveFont));
  }

  // Arrows over the first and last 16 pixels, the thumb from its pieces.
  void VerticalScrollBar(const image::Rect& r, int thumbTop, int thumbLength) {
    canvas_.Fill(r, reader_.Color(kColorScrollBar));
    const image::Bitmap& up = scroll_.VerticalArrow(1);
    const image::Bitmap& down = scroll_.VerticalArrow(4);
    canvas_.Stretch(up, image::BoundsOf(up), {r.left, r.top, r.right, r.top + 16});
    canvas_.Stretch(down, image::BoundsOf(down), {r.left, r.bottom - 16, r.right, r.bottom});
    const image::Rect t = image::RectAt(r.left, r.top + thumbTop, r.Width(), thumbLength);
    const int l = thumbLength;
    const image::Bitmap& p1 = scroll_.VerticalThumb(1);
    const image::Bitmap& p3 = scroll_.VerticalThumb(3);
    const image::Bitmap& p5 = scroll_.VerticalThumb(5);
    canvas_.Stretch(p1, image::BoundsOf(p1), image::RectAt(t.left, t.top, t.Width(), p1.Height()));
    const int cut = std::max(0, p5.Height() - l / 2);
    canvas_.Stretch(p5, {0, cut, p5.Width(), p5.Height()},
                    {t.left, t.bottom - (p5.Height() - cut), t.right, t.bottom});
    if (p3.Height() >= l - 6) {
      canvas_.Stretch(p3, image::BoundsOf(p3), {t.left, t.top + 3, t.right, t.bottom - 3});
      return;
    }
    const int p3Top = t.top + 3 + (l - 6 - p3.Height()) / 2;
    canvas_.Stretch(p3, image::BoundsOf(p3), image::RectAt(t.left, p3Top, t.Width(), p3.Height()));
    const image::Bitmap& p2 = scroll_.VerticalThumb(2);
    const image::Bitmap& p4 = scroll_.VerticalThumb(4);
    canvas_.Stretch(p4, image::BoundsOf(p4), {t.left, p3Top + p3.Height(), t.right, t.bottom - 3});
    canvas_.Stretch(p2, image::BoundsOf(p2), {t.left, t.top + 3, t.right, p3Top});
  }

  // The window's shape: transparent pixels in the scanned rows of the
  // title bar and of the bottom border fall outside the window.
  void CutShape(int titleHeight, image::ColorRef outside) {
    if (reader_.Flag(kFlagTitleBarNeedRegion)) {
      CutRows(0, titleHeight, kMetricTitleBarRegionMinY, kMetricTitleBarRegionMaxY, outside);
    }
    if (reader_.Flag(kFlagBottomBorderNeedRegion)) {
      const int bottomHeight = Height(kImageFormBottomBorder1);
      CutRows(kHeight - bottomHeight, bottomHeight, kMetricBottomRegionMinY,
              kMetricBottomRegionMaxY, outside);
    }
  }

  void CutRows(int top, int height, int minMetric, int maxMetric, image::ColorRef outside) {
    int first = std::max(reader_.Metric(minMetric), 0);
    int last = reader_.Metric(maxMetric);
    if (first >= last) {
      first = 0;
      last = height - 1;
    }
    for (int y = top + first; y <= top + std::min(last, height - 1); ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if (window_.Pixel(x, y) == transparent_) {
          window_.SetPixel(x, y, outside);
        }
      }
    }
  }

  const TvxSkinReader& reader_;
  image::Bitmap& window_;
  image::Canvas canvas_;
  image::ColorRef transparent_;
  TvxSkinScrollBtnRes scroll_;
  TvxSkinProgressBarRes progress_;
  TvxSkinTabRes tabs_;
};

}  // namespace

image::Bitmap SampleWindow(const TvxSkinReader& reader, const std::string& caption,
                           image::ColorRef outside) {
  image::Bitmap window(kWidth, kHeight, 24);
  SampleWindowPainter(reader, window).Paint(caption, outside);
  return window;
}

}  // namespace skingen
