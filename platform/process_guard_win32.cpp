#include "platform/process_guard.h"

#include <windows.h>

namespace velk {

// Windows writes no core files of its own accord; what takes a crashed
// program's memory away is Windows Error Reporting, left out here.
void DisableCoreDumps() {
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
}

}  // namespace velk
