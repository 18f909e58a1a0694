#pragma once
// The main window after start-up on a machine with the player installed, and a way to open one
// of its pickers with a script of what the user does inside.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/FakeInstallerServices.h"
#include "fakes/PlayerMachine.h"
#include "forms/ListControl.h"
#include "installer/ui/Installer.h"

namespace qlr::test {

class PickerTest : public ::testing::Test {
protected:
    using Strings = std::vector<std::string>;
    static constexpr const char* kPlayer = "C:\\Program Files\\Winamp";
    static constexpr const char* kProposal = "C:\\Program Files\\Winamp\\qlr111";

    PickerTest() {
        AddPlayerMachine(files);
        installer.wnpdir.SetCaption(kPlayer);
        installer.Text1.SetText(kProposal);
    }

    // Opens the picker with the button and runs the user's actions inside it; true when the
    // program ended.
    template <typename Picker>
    bool Open(forms::Button& button, const std::function<void(Picker&)>& user) {
        windows.onModal = [&](forms::Form& form) {
            auto* picker = dynamic_cast<Picker*>(&form);
            ASSERT_NE(picker, nullptr);
            user(*picker);
        };
        try {
            button.Click();
            return false;
        } catch (const ProgramEnded&) {
            return true;
        }
    }

    // Each entry's text, in the order shown.
    static Strings Texts(const forms::ListControl& list) {
        Strings texts;
        for (const forms::ListItem& item : list.Items()) texts.push_back(item.text);
        return texts;
    }
    // The index of the entry with that text; fails the test when there is none.
    static int IndexOf(const forms::ListControl& list, const std::string& text) {
        for (std::size_t i = 0; i < list.Items().size(); ++i)
            if (list.Items()[i].text == text) return int(i);
        ADD_FAILURE() << "no entry " << text;
        return -1;
    }

    FakeInstallerServices fakes;
    FakeWindowSystem& windows = fakes.windows;
    FakeFileSystem& files = fakes.files;
    Installer installer{fakes.Services()};
};

}  // namespace qlr::test
