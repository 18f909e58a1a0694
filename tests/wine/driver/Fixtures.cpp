#include "driver/Fixtures.h"

#include <windows.h>

#include <fstream>

#include "driver/Driver.h"

namespace qlr::wine_driver {

namespace {

std::string SystemDirectory() {
    char path[MAX_PATH] = "";
    GetSystemDirectoryA(path, MAX_PATH);
    return path;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Through the wide functions, so that entries whose names the ANSI code page cannot write go too.
void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

int RunReg(const std::vector<std::string>& args, std::string* output) {
    static int counter = 0;
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string outputFile = std::string(temp) + "qlr-reg-" +
                                   std::to_string(GetCurrentProcessId()) + "-" +
                                   std::to_string(++counter) + ".txt";

    // reg.exe writes to a file rather than a pipe: nothing can block on a full pipe.
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (out == INVALID_HANDLE_VALUE) throw DriverError("cannot create " + outputFile);

    const std::string exe = SystemDirectory() + "\\reg.exe";
    std::vector<char> buffer = CommandLine(exe, args);
    const std::string commandLine(buffer.data());

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = out;
    startup.hStdError = out;
    PROCESS_INFORMATION info = {};
    const BOOL started = CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info);
    CloseHandle(out);
    if (!started) {
        DeleteFileA(outputFile.c_str());
        throw DriverError("cannot start " + commandLine + " (error " +
                          std::to_string(GetLastError()) + ")");
    }
    CloseHandle(info.hThread);
    const DWORD waited = WaitForSingleObject(info.hProcess, kWaitMs);
    DWORD code = 0;
    if (waited == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
    else TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hProcess);
    if (output) *output += ReadWholeFile(outputFile);
    DeleteFileA(outputFile.c_str());
    if (waited != WAIT_OBJECT_0)
        throw DriverError(commandLine + " did not end within " + std::to_string(kWaitMs) + " ms");
    return static_cast<int>(code);
}

void RegSetValue(const std::string& key, const std::string& valueName, const std::string& data,
                 const std::string& type) {
    std::vector<std::string> args = {"add", key};
    if (valueName.empty()) {
        args.push_back("/ve");
    } else {
        args.push_back("/v");
        args.push_back(valueName);
    }
    args.insert(args.end(), {"/t", type, "/d", data, "/f"});
    std::string output;
    if (RunReg(args, &output) != 0)
        throw DriverError("reg add " + key + " failed: " + output);
}

void RegDeleteKey(const std::string& key) {
    std::string output;
    RunReg({"delete", key, "/f"}, &output);
    if (RegKeyExists(key)) throw DriverError("reg delete " + key + " left the key: " + output);
}

bool RegKeyExists(const std::string& key) { return RunReg({"query", key}) == 0; }

std::optional<RegShownValue> RegQueryValue(const std::string& key, const std::string& valueName) {
    std::vector<std::string> args = {"query", key};
    if (valueName.empty()) {
        args.push_back("/ve");
    } else {
        args.push_back("/v");
        args.push_back(valueName);
    }
    std::string output;
    if (RunReg(args, &output) != 0) return std::nullopt;
    // Each value is one line: four blanks, the name, four blanks, the type, four blanks, the data.
    const std::string gap = "    ";
    const std::string start = gap + (valueName.empty() ? "(Default)" : valueName) + gap;
    std::size_t at = 0;
    while (at < output.size()) {
        std::size_t end = output.find('\n', at);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.compare(0, start.size(), start) != 0) continue;
        line.erase(0, start.size());
        const std::size_t split = line.find(gap);
        if (split == std::string::npos) return RegShownValue{line, ""};
        return RegShownValue{line.substr(0, split), line.substr(split + gap.size())};
    }
    throw DriverError("reg query " + key + " showed no line for \"" + valueName + "\": " + output);
}

TempDirectory::TempDirectory(const std::string& prefix) {
    static int counter = 0;
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = std::string(temp) + prefix + "-" +
                                std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(++counter);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
    throw DriverError("cannot make a temporary directory " + std::string(temp) + prefix + "-...");
}

TempDirectory::~TempDirectory() {
    std::wstring path(path_.size(), L'\0');  // never more characters than bytes
    path.resize(std::size_t(MultiByteToWideChar(CP_ACP, 0, path_.data(), int(path_.size()), path.data(), int(path.size()))));
    RemoveTree(path);
}

std::string TempDirectory::MakeSubdirectory(const std::string& relativePath) const {
    std::string path = path_;
    std::size_t start = 0;
    while (start <= relativePath.size()) {
        std::size_t end = relativePath.find('\\', start);
        if (end == std::string::npos) end = relativePath.size();
        path += "\\" + relativePath.substr(start, end - start);
        if (!CreateDirectoryA(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            throw DriverError("cannot make directory " + path);
        start = end + 1;
    }
    return path;
}

void CopyFileOrThrow(const std::string& from, const std::string& to) {
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        throw DriverError("cannot copy " + from + " to " + to + " (error " +
                          std::to_string(GetLastError()) + ")");
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace qlr::wine_driver
