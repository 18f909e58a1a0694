#pragma once
// The log of a run started with switches: a first line per run (who runs what), then one line per
// step ("ok" or "FAILED", what was done and where, and for a failure the system's error code and
// message), the message boxes the run showed or would have shown, and the end state as the window
// shows it; each line starts with its date and time. Lines are appended to the file one at a time,
// so that a run ended from outside leaves what it did; a file that cannot be written is left
// alone and the run goes on.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/LocalTime.h"
#include "platform/Status.h"

namespace qlr {

// What the log needs of the platform.
class LogOutput {
public:
    virtual LocalTime Now() const = 0;
    // The system's text for an error code, on one line; empty when it has none.
    virtual std::string ErrorMessage(std::uint32_t code) const = 0;
    // Appends the text to the file, creating the file when it is not there.
    virtual Status Append(const std::string& path, const std::string& text) = 0;

protected:
    ~LogOutput() = default;  // never deleted through this interface
};

// Who runs what, for the first line.
struct RunFacts {
    std::string_view program, version, commandLine, computer, user;
};

// An error code as the programs show it: Windows error codes in decimal, as the system documents
// them; COM results (above 0xFFFF) as "0x" and eight hex digits.
std::string ErrorCodeText(std::uint32_t code);

class RunLog {
public:
    // With an empty file name nothing is written, and the steps are still counted.
    RunLog(LogOutput& output, std::string file) : output_(output), file_(std::move(file)) {}

    void Begin(const RunFacts& facts);
    // A step that was done, or failed with the status's error code.
    void Step(std::string_view action, Status status);
    // A step that was not tried, for the reason given: a failure too.
    void Skipped(std::string_view action, std::string_view reason);
    // Anything else worth knowing: a message box, what start-up found; in pieces, one after the
    // other.
    void Note(std::initializer_list<std::string_view> pieces) { Write("note  ", pieces); }
    // The last line: the end state and the exit code (a digit).
    void End(std::string_view state, int exitCode);

    std::size_t Failures() const { return failures_; }

private:
    // One entry: its time, the tag and the pieces of its text, on one line.
    void Write(const char* tag, std::initializer_list<std::string_view> pieces);

    LogOutput& output_;
    std::string file_;
    std::size_t failures_ = 0;
};

}  // namespace qlr
