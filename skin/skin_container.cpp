#include "skin/skin_container.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_set>

#include "skin/bmp_decoder.h"
#include "skin/little_endian.h"
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
  uint32_t data_offset;
  uint32_t data_length;
  uint32_t next;
};

// Reads of the container that lie wholly inside it, or fail it.
class ContainerReader {
 public:
  explicit ContainerReader(InputFile& file) : file_(file) {}

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
    const uint32_t header_length = ReadLittleEndian32(&start[layout::kHeaderLengthOffset]);
    if (header_length != layout::kHeaderSize) {
      FailMalformedContainer();
    }
    return ReadLittleEndian32(&Read(0, header_length)[layout::kFirstRecordOffset]);
  }

  Record ReadRecord(uint32_t offset) {
    const std::vector<uint8_t> bytes = Read(offset, layout::kRecordSize);
    const auto name_end = std::find(bytes.begin(), bytes.begin() + layout::kNameSize, '\0');
    return Record{std::string(bytes.begin(), name_end), bytes[layout::kKindOffset],
                  ReadLittleEndian32(&bytes[layout::kDataOffsetOffset]),
                  ReadLittleEndian32(&bytes[layout::kDataLengthOffset]),
                  ReadLittleEndian32(&bytes[layout::kNextOffset])};
  }

 private:
  InputFile& file_;
};

// A number of at most `width` bytes, little-endian, zero-extended.
uint32_t ReadNumber(ContainerReader& reader, const Record& record, uint32_t width) {
  if (record.data_length > width) {
    FailMalformedContainer();
  }
  uint32_t value = 0;
  const std::vector<uint8_t> bytes = reader.Read(record.data_offset, record.data_length);
  for (size_t i = 0; i < bytes.size(); ++i) {
    value |= uint32_t{bytes[i]} << (8 * i);
  }
  return value;
}

void AddValue(ContainerReader& reader, const Record& record, SkinValues& values) {
  switch (static_cast<SkinValueKind>(record.kind)) {
    case SkinValueKind::kBitmap: {
      const std::vector<uint8_t> file = reader.Read(record.data_offset, record.data_length);
      values.bitmaps.push_back({record.name, DecodeBmp(file.data(), file.size())});
      break;
    }
    case SkinValueKind::kInteger:
      values.integers.push_back({record.name, static_cast<int32_t>(ReadNumber(reader, record, 4))});
      break;
    case SkinValueKind::kByte:
      values.bytes.push_back({record.name, static_cast<uint8_t>(ReadNumber(reader, record, 1))});
      break;
    case SkinValueKind::kText: {
      const std::vector<uint8_t> text = reader.Read(record.data_offset, record.data_length);
      values.texts.push_back({record.name, std::string(text.begin(), text.end())});
      break;
    }
    default:
      break;
  }
}

}  // namespace

SkinValues ParseSkinContainer(InputFile& container) {
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
