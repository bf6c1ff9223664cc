// What forms and frames share: the controls and labels they hold, in the
// order of creation; painting and hit-testing the windowless labels; and
// reflecting the notifications of child controls back to them.
#pragma once

#include "forms/events.h"
#include "forms/units.h"
#include "platform/win.h"

#include <vector>

namespace taverel::forms {

class Control;
class Form;
class Label;

class Container {
public:
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;

    void Add(Control& control) { controls_.push_back(&control); }
    void Add(Label& label) { labels_.push_back(&label); }

    const std::vector<Control*>& Controls() const { return controls_; }
    const std::vector<Label*>& Labels() const { return labels_; }

    // The window the labels are painted on.
    virtual HWND ContainerWindow() const = 0;
    virtual Form& ContainerForm() = 0;

    // The topmost label under a client point, or null.
    Label* LabelAt(POINT client_point) const;

protected:
    Container() = default;
    // Children may already be gone when a derived form is torn down: the
    // destructor does not touch them.
    ~Container() = default;

    // False as soon as one child cannot be created.
    bool CreateChildren(HWND window);
    void PaintLabels(HDC dc) const;
    // Hands mouse moves and clicks over a label to it. True when a label
    // took the message; otherwise the container's own event applies.
    bool RouteMouseToLabel(UINT message, WPARAM wparam, LPARAM lparam);
    // Sends WM_COMMAND / WM_CTLCOLOR* back to the child that sent it.
    // True with `result` set when the child answered.
    bool ReflectToChild(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) const;

private:
    std::vector<Control*> controls_;
    std::vector<Label*> labels_;
    Label* pressed_label_ = nullptr;
};

}  // namespace taverel::forms
