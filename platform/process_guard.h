// What a program that holds secrets does for itself before anything else.
#pragma once

namespace velk {

// Turns core dumps off for the calling process, as password managers do: the
// core file size limit goes to 0 (soft and hard, so it cannot be raised again
// without privilege) and the process becomes non-dumpable, which also keeps
// debuggers of the same user from attaching and reading its memory. On
// Windows, Windows Error Reporting is kept from sending a crash's memory
// away. Each step is best effort; a failure leaves the process as it was for
// that step.
void DisableCoreDumps();

}  // namespace velk
