#include "cli/command.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <CLI/CLI.hpp>

#include "classic/fixed_keys.h"
#include "cli/pin_reader.h"
#include "cli/system.h"
#include "cli/utf8.h"
#include "engine/key_library.h"
#include "engine/line_breaks.h"
#include "engine/passes.h"
#include "engine/run.h"
#include "engine/run_input.h"
#include "engine/text_holder.h"
#include "engine/wipe.h"

namespace velk::cli {

namespace {

constexpr std::string_view ProgramName = "velk-encrypt-decrypt";

struct Options {
    bool inverse = false;
    std::string passes = "1";
    std::vector<std::string> keys{"01", "02", "03", "04"};
    bool classic = false;
    std::optional<int> pinFd;  // none: ask on the terminal
};

// The options, the help text and --version, bound to `options`.
void DescribeOptions(CLI::App& app, Options& options) {
    app.name(std::string(ProgramName));
    app.description(
        "Enciphers or deciphers the UTF-8 text on standard input with a PIN and four keys,\n"
        "the cipher of the two window programs, and writes the result to standard output\n"
        "byte for byte: line breaks and every character outside the cipher's alphabet\n"
        "pass unchanged. The cipher counts every line break (LF, CR LF or a lone CR) as\n"
        "CR LF, as the windows do, so a text saved with LF or with CR LF gives the same\n"
        "result, and each line break is written back with the bytes it came with.");
    app.set_version_flag("--version", std::string(ProgramName) + " " + VELK_VERSION);
    app.add_flag("--inverse", options.inverse, "Run the inverse passes; undoes a run without it");
    app.add_option("--passes", options.passes, "Passes to make, 1 to 256 (default 1)")
        ->type_name("N");
    auto* keys =
        app.add_option("--keys", options.keys, "Library keys 01 to 99 (default 01 02 03 04)")
            ->expected(4)
            ->type_name("K");
    app.add_flag("--classic", options.classic, "The classic edition's four fixed keys")
        ->excludes(keys);
    app.add_option("--pin-fd", options.pinFd, "Read the PIN from open descriptor FD")
        ->type_name("FD");
    // Not offered: only taken so as to refuse it with the ways that keep the
    // PIN out of sight of other users and of logs.
    app.add_option("--pin")->expected(0, 1)->group("");
    app.footer(
        "The PIN, eight digits, is read from --pin-fd up to its first line feed, or else\n"
        "asked for on the terminal; never from the command line or the environment.\n"
        "With the same PIN, keys and passes the command undoes itself with --inverse:\n" +
        std::string(PinFdExamples) +
        "Exit status: 0 done, 1 input refused or not readable, 2 usage error.\n"
        "The cipher is for casual privacy only: it is not modern authenticated\n"
        "encryption and must not guard anything of real value.");
}

// The passes over `text`, as a window run makes them.
std::u16string Work(const Options& options, RunInput& input, std::u16string text) {
    CipherState state;
    const WipedAtEnd wipeState(state);
    MemoryTextHolder text1(std::move(text));
    MemoryTextHolder text2;
    KeyLibrary library;
    KeySet fixedKeys;
    if (options.classic) {
        fixedKeys = classic::FixedMasterKeySet();
    } else {
        FillKeyLibrary(library);
    }
    const KeySource keys = options.classic ? KeySource(fixedKeys) : KeySource(library);
    std::int16_t passCounter = 0;
    RunPasses(keys, options.inverse ? Direction::Inverse : Direction::Forward, input, state, text1,
              text2, passCounter);
    return text1.TakeText();
}

// UTF-8 takes at most 3 bytes for each UTF-16 unit, so an input longer than
// this cannot be a text a pass takes, and a result is never longer.
constexpr std::size_t MaxBytes = std::size_t{3} * MaxTextLength;

// The bytes of the input and then of the result, in one room made up front
// (a buffer that grew would leave copies behind) and left as it comes, so
// that only the pages the bytes fill are touched, and the result's mostly
// the input's: a page first touched costs a run more than what it holds.
// The bytes are overwritten when they go.
class Bytes {
public:
    Bytes() = default;
    Bytes(const Bytes&) = delete;
    Bytes& operator=(const Bytes&) = delete;
    ~Bytes() { WipeBytes(room_.get(), size_); }

    std::string_view View() const { return {room_.get(), size_}; }

