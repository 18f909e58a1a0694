#pragma once
// The platform services over the Win32 API.
#include <windows.h>

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/WindowSystem.h"

namespace qlr::win32 {

class Win32FileSystem : public FileSystem {
public:
    std::string CurrentDirectory() const override;
    Status MakeDirectory(const std::string& path) override;
    bool IsDirectory(const std::string& path) const override;
    bool IsFile(const std::string& path) const override;
    Status CopyReplacing(const std::string& from, const std::string& to) override;
    Status RemoveFile(const std::string& path) override;
    std::unique_ptr<TextFileWriter> CreateTextFile(const std::string& path, Status& status) override;
    std::optional<FileVersion> VersionOf(const std::string& path) const override;
};

class Win32Registry : public Registry {
public:
    RegistryValue Query(std::uint32_t root, const std::string& subKey, const std::string& valueName,
                        std::uint32_t capacity) const override;
};

class Win32WindowSystem : public WindowSystem {
public:
    // The program's main window: owner of message boxes once it is shown, and the window whose
    // keyboard navigation (Tab, Enter, access keys) the event loop handles.
    void SetMainWindow(HWND window) { main_ = window; }

    int MsgBox(const std::string& text, const std::string& title, unsigned style) override;
    void ProcessEvents(std::uint32_t maxWaitMs) override;
    [[noreturn]] void EndProgram() override;
    WindowHandle FindTopLevelWindow(const std::string& className) override;
    void SendCloseRequest(WindowHandle window) override;

    // Runs the event loop until WM_QUIT; returns its exit code.
    int RunEventLoop();

private:
    // Dispatches one message; false for WM_QUIT.
    bool Dispatch(MSG& msg);

    HWND main_ = nullptr;
};

}  // namespace qlr::win32
