#include "skin/skin_reader.h"

#include "archive/file_streams.h"
#include "image/image_transforms.h"

namespace skin {

namespace {

constexpr int kIndexMask = 0x7F;

bool FileExists(const std::string& fileName) {
  return !fileName.empty() && archive::InputFile(fileName).IsOpen();
}

}  // namespace

TvxSkinReader::TvxSkinReader(base::TempNameSource& tempNames) : tempNames_(tempNames) {}

void TvxSkinReader::Load(const std::string& fileName, std::string_view password) {
  fileReader_.reset();
  loaded_ = false;
  if (FileExists(fileName)) {
    fileReader_ = std::make_unique<Tsk2SkinFileReader>(fileName, password, tempNames_);
    PrepareImages();
    loaded_ = true;
  }
  if (changeHandler_) {
    changeHandler_();
  }
}

void TvxSkinReader::PrepareImages() {
  fileReader_->SetTransparentColor(Color(kColorTrans));
  if (image::Bitmap* trackBar =
          fileReader_->GetBitmap(SkinKeyName(SkinKeyGroup::kImage, kImageTrackBar))) {
    image::ReplaceColor(*trackBar, Color(kColorTrans), Color(kColorForm));
  }
}

void TvxSkinReader::SetChangeHandler(ChangeHandler handler) {
  changeHandler_ = std::move(handler);
}

const char* TvxSkinReader::KeyName(SkinKeyGroup group, int index) const {
  return fileReader_ ? SkinKeyName(group, index & kIndexMask) : nullptr;
}

const image::Bitmap* TvxSkinReader::Image(int index) const {
  const char* name = KeyName(SkinKeyGroup::kImage, index);
  return name ? fileReader_->GetBitmap(name) : nullptr;
}

image::ColorRef TvxSkinReader::Color(int index) const {
  const char* name = KeyName(SkinKeyGroup::kColor, index);
  return static_cast<image::ColorRef>(name ? fileReader_->GetInteger(name) : -1);
}

int32_t TvxSkinReader::Metric(int index) const {
  const char* name = KeyName(SkinKeyGroup::kMetric, index);
  return name ? fileReader_->GetInteger(name) : -1;
}

bool TvxSkinReader::Flag(int index) const {
  const char* name = KeyName(SkinKeyGroup::kFlag, index);
  return name && fileReader_->GetByte(name) != 0;
}

std::optional<image::Bitmap> ImageFrame(const TvxSkinReader& reader, int index, int frame,
                                        int count) {
  const image::Bitmap* image = reader.Image(index);
  if (!image) {
    return std::nullopt;
  }
  if (frame != 0 && count != 0) {
    return image::CopyFrame(*image, count, frame);
  }
  return *image;
}

}  // namespace skin
