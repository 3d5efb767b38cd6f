// The Windows side of system.h, and the PIN asked for on the console.
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "cli/pin_reader.h"
#include "cli/system.h"

namespace velk::cli {

namespace {

// The C runtime hands a descriptor that is not open to its invalid-parameter
// handler, whose default ends the program: while one is looked up, a handler
// that lets the call fail instead.
void LetFail(const wchar_t* /*expression*/, const wchar_t* /*function*/, const wchar_t* /*file*/,
             unsigned /*line*/, std::uintptr_t /*reserved*/) {}

// The handle behind `fd`, or none for a descriptor that is not open (also
// one the runtime keeps for a standard stream the process was not given).
HANDLE HandleOf(int fd) {
    const _invalid_parameter_handler previous = _set_invalid_parameter_handler(&LetFail);
    const std::intptr_t handle = _get_osfhandle(fd);
    _set_invalid_parameter_handler(previous);
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the runtime gives the handle as an integer
    return handle > 0 ? reinterpret_cast<HANDLE>(handle) : nullptr;
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && GetConsoleMode(handle, &mode) != 0;
}

void WriteAll(HANDLE handle, std::string_view bytes) {
    DWORD written = 0;
    // The prompt is a courtesy; reading the PIN still works without it.
    WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The code pages of the console to put back, 0 where unchanged, and the
// console's input mode while echo is off. Globals: the handler of Ctrl+C
// runs on a thread of its own.
UINT inputCodePage = 0;
UINT outputCodePage = 0;
HANDLE echoOffConsole = nullptr;
DWORD modeToRestore = 0;
std::atomic<bool> echoIsOff{false};

void RestoreCodePages() {
    if (inputCodePage != 0) {
        SetConsoleCP(inputCodePage);
    }
    if (outputCodePage != 0) {
        SetConsoleOutputCP(outputCodePage);
    }
}

void RestoreEcho() {
    if (echoIsOff.exchange(false)) {
        SetConsoleMode(echoOffConsole, modeToRestore);
    }
}

// For Ctrl+C, Ctrl+Break, the console closed, logoff or shutdown: the
// console as it was, then the next handler, in the end the default one,
// which ends the program.
BOOL WINAPI RestoreCodePagesAndGoOn(DWORD /*event*/) {
    RestoreCodePages();
    return FALSE;
}

BOOL WINAPI RestoreEchoAndGoOn(DWORD /*event*/) {
    RestoreEcho();
    return FALSE;
}

// Echo is off from construction to destruction.
class EchoOff {
public:
    explicit EchoOff(HANDLE console) {
        if (GetConsoleMode(console, &modeToRestore) == 0) {
            return;
        }
        echoOffConsole = console;
        SetConsoleCtrlHandler(&RestoreEchoAndGoOn, TRUE);
        echoIsOff = SetConsoleMode(console, modeToRestore & ~DWORD{ENABLE_ECHO_INPUT}) != 0;
    }
    ~EchoOff() {
        RestoreEcho();
        SetConsoleCtrlHandler(&RestoreEchoAndGoOn, FALSE);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;
};

// Closes a handle, or a descriptor and the handle it was opened over.
struct ClosedAtEnd {
    explicit ClosedAtEnd(HANDLE opened) : handle(opened) {}
    explicit ClosedAtEnd(int opened) : fd(opened) {}
    ~ClosedAtEnd() {
        if (fd >= 0) {
            _close(fd);
        } else if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
    ClosedAtEnd(const ClosedAtEnd&) = delete;
    ClosedAtEnd& operator=(const ClosedAtEnd&) = delete;
    HANDLE handle = INVALID_HANDLE_VALUE;
    int fd = -1;
};

HANDLE OpenConsole(const wchar_t* name) {
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
}

}  // namespace

// cmd.exe's type writes the files' names to standard error and their bytes
// to standard output, so the PIN file's line comes first, then the text.
const std::string_view PinFdHint =
    "--pin-fd 0 as the first line of standard input, for example "
    "type pin.txt letter.txt | velk-encrypt-decrypt --pin-fd 0 >letter.velk";
const std::string_view PinFdExamples =
    "  type pin.txt letter.txt | velk-encrypt-decrypt --pin-fd 0 >letter.velk\n"
    "  type pin.txt letter.velk | velk-encrypt-decrypt --inverse --pin-fd 0\n"
    "In PowerShell, run either line through cmd /c \"...\", which passes the bytes unchanged.\n";

bool IsOpen(int fd) {
    return HandleOf(fd) != nullptr;
}

std::ptrdiff_t ReadSome(int fd, char* buffer, std::size_t size) {
    const HANDLE handle = HandleOf(fd);
    if (handle == nullptr) {
        errno = EBADF;
        return -1;
    }
    const int got = _read(fd, buffer, static_cast<unsigned>(size < INT_MAX ? size : INT_MAX));
    // A console hands over a line at a time; one that starts with Ctrl+Z
    // ends the input, as Ctrl+D does on a terminal.
    if (got > 0 && buffer[0] == '\x1A' && IsConsole(handle)) {
        return 0;
    }
    return got;
}

void SetUpStandardStreams() {
    for (const int fd : {0, 1, 2}) {
        if (IsOpen(fd)) {
            _setmode(fd, _O_BINARY);
        }
    }
    if (IsConsole(HandleOf(0)) && GetConsoleCP() != CP_UTF8) {
        inputCodePage = GetConsoleCP();
        SetConsoleCP(CP_UTF8);
    }
    if ((IsConsole(HandleOf(1)) || IsConsole(HandleOf(2))) && GetConsoleOutputCP() != CP_UTF8) {
        outputCodePage = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
    }
    if (inputCodePage != 0 || outputCodePage != 0) {
        std::atexit(&RestoreCodePages);
        SetConsoleCtrlHandler(&RestoreCodePagesAndGoOn, TRUE);
    }
}

std::string ReadPinFromTerminal() {
    const HANDLE input = OpenConsole(L"CONIN$");
    int fd = -1;
    if (IsConsole(input)) {
        // A descriptor over the console's input, so that the line is read
        // as from --pin-fd.
        fd = _open_osfhandle(reinterpret_cast<std::intptr_t>(input), _O_RDONLY | _O_BINARY);
    }
    const ClosedAtEnd inputCloser = fd >= 0 ? ClosedAtEnd(fd) : ClosedAtEnd(input);
    if (fd < 0) {
        throw PinUnavailable("no terminal to ask for the PIN on; hand it over with " +
                             std::string(PinFdHint));
    }
    const ClosedAtEnd outputCloser(OpenConsole(L"CONOUT$"));
    WriteAll(outputCloser.handle, "Enter Pin: ");
    std::string pin;
    {
        const EchoOff echoOff(input);
        pin = ReadPinLine(fd);
    }
    // The typed line break was not echoed.
    WriteAll(outputCloser.handle, "\r\n");
    return pin;
}

}  // namespace velk::cli
