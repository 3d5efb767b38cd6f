// libFuzzer target for what the command line reads from outside: its UTF-8
// conversions and its PIN reader. Every input is taken three ways, each
// checked against an oracle that is not the code under test:
//
// - as bytes, decoded to CR LF: equal to UTF8-CPP's checked conversion
//   followed by the engine's ToCrLf, refused at the same offset as
//   utf8::find_invalid; encoded back with the spellings, the bytes again;
// - as UTF-16LE units, encoded: equal to UTF8-CPP's utf16to8, refused where
//   it refuses, with and without line breaks spelled again;
// - as what a descriptor holds, its PIN line read: up to the first line feed
//   within MaxPinLineBytes, a CR before it dropped, and nothing read past
//   the line feed of a line that may hold a PIN.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include <utf8.h>

#include "cli/pin_reader.h"
#include "cli/utf8.h"
#include "engine/line_breaks.h"
#include "tests/fuzz/require.h"

namespace {

using namespace velk;
using fuzz::Require;

void CheckDecoding(std::string_view bytes) {
    std::optional<CrLfText> decoded;
    std::optional<std::size_t> refusedAt;
    try {
        decoded = cli::DecodeUtf8ToCrLf(bytes);
    } catch (const cli::NotUtf8& e) {
        refusedAt = e.offset();
    }
    const auto invalid = utf8::find_invalid(bytes.begin(), bytes.end());
    if (invalid != bytes.end()) {
        Require(refusedAt == static_cast<std::size_t>(invalid - bytes.begin()),
                "refused elsewhere than UTF8-CPP, or not at all");
        return;
    }
    Require(decoded.has_value(), "refused what UTF8-CPP accepts");
    std::u16string text;
    utf8::utf8to16(bytes.begin(), bytes.end(), std::back_inserter(text));
    const CrLfText expected = ToCrLf(text);
    Require(decoded->text == expected.text && decoded->breaks == expected.breaks,
            "decoded otherwise than UTF8-CPP and ToCrLf");
    Require(cli::EncodeUtf8(decoded->text, decoded->breaks) == bytes,
            "encoded back otherwise than the bytes");
}

// EncodeUtf8(text, breaks) in both forms, or nothing when they refuse it
// (both must).
std::optional<std::string> Encoded(std::u16string_view text, std::span<const LineBreak> breaks) {
    std::optional<std::string> bytes;
    try {
        bytes = cli::EncodeUtf8(text, breaks);
    } catch (const std::invalid_argument&) {
        bytes.reset();  // refused: then into room given too
    }
    std::string room(3 * text.size(), '\0');
    try {
        room.resize(cli::EncodeUtf8(text, breaks, room));
        Require(bytes == room, "encoded otherwise into room given");
    } catch (const std::invalid_argument&) {
        Require(!bytes, "refused only into room given");
    }
    return bytes;
}

void CheckEncoding(std::string_view bytes) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) |
                                              static_cast<std::uint8_t>(bytes[i + 1]) << 8));
    }
    std::optional<std::string> expected;
    try {
        expected.emplace();
        utf8::utf16to8(units.begin(), units.end(), std::back_inserter(*expected));
    } catch (const utf8::invalid_utf16&) {
        expected.reset();
    }
    Require(Encoded(units, {}) == expected, "encoded otherwise than UTF8-CPP");
    const CrLfText crLf = ToCrLf(units);
    Require(Encoded(crLf.text, crLf.breaks) == expected,
            "line breaks spelled again otherwise than they came");
}

void CheckPinLine(std::string_view bytes) {
    int ends[2];
    Require(pipe2(ends, O_CLOEXEC) == 0, "no pipe");
    // Within a pipe's capacity: libFuzzer's inputs are at most -max_len.
    Require(write(ends[1], bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()),
            "pipe took less than the input");
    close(ends[1]);
    const std::string line = cli::ReadPinLine(ends[0]);
    std::string rest(bytes.size(), '\0');
    const ssize_t restSize = read(ends[0], rest.data(), rest.size());
    close(ends[0]);

    const std::size_t feed = bytes.substr(0, cli::MaxPinLineBytes).find('\n');
    std::string_view expected = bytes.substr(0, std::min(feed, cli::MaxPinLineBytes));
    if (!expected.empty() && expected.back() == '\r') {
        expected.remove_suffix(1);
    }
    Require(line == expected, "read another PIN line");
    const std::size_t taken = feed == std::string_view::npos ? cli::MaxPinLineBytes : feed + 1;
    if (taken >= cli::ShortestPinLine && taken <= bytes.size()) {
        Require(std::string_view(rest).substr(0, static_cast<std::size_t>(restSize)) ==
                    bytes.substr(taken),
                "read past the PIN line");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckDecoding(bytes);
    CheckEncoding(bytes);
    CheckPinLine(bytes);
    return 0;
}
