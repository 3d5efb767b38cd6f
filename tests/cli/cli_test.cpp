// The program as scripts run it: the window's checks with their messages and
// exit statuses, usage errors, the PIN on a descriptor, and the text byte for
// byte through both directions and both editions' keys.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/command.h"
#include "cli/pin_reader.h"

namespace velk::cli {
namespace {

using namespace std::string_literals;
using ::testing::HasSubstr;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program with `options` (split at blanks) on `input`; a `pin` is
// handed over on a pipe with --pin-fd.
Outcome RunProgram(const std::string& options, const std::optional<std::string>& pin,
                   const std::string& input) {
    std::istringstream words(options);
    std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    std::array<int, 2> ends{-1, -1};
    if (pin) {
        EXPECT_EQ(pipe(ends.data()), 0);
        EXPECT_EQ(write(ends[1], pin->data(), pin->size()), static_cast<ssize_t>(pin->size()));
        close(ends[1]);
        args.insert(args.end(), {"--pin-fd", std::to_string(ends[0])});
    }
    std::vector<const char*> argv{"velk-encrypt-decrypt"};
    for (const auto& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::istringstream in(input);
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

struct Refusal {
    const char* name;
    std::string options;
    std::optional<std::string> pin;
    std::string input;
    int status;
    std::string message;  // the whole first line of a refusal, part of a usage error's
};

class Refusals : public ::testing::TestWithParam<Refusal> {};

TEST_P(Refusals, SayWhyOnStandardErrorAndWriteNothing) {
    const Refusal& c = GetParam();
    const Outcome outcome = RunProgram(c.options, c.pin, c.input);
    EXPECT_EQ(outcome.status, c.status);
    EXPECT_EQ(outcome.out, "");
    const std::string firstLine = outcome.err.substr(0, outcome.err.find('\n'));
    if (c.status == ExitRefused) {
        EXPECT_EQ(firstLine, "velk-encrypt-decrypt: " + c.message);
    } else {
        EXPECT_THAT(firstLine, HasSubstr(c.message));
    }
}

const std::string Plain = "Attack at dawn!";
const std::string TooLong(32767, 'a');

INSTANTIATE_TEST_SUITE_P(
    Program, Refusals,
    ::testing::Values(
        Refusal{"EmptyPin", "", "", Plain, 1, "Enter Pin"},
        Refusal{"EmptyPinBeforeSameKeys", "--keys 01 01 02 03", "\n", Plain, 1, "Enter Pin"},
        Refusal{"SameKeysBeforeLength", "--keys 01 02 03 02", "1234567", Plain, 1,
                "Two Keys The Same"},
        Refusal{"PinOfSeven", "", "1234567", Plain, 1, "Enter Pin 8 Numbers"},
        Refusal{"PinNotDigits", "", "1234 678", Plain, 1, "The Pin Must Be 8 Numbers, 0 To 9 Only"},
        Refusal{"LengthBeforeKey", "--keys 00 02 03 04", "1234567", Plain, 1,
                "Enter Pin 8 Numbers"},
        Refusal{"KeyNotAsPicked", "--keys 1 02 03 01", "12345678", Plain, 1,
                "Pick Each Key From 01 To 99"},
        Refusal{"PassesTooMany", "--passes 257", "12345678", Plain, 1,
                "Pick The Number Of Times From 01 To 256"},
        Refusal{"PassesNotANumber", "--passes x", "12345678", Plain, 1,
                "Pick The Number Of Times From 01 To 256"},
        Refusal{"PinBeforePasses", "--passes 0", "", Plain, 1, "Enter Pin"},
        Refusal{"TextTooLong", "", "12345678", TooLong, 1,
                "The Txt Is Too Long: At Most 32766 Characters Can Be Worked On"},
        Refusal{"PassesBeforeText", "--passes 0", "12345678", TooLong, 1,
                "Pick The Number Of Times From 01 To 256"},
        Refusal{"CutShortAtTheEnd", "", "12345678", "\xF0\x9F\x98\x80\xE2\x82", 1,
                "The Txt Is Not UTF-8 From Byte Offset 4"},
        Refusal{"CutShortInside", "", "12345678", "\xC2\xA3\xE2\x82!", 1,
                "The Txt Is Not UTF-8 From Byte Offset 2"},
        Refusal{"Surrogate", "", "12345678", "\xED\xA0\x80", 1,
                "The Txt Is Not UTF-8 From Byte Offset 0"},
        Refusal{"NotUtf8BeforeLength", "", "12345678", TooLong + "\xFF", 1,
                "The Txt Is Not UTF-8 From Byte Offset 32767"},
        Refusal{"PinOnTheCommandLine", "--pin 12345678", std::nullopt, Plain, 2, "--pin-fd FD"},
        Refusal{"PinOptionBesideFd", "--pin", "12345678", Plain, 2, "--pin-fd FD"},
        Refusal{"ClassicWithKeys", "--classic --keys 01 02 03 04", "12345678", Plain, 2,
                "excludes"},
        Refusal{"UnknownOption", "--decrypt", "12345678", Plain, 2, "--decrypt"},
        Refusal{"PinFdNotOpen", "--pin-fd 987", std::nullopt, Plain, 2,
                "descriptor 987 is not open"}),
    [](const auto& p) { return std::string(p.param.name); });

struct KnownAnswer {
    const char* name;
    std::string options;
    std::string pin;
    std::string plain;
    std::string cipher;
};

class KnownAnswers : public ::testing::TestWithParam<KnownAnswer> {};

TEST_P(KnownAnswers, EncipherAsTheWindowsDoAndDecipherWithInverse) {
    const KnownAnswer& v = GetParam();
    const Outcome there = RunProgram(v.options, v.pin, v.plain);
    EXPECT_EQ(there.status, ExitDone) << there.err;
    EXPECT_EQ(there.out, v.cipher);
    EXPECT_EQ(there.err, "");
    EXPECT_EQ(RunProgram(v.options + " --inverse", v.pin, v.cipher).out, v.plain);
}

// The engine's and the classic edition's stored vectors, in UTF-8; the PIN
// line ends in every way a descriptor can end it.
INSTANTIATE_TEST_SUITE_P(
    Program, KnownAnswers,
    ::testing::Values(
        KnownAnswer{"DefaultKeys", "", "12345678", Plain, "bAoaR'-(D\xC2\xA3-Gw)!"},
        KnownAnswer{"PinLineWithLf", "", "12345678\nnext line", Plain, "bAoaR'-(D\xC2\xA3-Gw)!"},
        KnownAnswer{"PinLineWithCrLf", "", "12345678\r\n", Plain, "bAoaR'-(D\xC2\xA3-Gw)!"},
        KnownAnswer{"MostPasses", "--passes 256 --keys 05 50 25 75", "31415926", Plain,
                    "X2?1>rLIR9\xC3\x98mK'!"},
        KnownAnswer{"Classic", "--classic", "12345678", Plain, "/'nIlbB\xC2\xACk)lxnq!"},
        KnownAnswer{"ClassicThreePassesCrLf", "--classic --passes 03", "04729913",
                    "Pay \xC2\xA3"
                    "100 or \xE2\x82\xAC"
                    "120? \xC2\xAC\xC2\xBF\xC2\xA7\xC3\x98\r\nDone!",
                    "K 8m{&|b:MO\xC3\x98"
                    "Bh)$+?`PGS\r\nY?V>!"},
        KnownAnswer{"EmptyText", "", "12345678", "", ""}),
    [](const auto& p) { return std::string(p.param.name); });

// Line breaks and NULs: no Alphabet character's UTF-8 holds any of these bytes.
std::string ControlBytes(const std::string& text) {
    std::string found;
    std::copy_if(text.begin(), text.end(), std::back_inserter(found),
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

TEST(Program, HelpGoesToStandardOutput) {
    const Outcome help = RunProgram("--help", std::nullopt, "");
    EXPECT_EQ(help.status, ExitDone);
    EXPECT_THAT(help.out, HasSubstr("undoes itself with --inverse"));
    EXPECT_THAT(help.out, HasSubstr("casual privacy only"));
}

TEST(PinLine, LeavesWhatFollowsTheLineUnread) {
    std::array<int, 2> ends{};
    ASSERT_EQ(pipe(ends.data()), 0);
    ASSERT_EQ(write(ends[1], "12345678\ntext", 13), 13);
    close(ends[1]);
    EXPECT_EQ(ReadPinLine(ends[0]), "12345678");
    std::array<char, 8> rest{};
    EXPECT_EQ(read(ends[0], rest.data(), rest.size()), 4);
    EXPECT_EQ(std::string(rest.data(), 4), "text");
    close(ends[0]);
}

}  // namespace
}  // namespace velk::cli
