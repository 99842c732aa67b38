#include "skin/skin_reader.h"

#include "skin/file_streams.h"
#include "skin/image_transforms.h"

namespace skin {

namespace {

constexpr int kIndexMask = 0x7F;

bool FileExists(const std::string& file_name) {
  return !file_name.empty() && InputFile(file_name).IsOpen();
}

}  // namespace

TvxSkinReader::TvxSkinReader(TempNameSource& temp_names) : temp_names_(temp_names) {}

void TvxSkinReader::Load(const std::string& file_name, std::string_view password) {
  file_reader_.reset();
  loaded_ = false;
  if (FileExists(file_name)) {
    file_reader_ = std::make_unique<Tsk2SkinFileReader>(file_name, password, temp_names_);
    PrepareImages();
    loaded_ = true;
  }
  if (change_handler_) {
    change_handler_(owner_);
  }
}

void TvxSkinReader::PrepareImages() {
  file_reader_->SetTransparentColor(Color(kColorTrans));
  if (Bitmap* track_bar =
          file_reader_->GetBitmap(SkinKeyName(SkinKeyGroup::kImage, kImageTrackBar))) {
    ReplaceColor(*track_bar, Color(kColorTrans), Color(kColorForm));
  }
}

void TvxSkinReader::SetChangeHandler(ChangeHandler handler, void* owner) {
  change_handler_ = std::move(handler);
  owner_ = owner;
}

const char* TvxSkinReader::KeyName(SkinKeyGroup group, int index) const {
  return file_reader_ ? SkinKeyName(group, index & kIndexMask) : nullptr;
}

const Bitmap* TvxSkinReader::Image(int index) const {
  const char* name = KeyName(SkinKeyGroup::kImage, index);
  return name ? file_reader_->GetBitmap(name) : nullptr;
}

ColorRef TvxSkinReader::Color(int index) const {
  const char* name = KeyName(SkinKeyGroup::kColor, index);
  return static_cast<ColorRef>(name ? file_reader_->GetInteger(name) : -1);
}

int32_t TvxSkinReader::Metric(int index) const {
  const char* name = KeyName(SkinKeyGroup::kMetric, index);
  return name ? file_reader_->GetInteger(name) : -1;
}

bool TvxSkinReader::Flag(int index) const {
  const char* name = KeyName(SkinKeyGroup::kFlag, index);
  return name && file_reader_->GetByte(name) != 0;
}

std::optional<Bitmap> ImageFrame(const TvxSkinReader& reader, int index, int frame, int count) {
  const Bitmap* image = reader.Image(index);
  if (!image) {
    return std::nullopt;
  }
  if (frame != 0 && count != 0) {
    return CopyFrame(*image, count, frame);
  }
  return *image;
}

}  // namespace skin
