// Core dumps off: checked in a forked child, so that the test process itself
// stays dumpable and debuggable.
#include <gtest/gtest.h>

#include <array>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/process_guard.h"

namespace velk::testing {
namespace {

// What the child saw before and after DisableCoreDumps().
struct Observed {
    int dumpableBefore = -1;
    int dumpableAfter = -1;
    rlim_t coreBefore = 0;
    rlim_t coreAfter = 1;
    rlim_t coreHardAfter = 1;
};

// Forks; the child raises its core limit as far as allowed (the sanitizer
// runtime lowers it to 0 at start), makes itself dumpable, calls
// DisableCoreDumps() and writes what it observed into a pipe.
Observed ObserveInChild() {
    std::array<int, 2> ends{};
    if (pipe(ends.data()) != 0) {
        ADD_FAILURE() << "pipe failed";
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        Observed seen;
        rlimit limit{};
        getrlimit(RLIMIT_CORE, &limit);
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_CORE, &limit);
        prctl(PR_SET_DUMPABLE, 1, 0, 0, 0);
        getrlimit(RLIMIT_CORE, &limit);
        seen.coreBefore = limit.rlim_cur;
        seen.dumpableBefore = prctl(PR_GET_DUMPABLE, 0, 0, 0, 0);
        DisableCoreDumps();
        getrlimit(RLIMIT_CORE, &limit);
        seen.coreAfter = limit.rlim_cur;
        seen.coreHardAfter = limit.rlim_max;
        seen.dumpableAfter = prctl(PR_GET_DUMPABLE, 0, 0, 0, 0);
        const bool written = write(ends[1], &seen, sizeof seen) == sizeof seen;
        _exit(written ? 0 : 1);
    }
    close(ends[1]);
    Observed seen;
    const bool readAll = child > 0 && read(ends[0], &seen, sizeof seen) == sizeof seen;
    close(ends[0]);
    int status = -1;
    if (child > 0) {
        waitpid(child, &status, 0);
    }
    EXPECT_TRUE(readAll) << "the child reported nothing";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    return seen;
}

TEST(ProcessGuard, MakesTheProcessNonDumpable) {
    const Observed seen = ObserveInChild();
    EXPECT_EQ(seen.dumpableBefore, 1);
    EXPECT_EQ(seen.dumpableAfter, 0);
}

TEST(ProcessGuard, SetsBothCoreFileSizeLimitsToZero) {
    const Observed seen = ObserveInChild();
    EXPECT_EQ(seen.coreAfter, 0U);
    EXPECT_EQ(seen.coreHardAfter, 0U);
    if (seen.coreBefore == 0) {
        GTEST_SKIP() << "the hard core limit here is 0; the change itself is not visible";
    }
}

TEST(ProcessGuard, LeavesTheCallingTestProcessAlone) {
    ObserveInChild();
    EXPECT_EQ(prctl(PR_GET_DUMPABLE, 0, 0, 0, 0), 1);
}

}  // namespace
}  // namespace velk::testing
