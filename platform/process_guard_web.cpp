#include "platform/process_guard.h"

namespace velk {

// In a page the memory is the browser's: it writes no core file of the
// page's own, and nothing in the page can change how it handles a crash.
void DisableCoreDumps() {}

}  // namespace velk
