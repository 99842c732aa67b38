#include "skinning/pictures/track_bar_picture.h"

#include "skin/skin_keys.h"
#include "skinning/pictures/tab_picture.h"

namespace skinning {

void DrawTrackBar(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                  const image::Rect& client, const image::Rect& channel, const image::Rect& thumb,
                  bool vertical) {
  canvas.Fill(client, reader.Color(skin::kColorForm));
  if (const image::Bitmap* picture = reader.Image(skin::kImageTrackBar)) {
    DrawByThirds(*picture, canvas, channel, std::nullopt);
  }
  const image::Bitmap* slider =
      reader.Image(vertical ? skin::kImageTrackBarVSlider : skin::kImageTrackBarSlider);
  if (slider && !thumb.IsEmpty()) {
    canvas.Stretch(*slider, image::BoundsOf(*slider), thumb, reader.Color(skin::kColorTrans));
  }
}

}  // namespace skinning
