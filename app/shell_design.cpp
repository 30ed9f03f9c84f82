// Kinds map one to one onto the framework's controls; texts go to the label's
// text or the control's caption; containers are looked up by name.
#include "app/shell_design.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/clickable_url.h"
#include "tavrel/platform/platform.h"

namespace tavrel::app {

namespace {

using platform::Control;
using platform::Window;
using Kind = ShellControlKind;

// Clicks on a passive control (label, box) belong to the window behind it.
template <class Base>
class PassesClicks : public Base {
  public:
    using Base::Base;

  protected:
    bool handleMouseDown(int x, int y) override {
        Window& w = this->window();
        return w.onMouseDown && w.onMouseDown(x + this->left(), y + this->top());
    }
};

platform::Rect unite(const platform::Rect& a, const platform::Rect& b) {
    const int left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return {left, top, right - left, bottom - top};
}

Control& create(Window& w, const ShellControlDesign& d,
                std::span<const ShellControlDesign> design) {
    const std::string name(d.name);
    switch (d.kind) {
        case Kind::GroupBox:
            return w.add<PassesClicks<platform::GroupBox>>(name);
        case Kind::Slider:
            return w.add<platform::Slider>(name);
        case Kind::RadioButton: {
            auto& group = w.add<platform::RadioGroup>(name);
            std::vector<const ShellControlDesign*> rows;
            for (const auto& r : design)
                if (r.name == d.name) rows.push_back(&r);
            std::ranges::sort(rows, {}, &ShellControlDesign::index);
            platform::Rect all = {rows.front()->left, rows.front()->top, 0, 0};
            for (const auto* r : rows) {
                group.addButton(std::string(r->text), {r->left, r->top, r->width, r->height});
                all = unite(all, {r->left, r->top, r->width, r->height});
            }
            // The group covers its buttons, so a click finds the one under it.
            group.setBounds(all.left, all.top, all.width, all.height);
            return group;
        }
        case Kind::Label: {
            auto& label = w.add<PassesClicks<platform::Label>>(name);
            label.setText(std::string(d.text));
            return label;
        }
        case Kind::CheckBox:
            return w.add<platform::CheckBox>(name);
        case Kind::PushButton:
            return w.add<platform::PushButton>(name);
        case Kind::ProgressWheel:
            return w.add<platform::ProgressWheel>(name);
        case Kind::FilledRectangle:
            return w.add<PassesClicks<platform::FilledRectangle>>(name);
        case Kind::ClickableURL:
            return w.add<ClickableURL>(name);
        case Kind::TextArea:
            return w.add<platform::TextArea>(name);
    }
    throw std::logic_error("unknown control kind");
}

}  // namespace

void buildControls(Window& window, std::span<const ShellControlDesign> design) {
    for (const auto& d : design) {
        if (d.kind == Kind::RadioButton && window.find(d.name) != nullptr) continue;
        Control& c = create(window, d, design);
        if (d.kind != Kind::RadioButton) c.setBounds(d.left, d.top, d.width, d.height);
        if (d.kind != Kind::Label && !d.text.empty()) c.setCaption(std::string(d.text));
        if (d.textSize != 0) c.setTextSize(d.textSize);
        if (!d.parent.empty()) c.setParent(&window.get(d.parent));
    }
}

}  // namespace tavrel::app
