#include "common/RunLog.h"

#include "common/Paths.h"

namespace qlr {

namespace {

// Two decimal digits at `at`. (Written out rather than through snprintf, which would bring the
// C library's whole formatted-output code into the programs.)
void PutTwoDigits(char* at, int value) {
    at[0] = static_cast<char>('0' + value / 10 % 10);
    at[1] = static_cast<char>('0' + value % 10);
}

// "hh:mm:ss ", and with the date before it "yyyy-mm-dd hh:mm:ss ".
std::string Stamp(const LocalTime& t, bool withDate) {
    char text[] = "0000-00-00 00:00:00 ";
    PutTwoDigits(text, t.year / 100);
    PutTwoDigits(text + 2, t.year);
    PutTwoDigits(text + 5, t.month);
    PutTwoDigits(text + 8, t.day);
    PutTwoDigits(text + 11, t.hour);
    PutTwoDigits(text + 14, t.minute);
    PutTwoDigits(text + 17, t.second);
    return withDate ? text : text + 11;
}

}  // namespace

std::string ErrorCodeText(std::uint32_t code) {
    if (code <= 0xFFFF) return std::to_string(code);
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(code >> shift) & 0xF];
    return text;
}

void RunLog::Begin(const RunFacts& facts) {
    if (file_.empty()) return;
    output_.Append(file_, Join({"==== ", Stamp(output_.Now(), true), facts.program, " ", facts.version,
                                ", computer ", facts.computer, ", user ", facts.user,
                                ", command line: ", facts.commandLine, "\r\n"}));
}

void RunLog::Step(std::string_view action, Status status) {
    if (status.ok()) return Write("ok    ", action, "");
    ++failures_;
    const std::string message = output_.ErrorMessage(status.error);
    Write("FAILED", action,
          Join({" (error ", ErrorCodeText(status.error), message.empty() ? "" : ": ", message, ")"}));
}

void RunLog::Skipped(std::string_view action, std::string_view reason) {
    ++failures_;
    Write("FAILED", action, Join({" (", reason, ")"}));
}

void RunLog::Note(std::string_view text) { Write("note  ", text, ""); }

void RunLog::End(std::string_view state, int exitCode) {
    const char code = static_cast<char>('0' + exitCode);
    Write("end   ", state, Join({" (exit code ", std::string_view(&code, 1), ")"}));
}

void RunLog::Write(std::string_view tag, std::string_view text, std::string_view detail) {
    if (file_.empty()) return;
    std::string line = Join({Stamp(output_.Now(), false), tag, " "});
    // A message box's text may run over several lines: the log keeps one line per entry.
    for (char c : text) {
        if (c == '\n') line += " / ";
        else if (c != '\r') line += c;
    }
    output_.Append(file_, Join({line, detail, "\r\n"}));
}

}  // namespace qlr
