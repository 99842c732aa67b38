#include "skin/skin_container.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

#include "base/little_endian.h"
#include "image/bmp_decoder.h"
#include "skin/skin_container_layout.h"
#include "skin/skin_errors.h"

namespace skin {

namespace {

namespace layout = container_layout;

[[noreturn]] void FailMalformedContainer() {
  throw std::runtime_error(kFailedToReadSkinText);
}

struct Record {
  std::string name;
  uint8_t kind;
  uint32_t dataOffset;
  uint32_t dataLength;
  uint32_t next;
};

// Reads of the container that lie wholly inside it, or fail it.
class ContainerReader {
 public:
  explicit ContainerReader(archive::InputFile& file) : file_(file) {}

  std::vector<uint8_t> Read(uint64_t offset, uint64_t length) {
    if (offset > file_.Size() || length > file_.Size() - offset) {
      FailMalformedContainer();
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(length));
    if (!file_.ReadAt(offset, bytes.data(), bytes.size())) {
      FailMalformedContainer();
    }
    return bytes;
  }

  uint32_t FirstRecordOffset() {
    const std::vector<uint8_t> start = Read(0, 16);
    const uint32_t headerLength = base::ReadLittleEndian32(&start[layout::kHeaderLengthOffset]);
    if (headerLength != layout::kHeaderSize) {
      FailMalformedContainer();
    }
    return base::ReadLittleEndian32(&Read(0, headerLength)[layout::kFirstRecordOffset]);
  }

  Record ReadRecord(uint32_t offset) {
    const std::vector<uint8_t> bytes = Read(offset, layout::kRecordSize);
    const auto nameEnd = std::find(bytes.begin(), bytes.begin() + layout::kNameSize, '\0');
    return Record{std::string(bytes.begin(), nameEnd), bytes[layout::kKindOffset],
                  base::ReadLittleEndian32(&bytes[layout::kDataOffsetOffset]),
                  base::ReadLittleEndian32(&bytes[layout::kDataLengthOffset]),
                  base::ReadLittleEndian32(&bytes[layout::kNextOffset])};
  }

 private:
  archive::InputFile& file_;
};

// A number of at most `width` bytes, little-endian, zero-extended.
uint32_t ReadNumber(ContainerReader& reader, const Record& record, uint32_t width) {
  if (record.dataLength > width) {
    FailMalformedContainer();
  }
  uint32_t value = 0;
  const std::vector<uint8_t> bytes = reader.Read(record.dataOffset, record.dataLength);
  for (size_t i = 0; i < bytes.size(); ++i) {
    value |= uint32_t{bytes[i]} << (8 * i);
  }
  return value;
}

void AddValue(ContainerReader& reader, const Record& record, SkinValues& values) {
  switch (static_cast<SkinValueKind>(record.kind)) {
    case SkinValueKind::kBitmap: {
      const std::vector<uint8_t> file = reader.Read(record.dataOffset, record.dataLength);
      values.bitmaps.push_back({record.name, image::DecodeBmp(file.data(), file.size())});
      break;
    }
    case SkinValueKind::kInteger:
      values.integers.push_back({record.name, static_cast<int32_t>(ReadNumber(reader, record, 4))});
      break;
    case SkinValueKind::kByte:
      values.bytes.push_back({record.name, static_cast<uint8_t>(ReadNumber(reader, record, 1))});
      break;
    case SkinValueKind::kText: {
      const std::vector<uint8_t> text = reader.Read(record.dataOffset, record.dataLength);
      values.texts.push_back({record.name, std::string(text.begin(), text.end())});
      break;
    }
    default:
      break;
  }
}

}  // namespace

SkinValues ParseSkinContainer(archive::InputFile& container) {
  ContainerReader reader(container);
  SkinValues values;
  std::unordered_set<uint32_t> visited;
  uint32_t offset = reader.FirstRecordOffset();
  for (Record record = reader.ReadRecord(offset); record.next != 0;
       record = reader.ReadRecord(offset)) {
    if (!visited.insert(offset).second) {
      FailMalformedContainer();
    }
    AddValue(reader, record, values);
    offset = record.next;
  }
  return values;
}

}  // namespace skin
