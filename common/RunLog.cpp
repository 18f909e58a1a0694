#include "common/RunLog.h"

namespace qlr {

namespace {

// The number in decimal with at least `width` digits. (Written out rather than through snprintf,
// which would bring the C library's whole formatted-output code into the programs.)
std::string Digits(int value, int width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < std::size_t(width) ? width - text.size() : 0, '0') + text;
}

std::string Clock(const LocalTime& t) {
    return Digits(t.hour, 2) + ':' + Digits(t.minute, 2) + ':' + Digits(t.second, 2);
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
    const LocalTime t = output_.Now();
    output_.Append(file_, "==== " + Digits(t.year, 4) + '-' + Digits(t.month, 2) + '-' +
                              Digits(t.day, 2) + ' ' + Clock(t) + ' ' + facts.program + ' ' +
                              facts.version + ", computer " + facts.computer + ", user " +
                              facts.user + ", command line: " + facts.commandLine + "\r\n");
}

void RunLog::Step(const std::string& action, Status status) {
    if (status.ok()) return Write("ok    ", action);
    ++failures_;
    std::string why = "error " + ErrorCodeText(status.error);
    const std::string message = output_.ErrorMessage(status.error);
    if (!message.empty()) why += ": " + message;
    Write("FAILED", action + " (" + why + ")");
}

void RunLog::Skipped(const std::string& action, const std::string& reason) {
    ++failures_;
    Write("FAILED", action + " (" + reason + ")");
}

void RunLog::Note(const std::string& text) { Write("note  ", text); }

void RunLog::End(const std::string& state, int exitCode) {
    Write("end   ", state + " (exit code " + std::to_string(exitCode) + ")");
}

void RunLog::Write(const char* tag, const std::string& text) {
    if (file_.empty()) return;
    // A message box's text may run over several lines: the log keeps one line per entry.
    std::string line = Clock(output_.Now()) + ' ' + tag + ' ';
    for (char c : text) {
        if (c == '\n') line += " / ";
        else if (c != '\r') line += c;
    }
    output_.Append(file_, line + "\r\n");
}

}  // namespace qlr
