// The program as scripts run it: the window's checks with their messages and
// exit statuses, usage errors, the PIN on a descriptor, an input that cannot
// be read or is far too long, and the text byte for byte through both
// directions and both editions' keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "cli/command.h"
#include "cli/pin_reader.h"
#include "cli/system.h"
#include "cli/utf8.h"
#include "engine/passes.h"
#include "engine/run_input.h"

namespace velk::cli {
namespace {

using namespace std::string_literals;

// A pipe, and an empty file deleted when closed.
#ifdef _WIN32
int Pipe(std::array<int, 2>& ends) {
    return _pipe(ends.data(), 4096, _O_BINARY);
}
int InputFile() {
    const std::unique_ptr<char, decltype(&std::free)> name(_tempnam(nullptr, "velk"), &std::free);
    return _open(name.get(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY | _O_TEMPORARY,
                 _S_IREAD | _S_IWRITE);
}
#else
int Pipe(std::array<int, 2>& ends) {
    return pipe(ends.data());
}
int InputFile() {
    return memfd_create("input", MFD_CLOEXEC);
}
#endif

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
    off_t read = -1;  // how far into a file input the program read
};

// Runs the program with `options` (split at blanks) on the descriptor `in`;
// a `pin` is handed over on a pipe with --pin-fd.
Outcome RunProgramOn(int in, const std::string& options, const std::optional<std::string>& pin) {
    std::istringstream words(options);
    std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    std::array<int, 2> ends{-1, -1};
    if (pin) {
        EXPECT_EQ(Pipe(ends), 0);
        EXPECT_EQ(write(ends[1], pin->data(), pin->size()), static_cast<ssize_t>(pin->size()));
        close(ends[1]);
        args.insert(args.end(), {"--pin-fd", std::to_string(ends[0])});
    }
    std::vector<const char*> argv{"velk-encrypt-decrypt"};
    for (const auto& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.status = RunCommand(static_cast<int>(argv.size()), argv.data(), in, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    if (pin) {
        close(ends[0]);
    }
    return outcome;
}

// Runs the program on `input` in a file.
Outcome RunProgram(const std::string& options, const std::optional<std::string>& pin,
                   const std::string& input) {
    const int in = InputFile();
    EXPECT_EQ(write(in, input.data(), input.size()), static_cast<ssize_t>(input.size()));
    lseek(in, 0, SEEK_SET);
    Outcome outcome = RunProgramOn(in, options, pin);
    outcome.read = lseek(in, 0, SEEK_CUR);
    close(in);
    return outcome;
}

struct Refusal {
    const char* name;
    std::string options;
    std::optional<std::string> pin;
    std::string input;
    int status;
    std::string message;  // the whole first line of a refusal, part of a usage error's
    int in = -1;          // a descriptor to read instead of `input`
};

class Refusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refusals, SayWhyOnStandardErrorAndWriteNothing) {
    const Refusal& c = GetParam();
    const Outcome outcome =
        c.in >= 0 ? RunProgramOn(c.in, c.options, c.pin) : RunProgram(c.options, c.pin, c.input);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.out, "");
    const std::string firstLine = outcome.err.substr(0, outcome.err.find('\n'));
    if (c.status == ExitRefused) {
        EXPECT_EQ(firstLine, "velk-encrypt-decrypt: " + c.message);
    } else {
        EXPECT_NE(firstLine.find(c.message), std::string::npos) << firstLine;
    }
}

const std::string Plain = "Attack at dawn!";
const std::string TooLong(32767, 'a');

const std::vector<Refusal> RefusalCases{
    Refusal{"EmptyPinBeforeSameKeys", "--keys 01 01 02 03", "\n", Plain, 1, "Enter Pin"},
    Refusal{"SameKeysBeforeLength", "--keys 01 02 03 02", "1234567", Plain, 1, "Two Keys The Same"},
    Refusal{"KeyNotAsPicked", "--keys 1 02 03 01", "12345678", Plain, 1,
            "Pick Each Key From 01 To 99"},
    Refusal{"PassesTooMany", "--passes 257", "12345678", Plain, 1,
            "Pick The Number Of Times From 01 To 256"},
    Refusal{"PinBeforePasses", "--passes 0", "", Plain, 1, "Enter Pin"},
    Refusal{"TextTooLong", "", "12345678", TooLong, 1,
            "The Txt Is Too Long: At Most 32766 Characters Can Be Worked On"},
    Refusal{"PassesBeforeText", "--passes 0", "12345678", TooLong, 1,
            "Pick The Number Of Times From 01 To 256"},
    Refusal{"CutShortAtTheEnd", "", "12345678", "\xF0\x9F\x98\x80\xE2\x82", 1,
            "The Txt Is Not UTF-8 From Byte Offset 4"},
    Refusal{"Surrogate", "", "12345678", "\xED\xA0\x80", 1,
            "The Txt Is Not UTF-8 From Byte Offset 0"},
    Refusal{"Overlong", "", "12345678", "ab\xC0\xAF", 1, "The Txt Is Not UTF-8 From Byte Offset 2"},
    Refusal{"OverlongInThreeBytes", "", "12345678", "abcdefgh\xC2\xA3\xE0\x9F\xBF", 1,
            "The Txt Is Not UTF-8 From Byte Offset 10"},
    Refusal{"BrokenOff", "", "12345678", "\xE2\x82\xAC\xE2\x82" + Plain, 1,
            "The Txt Is Not UTF-8 From Byte Offset 3"},
    Refusal{"PastU10FFFF", "", "12345678", "\xF4\x90\x80\x80", 1,
            "The Txt Is Not UTF-8 From Byte Offset 0"},
    // Each byte that is not UTF-8 counts as one character of the PIN.
    Refusal{"PinNotUtf8", "", "123456\xE2\x82", Plain, 1, "The Pin Must Be 8 Numbers, 0 To 9 Only"},
    Refusal{"NotUtf8BeforeLength", "", "12345678", TooLong + "\xFF", 1,
            "The Txt Is Not UTF-8 From Byte Offset 32767"},
// A failed read is no end of the text.
#ifndef _WIN32
    Refusal{"InputADirectory", "", "12345678", "", 1, "The Txt Could Not Be Read: Is a directory",
            open(".", O_RDONLY | O_CLOEXEC)},
#endif
    Refusal{"InputNotOpen", "", "12345678", "", 1, "The Txt Could Not Be Read: Bad file descriptor",
            987},
    Refusal{"PinOnTheCommandLine", "--pin 12345678", std::nullopt, Plain, 2,
            std::string(PinFdHint)},
    Refusal{"ClassicWithKeys", "--classic --keys 01 02 03 04", "12345678", Plain, 2, "excludes"},
    Refusal{"UnknownOption", "--decrypt", "12345678", Plain, 2, "--decrypt"},
    Refusal{"PinFdNotOpen", "--pin-fd 987", std::nullopt, Plain, 2,
            "descriptor 987 is not open; hand the PIN over with " + std::string(PinFdHint)}};
INSTANTIATE_TEST_SUITE_P(Program, Refusals, ::testing::ValuesIn(RefusalCases),
                         [](const auto& p) { return std::string(p.param.name); });

// The engine's and the classic edition's stored vectors, in UTF-8, with the
// PIN line ended by a line feed or by CR LF.
TEST(Program, EnciphersAsTheWindowsDoAndDeciphersWithInverse) {
    const std::string classicPlain =
        "Pay \xC2\xA3"
        "100 or \xE2\x82\xAC"
        "120? \xC2\xAC\xC2\xBF\xC2\xA7\xC3\x98\r\nDone!";
    const std::array<std::array<std::string, 4>, 3> vectors{
        {{"", "12345678\n", Plain, "bAoaR'-(D\xC2\xA3-Gw)!"},
         {"--keys 01 02 03 04", "12345678\r\n", Plain, "bAoaR'-(D\xC2\xA3-Gw)!"},
         {"--classic --passes 03", "04729913", classicPlain,
          "K 8m{&|b:MO\xC3\x98"
          "Bh)$+?`PGS\r\nY?V>!"}}};
    for (const auto& [options, pin, plain, cipher] : vectors) {
        const Outcome there = RunProgram(options, pin, plain);
        EXPECT_EQ(there.status, ExitDone) << there.err;
        EXPECT_EQ(there.out, cipher) << options;
        EXPECT_EQ(there.err, "");
        EXPECT_EQ(RunProgram(options + " --inverse", pin, cipher).out, plain) << options;
    }
}

// Line breaks and NULs: no Alphabet character's UTF-8 holds any of these bytes.
std::string ControlBytes(const std::string& text) {
    std::string found;
    std::ranges::copy_if(text, std::back_inserter(found),
                         [](char byte) { return byte == '\r' || byte == '\n' || byte == '\0'; });
    return found;
}

TEST(Program, KeepsEveryCharacterOutsideTheAlphabetWhereItWas) {
    const std::string emoji = "\xF0\x9F\x98\x80";
    const std::string plain =
        "\xEF\xBB\xBF"
        "CR LF\r\nLF\nCR\rnon-BMP " +
        emoji + " NUL \0 end"s;
    const Outcome there = RunProgram("", "12345678", plain);
    ASSERT_EQ(there.status, ExitDone) << there.err;
    EXPECT_NE(there.out, plain);
    EXPECT_TRUE(there.out.starts_with("\xEF\xBB\xBF"));  // the byte order mark too
    EXPECT_EQ(ControlBytes(there.out), "\r\n\n\r\0"s);
    const std::size_t at = there.out.find(emoji);
    EXPECT_TRUE(at > there.out.rfind('\r') && at < there.out.find('\0'));
    EXPECT_EQ(RunProgram("--inverse", "12345678", there.out).out, plain);
}

// The cipher sees every line break as CR LF; each comes out as it went in.
TEST(Program, GivesLfAndCrLfTextsOneCipherEachWithItsOwnLineBreaks) {
    EXPECT_EQ(RunProgram("--classic", "12345678", "ab\ncd\n").out, "Ml\nl$\n");
    EXPECT_EQ(RunProgram("--classic", "12345678", "ab\r\ncd\r\n").out, "Ml\r\nl$\r\n");
}

// As `type pin.txt letter.txt | velk-encrypt-decrypt --pin-fd 0` hands them
// over: the PIN line is read to its end and no further.
TEST(Program, TakesThePinLineAndTheTextAfterItFromOneDescriptor) {
    const std::string cipher = RunProgram("", "12345678", Plain).out;
    for (const std::string pinLine : {"12345678\n", "12345678\r\n"}) {
        const int in = InputFile();
        const std::string input = pinLine + Plain;
        ASSERT_EQ(write(in, input.data(), input.size()), static_cast<ssize_t>(input.size()));
        lseek(in, 0, SEEK_SET);
        EXPECT_EQ(RunProgramOn(in, "--pin-fd " + std::to_string(in), std::nullopt).out, cipher);
        close(in);
    }
}

// The longest text of 3-byte characters is taken, from a file or, in
// pieces, from a pipe; one byte more is refused once read.
TEST(Program, ReadsNoFurtherThanTheLongestTextCanReach) {
    const std::string longest = EncodeUtf8(std::u16string(MaxTextLength, u'\u20AC'));
    const Outcome worked = RunProgram("", "12345678", longest);
    EXPECT_EQ(worked.status, ExitDone);
    EXPECT_EQ(RunProgram("--inverse", "12345678", worked.out).out, longest);
    std::array<int, 2> ends{};
    ASSERT_EQ(Pipe(ends), 0);
    std::thread writer([&] {
        EXPECT_EQ(write(ends[1], longest.data(), longest.size()),
                  static_cast<ssize_t>(longest.size()));
        close(ends[1]);
    });
    EXPECT_EQ(RunProgramOn(ends[0], "", "12345678").out, worked.out);
    writer.join();
    close(ends[0]);
    const Outcome tooLong = RunProgram("", "12345678", longest + std::string(1 << 20, 'a'));
    EXPECT_EQ(tooLong.err, "velk-encrypt-decrypt: " + std::string(TextTooLongRefusal) + "\n");
    EXPECT_EQ(tooLong.read, static_cast<off_t>(longest.size() + 1));
}

TEST(Program, HelpGoesToStandardOutput) {
    const Outcome help = RunProgram("--help", std::nullopt, "");
    EXPECT_EQ(help.status, ExitDone);
    EXPECT_NE(help.out.find("undoes itself with --inverse"), std::string::npos);
    EXPECT_NE(help.out.find("casual privacy only"), std::string::npos);
}

}  // namespace
}  // namespace velk::cli
