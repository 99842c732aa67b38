#include "tools/skintools/skin_dump_command.h"

#include <exception>
#include <sstream>

#include "base/std_temp_name_source.h"
#include "skin/skin_file_reader.h"
#include "tools/skintools/text_escape.h"

namespace skintools {

namespace {

constexpr char kUsage[] = "usage: skindump FILE [PASSWORD]\n";

}  // namespace

std::string FormatSkinValues(const skin::SkinValues& values) {
  std::ostringstream lines;
  for (const skin::NamedBitmap& item : values.bitmaps) {
    lines << item.name << "\tbitmap\t" << item.bitmap.Width() << 'x' << item.bitmap.Height() << 'x'
          << item.bitmap.BitsPerPixel() << '\n';
  }
  for (const skin::NamedInteger& item : values.integers) {
    lines << item.name << "\tinteger\t" << item.value << '\n';
  }
  for (const skin::NamedByte& item : values.bytes) {
    lines << item.name << "\tbyte\t" << unsigned{item.value} << '\n';
  }
  for (const skin::NamedText& item : values.texts) {
    lines << item.name << "\ttext\t" << EscapeText(item.text) << '\n';
  }
  return lines.str();
}

int RunSkinDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args.size() > 2) {
    err << kUsage;
    return 1;
  }
  try {
    base::StdTempNameSource tempNames;
    const skin::Tsk2SkinFileReader reader(args[0], args.size() > 1 ? args[1] : "", tempNames);
    out << FormatSkinValues(reader.Values());
    return 0;
  } catch (const std::exception& error) {
    err << error.what() << '\n';
    return 1;
  }
}

}  // namespace skintools
