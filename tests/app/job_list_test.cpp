// The job list kept between sessions: the store's writes against the real
// main window, and whole sessions of the program in processes of their own
// (job_list_session.cpp), ended normally or by force during a run.
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <set>
#include <string>
#include <vector>

#include "app/job_list_store.h"
#include "joblist/job_list_file.h"
#include "tests/app/program_fixture.h"
#include "tests/support/folder_files.h"
#include "tests/support/unicode_names.h"
#include "tests/support/window_driver.h"
#include "win/code_page.h"
#include "win/unique.h"
#include "win/whole_file.h"

namespace app_test {
namespace {

using joblist::EntryState;
using joblist::JobEntry;
using test_support::FilesIn;

std::vector<EntryState> States(const std::vector<JobEntry>& entries) {
  std::vector<EntryState> states;
  for (const JobEntry& entry : entries) {
    states.push_back(entry.status.state);
  }
  return states;
}

std::vector<JobEntry> KeptList(const std::string& file) {
  return joblist::ParseJobListFile(win::ReadWholeFile(file).value_or(""));
}

// The store against the real main window, which tells it of every change.
class JobListStoreTest : public ::testing::Test {
 protected:
  void Keep(const std::string& file) {
    store =
        std::make_unique<app::JobListStore>(file, [this] { return windows.main->JobEntries(); });
    windows.main->OnJobListChanged = [this] { store->Changed(); };
  }
  void TearDown() override {
    windows.main->OnJobListChanged = nullptr;
    EXPECT_TRUE(windows.errors.empty()) << windows.errors.front();
  }

  ScratchInstallation installation;
  ProgramWindows windows{installation};
  std::unique_ptr<app::JobListStore> store;
};

// A burst of changes costs a write at once and one when the interval
// ends; the first change after a quiet time is on the disk at once.
TEST_F(JobListStoreTest, ABurstOfChangesIsWrittenInAFewWrites) {
  Keep(installation.JobListFile());
  for (int i = 0; i < 1000; ++i) {
    windows.main->AddFile(installation.TempFolder() + "clip" + std::to_string(i) + ".avi");
  }
  EXPECT_EQ(1, store->WritesMade());
  EXPECT_EQ(1u, KeptList(installation.JobListFile()).size());
  // The interval grows with what the write of 1,000 entries cost.
  EXPECT_TRUE(WaitFor([&] { return !store->InInterval(); }, 30000));
  EXPECT_EQ(2, store->WritesMade());
  EXPECT_EQ(1000u, KeptList(installation.JobListFile()).size());

  windows.main->AddFile(installation.TempFolder() + "one more.avi");
  EXPECT_EQ(3, store->WritesMade());
  EXPECT_EQ(1001u, KeptList(installation.JobListFile()).size());
}

// A folder that does not take the file: nothing is said, and the next
// change or the session's end writes again.
TEST_F(JobListStoreTest, AFailedWriteIsSilentAndTriedAgain) {
  const std::string blocked = installation.LocalAppDataFolder() + "blocked";
  WriteFile(blocked, "a file where the folder should be");
  const std::string file = blocked + "\\Vexmoor\\joblist.txt";
  Keep(file);
  windows.main->AddFile(installation.TempFolder() + "first.avi");
  EXPECT_EQ(1, store->WritesMade());
  EXPECT_FALSE(FileExists(file));

  DeleteFileW(win::Utf8ToWide(blocked).c_str());
  CreateDirectoryW(win::Utf8ToWide(blocked).c_str(), nullptr);
  windows.main->AddFile(installation.TempFolder() + "second.avi");
  store->Flush();
  EXPECT_EQ(2u, KeptList(file).size());
  EXPECT_TRUE(windows.errors.empty());
}

// No file, an empty one or one that is not a job list give an empty list
// and no message; a replacement that a writer ended by force left beside
// the file goes.
TEST_F(JobListStoreTest, AMissingOrDamagedFileGivesAnEmptyList) {
  const std::string folder = installation.LocalAppDataFolder() + "Vexmoor\\";
  CreateDirectoryW(win::Utf8ToWide(folder).c_str(), nullptr);
  const std::string file = folder + "joblist.txt";
  const std::string leftover = file + ".99999.tmp";
  const std::pair<const char*, const char*> cases[] = {
      {"missing", nullptr},
      {"empty", ""},
      {"damaged", "Vexmoor job list 1\ndone\t12\t\tC:\\\\a.avi\nend\t"},
      {"not a job list", "\xFF\xFE[common]\r\n"},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    DeleteFileW(win::Utf8ToWide(file).c_str());
    if (bytes) {
      WriteFile(file, bytes);
    }
    WriteFile(leftover, "half a list");
    app::JobListStore store(file, [] { return std::vector<JobEntry>(); });
    EXPECT_TRUE(store.Load().empty());
    EXPECT_FALSE(FileExists(leftover));
  }
}

// The processes a process has started, and theirs, that run now.
std::vector<win::UniqueHandle> Descendants(DWORD processId) {
  const win::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  std::vector<PROCESSENTRY32W> processes;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
       more = Process32NextW(snapshot.Get(), &entry)) {
    processes.push_back(entry);
  }
  std::set<DWORD> family = {processId};
  std::vector<win::UniqueHandle> found;
  for (size_t size = 0; size != family.size();) {
    size = family.size();
    for (const PROCESSENTRY32W& process : processes) {
      if (family.count(process.th32ParentProcessID) &&
          family.insert(process.th32ProcessID).second) {
        if (HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, process.th32ProcessID)) {
          found.emplace_back(handle);
        }
      }
    }
  }
  return found;
}

