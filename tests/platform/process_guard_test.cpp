#include "platform/process_guard.h"

#include <gtest/gtest.h>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velk {
namespace {

// In a child, so that the test process itself stays dumpable: the child
// makes itself dumpable, turns core dumps off and exits 0 only when it is no
// longer dumpable and both its core file size limits are 0.
TEST(ProcessGuard, LeavesNoCoreDumpAndNoDumpableProcess) {
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);
        DisableCoreDumps();
        rlimit limit{1, 1};
        getrlimit(RLIMIT_CORE, &limit);
        _exit(prctl(PR_GET_DUMPABLE, 0, 0, 0, 0) == 0 && limit.rlim_cur == 0 && limit.rlim_max == 0
                  ? 0
                  : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
}  // namespace velk
