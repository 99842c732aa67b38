#pragma once

#include "win/unique.h"

namespace win {

// A job object that ends every process in it when its last handle closes.
// The handle is not inheritable, so the caller's handle is the only one and
// closes when the caller ends. Empty when the system refuses a job.
UniqueHandle CreateKillOnCloseJob();

// Ends every process of the job with exitCode and waits until they are gone
// (a few seconds at most), so that the files they held are closed when it
// returns.
void EndJob(HANDLE job, UINT exitCode);

}  // namespace win
