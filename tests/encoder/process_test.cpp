// Runs libm9s.exe as the converter does (a hidden console of its own, its
// standard streams on pipes) and checks how it stops on "quit", that a
// forced end takes FFmpeg with it, and how it unpacks the FFmpeg it
// carries.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "conversion/command_line.h"
#include "encoder/payload_layout.h"
#include "tests/support/folder_files.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace {

using test_support::FilesIn;
using win::UniqueHandle;

// The converter waits this long after "quit" before it kills the encoder.
constexpr DWORD kConvertersStopWait = 1000;
constexpr DWORD kFirstProgressWait = 60000;
constexpr DWORD kShortConversionWait = 120000;

std::string WindowsPath(std::string unixPath) {
  for (char& c : unixPath) {
    if (c == '/') {
      c = '\\';
    }
  }
  return "Z:" + unixPath;
}

const std::string kBin = WindowsPath(ENCODER_BIN_DIR);
const std::string kSamples = WindowsPath(ENCODER_SAMPLES_DIR);

// An empty folder of the test's own. What an earlier run left in it goes,
// subfolders too: a leftover named after a process id that happens to be
// in use again would otherwise be kept as a running encoder's.
std::string WorkFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(kSamples) / "process" / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string();
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string CommandLine(const conversion::ConversionSettings& settings, const std::string& input,
                        const std::string& output) {
  return conversion::BuildCommandLine(settings, input, output, {kBin + "\\", kSamples + "\\"});
}

// The slowest settings, so that a 60-second clip takes a while to convert.
conversion::ConversionSettings SlowSettings() {
  conversion::ConversionSettings settings;
  settings.videoBitrate = 4;
  settings.frameRate = 3;
  settings.videoSize = 4;
  return settings;
}

// One run of the encoder with its standard input, output and error on
// pipes; standard output and error are collected together.
class RunningEncoder {
 public:
  explicit RunningEncoder(std::string commandLine) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE inputRead, inputWrite, outputRead, outputWrite;
    if (!CreatePipe(&inputRead, &inputWrite, &inheritable, 0) ||
        !CreatePipe(&outputRead, &outputWrite, &inheritable, 0)) {
      throw std::runtime_error("cannot create pipes");
    }
    UniqueHandle childInput(inputRead), childOutput(outputWrite);
    input_.Reset(inputWrite);
    output_.Reset(outputRead);
    SetHandleInformation(input_.Get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(output_.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = childInput.Get();
    startup.hStdOutput = childOutput.Get();
    startup.hStdError = childOutput.Get();
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE,
                        nullptr, nullptr, &startup, &started)) {
      throw std::runtime_error("cannot start " + commandLine);
    }
    process_.Reset(started.hProcess);
    CloseHandle(started.hThread);
    processId_ = started.dwProcessId;
    reader_ = std::thread([this] { Collect(); });
  }

  ~RunningEncoder() {
    if (WaitForExit(0) != WAIT_OBJECT_0) {
      TerminateProcess(process_.Get(), 4);
      WaitForExit(INFINITE);
    }
    input_.Reset();
    reader_.join();
  }

  RunningEncoder(const RunningEncoder&) = delete;
  RunningEncoder& operator=(const RunningEncoder&) = delete;

  HANDLE Process() const { return process_.Get(); }
  DWORD ProcessId() const { return processId_; }

  std::string Output() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return collected_;
  }

  bool WaitForOutput(const std::string& text, DWORD milliseconds) const {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (Output().find(text) == std::string::npos) {
      if (std::chrono::steady_clock::now() > end || WaitForExit(20) == WAIT_OBJECT_0) {
        return Output().find(text) != std::string::npos;
      }
    }
    return true;
  }

  void Send(const std::string& text) {
    DWORD written = 0;
    WriteFile(input_.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }

  DWORD WaitForExit(DWORD milliseconds) const {
    return WaitForSingleObject(process_.Get(), milliseconds);
  }

  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
  }

 private:
  void Collect() {
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(output_.Get(), buffer, sizeof buffer, &count, nullptr) && count > 0) {
      std::lock_guard<std::mutex> lock(mutex_);
      collected_.append(buffer, count);
    }
  }

  UniqueHandle process_, input_, output_;
  DWORD processId_ = 0;
  mutable std::mutex mutex_;
  std::string collected_;
  std::thread reader_;
};

DWORD ChildProcessId(DWORD parentId, const char* exeName) {
  UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.Get(), &entry); more;
       more = Process32Next(snapshot.Get(), &entry)) {
    if (entry.th32ParentProcessID == parentId && lstrcmpiA(entry.szExeFile, exeName) == 0) {
      return entry.th32ProcessID;
    }
  }
  return 0;
}

