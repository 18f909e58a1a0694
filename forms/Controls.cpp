#include "forms/Controls.h"

namespace qlr::forms {

std::string WindowText(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

void TextBox::TextEditedByUser(const std::string& text) {
    std::string value = WindowText(text);
    if (value == text_) return;
    text_ = std::move(value);
    Changed(Change::Text, false);
}

std::vector<std::string> WrapText(const std::string& text, int maxWidth,
                                  const std::function<int(const std::string&)>& width) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        std::string paragraph = text.substr(start, end == std::string::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();

        std::string line;
        std::size_t pos = 0;
        while (pos < paragraph.size()) {
            std::size_t wordStart = paragraph.find_first_not_of(' ', pos);
            if (wordStart == std::string::npos) {
                line += paragraph.substr(pos);  // trailing blanks hang past the edge
                break;
            }
            std::size_t wordEnd = paragraph.find(' ', wordStart);
            if (wordEnd == std::string::npos) wordEnd = paragraph.size();
            std::string candidate = line + paragraph.substr(pos, wordEnd - pos);
            if (!line.empty() && width(candidate) > maxWidth) {
                lines.push_back(line);
                line = paragraph.substr(wordStart, wordEnd - wordStart);
            } else {
                line = std::move(candidate);
            }
            pos = wordEnd;
        }
        lines.push_back(line);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

Control* Form::Find(int id) const {
    for (Control* control : controls_)
        if (control->Id() == id) return control;
    return nullptr;
}

}  // namespace qlr::forms
