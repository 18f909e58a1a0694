// Programs the driver starts: their command lines, start, exit and end.
#include "driver/Driver.h"

#include <utility>

namespace qlr::wine_driver {

std::string QuoteArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos)
        return argument;
    // Backslashes are literal except before a quote, where they must be doubled.
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

std::vector<char> CommandLine(const std::string& exe, const std::vector<std::string>& args) {
    std::string commandLine = QuoteArgument(exe);
    for (const std::string& arg : args) commandLine += " " + QuoteArgument(arg);
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    return buffer;
}

Process Process::Start(const std::string& exe, const std::vector<std::string>& args,
                       const std::string& currentDirectory) {
    return StartCommandLine(exe, CommandLine(exe, args).data(), currentDirectory);
}

Process Process::StartWritten(const std::string& exe, const std::string& arguments,
                              const std::string& currentDirectory) {
    return StartCommandLine(exe, QuoteArgument(exe) + " " + arguments, currentDirectory);
}

Process Process::StartCommandLine(const std::string& exe, const std::string& commandLine,
                                  const std::string& currentDirectory) {
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    // Under load, Wine's server now and then refuses a new process with ERROR_INTERNAL_ERROR
    // (seen once in a full run while other prefixes were busy); a second try then starts it.
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           currentDirectory.c_str(), &startup, &info))
            break;
        if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 3)
            throw DriverError(LastErrorText("starting " + commandLine + " in " + currentDirectory));
        Sleep(200);
        // CreateProcess may have written into the command line.
        buffer.assign(commandLine.begin(), commandLine.end());
        buffer.push_back('\0');
    }
    CloseHandle(info.hThread);
    Process process;
    process.handle_ = info.hProcess;
    process.id_ = info.dwProcessId;
    process.name_ = exe.substr(exe.find_last_of("\\/") + 1);
    return process;
}

Process::Process(Process&& other) noexcept { *this = std::move(other); }

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
        name_ = std::move(other.name_);
    }
    return *this;
}

Process::~Process() { Kill(); }

bool Process::Running() const {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(DWORD timeoutMs) const {
    if (!handle_) throw DriverError("waiting for a process that was never started");
    if (WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(handle_, &code);
    return code;
}

DWORD Process::ExpectExit(DWORD timeoutMs) const {
    std::optional<DWORD> code = WaitForExit(timeoutMs);
    if (!code)
        throw DriverError(name_ + " still runs " + std::to_string(timeoutMs) +
                          " ms after it should have ended");
    return *code;
}

void Process::Kill() {
    if (!handle_) return;
    if (Running()) {
        TerminateProcess(handle_, 0xDEAD);
        WaitForSingleObject(handle_, kWaitMs);
    }
    CloseHandle(handle_);
    handle_ = nullptr;
}

}  // namespace qlr::wine_driver