TEST(EncoderProcess, QuitMidFileEndsItWithinTheConvertersWaitAndKeepsTheEarlierOutput) {
  const std::string folder = WorkFolder("quit");
  const std::string output = folder + "\\long.3gp";
  WriteText(output, "earlier");
  RunningEncoder encoder(CommandLine(SlowSettings(), kSamples + "\\long.avi", output));
  ASSERT_TRUE(encoder.WaitForOutput("frame=", kFirstProgressWait)) << encoder.Output();

  encoder.Send("quit\n");
  const auto asked = std::chrono::steady_clock::now();
  ASSERT_EQ(encoder.WaitForExit(kConvertersStopWait), WAIT_OBJECT_0)
      << "still running " << kConvertersStopWait << " ms after quit";
  std::printf("ended %lld ms after quit\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                         std::chrono::steady_clock::now() - asked)
                                         .count()));
  EXPECT_EQ(encoder.ExitCode(), 3u);
  EXPECT_TRUE(ReadBytes(output) == "earlier") << "the earlier output was replaced";
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"long.3gp"});
  EXPECT_NE(encoder.Output().find("libm9s: stopped;"), std::string::npos) << encoder.Output();
}

TEST(EncoderProcess, ForcedEndLeavesNoFfmpegBehind) {
  const std::string folder = WorkFolder("kill");
  RunningEncoder encoder(
      CommandLine(SlowSettings(), kSamples + "\\long.avi", folder + "\\long.3gp"));
  ASSERT_TRUE(encoder.WaitForOutput("frame=", kFirstProgressWait)) << encoder.Output();
  const DWORD ffmpegId = ChildProcessId(encoder.ProcessId(), "ffmpeg.exe");
  ASSERT_NE(ffmpegId, 0u);
  UniqueHandle ffmpeg(OpenProcess(SYNCHRONIZE, FALSE, ffmpegId));
  ASSERT_TRUE(ffmpeg);

  ASSERT_TRUE(TerminateProcess(encoder.Process(), 4));
  EXPECT_EQ(WaitForSingleObject(ffmpeg.Get(), 5000), WAIT_OBJECT_0);
}

