#pragma once

#include <functional>
#include <string>

namespace skinning {

// How wide a text is drawn, in pixels.
using TextWidth = std::function<int(const std::wstring& text)>;

// A caption that fits `room` pixels: the text itself when it fits,
// otherwise its longest beginning that fits with "..." after it ("..."
// alone when no character fits, nothing when not even that does).
std::wstring ShortenCaption(const std::wstring& text, int room, const TextWidth& width);

}  // namespace skinning
