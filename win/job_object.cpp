#include "win/job_object.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace win {

namespace {

// How long EndJob waits for the processes of the job to be gone; a killed
// process goes within milliseconds.
constexpr DWORD kEndTimeout = 5000;
// The most processes of one job EndJob waits for.
constexpr DWORD kMostJobProcesses = 32;

// The processes of the job, opened to wait for their end.
std::vector<UniqueHandle> JobProcesses(HANDLE job) {
  struct {
    JOBOBJECT_BASIC_PROCESS_ID_LIST list;
    ULONG_PTR more[kMostJobProcesses];
  } ids{};
  std::vector<UniqueHandle> processes;
  if (!QueryInformationJobObject(job, JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr)) {
    return processes;
  }
  const DWORD count = std::min<DWORD>(ids.list.NumberOfProcessIdsInList, kMostJobProcesses);
  for (DWORD i = 0; i < count; ++i) {
    UniqueHandle process(
        OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(ids.list.ProcessIdList[i])));
    if (process) {
      processes.push_back(std::move(process));
    }
  }
  return processes;
}

}  // namespace

UniqueHandle CreateKillOnCloseJob() {
  UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job && !SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits,
                                      sizeof limits)) {
    job.Reset();
  }
  return job;
}

void EndJob(HANDLE job, UINT exitCode) {
  const std::vector<UniqueHandle> processes = JobProcesses(job);
  TerminateJobObject(job, exitCode);
  std::vector<HANDLE> handles;
  for (const UniqueHandle& process : processes) {
    handles.push_back(process.Get());
  }
  if (!handles.empty()) {
    WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, kEndTimeout);
  }
}

}  // namespace win
