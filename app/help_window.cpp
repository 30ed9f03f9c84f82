// The manual is kept with "\n" line ends and shown with the text area's CR
// line ends; it is ASCII, so it needs no character-set conversion. Its prose
// is wrapped for the source; the window joins those lines again, so the text
// area wraps them at whatever width the window has.
#include "app/help_window.h"

#include <string>

#include "app/help_text.h"

namespace tavrel::app {

namespace {

constexpr int kMargin = 3;

// A line of prose wrapped for the source is long; tables, headings and
// addresses are short lines or start with a space, and keep their breaks.
constexpr std::size_t kWrappedLine = 60;

std::string reflowed(std::string_view text) {
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(at, end - at);
        out += line;
        at = end + 1;
        if (end == text.size()) break;
        const bool prose = line.size() >= kWrappedLine && line.front() != ' ';
        const bool nextProse = at < text.size() && text[at] != '\n' && text[at] != ' ';
        out += prose && nextProse ? ' ' : '\r';
    }
    return out;
}

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
    EditField1.setText(reflowed(manualText()));
    EditField1.setSelection(0, 0);  // open at the top
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
