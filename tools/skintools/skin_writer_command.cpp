#include "tools/skintools/skin_writer_command.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/ascii_case.h"
#include "base/std_temp_name_source.h"
#include "image/bmp_decoder.h"
#include "skin/skin_file_reader.h"
#include "tools/skintools/skin_archive_writer.h"
#include "tools/skintools/skin_container_writer.h"
#include "tools/skintools/skin_values_file.h"

namespace skintools {

namespace {

namespace fs = std::filesystem;

constexpr char kUsage[] = "usage: skinwriter OUTPUT.ssk BITMAP_FOLDER VALUES_FILE [PASSWORD]\n";
constexpr char kSkinDataMember[] = "SKINDATA.SK2";

std::vector<uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw std::runtime_error(path.string() + ": cannot be opened");
  }
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsBmpFile(const fs::directory_entry& entry) {
  return entry.is_regular_file() &&
         base::EqualIgnoringAsciiCase(entry.path().extension().string(), ".bmp");
}

// The folder's pictures in name order, so the same folder gives the same skin.
std::vector<SkinValue> ReadBitmaps(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (IsBmpFile(entry)) {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  std::vector<SkinValue> bitmaps;
  for (const fs::path& file : files) {
    std::vector<uint8_t> bmp = ReadFile(file);
    try {
      image::DecodeBmp(bmp.data(), bmp.size());
    } catch (const std::exception& error) {
      throw std::runtime_error(file.string() + ": " + error.what());
    }
    bitmaps.push_back(BitmapValue(file.stem().string(), std::move(bmp)));
  }
  return bitmaps;
}

std::vector<SkinValue> ReadValues(const fs::path& path) {
  std::ifstream in(path);
  if (!in) {
    throw std::runtime_error(path.string() + ": cannot be opened");
  }
  try {
    return ParseSkinValues(in);
  } catch (const std::exception& error) {
    throw std::runtime_error(path.string() + ": " + error.what());
  }
}

// Lookups find the first of equal names, so a repeated name is a mistake.
void CheckNamesUnique(const std::vector<SkinValue>& values) {
  for (auto value = values.begin(); value != values.end(); ++value) {
    const auto same = std::find_if(values.begin(), value, [&](const SkinValue& earlier) {
      return earlier.kind == value->kind && base::EqualIgnoringAsciiCase(earlier.name, value->name);
    });
    if (same != value) {
      throw std::runtime_error("the name \"" + value->name + "\" is used twice");
    }
  }
}

void WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    throw std::runtime_error(path.string() + ": cannot be written");
  }
}

void WriteSkin(const std::vector<std::string>& args) {
  std::vector<SkinValue> values = ReadBitmaps(args[1]);
  std::vector<SkinValue> others = ReadValues(args[2]);
  values.insert(values.end(), std::make_move_iterator(others.begin()),
                std::make_move_iterator(others.end()));
  CheckNamesUnique(values);

  ArchiveMember member;
  member.name = kSkinDataMember;
  member.data = BuildSkinContainer(values);
  member.password = args.size() > 3 ? args[3] : std::string();
  WriteFile(args[0], BuildSkinArchive({member}));

  try {
    base::StdTempNameSource tempNames;
    skin::Tsk2SkinFileReader check(args[0], member.password, tempNames);
  } catch (const std::exception& error) {
    std::remove(args[0].c_str());
    throw std::runtime_error(std::string("the written skin does not load: ") + error.what());
  }
}

}  // namespace

int RunSkinWriter(const std::vector<std::string>& args, std::ostream& err) {
  if (args.size() < 3 || args.size() > 4) {
    err << kUsage;
    return 2;
  }
  try {
    WriteSkin(args);
    return 0;
  } catch (const std::exception& error) {
    err << "skinwriter: " << error.what() << '\n';
    return 1;
  }
}

}  // namespace skintools
