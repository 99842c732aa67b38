// Bad days through the main window with the real encoder: folders that
// vanish or stop taking files, a full disk, a missing encoder, FFmpeg's
// unpacked copy damaged or gone, inputs deleted, locked or unreadable.
// Every case is one row of the table: what happens and when, which files
// must fail and with which words in the finish message, and which must
// still convert. Whatever happens, no partial file stays in the output
// folder and an earlier output of a failed file's name is untouched. Each
// row prints what the user saw.
//
// faults_test.sh makes the clips and, where it may mount file systems, a
// small drive; it hands them over in the environment:
//   VEXMOOR_FAULT_ENCODER  the folder of the real libm9s.exe, with "\"
//   VEXMOOR_FAULT_CLIPS    the folder of the clips, with "\"
//   VEXMOOR_FAULT_DRIVE    the small drive's root ("S:\"), empty without one
//   VEXMOOR_FAULT_REQUEST  the file through which the script is asked to
//                          remount that drive read-only or writable
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/path_text.h"
#include "tests/main_window/main_window_fixture.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace main_window_test {
namespace {

// From the process's environment as the system keeps it, which the C
// runtime's copy does not follow.
std::string Environment(const wchar_t* name) {
  wchar_t value[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length < MAX_PATH ? win::WideToUtf8(std::wstring(value, length)) : "";
}

// Asks faults_test.sh to remount the small drive: a Windows program
// cannot, so the script watches for the request file (its "ro" or "rw")
// and answers by deleting it once done.
void SetSmallDriveWritable(bool writable) {
  const std::string request = Environment(L"VEXMOOR_FAULT_REQUEST");
  WriteTextFile(request, writable ? "rw" : "ro");
  for (int wait = 0; wait < 300 && FileExists(request); ++wait) {
    Sleep(100);
  }
  ASSERT_FALSE(FileExists(request)) << "the small drive was not remounted";
}

// The FFmpeg copies libm9s.exe unpacked: under the local application data
// folder, which each test sets to one of its own, so that no other test's
// encoder meets a copy this one damages.
std::vector<std::string> UnpackedFfmpegCopies() {
  std::vector<std::string> copies;
  const std::wstring base = win::Utf8ToWide(Environment(L"LOCALAPPDATA")) + L"\\libm9s\\";
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((base + L"ffmpeg-*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return copies;
  }
  do {
    const std::string copy = win::WideToUtf8(base + found.cFileName) + "\\ffmpeg.exe";
    if (FileExists(copy)) {
      copies.push_back(copy);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return copies;
}

void DamageFfmpegCopies() {
  for (const std::string& copy : UnpackedFfmpegCopies()) {
    const HANDLE file = CreateFileW(win::Utf8ToWide(copy).c_str(), GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << copy;
    const std::vector<char> zeros(4096, '\0');
    DWORD written = 0;
    WriteFile(file, zeros.data(), static_cast<DWORD>(zeros.size()), &written, nullptr);
    CloseHandle(file);
  }
}

void RemoveFfmpegCopies() {
  for (const std::string& copy : UnpackedFfmpegCopies()) {
    ASSERT_TRUE(DeleteFileW(win::Utf8ToWide(copy).c_str())) << copy;
  }
}

struct FaultCase {
  const char* name;
  bool needsSmallDrive;
  // Entry name and the clip it is made from.
  std::vector<std::pair<std::string, std::string>> inputs;
  // Failed entry and a word of its reason.
  std::vector<std::pair<std::string, std::string>> failures;
  // Outputs that must be whole 3GP files afterwards.
  std::vector<std::string> converted;
  // An exception the user sees instead of the finish message.
  std::string shownError;
};

class FaultsTest : public MainWindowTest, public testing::WithParamInterface<FaultCase> {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CreateDirectoryW(win::Utf8ToWide(folders.Path() + "appdata").c_str(), nullptr);
    SetEnvironmentVariableW(L"LOCALAPPDATA", win::Utf8ToWide(folders.Path() + "appdata").c_str());
    CreateWindows(Environment(L"VEXMOOR_FAULT_ENCODER"));
  }

  void CreateWindows(const std::string& systemFolder) {
    MainWindowTest::CreateWindows(systemFolder);
    form->msgFailedFiles = "These files could not be converted:";
  }

  // An input from a clip, in the input folder under its entry name.
  void AddClip(const std::string& name, const std::string& clip) {
    ASSERT_TRUE(CopyFileW(win::Utf8ToWide(Environment(L"VEXMOOR_FAULT_CLIPS") + clip).c_str(),
                          win::Utf8ToWide(InputPath(name)).c_str(), FALSE))
        << clip;
    form->AddFile(InputPath(name));
  }

  std::string Output(const std::string& name) const {
    return base::IncludeTrailingBackslash(outputFolder_) + name;
  }

  // Before Convert is pressed (the inputs are in the list).
  void Arrange(const FaultCase& fault);
  // When the run takes up entry `index`, before its encoder starts.
  void AtEntry(const std::string& fault, int index);
  void Tidy(const std::string& fault);

  void Run(const FaultCase& fault);
  void CheckFinishMessage(const FaultCase& fault);

 protected:
  std::string outputFolder_;
  win::UniqueHandle lock_;

 private:
  // The run driver selects each entry in the list as it takes it up.
  void WatchEntries(const std::string& fault) {
    ui::TWndMethod listProc = form->listViewFiles->WindowProc();
    form->listViewFiles->SetWindowProc([this, listProc, fault](ui::TMessage& message) {
      if (message.Msg == LVM_SETITEMSTATE && form->Converting()) {
        const auto* item = reinterpret_cast<const LVITEMW*>(message.LParam);
        if ((item->stateMask & LVIS_SELECTED) && (item->state & LVIS_SELECTED)) {
          AtEntry(fault, static_cast<int>(message.WParam));
        }
      }
      listProc(message);
    });
  }
};

const char kEarlier[] = "an earlier output";

void FaultsTest::Arrange(const FaultCase& faultCase) {
  const std::string fault = faultCase.name;
  if (fault.rfind("libm9s.exe missing", 0) == 0) {
    if (fault.find("damaged") != std::string::npos) {
      WriteTextFile(folders.Path() + "plug.exe", "MZ and not much more");
    }
    CreateWindows(folders.Path());  // no libm9s.exe there
    for (const auto& input : faultCase.inputs) {
      form->AddFile(InputPath(input.first));
    }
  } else if (fault == "an input deleted before its turn") {
    ASSERT_TRUE(DeleteFileW(win::Utf8ToWide(InputPath("gone.avi")).c_str()));
  } else if (fault == "an input locked by another program") {
    lock_.Reset(CreateFileW(win::Utf8ToWide(InputPath("locked.avi")).c_str(),
                            GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock_);
  }
}

void FaultsTest::AtEntry(const std::string& fault, int index) {
  if (index != 1) {
    return;
  }
  if (fault == "the output folder deleted between two files") {
    for (const std::string& file : FilesIn(outputFolder_)) {
      DeleteFileW(win::Utf8ToWide(Output(file)).c_str());
    }
    ASSERT_TRUE(RemoveDirectoryA(outputFolder_.c_str()));
  } else if (fault == "the output folder made read-only between two files") {
    SetSmallDriveWritable(false);
  } else if (fault == "FFmpeg's unpacked copy removed between two files") {
    RemoveFfmpegCopies();
  } else if (fault == "FFmpeg's unpacked copy damaged between two files") {
    DamageFfmpegCopies();
  }
}

void FaultsTest::Tidy(const std::string& fault) {
  if (fault == "the output folder made read-only between two files") {
    SetSmallDriveWritable(true);
  }
  lock_.Reset();
}

void FaultsTest::Run(const FaultCase& fault) {
  const std::string smallDrive = Environment(L"VEXMOOR_FAULT_DRIVE");
  outputFolder_ = fault.needsSmallDrive ? smallDrive + "out" : folders.Path() + "out";
  CreateDirectoryW(win::Utf8ToWide(outputFolder_).c_str(), nullptr);
  for (const auto& [name, clip] : fault.inputs) {
    AddClip(name, clip);
  }
  for (const auto& failure : fault.failures) {
    WriteTextFile(Output(base::ChangeFileExt(failure.first, ".3gp")), kEarlier);
  }
  Arrange(fault);
  form->editOutputFolder->SetText(outputFolder_);
  WatchEntries(fault.name);
  // An earlier output is written over, so that a failure must keep it.
  test_support::RepeatingTimer overwrite([this] {
    if (IsWindowVisible(prompt->Handle())) {
      PostMessageW(prompt->buttonOverWrite->Handle(), BM_CLICK, 0, 0);
    }
    return false;
  });
  PressConvert();
  Tidy(fault.name);
}

// One line per failed file, "name: reason", and no other file named; the
// offer to convert them again (declined) comes first, then the folder
// question.
void FaultsTest::CheckFinishMessage(const FaultCase& fault) {
  ASSERT_EQ(fault.failures.empty() ? 1u : 2u, boxes.Texts().size());
  const std::string& message = boxes.Texts().front();
  for (const auto& input : fault.inputs) {
    const std::string& name = input.first;
    const size_t line = message.find("\r\n" + name + ": ");
    const auto failure = std::find_if(fault.failures.begin(), fault.failures.end(),
                                      [&](const auto& failed) { return failed.first == name; });
    if (failure == fault.failures.end()) {
      EXPECT_EQ(std::string::npos, line) << message;
      continue;
    }
    ASSERT_NE(std::string::npos, line) << message;
    const std::string reason = message.substr(line + 2, message.find("\r\n", line + 2) - line - 2);
    EXPECT_NE(std::string::npos, base::LowerCase(reason).find(base::LowerCase(failure->second)))
        << reason;
    if (FileExists(outputFolder_)) {
      EXPECT_EQ(kEarlier, ReadTextFile(Output(base::ChangeFileExt(name, ".3gp")))) << name;
    }
  }
}

// A 3GP file as FFmpeg writes it: its first box is "ftyp" with a 3GP brand.
bool IsWhole3gp(const std::string& path) {
  const std::string head = ReadTextFile(path).substr(0, 11);
  return head.size() == 11 && head.substr(4, 7) == "ftyp3gp";
}

TEST_P(FaultsTest, IsReportedForItsFileAndTheRestConverts) {
  const FaultCase& fault = GetParam();
  if (fault.needsSmallDrive && Environment(L"VEXMOOR_FAULT_DRIVE").empty()) {
    GTEST_SKIP() << "no small drive: faults_test.sh could not mount one";
  }
  Run(fault);
  std::printf("CASE %s\n", fault.name);
  for (const std::string& text : errors) {
    std::printf("  the user saw the error: %s\n", text.c_str());
  }
  for (const std::string& text : boxes.Texts()) {
    std::printf("  the user saw the message: %s\n", text.c_str());
  }
  if (fault.shownError.empty()) {
    CheckFinishMessage(fault);
  } else {
    ASSERT_EQ(1u, errors.size());
    EXPECT_NE(std::string::npos, errors.front().find(fault.shownError)) << errors.front();
    errors.clear();
  }
  for (const std::string& output : fault.converted) {
    EXPECT_TRUE(IsWhole3gp(Output(output))) << output;
  }
  if (FileExists(outputFolder_)) {
    for (const std::string& file : FilesIn(outputFolder_)) {
      EXPECT_EQ(".3gp", base::ExtractFileExt(file)) << "left in the output folder: " << file;
      if (fault.needsSmallDrive) {
        DeleteFileW(win::Utf8ToWide(Output(file)).c_str());
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultsTest,
    testing::Values(
        FaultCase{"the output folder deleted between two files",
                  false,
                  {{"one.avi", "short.avi"}, {"two.avi", "short.avi"}},
                  {{"two.avi", "folder"}},
                  {},
                  ""},
        FaultCase{"the output folder made read-only between two files",
                  true,
                  {{"one.avi", "short.avi"}, {"two.avi", "short.avi"}},
                  {{"two.avi", "folder"}},
                  {"one.3gp"},
                  ""},
        FaultCase{"the disk full while FFmpeg writes",
                  true,
                  {{"big.avi", "long.avi"}, {"small.avi", "short.avi"}},
                  {{"big.avi", "disk of the output is full"}},
                  {"small.3gp"},
                  ""},
        FaultCase{"libm9s.exe missing from the system folder, plug.exe missing",
                  false,
                  {{"one.avi", "short.avi"}},
                  {},
                  {},
                  "System Error.  Code: 2."},
        FaultCase{"libm9s.exe missing from the system folder, plug.exe damaged",
                  false,
                  {{"one.avi", "short.avi"}},
                  {},
                  {},
                  "System Error.  Code: 2."},
        FaultCase{"FFmpeg's unpacked copy removed between two files",
                  false,
                  {{"one.avi", "short.avi"}, {"two.avi", "short.avi"}},
                  {},
                  {"one.3gp", "two.3gp"},
                  ""},
        FaultCase{"FFmpeg's unpacked copy damaged between two files",
                  false,
                  {{"one.avi", "short.avi"}, {"two.avi", "short.avi"}},
                  {},
                  {"one.3gp", "two.3gp"},
                  ""},
        FaultCase{"an input deleted before its turn",
                  false,
                  {{"gone.avi", "short.avi"}, {"next.avi", "short.avi"}},
                  {{"gone.avi", "not found"}},
                  {"next.3gp"},
                  ""},
        FaultCase{"an input locked by another program",
                  false,
                  {{"locked.avi", "short.avi"}, {"next.avi", "short.avi"}},
                  {{"locked.avi", "sharing violation"}},
                  {"next.3gp"},
                  ""},
        FaultCase{"inputs FFmpeg cannot read",
                  false,
                  {{"truncated.mp4", "truncated.mp4"},
                   {"empty.avi", "empty.avi"},
                   {"text.avi", "text.avi"},
                   {"good.avi", "short.avi"}},
                  {{"truncated.mp4", "ffmpeg"}, {"empty.avi", "ffmpeg"}, {"text.avi", "ffmpeg"}},
                  {"good.3gp"},
                  ""}),
    [](const testing::TestParamInfo<FaultCase>& info) {
      return "Case" + std::to_string(info.index);
    });

}  // namespace
}  // namespace main_window_test
