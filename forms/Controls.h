#pragma once
// The portable window model. A control holds its state and raises its change event on every
// change, made in code or by the user. A realisation (a real window) attaches as the control's
// view and is told of every change made in code.
#include <functional>
#include <string>
#include <vector>

#include "common/ScopeExit.h"
#include "forms/Style.h"

namespace qlr::forms {

class Control;

// What of a control changed, so that a view redoes only that: a list of thousands of entries is
// not refilled when only its highlight moves.
enum class Change {
    Text,       // caption or text
    State,      // enabled, visible, read-only
    Items,      // a list's entries (its highlight may have moved with them)
    Selection,  // a list's highlighted or current entry
};

class ControlView {
public:
    virtual ~ControlView() = default;
    virtual void Refresh(const Control& control, Change change) = 0;
};

enum class Kind { Label, TextBox, Button, PictureBox, DriveList, DirList, FileList };

class Control {
public:
    Control(Kind kind, std::string name, int id, Rect rect)
        : kind_(kind), name_(std::move(name)), id_(id), rect_(rect) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Kind kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    int Id() const { return id_; }
    const Rect& Bounds() const { return rect_; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Update(visible_, visible, Change::State); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { Update(enabled_, enabled, Change::State); }

    Font font;
    Color foreground;
    Color background;  // Default: the system's colour for this kind of control
    Align align = Align::Left;
    bool tabStop = false;

    void AttachView(ControlView* view) { view_ = view; }

    // How many runs of this control's events are under way: 2 or more inside a handler that
    // changed the control again (a nested run).
    int EventDepth() const { return eventDepth_; }

protected:
    template <typename T>
    void Update(T& field, const T& value, Change change = Change::Text) {
        if (field == value) return;
        field = value;
        Changed(change, true);
    }
    // Tells the view (when the change came from code) and raises the change event.
    void Changed(Change change, bool fromCode) {
        if (fromCode) Show(change);
        Raise(onChange);
    }
    void Show(Change change) {
        if (view_) view_->Refresh(*this, change);
    }
    // Runs an event handler. The control's state is complete before, so a handler may change the
    // control again; that nested run completes before this one goes on.
    void Raise(const std::function<void()>& handler) {
        if (!handler) return;
        ++eventDepth_;
        ScopeExit leave([this] { --eventDepth_; });
        handler();
    }

public:
    std::function<void()> onChange;

private:
    Kind kind_;
    std::string name_;
    int id_;
    Rect rect_;
    bool visible_ = true;
    bool enabled_ = true;
    int eventDepth_ = 0;
    ControlView* view_ = nullptr;
};

// Text held by a window stops at the first NUL character, as it does in a real window.
std::string WindowText(const std::string& text);

class Label : public Control {
public:
    Label(std::string name, int id, Rect rect, std::string caption = {})
        : Control(Kind::Label, std::move(name), id, rect), caption_(WindowText(caption)) {}
    // A hidden label: a value holder the user never sees.
    Label(std::string name, int id) : Label(std::move(name), id, Rect{}) { SetVisible(false); }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { Update(caption_, WindowText(caption)); }

    // One line, as wide as its text (its width follows every new caption); otherwise the
    // caption wraps at blanks within the label's width.
    bool autoSize = false;

private:
    std::string caption_;
};

// Breaks text into lines no wider than maxWidth, as a window's label does: at blanks (the blanks
// at a break are dropped) and at line breaks; a word wider than a line stands on its own line.
// width(text) measures a piece of text.
std::vector<std::string> WrapText(const std::string& text, int maxWidth,
                                  const std::function<int(const std::string&)>& width);

class TextBox : public Control {
public:
    TextBox(std::string name, int id, Rect rect, std::string text = {})
        : Control(Kind::TextBox, std::move(name), id, rect), text_(WindowText(text)) {
        tabStop = true;
    }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { Update(text_, WindowText(text)); }
    // The user typed: the window already shows the text, so only the model and its event follow.
    void TextEditedByUser(const std::string& text);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { Update(readOnly_, readOnly, Change::State); }

private:
    std::string text_;
    bool readOnly_ = false;
};

class Button : public Control {
public:
    Button(std::string name, int id, Rect rect, std::string caption)
        : Control(Kind::Button, std::move(name), id, rect), caption_(std::move(caption)) {
        tabStop = true;
    }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { Update(caption_, WindowText(caption)); }

    bool isDefault = false;  // Enter presses it
    bool isCancel = false;   // Esc presses it
    std::function<void()> onClick;
    void Click() {
        if (Enabled()) Raise(onClick);
    }

private:
    std::string caption_;
};

// A picture box shows artwork the realisation draws; artwork names which.
class PictureBox : public Control {
public:
    PictureBox(std::string name, int id, Rect rect, std::string artwork)
        : Control(Kind::PictureBox, std::move(name), id, rect), artwork(std::move(artwork)) {
        tabStop = true;
    }
    std::string artwork;
};

// Where a form's window opens.
enum class Placement { CenterScreen, CenterOwner };

// A fixed-size dialog without a title bar: its client size, background, and its controls in
// keyboard focus order (hidden value holders last). The window system opens it (a program's main
// window at the start, any other shown modally): runs its start-up, then makes its window with
// the state the start-up left and shows it. Its window exists until Close(); a form shown
// modally returns to its opener then.
class Form {
public:
    Form(std::string title, int clientWidth, int clientHeight)
        : title_(std::move(title)), width_(clientWidth), height_(clientHeight) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& Title() const { return title_; }
    int ClientWidth() const { return width_; }
    int ClientHeight() const { return height_; }
    const std::vector<Control*>& Controls() const { return controls_; }
    Control* Find(int id) const;

    Color background = Color::Rgb(128, 128, 128);
    bool showInTaskbar = false;
    std::string icon;  // name of the window's icon resource; none when empty
    Placement placement = Placement::CenterScreen;

    // The form's start-up, run once, before the form's window is made and so before it is first
    // shown. The window system runs it as it opens the form (an opener's preset of a modal form
    // comes before it). The one other caller is a program's unattended run, which runs its main
    // form's start-up itself, with no window yet; a silent run then makes the window without
    // running it again.
    virtual void Form_Load() {}

    // Closes the form's window. Once closed, a form stays closed.
    void Close() { closed_ = true; }
    bool Closed() const { return closed_; }

protected:
    void Add(std::initializer_list<Control*> controls) {
        controls_.insert(controls_.end(), controls.begin(), controls.end());
    }

private:
    std::string title_;
    int width_, height_;
    std::vector<Control*> controls_;
    bool closed_ = false;
};

}  // namespace qlr::forms
