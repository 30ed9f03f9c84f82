// The manual is kept with "\n" line ends and shown with the text area's CR
// line ends; it is ASCII, so it needs no character-set conversion.
#include "app/help_window.h"

#include <algorithm>
#include <string>

#include "app/help_text.h"

namespace tavrel::app {

namespace {

constexpr int kMargin = 3;

}  // namespace

helpWindow::helpWindow(platform::Application& app)
    : Window(app, "helpWindow", platform::WindowKind::Floating),
      EditField1(build().add<platform::TextArea>("EditField1")) {
    EditField1.setBounds(kMargin, kMargin, 297, 517);
    EditField1.setReadOnly(true);
    EditField1.setStyled(true);
    EditField1.setBorder(true);
    EditField1.setScrollBar(true);
    EditField1.setTextSize(10);
    std::string text(manualText());
    std::ranges::replace(text, '\n', '\r');
    EditField1.setText(std::move(text));
    // All four edges of the text follow the window.
    auto follow = [this] {
        EditField1.setBounds(kMargin, kMargin, width() - 2 * kMargin, height() - 2 * kMargin);
    };
    onResizing = follow;
    onResized = follow;
}

helpWindow& helpWindow::build() {
    setTitle("Help");
    setSize(303, 523);
    setResizable(true);
    setLiveResize(true);
    setCloseBox(true);
    setZoomBox(true);
    setCollapseBox(true);
    return *this;
}

}  // namespace tavrel::app