    // Reads `in` up to its end, or up to the first byte past MaxBytes, so
    // that a huge input is refused without being read whole. Gives the
    // refusal when a read fails or that byte comes.
    std::optional<std::string> Read(int in) {
        while (size_ <= MaxBytes) {
            const std::ptrdiff_t n = ReadSome(in, room_.get() + size_, MaxBytes + 1 - size_);
            if (n < 0) {
                const int error = errno;
                return "The Txt Could Not Be Read: " + std::string(std::strerror(error));
            }
            if (n == 0) {
                return std::nullopt;
            }
            size_ += static_cast<std::size_t>(n);
        }
        return std::string(TextTooLongRefusal);
    }

    // Replaces the bytes with the UTF-8 form of `text`, which fits a pass,
    // with its line breaks spelled as `breaks` gives them.
    void Encode(std::u16string_view text, std::span<const LineBreak> breaks) {
        const std::size_t size = EncodeUtf8(text, breaks, {room_.get(), MaxBytes + 1});
        WipeBytes(room_.get() + size, size_ > size ? size_ - size : 0);
        size_ = size;
    }

private:
    std::unique_ptr<char[]> room_ = std::make_unique_for_overwrite<char[]>(MaxBytes + 1);
    std::size_t size_ = 0;
};

int Refuse(std::ostream& err, std::string_view message) {
    err << ProgramName << ": " << message << '\n';
    return ExitRefused;
}

// Parses the arguments into `options`. Gives the exit status when the program
// ends here: --help, --version, or a usage error, reported on `err`.
std::optional<int> ParseArguments(int argc, const char* const* argv, Options& options,
                                  std::ostream& out, std::ostream& err) {
    CLI::App app;
    DescribeOptions(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            app.exit(e, out, err);  // --help or --version
            return ExitDone;
        }
        err << ProgramName << ": " << e.what() << "\nRun with --help for more information.\n";
        return ExitUsage;
    }
    if (app.count("--pin") > 0) {
        err << ProgramName
            << ": --pin: the PIN is not taken on the command line, where other users and logs "
               "can read it; type it at the prompt on the terminal, or hand it over with "
            << PinFdHint << '\n';
        return ExitUsage;
    }
    return std::nullopt;
}

// The PIN's bytes from --pin-fd or the terminal; nothing, after a usage error
// reported on `err`, when there is no way to read it.
std::optional<std::string> ReadPin(const Options& options, std::ostream& err) {
    try {
        return options.pinFd ? ReadPinLine(*options.pinFd) : ReadPinFromTerminal();
    } catch (const PinUnavailable& e) {
        err << ProgramName << ": " << (options.pinFd ? "--pin-fd: " : "") << e.what() << '\n';
        return std::nullopt;
    }
}

}  // namespace

int RunCommand(int argc, const char* const* argv, int in, std::ostream& out, std::ostream& err) {
    Options options;
    if (const auto status = ParseArguments(argc, argv, options, out, err)) {
        return *status;
    }
    std::optional<std::string> pinBytes = ReadPin(options, err);
    if (!pinBytes) {
        return ExitUsage;
    }
    const WipedAtEnd wipePinBytes(*pinBytes);

    RunInput run{DecodeUtf8Replacing(*pinBytes), {}, DecodeUtf8Replacing(options.passes)};
    const WipedAtEnd wipeRun(run);
    if (!options.classic) {
        run.keyTexts.reserve(options.keys.size());
        for (const auto& key : options.keys) {
            run.keyTexts.push_back(DecodeUtf8Replacing(key));
        }
    }
    if (const auto refusal = RunInputRefusal(run)) {
        return Refuse(err, *refusal);
    }

    Bytes bytes;
    if (const std::optional<std::string> refusal = bytes.Read(in)) {
        return Refuse(err, *refusal);
    }
    // The passes see every line break as CR LF; the result gets each one
    // back as it came.
    CrLfText crLf;
    const WipedAtEnd wipeCrLf(crLf.text);
    try {
        crLf = DecodeUtf8ToCrLf(bytes.View());
    } catch (const NotUtf8& e) {
        return Refuse(err, "The Txt Is Not UTF-8 From Byte Offset " + std::to_string(e.offset()));
    }
    if (!FitsPass(crLf.text.size())) {
        return Refuse(err, TextTooLongRefusal);
    }

    std::u16string worked = Work(options, run, std::move(crLf.text));
    const WipedAtEnd wipeWorked(worked);
    bytes.Encode(worked, crLf.breaks);
    const std::string_view result = bytes.View();
    out.write(result.data(), static_cast<std::streamsize>(result.size()));
    out.flush();
    if (!out) {
        return Refuse(err, "The Result Could Not Be Written");
    }
    return ExitDone;
}

}  // namespace velk::cli