// The program's installation with input files in in\ and the output
// folder out\; each session is a process of its own whose %LOCALAPPDATA%
// is the installation's.
class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    installation.Install({"language\\en.ini", "splash-en.bmp"});
    installation.InstallFakeEncoderCarrier();
    CreateDirectoryW(win::Utf8ToWide(Root() + "in").c_str(), nullptr);
    CreateDirectoryW(win::Utf8ToWide(OutputFolder()).c_str(), nullptr);
    std::string appData = installation.LocalAppDataFolder();
    appData.pop_back();
    SetEnvironmentVariableW(L"LOCALAPPDATA", win::Utf8ToWide(appData).c_str());
  }

  std::string Root() const { return installation.Root(); }
  std::string OutputFolder() const { return Root() + "out\\"; }
  // An input whose first line tells the fake encoder what to do.
  std::string Input(const std::string& name, const std::string& behaviour) const {
    const std::string path = Root() + "in\\" + name;
    WriteFile(path, behaviour + "\n");
    return path;
  }
  void WriteScript(const std::vector<JobEntry>& entries) const {
    WriteFile(Root() + "script.txt", joblist::FormatJobListFile(entries));
  }

  win::UniqueHandle Start(const char* scenario) const {
    std::string root = Root();
    root.pop_back();
    std::wstring line = L"\"" + win::Utf8ToWide(BuildMachinePath(VEXMOOR_JOB_LIST_SESSION)) +
                        L"\" " + win::Utf8ToWide(scenario) + L" \"" + win::Utf8ToWide(root) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
      ADD_FAILURE() << "the session did not start: " << GetLastError();
      return {};
    }
    CloseHandle(started.hThread);
    return win::UniqueHandle(started.hProcess);
  }

  void Run(const char* scenario) const {
    const win::UniqueHandle session = Start(scenario);
    if (WaitForSingleObject(session.Get(), 60000) != WAIT_OBJECT_0) {
      TerminateProcess(session.Get(), 1);
      ADD_FAILURE() << scenario << " did not end";
    }
    EXPECT_FALSE(FileExists(Root() + "errors.txt")) << ReadFile(Root() + "errors.txt");
  }
  // The list a session reported as it showed it.
  std::vector<JobEntry> Reported(const char* report) const {
    const std::string file = Root() + report;
    std::vector<JobEntry> entries = joblist::ParseJobListFile(ReadFile(file));
    DeleteFileW(win::Utf8ToWide(file).c_str());
    return entries;
  }

  ScratchInstallation installation;
};

