#include "skinning/frames/caption_text.h"

namespace skinning {

namespace {

const wchar_t kEllipsis[] = L"...";

}  // namespace

// Text widths grow with the length of the text, so the longest fitting
// beginning is found by halving.
std::wstring ShortenCaption(const std::wstring& text, int room, const TextWidth& width) {
  if (width(text) <= room) {
    return text;
  }
  if (width(kEllipsis) > room) {
    return L"";
  }
  size_t fits = 0;
  size_t tooLong = text.size();
  while (tooLong - fits > 1) {
    const size_t middle = fits + (tooLong - fits) / 2;
    if (width(text.substr(0, middle) + kEllipsis) <= room) {
      fits = middle;
    } else {
      tooLong = middle;
    }
  }
  // Never half of a character beyond the basic plane.
  if (fits > 0 && text[fits - 1] >= 0xD800 && text[fits - 1] <= 0xDBFF) {
    --fits;
  }
  return text.substr(0, fits) + kEllipsis;
}

}  // namespace skinning
