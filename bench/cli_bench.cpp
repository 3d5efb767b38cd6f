// velk-encrypt-decrypt as a script meets it, from start to exit: the process
// started, the longest text a pass takes fed in, 256 passes, the result read
// back and the exit awaited. Beside it the start and exit alone (--version),
// so the cost of a process shows apart from the run's.
#include <benchmark/benchmark.h>

#include <array>
#include <cerrno>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/mixed_text.h"
#include "cli/utf8.h"
#include "engine/passes.h"
#include "engine/run_input.h"

extern char** environ;  // NOLINT(readability-redundant-declaration): POSIX declares it nowhere

namespace {

// The longest text a run takes, in UTF-8 with LF line breaks.
const std::string& Text() {
    static const std::string text =
        velk::cli::EncodeUtf8(velk::bench::MixedTextWithLf(velk::MaxTextLength));
    return text;
}

using Pipe = std::array<int, 2>;

Pipe OpenPipe() {
    Pipe ends{};
    if (pipe2(ends.data(), O_CLOEXEC) != 0) {
        std::abort();
    }
    return ends;
}

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno != EINTR) {
            std::abort();
        }
        bytes.remove_prefix(written < 0 ? 0 : static_cast<std::size_t>(written));
    }
}

// One run of the program with `args`, the PIN on descriptor 3 and `input` on
// standard input; gives what it wrote. The program reads all of its input
// before it writes, so feeding it whole and then reading cannot deadlock.
std::string RunProgram(std::vector<std::string> args, std::string_view input) {
    const Pipe in = OpenPipe();
    const Pipe out = OpenPipe();
    const Pipe pin = OpenPipe();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pin[0], 3);
    args.insert(args.begin(), VELK_CLI_PROGRAM);
    args.insert(args.end(), {"--pin-fd", "3"});
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, VELK_CLI_PROGRAM, &actions, nullptr, argv.data(), environ) != 0) {
        std::abort();
    }
    posix_spawn_file_actions_destroy(&actions);
    for (const int end : {in[0], out[1], pin[0]}) {
        close(end);
    }
    WriteAll(pin[1], "27182818\n");
    close(pin[1]);
    WriteAll(in[1], input);
    close(in[1]);
    std::string result;
    std::array<char, 65536> buffer{};
    while (true) {
        const ssize_t got = read(out[0], buffer.data(), buffer.size());
        if (got == 0) {
            break;
        }
        if (got < 0 && errno != EINTR) {
            std::abort();
        }
        result.append(buffer.data(), got < 0 ? 0 : static_cast<std::size_t>(got));
    }
    close(out[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::abort();
    }
    return result;
}

void BM_WholeProcess256Passes(benchmark::State& state) {
    const std::vector<std::string> args{"--passes", std::to_string(velk::MaxPassCount)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunProgram(args, Text()));
    }
    state.SetItemsProcessed(state.iterations() * velk::MaxTextLength * velk::MaxPassCount);
}

void BM_StartAndExit(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunProgram({"--version"}, ""));
    }
}

BENCHMARK(BM_WholeProcess256Passes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartAndExit)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
