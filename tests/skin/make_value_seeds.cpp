// Writes the seeds of the container and BMP fuzzers from skin files: the
// container of each skin (its member "SKINDATA.SK2") into
// OUTPUT/containers, and every picture value of it, a whole BMP file, into
// OUTPUT/bitmaps. Skins are read from the folders named, each *.ssk in
// them; one that does not open without a password is left out.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "archive/extract_skin_member.h"
#include "base/little_endian.h"
#include "skin/skin_container_layout.h"

namespace {

namespace fs = std::filesystem;
namespace layout = skin::container_layout;

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

// The picture values of a container, by the chain of its records.
void WriteBitmaps(const std::vector<uint8_t>& container, const fs::path& folder,
                  const std::string& skinName) {
  if (container.size() < layout::kHeaderSize) {
    return;
  }
  uint32_t offset = base::ReadLittleEndian32(&container[layout::kFirstRecordOffset]);
  for (int count = 0;
       offset != 0 && offset <= container.size() - layout::kRecordSize && count < 10000; ++count) {
    const uint8_t* record = &container[offset];
    const uint32_t dataOffset = base::ReadLittleEndian32(record + layout::kDataOffsetOffset);
    const uint32_t dataLength = base::ReadLittleEndian32(record + layout::kDataLengthOffset);
    const uint32_t next = base::ReadLittleEndian32(record + layout::kNextOffset);
    if (next != 0 && record[layout::kKindOffset] == 0 && dataOffset <= container.size() &&
        dataLength <= container.size() - dataOffset) {
      WriteFile(folder / (skinName + "-" + std::to_string(count) + ".bmp"), &container[dataOffset],
                dataLength);
    }
    offset = next;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: make_value_seeds OUTPUT SKIN_FOLDER...\n";
    return 2;
  }
  const fs::path output = argv[1];
  fs::create_directories(output / "containers");
  fs::create_directories(output / "bitmaps");
  try {
    for (int i = 2; i < argc; ++i) {
      for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
        if (entry.path().extension() != ".ssk") {
          continue;
        }
        const std::string name = entry.path().stem().string();
        const fs::path container = output / "containers" / (name + ".sk2");
        if (archive::ExtractSkinMember(entry.path().string(), "SKINDATA.SK2", container.string(),
                                       "") == archive::ExtractResult::kDone) {
          WriteBitmaps(ReadFile(container), output / "bitmaps", name);
        }
      }
    }
  } catch (const std::exception& error) {
    std::cerr << "make_value_seeds: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
