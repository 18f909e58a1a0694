#pragma once
// The log's platform services in memory: a clock that stands at 2026-12-07 09:05:03, the error
// text of code 5, and files as text; the file "unwritable" refuses every line.
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/RunLog.h"

namespace qlr::test {

struct FakeLogOutput : LogOutput {
    LocalTime Now() const override { return {2026, 12, 7, 9, 5, 3}; }
    std::string ErrorMessage(std::uint32_t code) const override { return code == 5 ? "Access is denied." : ""; }
    Status Append(const std::string& path, const std::string& text) override {
        if (path == "unwritable") return Status::Fail(5);
        files[path] += text;
        return Status::Ok();
    }
    // The lines of "run.log", each without its date, time and CR LF.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(files.count("run.log") ? files.at("run.log") : "");
        for (std::string line; std::getline(in, line);) lines.push_back(line.substr(20, line.size() - 21));
        return lines;
    }

    std::map<std::string, std::string> files;
};

}  // namespace qlr::test
