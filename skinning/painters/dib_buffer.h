#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "image/bitmap.h"
#include "image/canvas.h"
#include "win/gdi.h"
#include "win/unique.h"

namespace skinning {

// An off-screen picture that both the system (text, icons) and the image
// operations draw on: a top-down 32-bit DIB section selected into a memory
// device context, reached as a canvas. Pictures are composed here and put
// on the screen in one transfer each.
class DibBuffer {
 public:
  DibBuffer();
  DibBuffer(const DibBuffer&) = delete;
  DibBuffer& operator=(const DibBuffer&) = delete;

  // Makes the picture `width` x `height`; keeps the pixels when the size
  // stays. Contents are undefined after a change of size.
  void Resize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  HDC Dc() const { return dc_.Get(); }
  // Call GdiFlush first when the system drew last.
  image::Canvas& Canvas() { return *canvas_; }
  const image::Canvas& Canvas() const { return *canvas_; }
  // A colour number (0x00BBGGRR), as a test reads it back.
  image::ColorRef Pixel(int x, int y) const;

  // Puts the picture on `target` with its top-left corner at (x, y), as
  // far as the target's clipping lets it: one transfer.
  void CopyTo(HDC target, int x, int y) const;

  // How many transfers to the screen all buffers have made so far.
  static unsigned long Transfers();

 private:
  win::MemoryDC dc_;
  win::UniqueBitmap bitmap_;
  // From the first picture on; puts the device context's own bitmap back
  // before the picture and the device context go.
  std::optional<win::SelectedObject> selection_;
  uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::optional<image::Canvas> canvas_;
};

// A solid brush of a colour number; system colours are resolved.
win::UniqueBrush SolidBrush(image::ColorRef color);

// A skin colour as the system draws it: system colours resolved, a missing
// colour as `fallback`.
COLORREF ScreenColor(image::ColorRef color, COLORREF fallback);

}  // namespace skinning