TEST_F(SessionTest, TheListComesBackAsItWasClosed) {
  std::vector<JobEntry> entries = {
      {Root() + "in\\waiting.avi", {EntryState::Waiting}},
      {Root() + "in\\done.avi", {EntryState::Done, 0, 123456}},
      {Root() + "in\\failed.avi",
       {EntryState::Failed, 0, 0, "FFmpeg failed:\r\nInvalid data\tfound"}},
      {Root() + "in\\stopped.avi", {EntryState::Stopped}},
      {Root() + "in\\skipped.avi", {EntryState::Skipped}},
      {Root() + "in\\interrupted.avi", {EntryState::Interrupted}},
  };
  for (const char* name : test_support::kUnicodeNames) {
    entries.push_back({Root() + "in\\" + name + ".mp4", {EntryState::Done, 0, 42}});
  }
  WriteScript(entries);
  Run("fill");
  EXPECT_TRUE(FileExists(installation.JobListFile()));

  Run("report");
  const std::vector<JobEntry> shown = Reported("report.txt");
  ASSERT_EQ(entries.size(), shown.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].path, shown[i].path);
    EXPECT_EQ(entries[i].status.state, shown[i].status.state) << entries[i].path;
    EXPECT_EQ(entries[i].status.outputBytes, shown[i].status.outputBytes) << entries[i].path;
    EXPECT_EQ(entries[i].status.reason, shown[i].status.reason) << entries[i].path;
  }
  EXPECT_EQ(std::vector<std::string>{"joblist.txt"},
            FilesIn(installation.LocalAppDataFolder() + "Vexmoor\\"));
}

// The program is ended by force while the encoder writes the second file:
// the encoder goes with it, and the file it was writing stays until the
// next start, which shows that entry interrupted and removes the file. The
// next run converts it.
TEST_F(SessionTest, AKilledRunComesBackInterruptedWithoutItsPartialOutput) {
  const std::string second = Input("second.avi", "stuck");
  WriteScript({{Input("first.avi", "ok")}, {second}, {Input("third.avi", "ok")}});
  const std::string partials = "second.3gp.*.partial";
  const win::UniqueHandle session = Start("convert");
  const bool converting = WaitFor(
      [&] {
        const std::vector<JobEntry> kept = KeptList(installation.JobListFile());
        return kept.size() == 3 && kept[1].status.state == EntryState::Interrupted &&
               !FilesIn(OutputFolder(), partials).empty();
      },
      30000);
  const std::vector<win::UniqueHandle> encoders = Descendants(GetProcessId(session.Get()));
  TerminateProcess(session.Get(), 1);
  WaitForSingleObject(session.Get(), 10000);
  ASSERT_TRUE(converting) << "the kept list never showed the second file converting";
  ASSERT_FALSE(encoders.empty());
  for (const win::UniqueHandle& encoder : encoders) {
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(encoder.Get(), 10000))
        << "a process of the encoder outlived the program";
  }
  ASSERT_EQ(1u, FilesIn(OutputFolder(), partials).size());

  Run("report");
  EXPECT_EQ(
      (std::vector<EntryState>{EntryState::Done, EntryState::Interrupted, EntryState::Waiting}),
      States(Reported("report.txt")));
  EXPECT_EQ(std::vector<std::string>{"first.3gp"}, FilesIn(OutputFolder()));

  // The next run, with an input that now converts and no earlier output
  // to ask about.
  WriteFile(second, "ok\n");
  DeleteFileW(win::Utf8ToWide(OutputFolder() + "first.3gp").c_str());
  Run("rerun");
  EXPECT_EQ((std::vector<EntryState>(3, EntryState::Done)), States(Reported("report-after.txt")));
  EXPECT_EQ("converted " + second, ReadFile(OutputFolder() + "second.3gp"));
}

}  // namespace
}  // namespace app_test
