#include "tools/skintools/skin_container_writer.h"

#include <stdexcept>
#include <utility>

#include "tools/skintools/byte_writer.h"

namespace skintools {

namespace layout = skin::container_layout;

namespace {

void CheckName(const std::string& name) {
  if (name.empty() || name.size() > layout::kNameSize || name.find('\0') != std::string::npos) {
    throw std::invalid_argument("a value name must have 1 to 64 characters and no NUL: \"" + name +
                                "\"");
  }
}

uint32_t ToOffset(uint64_t offset) {
  if (offset > UINT32_MAX) {
    throw std::length_error("a skin container cannot pass 4 GiB");
  }
  return static_cast<uint32_t>(offset);
}

void WriteRecord(ByteWriter& out, const SkinValue& value, uint32_t dataOffset, uint32_t next) {
  out.Bytes(value.name);
  for (size_t i = value.name.size(); i < layout::kNameSize; ++i) {
    out.U8(0);
  }
  out.U8(static_cast<uint8_t>(value.kind));
  out.U32(dataOffset);
  out.U32(ToOffset(value.data.size()));
  out.U32(next);
}

}  // namespace

SkinValue BitmapValue(std::string name, std::vector<uint8_t> bmpFile) {
  return {std::move(name), skin::SkinValueKind::kBitmap, std::move(bmpFile)};
}

SkinValue IntegerValue(std::string name, int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  return {std::move(name),
          skin::SkinValueKind::kInteger,
          {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
           static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)}};
}

SkinValue ByteValue(std::string name, uint8_t value) {
  return {std::move(name), skin::SkinValueKind::kByte, {value}};
}

SkinValue TextValue(std::string name, std::string_view text) {
  return {std::move(name), skin::SkinValueKind::kText, {text.begin(), text.end()}};
}

std::vector<uint8_t> BuildSkinContainer(const std::vector<SkinValue>& values) {
  for (const SkinValue& value : values) {
    CheckName(value.name);
  }
  const uint64_t recordsEnd =
      layout::kHeaderSize + uint64_t{layout::kRecordSize} * (values.size() + 1);
  std::vector<uint8_t> container;
  ByteWriter out(container);
  out.Bytes(std::vector<uint8_t>(layout::kHeaderLengthOffset, 0));
  out.U32(layout::kHeaderSize);
  out.U32(0);
  out.U32(layout::kHeaderSize);  // the first record follows the header

  uint64_t dataOffset = recordsEnd;
  for (size_t i = 0; i < values.size(); ++i) {
    const uint64_t next = layout::kHeaderSize + uint64_t{layout::kRecordSize} * (i + 1);
    WriteRecord(out, values[i], ToOffset(dataOffset), ToOffset(next));
    dataOffset += values[i].data.size();
  }
  const SkinValue terminator{std::string(), skin::SkinValueKind::kBitmap, {}};
  WriteRecord(out, terminator, 0, 0);
  for (const SkinValue& value : values) {
    out.Bytes(value.data);
  }
  return container;
}

}  // namespace skintools
