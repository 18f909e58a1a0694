#pragma once
// A program's command line as the common Windows installers read it: the text split into
// arguments by the rules of the Windows command line (those of CommandLineToArgvW), and the
// arguments that start with '/' taken as switches, "/NAME" or "/NAME=value", whatever the letter
// case of the name. Both programs read the switches they share here (the run's mode, its log,
// help); each reads its own from what is left.
#include <string>
#include <string_view>
#include <vector>

namespace qlr {

// The arguments after the program's name, unquoted:
// - the program's name ends at the next quote when it starts with one, otherwise at the first
//   blank or tab; no other rule applies to it;
// - outside quotes, blanks and tabs separate arguments; a quote opens a quoted part;
// - 2n backslashes before a quote give n backslashes and the quote opens or closes a quoted part;
//   2n+1 give n backslashes and a literal quote; backslashes before anything else are literal;
// - a run of quotes is counted with the quote that opened the quoted part before it: every third
//   one is a literal quote, and the run leaves the part open when the count left over is 1.
std::vector<std::string> CommandLineArguments(const std::string& commandLine);

struct Switch {
    std::string text;   // the argument as given, for messages
    std::string name;   // between '/' and the first '=', in upper case
    std::string value;  // after the first '='
    bool hasValue = false;
};

// How the program runs: at its window, as always; or unattended, showing its window without
// taking input, or showing nothing at all.
enum class RunMode { Window, Silent, VerySilent };

// The program's exit codes for a run started with switches.
enum ExitCode : int {
    kExitDone = 0,            // done, every step done (and every other ending of the window)
    kExitFailedSteps = 1,     // done, some steps failed (each in the log)
    kExitRefused = 2,         // command line refused, nothing changed
    kExitPlayerNotFound = 3,  // the installer found no player, nothing changed
    kExitPlayerRunning = 4,   // the player runs (may not be closed, did not close), nothing changed
};

// What the switches both programs know ask of a run.
struct RunOptions {
    bool switched = false;  // some argument is a switch; without any, the program runs as always
    RunMode mode = RunMode::Window;
    bool help = false;      // "/?" or "/HELP"
    std::string logFile;    // "/LOG=file"; empty: no log
    std::string refusal;    // why the command line is refused; empty when it is accepted

    bool Unattended() const { return mode != RunMode::Window; }
    // Records why the command line is refused; the first reason stays.
    void Refuse(std::string_view why) {
        if (refusal.empty()) refusal.assign(why.data(), why.size());
    }
    // The value of a switch that takes one: a missing or empty value, or one holding a quote
    // (which no path can), refuses the command line.
    void TakeValue(const Switch& option, std::string& value) { Take(option, &value, nullptr); }
    // A switch that takes no value: one with a value refuses the command line.
    void TakeFlag(const Switch& option, bool& flag) { Take(option, nullptr, &flag); }
    // Takes a switch both programs know; false for any other (every switch counts as one given).
    // /SILENT and /VERYSILENT together run very silently; a value given twice counts the last
    // time.
    bool TakeShared(const Switch& option);

private:
    void Take(const Switch& option, std::string* value, bool* flag);
};

// The argument as a switch; false when it does not start with '/' (a file dropped on the
// program), which the programs leave alone.
bool AsSwitch(const std::string& argument, Switch& option);

// Reads the command line: the switches both programs know into options, every other one through
// own(option), the program's own switches.
template <typename Own>
void ReadSwitches(const std::string& commandLine, RunOptions& options, Own own) {
    for (const std::string& argument : CommandLineArguments(commandLine)) {
        Switch option;
        if (AsSwitch(argument, option) && !options.TakeShared(option)) own(option);
    }
}

}  // namespace qlr
