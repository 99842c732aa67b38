#include "skin/skin_file_reader.h"

#include <algorithm>
#include <stdexcept>

#include "archive/extract_skin_member.h"
#include "archive/file_streams.h"
#include "base/ascii_case.h"
#include "base/scoped_file_removal.h"
#include "skin/skin_errors.h"

namespace skin {

namespace {

constexpr char kSkinDataMember[] = "SKINDATA.SK2";

template <typename Named>
auto FindByName(Named& list, std::string_view name) {
  return std::find_if(list.begin(), list.end(), [&](const auto& item) {
    return base::EqualIgnoringAsciiCase(item.name, name);
  });
}

SkinValues LoadSkinValues(const std::string& fileName, std::string_view password,
                          base::TempNameSource& tempNames) {
  const std::string target = base::NewTempFileName(tempNames);
  base::ScopedFileRemoval removeTarget(target);
  switch (archive::ExtractSkinMember(fileName, kSkinDataMember, target, password)) {
    case archive::ExtractResult::kDone:
      break;
    case archive::ExtractResult::kRefused:
      throw std::runtime_error(kWrongPasswordText);
    case archive::ExtractResult::kUnreadable:
      throw std::runtime_error(kFailedToReadSkinText);
  }
  archive::InputFile container(target);
  if (!container.IsOpen()) {
    throw std::runtime_error(kFailedToReadSkinText);
  }
  return ParseSkinContainer(container);
}

}  // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& fileName, std::string_view password,
                                       base::TempNameSource& tempNames)
    : values_(LoadSkinValues(fileName, password, tempNames)) {}

image::Bitmap* Tsk2SkinFileReader::GetBitmap(std::string_view name) {
  const auto found = FindByName(values_.bitmaps, name);
  return found == values_.bitmaps.end() ? nullptr : &found->bitmap;
}

int32_t Tsk2SkinFileReader::GetInteger(std::string_view name) const {
  const auto found = FindByName(values_.integers, name);
  return found == values_.integers.end() ? -1 : found->value;
}

uint8_t Tsk2SkinFileReader::GetByte(std::string_view name) const {
  const auto found = FindByName(values_.bytes, name);
  return found == values_.bytes.end() ? 0 : found->value;
}

void Tsk2SkinFileReader::SetTransparentColor(image::ColorRef color) {
  for (NamedBitmap& named : values_.bitmaps) {
    named.bitmap.SetTransparentColor(color);
  }
}

}  // namespace skin
