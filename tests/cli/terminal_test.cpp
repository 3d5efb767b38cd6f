// The PIN asked for at a terminal: the program in the foreground process
// group of a pseudo-terminal, below a session leader as below a shell (the
// kernel drops a stop signal sent to an orphaned group), on an empty text.
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

class PinPrompt : public ::testing::Test {
protected:
    void SetUp() override {
        leader_ = forkpty(&terminal_, nullptr, nullptr, nullptr);
        ASSERT_GE(leader_, 0);
        if (leader_ == 0) {
            RunProgramInForeground();
        }
        fcntl(terminal_, F_SETFL, O_NONBLOCK);
        ASSERT_TRUE(Await([&] { return shown_ == "Enter Pin: " && !Echo(); }));
    }

    // Closing the terminal hangs it up, which ends a leader still there and
    // with it the program.
    void TearDown() override {
        close(terminal_);
        waitpid(leader_, nullptr, 0);
    }

    // Passes on the program's exit status, or 128 + the signal that ended it.
    [[noreturn]] static void RunProgramInForeground() {
        const pid_t program = fork();
        if (program == 0) {
            setpgid(0, 0);
            signal(SIGTTOU, SIG_IGN);  // so as to take the terminal from the background
            tcsetpgrp(STDIN_FILENO, getpid());
            signal(SIGTTOU, SIG_DFL);
            const int nothing = open("/dev/null", O_RDONLY);
            if (nothing >= 0 && dup2(nothing, STDIN_FILENO) >= 0) {
                execl(VELK_CLI_PROGRAM, VELK_CLI_PROGRAM, nullptr);
            }
            _exit(127);
        }
        int status = 0;
        waitpid(program, &status, 0);
        _exit(WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status));
    }

    // Waits up to 10 s for `done`, collecting what the terminal shows.
    template <class Done>
    bool Await(Done done) {
        for (int tries = 0; tries < 1000; ++tries, usleep(10000)) {
            char buffer[256];
            for (ssize_t got = 0; (got = read(terminal_, buffer, sizeof buffer)) > 0;) {
                shown_.append(buffer, static_cast<std::size_t>(got));
            }
            if (done()) {
                return true;
            }
        }
        return false;
    }

    bool Echo() const {
        termios settings{};
        return tcgetattr(terminal_, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
    }

    // The state /proc gives the program in the foreground: T while it is stopped.
    bool Stopped() const {
        std::ifstream stat("/proc/" + std::to_string(tcgetpgrp(terminal_)) + "/stat");
        std::string line;
        return std::getline(stat, line) && line.find(") T ") != std::string::npos;
    }

    int ExitStatus() {
        Await([&] { return waitpid(leader_, &status_, WNOHANG) == leader_; });
        return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
    }

    int terminal_ = -1;
    pid_t leader_ = -1;
    int status_ = -1;
    std::string shown_;
};

TEST_F(PinPrompt, CtrlCEndsItWithEchoBackOn) {
    ASSERT_EQ(write(terminal_, "\x03", 1), 1);
    EXPECT_EQ(ExitStatus(), 128 + SIGINT);
    EXPECT_TRUE(Echo());
}

// Continued, it asks again: what was typed before the stop is dropped.
TEST_F(PinPrompt, CtrlZStopsItWithEchoBackOnAndContinuedItAsksAgainWithEchoOff) {
    ASSERT_EQ(write(terminal_, "\x1a", 1), 1);
    ASSERT_TRUE(Await([&] { return Stopped(); }));
    EXPECT_TRUE(Echo());
    kill(tcgetpgrp(terminal_), SIGCONT);
    ASSERT_TRUE(Await([&] { return shown_ == "Enter Pin: Enter Pin: " && !Echo(); }));
    ASSERT_EQ(write(terminal_, "12345678\n", 9), 9);
    EXPECT_EQ(ExitStatus(), 0);
    EXPECT_TRUE(Echo());
    EXPECT_EQ(shown_, "Enter Pin: Enter Pin: \r\n");  // no PIN
}

}  // namespace
