#include "win/job_object.h"

#include <windows.h>

namespace win {

UniqueHandle CreateKillOnCloseJob() {
  UniqueHandle job(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (job && !SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits,
                                      sizeof limits))
    job.Reset();
  return job;
}

}  // namespace win
