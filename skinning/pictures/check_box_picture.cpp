#include "skinning/pictures/check_box_picture.h"

#include <optional>

#include "image/image_transforms.h"
#include "skin/skin_keys.h"

namespace skinning {

namespace {

int StripImage(bool radio) {
  return radio ? skin::kImageRadioButton : skin::kImageCheckBox;
}

int StripFrames(bool radio) {
  return radio ? skin::kRadioButtonFrames : skin::kCheckBoxFrames;
}

}  // namespace

int CheckBoxFrame(CheckState state, bool enabled) {
  const int offset = enabled ? 0 : 3;
  switch (state) {
    case CheckState::kChecked:
      return 1 + offset;
    case CheckState::kGrayed:
      return 2 + offset;
    case CheckState::kUnchecked:
      break;
  }
  return 3 + offset;
}

int RadioButtonFrame(bool checked, bool enabled) {
  return (checked ? 1 : 2) + (enabled ? 0 : 2);
}

image::Rect BoxRect(int clientWidth, int clientHeight, int boxWidth, int boxHeight,
                    bool boxAtLeft) {
  const int left = boxAtLeft ? 0 : clientWidth - boxWidth - 1;
  return image::RectAt(left, (clientHeight - boxHeight) / 2, boxWidth, boxHeight);
}

BoxSize BoxFrameSize(const skin::TvxSkinReader& reader, bool radio) {
  const image::Bitmap* strip = reader.Image(StripImage(radio));
  if (!strip) {
    return {};
  }
  return {strip->Width() / StripFrames(radio), strip->Height()};
}

void DrawBox(const skin::TvxSkinReader& reader, image::Canvas& canvas, const image::Rect& box,
             bool radio, int frame, image::ColorRef background) {
  canvas.Fill(box, background);
  const std::optional<image::Bitmap> picture =
      skin::ImageFrame(reader, StripImage(radio), frame, StripFrames(radio));
  if (!picture) {
    return;
  }
  const bool masked = reader.Flag(radio ? skin::kFlagRadioButtonTrans : skin::kFlagCheckBoxTrans);
  const image::Rect to = image::RectAt(box.left, box.top, picture->Width(), picture->Height());
  canvas.Stretch(
      *picture, image::BoundsOf(*picture), to,
      masked ? std::optional<image::ColorRef>(reader.Color(skin::kColorTrans)) : std::nullopt);
}

}  // namespace skinning
