#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/temp_name_source.h"

namespace test_support {

// A new empty folder under the system's temporary folder, removed with
// everything in it when it goes.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // The folder's path with a separator at its end.
  std::string Path() const;
  std::string File(const std::string& name) const;
  // The names of the files in the folder, sorted.
  std::vector<std::string> FileNames() const;
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const;

 private:
  std::string path_;
};

// Temporary names in a test folder, numbered GUIDs from 1 on.
class FolderTempNames : public base::TempNameSource {
 public:
  explicit FolderTempNames(std::string folder) : folder_(std::move(folder)) {}
  std::string TempFolder() override { return folder_; }
  std::string NewGuidText() override;
  int Count() const { return count_; }

 private:
  std::string folder_;
  int count_ = 0;
};

std::vector<uint8_t> ReadBytes(const std::string& path);

}  // namespace test_support
