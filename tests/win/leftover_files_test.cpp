// The files of processes ended by force, found by the id in their names.
#include "win/leftover_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/test_folder.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace win {
namespace {

void MakeFile(const std::string& path) {
  const UniqueHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file) << path;
}

// A process that runs, started suspended, as long as the object lives.
class RunningProcess {
 public:
  RunningProcess() {
    std::string program = "Z:" + std::string(CONSOLE_CHILD);
    std::replace(program.begin(), program.end(), '/', '\\');
    std::wstring line = Utf8ToWide(program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    EXPECT_TRUE(CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                               nullptr, nullptr, &startup, &started));
    process_.Reset(started.hProcess);
    CloseHandle(started.hThread);
    id_ = started.dwProcessId;
  }
  ~RunningProcess() { TerminateProcess(process_.Get(), 0); }
  std::string Id() const { return std::to_string(id_); }

 private:
  UniqueHandle process_;
  DWORD id_ = 0;
};

// Ids of Windows processes are multiples of four.
constexpr char kEndedId[] = "99999";

TEST(LeftoverFiles, RemovesTheFilesOfProcessesThatNoLongerRun) {
  const test_support::TestFolder folder;
  // Made before the process that has its id now started: left by another.
  MakeFile(folder.File("taken over.3gp.partial"));
  Sleep(50);
  const RunningProcess writer;
  ASSERT_TRUE(
      MoveFileW(Utf8ToWide(folder.File("taken over.3gp.partial")).c_str(),
                Utf8ToWide(folder.File("taken over.3gp." + writer.Id() + ".partial")).c_str()));
  MakeFile(folder.File("running.3gp." + writer.Id() + ".partial"));
  MakeFile(folder.File("ended.3gp." + std::string(kEndedId) + ".partial"));
  MakeFile(folder.File("ended(1).3gp." + std::string(kEndedId) + ".partial"));
  MakeFile(folder.File("no id.3gp.partial"));
  MakeFile(folder.File("letters.3gp.v" + std::string(kEndedId) + ".partial"));
  MakeFile(folder.File("other.avi." + std::string(kEndedId) + ".partial"));
  CreateDirectoryW(
      Utf8ToWide(folder.File("folder.3gp." + std::string(kEndedId) + ".partial")).c_str(), nullptr);

  RemoveLeftovers(folder.Path(), "*.3gp.", ".partial");
  EXPECT_EQ((std::vector<std::string>{"folder.3gp." + std::string(kEndedId) + ".partial",
                                      "letters.3gp.v" + std::string(kEndedId) + ".partial",
                                      "no id.3gp.partial",
                                      "other.avi." + std::string(kEndedId) + ".partial",
                                      "running.3gp." + writer.Id() + ".partial"}),
            folder.FileNames());
}

}  // namespace
}  // namespace win
