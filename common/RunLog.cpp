#include "common/RunLog.h"

#include <charconv>

#include "common/LetterCase.h"

namespace qlr {

using namespace std::literals;

namespace {

// Two decimal digits at `at`. (Written out rather than through snprintf, which would bring the
// C library's whole formatted-output code into the programs.)
void PutTwoDigits(char* at, int value) {
    at[0] = static_cast<char>('0' + value / 10 % 10);
    at[1] = static_cast<char>('0' + value % 10);
}

// "yyyy-mm-dd hh:mm:ss ".
std::string Stamp(const LocalTime& t) {
    char text[] = "0000-00-00 00:00:00 ";
    const int parts[] = {t.year / 100, t.year, t.month, t.day, t.hour, t.minute, t.second};
    for (int i = 0; i < 7; ++i) PutTwoDigits(text + (i == 0 ? 0 : 3 * i - 1), parts[i]);
    return text;
}

}  // namespace

std::string ErrorCodeText(std::uint32_t code) {
    if (code <= 0xFFFF) return std::to_string(code);
    // "0x" and eight upper-case hex digits. (Through to_chars rather than snprintf, which would
    // bring the C library's whole formatted-output code into the programs.)
    char digits[8];
    const int length = int(std::to_chars(digits, digits + 8, code, 16).ptr - digits);
    char text[] = "0x00000000";
    for (int i = 0; i < length; ++i) text[10 - length + i] = UpperCase(digits[i]);
    return text;
}

void RunLog::Begin(const RunFacts& facts) {
    Write("start ", {facts.program, " "sv, facts.version, ", computer "sv, facts.computer, ", user "sv,
                     facts.user, ", command line: "sv, facts.commandLine});
}

void RunLog::Step(std::string_view action, Status status) {
    if (status.ok()) return Write("ok    ", {action});
    ++failures_;
    const std::string message = output_.ErrorMessage(status.error);
    Write("FAILED",
          {action, " (error "sv, ErrorCodeText(status.error), message.empty() ? ""sv : ": "sv, message, ")"sv});
}

void RunLog::Skipped(std::string_view action, std::string_view reason) {
    ++failures_;
    Write("FAILED", {action, " ("sv, reason, ")"sv});
}

void RunLog::End(std::string_view state, int exitCode) {
    char detail[] = " (exit code 0)";
    detail[12] = static_cast<char>('0' + exitCode);  // the exit codes are digits
    Write("end   ", {state, detail});
}

void RunLog::Write(const char* tag, std::initializer_list<std::string_view> pieces) {
    if (file_.empty()) return;
    std::string line = Stamp(output_.Now());
    line += tag;
    line += ' ';
    // A message box's text may run over several lines: the log keeps one line per entry.
    for (std::string_view piece : pieces)
        for (char c : piece) {
            if (c == '\n') line += " / ";
            else if (c != '\r') line += c;
        }
    line += "\r\n";
    output_.Append(file_, line);
}

}  // namespace qlr
