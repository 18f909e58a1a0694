#pragma once
// The log's platform services in memory: a clock that stands at 2026-12-07 09:05:03, error texts
// for two codes, and files as text; a file named "unwritable" refuses every line.
#include <map>
#include <string>
#include <vector>

#include "common/RunLog.h"

namespace qlr::test {

class FakeLogOutput : public LogOutput {
public:
    LocalTime Now() const override { return {2026, 12, 7, 9, 5, 3}; }
    std::string ErrorMessage(std::uint32_t code) const override {
        if (code == 2) return "The system cannot find the file specified.";
        if (code == 5) return "Access is denied.";
        return "";
    }
    Status Append(const std::string& path, const std::string& text) override {
        if (path == "unwritable") return Status::Fail(5);
        files[path] += text;
        return Status::Ok();
    }
    // The lines of a file, without their CR LF.
    std::vector<std::string> Lines(const std::string& path) const {
        std::vector<std::string> lines;
        auto it = files.find(path);
        if (it == files.end()) return lines;
        std::size_t start = 0, end;
        while ((end = it->second.find("\r\n", start)) != std::string::npos) {
            lines.push_back(it->second.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    std::map<std::string, std::string> files;
};

}  // namespace qlr::test
