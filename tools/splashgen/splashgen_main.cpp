// splashgen FONT_FILE OUTPUT_FOLDER: writes the program's splash pictures,
// splash-en.bmp and splash-gb.bmp.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/skingen/bmp_file.h"
#include "tools/splashgen/splash_picture.h"

namespace {

struct Splash {
  const char* fileName;
  splashgen::SplashTexts texts;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: splashgen FONT_FILE OUTPUT_FOLDER\n";
    return 2;
  }
  const Splash splashes[] = {
      {"splash-en.bmp", {"Video to 3GP for your phone", "Starting..."}},
      {"splash-gb.bmp", {"把视频转换成手机上的 3GP 文件", "正在启动..."}},
  };
  try {
    const std::filesystem::path folder = argv[2];
    std::filesystem::create_directories(folder);
    for (const Splash& splash : splashes) {
      const std::vector<uint8_t> bytes =
          skingen::EncodeBmp24(splashgen::DrawSplash(splash.texts, argv[1]));
      std::ofstream out(folder / splash.fileName, std::ios::binary);
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
      if (!out.flush()) {
        std::cerr << "splashgen: " << (folder / splash.fileName).string() << " cannot be written\n";
        return 1;
      }
    }
  } catch (const std::exception& error) {
    std::cerr << "splashgen: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
