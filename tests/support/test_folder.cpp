#include "tests/support/test_folder.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace test_support {

namespace fs = std::filesystem;

TestFolder::TestFolder() {
  std::random_device random;
  for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
    const fs::path candidate =
        fs::temp_directory_path() / ("vexmoor-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) {
      path_ = candidate.string();
    }
  }
  if (path_.empty()) {
    throw std::runtime_error("no test folder could be made");
  }
}

TestFolder::~TestFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TestFolder::Path() const {
  return (fs::path(path_) / "").string();
}

std::string TestFolder::File(const std::string& name) const {
  return (fs::path(path_) / name).string();
}

std::vector<std::string> TestFolder::FileNames() const {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string TestFolder::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
  const std::string path = File(name);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    throw std::runtime_error(path + " could not be written");
  }
  return path;
}

std::string FolderTempNames::NewGuidText() {
  char text[39];
  std::snprintf(text, sizeof text, "{00000000-0000-4000-8000-%012d}", ++count_);
  return text;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace test_support
