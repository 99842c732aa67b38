#include "skin/skin_file_reader.h"

#include <algorithm>
#include <stdexcept>

#include "skin/ascii_case.h"
#include "skin/extract_skin_member.h"
#include "skin/file_streams.h"
#include "skin/scoped_file_removal.h"
#include "skin/skin_errors.h"

namespace skin {

namespace {

constexpr char kSkinDataMember[] = "SKINDATA.SK2";

template <typename Named>
auto FindByName(Named& list, std::string_view name) {
  return std::find_if(list.begin(), list.end(),
                      [&](const auto& item) { return EqualIgnoringAsciiCase(item.name, name); });
}

SkinValues LoadSkinValues(const std::string& file_name, std::string_view password,
                          TempNameSource& temp_names) {
  const std::string target = NewTempFileName(temp_names);
  ScopedFileRemoval remove_target(target);
  switch (ExtractSkinMember(file_name, kSkinDataMember, target, password)) {
    case ExtractResult::kDone:
      break;
    case ExtractResult::kRefused:
      throw std::runtime_error(kWrongPasswordText);
    case ExtractResult::kUnreadable:
      throw std::runtime_error(kFailedToReadSkinText);
  }
  InputFile container(target);
  if (!container.IsOpen()) {
    throw std::runtime_error(kFailedToReadSkinText);
  }
  return ParseSkinContainer(container);
}

}  // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& file_name, std::string_view password,
                                       TempNameSource& temp_names)
    : values_(LoadSkinValues(file_name, password, temp_names)) {}

Bitmap* Tsk2SkinFileReader::GetBitmap(std::string_view name) {
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

void Tsk2SkinFileReader::SetTransparentColor(ColorRef color) {
  for (NamedBitmap& named : values_.bitmaps) {
    named.bitmap.SetTransparentColor(color);
  }
}

}  // namespace skin