// Points %LOCALAPPDATA% of the encoders this process starts somewhere else
// for as long as it lives.
class LocalAppData {
 public:
  explicit LocalAppData(const std::string& folder) {
    char old[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", old, sizeof old);
    if (length > 0 && length < sizeof old) {
      old_ = std::string(old, length);
    }
    SetEnvironmentVariableA("LOCALAPPDATA", folder.c_str());
  }
  ~LocalAppData() { SetEnvironmentVariableA("LOCALAPPDATA", old_ ? old_->c_str() : nullptr); }
  LocalAppData(const LocalAppData&) = delete;
  LocalAppData& operator=(const LocalAppData&) = delete;

 private:
  std::optional<std::string> old_;
};

encoder::PayloadTrailer CarriedFfmpeg() {
  const std::string encoder = ReadBytes(kBin + "\\libm9s.exe");
  const auto trailer = encoder::DecodePayloadTrailer(
      std::string_view(encoder).substr(encoder.size() - encoder::kPayloadTrailerSize),
      encoder.size());
  if (!trailer) {
    throw std::runtime_error("libm9s.exe has no payload trailer");
  }
  return *trailer;
}

void ExpectFinished(RunningEncoder& encoder) {
  ASSERT_EQ(encoder.WaitForExit(kShortConversionWait), WAIT_OBJECT_0);
  EXPECT_EQ(encoder.ExitCode(), 0u) << encoder.Output();
}

TEST(EncoderProcess, UnpacksFfmpegOnceForEncodersStartedTogetherAndRepairsABadCopy) {
  const std::string folder = WorkFolder("unpack");
  const std::string appData = folder + "\\app data";
  CreateDirectoryW(win::Utf8ToWide(appData).c_str(), nullptr);
  const encoder::PayloadTrailer carried = CarriedFfmpeg();
  const std::string unpackFolder = appData + "\\libm9s\\" + encoder::UnpackFolderName(carried);
  for (const std::string& file : FilesIn(unpackFolder)) {
    DeleteFileW(win::Utf8ToWide(unpackFolder + "\\" + file).c_str());
  }
  RemoveDirectoryA(unpackFolder.c_str());
  LocalAppData localAppData(appData);

  const std::string input = kSamples + "\\clip.avi";
  {
    RunningEncoder first(CommandLine({}, input, folder + "\\first.3gp"));
    RunningEncoder second(CommandLine({}, input, folder + "\\second.3gp"));
    ExpectFinished(first);
    ExpectFinished(second);
  }
  const std::string unpacked = unpackFolder + "\\ffmpeg.exe";
  EXPECT_EQ(FilesIn(unpackFolder), std::vector<std::string>{"ffmpeg.exe"});
  encoder::Fnv1aHash hash;
  const std::string bytes = ReadBytes(unpacked);
  hash.Add(bytes.data(), bytes.size());
  EXPECT_EQ(bytes.size(), carried.size);
  EXPECT_EQ(hash.Value(), carried.hash);

  WriteText(unpacked, "a damaged copy");
  {
    RunningEncoder third(CommandLine({}, input, folder + "\\third.3gp"));
    ExpectFinished(third);
  }
  EXPECT_EQ(ReadBytes(unpacked).size(), carried.size);
}

// The unpacked FFmpeg for encoders started with this app data folder.
std::string UnpackFolder(const std::string& appData) {
  return appData + "\\libm9s\\" + encoder::UnpackFolderName(CarriedFfmpeg());
}

// A "quit" that comes once FFmpeg has ended finds the conversion done: the
// finished file is kept. The fake FFmpeg ends at once but keeps its output
// open a while, so the encoder is still waiting when the line comes.
TEST(EncoderProcess, QuitAfterFfmpegEndedKeepsTheFinishedFile) {
  const std::string folder = WorkFolder("late quit");
  const std::string appData = folder + "\\app data";
  for (const std::string& path : {appData, appData + "\\libm9s", UnpackFolder(appData)}) {
    CreateDirectoryW(win::Utf8ToWide(path).c_str(), nullptr);
  }
  const std::string fake = UnpackFolder(appData) + "\\ffmpeg.exe";
  ASSERT_TRUE(CopyFileA(WindowsPath(FAKE_FFMPEG).c_str(), fake.c_str(), FALSE));
  {
    // The encoder takes an unpacked FFmpeg of the right size as its own.
    UniqueHandle file(CreateFileW(win::Utf8ToWide(fake).c_str(), GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size;
    size.QuadPart = static_cast<LONGLONG>(CarriedFfmpeg().size);
    ASSERT_TRUE(SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN) &&
                SetEndOfFile(file.Get()));
  }
  LocalAppData localAppData(appData);
  const std::string output = folder + "\\clip.3gp";
  WriteText(output, "earlier");

  RunningEncoder encoder(CommandLine({}, kSamples + "\\clip.avi", output));
  DWORD ffmpegId = 0;
  while (!ffmpegId && encoder.WaitForExit(5) == WAIT_TIMEOUT) {
    ffmpegId = ChildProcessId(encoder.ProcessId(), "ffmpeg.exe");
  }
  ASSERT_NE(ffmpegId, 0u) << encoder.Output();
  UniqueHandle ffmpeg(OpenProcess(SYNCHRONIZE, FALSE, ffmpegId));
  ASSERT_TRUE(ffmpeg);
  ASSERT_EQ(WaitForSingleObject(ffmpeg.Get(), 20000), WAIT_OBJECT_0);
  ASSERT_EQ(encoder.WaitForExit(0), static_cast<DWORD>(WAIT_TIMEOUT));
  encoder.Send("quit\n");
  ASSERT_EQ(encoder.WaitForExit(20000), WAIT_OBJECT_0);
  EXPECT_EQ(encoder.ExitCode(), 0u) << encoder.Output();
  EXPECT_EQ(ReadBytes(output), "converted by the fake FFmpeg");
  EXPECT_EQ(FilesIn(folder), std::vector<std::string>{"clip.3gp"});
}

// An encoder ended by force while it unpacks FFmpeg leaves a half-written
// copy of it, and its partial output beside the output; the next start
// neither runs the copy nor keeps either, while what a running encoder
// works on stays. No real process has the id 999999996.
TEST(EncoderProcess, NextStartRemovesWhatAForcedEndLeft) {
  const std::string folder = WorkFolder("leftovers");
  const std::string appData = folder + "\\app data", output = folder + "\\clip.3gp";
  for (const std::string& path : {appData, appData + "\\libm9s", UnpackFolder(appData)}) {
    CreateDirectoryW(win::Utf8ToWide(path).c_str(), nullptr);
  }
  const std::string carried = ReadBytes(kBin + "\\libm9s.exe");
  const std::string running = "ffmpeg-" + std::to_string(GetCurrentProcessId()) + ".partial";
  for (const std::string& name : {std::string("ffmpeg-999999996.partial"), running}) {
    WriteText(UnpackFolder(appData) + "\\" + name, carried.substr(0, 1 << 20));
  }
  WriteText(output + ".999999996.partial", "half");
  WriteText(output + "." + std::to_string(GetCurrentProcessId()) + ".partial", "half");

  LocalAppData localAppData(appData);
  RunningEncoder encoder(CommandLine({}, kSamples + "\\clip.avi", output));
  ExpectFinished(encoder);
  EXPECT_EQ(FilesIn(UnpackFolder(appData)), (std::vector<std::string>{running, "ffmpeg.exe"}));
  EXPECT_EQ(ReadBytes(UnpackFolder(appData) + "\\ffmpeg.exe").size(), CarriedFfmpeg().size);
  EXPECT_EQ(FilesIn(folder),
            (std::vector<std::string>{
                "clip.3gp", "clip.3gp." + std::to_string(GetCurrentProcessId()) + ".partial"}));
}

}  // namespace
