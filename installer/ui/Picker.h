#pragma once
// A picker as its opener sees it: a modal form that opens at a directory and closes with the
// path the user chose, or with none. The opener makes it, opens it at a directory, shows it and
// reads the choice; the picker writes nothing outside itself.
#include <optional>
#include <string>

#include "forms/Controls.h"
#include "platform/Status.h"

namespace qlr {

class Picker : public forms::Form {
public:
    using Form::Form;

    // Shows the directory when the picker opens; fails, changing nothing, when the directory
    // cannot be read.
    virtual Status OpenAt(const std::string& directory) = 0;

    // Once the picker has closed: the path the user chose; nothing when the user chose none.
    const std::optional<std::string>& Chosen() const { return chosen_; }

protected:
    // Closes the picker with the path as the user's choice.
    void CloseWith(std::string path) {
        chosen_ = std::move(path);
        Close();
    }

private:
    std::optional<std::string> chosen_;
};

}  // namespace qlr
