// velk_cipher_tool: the engine's result for a text, without any window, so the
// end-to-end test can check what the programs put on the clipboard.
//
//   velk_cipher_tool --pin 12345678 [--passes N] [--direction forward|inverse]
//                    [--keys 01 02 03 04 | --classic]  < text > result
//
// Reads UTF-8 from stdin, runs N passes (each prepared afresh, as a window
// run does) and writes the result as UTF-8 to stdout, byte for byte: no line
// break is added or changed. Exit status 0 on success, 2 for bad arguments
// or input.
#include <array>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "classic/fixed_keys.h"
#include "engine/alphabet.h"
#include "engine/cipher_state.h"
#include "engine/key_library.h"
#include "engine/key_preparation.h"
#include "engine/passes.h"
#include "engine/run_input.h"
#include "engine/text_holder.h"

namespace {

// ---- UTF-8 <-> UTF-16 ----------------------------------------------------

class BadText : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Strict decoding: overlong forms, surrogate code points, values above
// U+10FFFF and truncated sequences are refused rather than replaced, so the
// tool never compares a text it silently altered.
std::u16string Utf8ToUtf16(std::string_view in) {
    std::u16string out;
    out.reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        const auto lead = static_cast<unsigned char>(in[i]);
        char32_t cp = 0;
        std::size_t extra = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1Fu;
            extra = 1;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0Fu;
            extra = 2;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07u;
            extra = 3;
            minimum = 0x10000;
        } else {
            throw BadText("invalid UTF-8 lead byte at offset " + std::to_string(i));
        }
        if (in.size() - i - 1 < extra) {
            throw BadText("truncated UTF-8 sequence at offset " + std::to_string(i));
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(in[i + k]);
            if ((next & 0xC0) != 0x80) {
                throw BadText("invalid UTF-8 continuation at offset " + std::to_string(i + k));
            }
            cp = (cp << 6) | (next & 0x3Fu);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            throw BadText("invalid UTF-8 code point at offset " + std::to_string(i));
        }
        if (cp < 0x10000) {
            out.push_back(static_cast<char16_t>(cp));
        } else {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        }
        i += extra + 1;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view in) {
    std::string out;
    out.reserve(in.size());
    auto put = [&out](char32_t b) { out.push_back(static_cast<char>(b)); };
    for (std::size_t i = 0; i < in.size(); ++i) {
        char32_t cp = in[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 &&
            in[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00u);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            throw BadText("unpaired surrogate at position " + std::to_string(i + 1));
        }
        if (cp < 0x80) {
            put(cp);
        } else if (cp < 0x800) {
            put(0xC0 | (cp >> 6));
            put(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            put(0xE0 | (cp >> 12));
            put(0x80 | ((cp >> 6) & 0x3F));
            put(0x80 | (cp & 0x3F));
        } else {
            put(0xF0 | (cp >> 18));
            put(0x80 | ((cp >> 12) & 0x3F));
            put(0x80 | ((cp >> 6) & 0x3F));
            put(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::u16string Ascii(std::string_view s) {
    return {s.begin(), s.end()};
}

// ---- Arguments -------------------------------------------------------------

struct Options {
    std::string pin;
    int passes = 1;
    bool inverse = false;
    bool classic = false;
    std::vector<std::u16string> keys{u"01", u"02", u"03", u"04"};
};

[[noreturn]] void Usage(const std::string& why) {
    std::cerr << "velk_cipher_tool: " << why << "\n"
              << "usage: velk_cipher_tool --pin DDDDDDDD [--passes N] "
                 "[--direction forward|inverse] [--keys K1 K2 K3 K4 | --classic]\n";
    std::exit(2);
}

Options ReadOptions(int argc, char** argv) {
    Options options;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    bool keysGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto value = [&]() -> std::string_view {
            if (i + 1 >= args.size()) {
                Usage(std::string(args[i]) + " needs a value");
            }
            return args[++i];
        };
        if (args[i] == "--pin") {
            options.pin = value();
        } else if (args[i] == "--passes") {
            const auto count = velk::ReadPassCount(Ascii(value()));
            if (!count) {
                Usage("--passes takes a number from 1 to " + std::to_string(velk::MaxPassCount));
            }
            options.passes = *count;
        } else if (args[i] == "--direction") {
            const auto direction = value();
            if (direction != "forward" && direction != "inverse") {
                Usage("--direction is forward or inverse");
            }
            options.inverse = direction == "inverse";
        } else if (args[i] == "--keys") {
            if (i + 4 >= args.size()) {
                Usage("--keys needs four key numbers");
            }
            for (auto& key : options.keys) {
                key = Ascii(args[++i]);
            }
            keysGiven = true;
        } else if (args[i] == "--classic") {
            options.classic = true;
        } else {
            Usage("unknown argument " + std::string(args[i]));
        }
    }
    if (options.classic && keysGiven) {
        Usage("--classic has no key numbers");
    }
    return options;
}

const char* Describe(velk::RunInputCheck check) {
    switch (check) {
        case velk::RunInputCheck::Ok:
            return "ok";
        case velk::RunInputCheck::PinEmpty:
            return "no --pin given";
        case velk::RunInputCheck::KeysTheSame:
            return "two keys are the same";
        case velk::RunInputCheck::PinLength:
            return "the PIN is not 8 characters long";
        case velk::RunInputCheck::PinNotDigits:
            return "the PIN is not all digits";
        case velk::RunInputCheck::KeyNotValid:
            return "a key is not a number from 1 to 99";
    }
    return "unknown check result";
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ReadOptions(argc, argv);
    const std::u16string pin = Ascii(options.pin);

    const auto check =
        options.classic ? velk::ValidateRunInput(pin) : velk::ValidateRunInput(pin, options.keys);
    if (check != velk::RunInputCheck::Ok) {
        Usage(Describe(check));
    }

    std::optional<velk::KeySet> classicKeys;
    velk::KeyLibrary library;
    if (options.classic) {
        classicKeys = velk::classic::FixedMasterKeySet();
    } else {
        velk::FillKeyLibrary(library);
    }

    try {
        const std::string input{std::istreambuf_iterator<char>(std::cin),
                                std::istreambuf_iterator<char>()};
        velk::MemoryTextHolder text1(Utf8ToUtf16(input));
        velk::MemoryTextHolder text2;
        velk::CipherState state;
        for (int pass = 1; pass <= options.passes; ++pass) {
            if (classicKeys) {
                velk::PreparePass(state, *classicKeys, pin);
            } else {
                velk::PreparePass(state, library, pin, options.keys);
            }
            if (options.inverse) {
                velk::InversePass(state, text1, text2);
            } else {
                velk::ForwardPass(state, text1, text2);
            }
        }
        const std::string output = Utf16ToUtf8(text1.ReadText());
        std::cout.write(output.data(), static_cast<std::streamsize>(output.size()));
        std::cout.flush();
        return std::cout ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "velk_cipher_tool: " << e.what() << "\n";
        return 2;
    }
}
