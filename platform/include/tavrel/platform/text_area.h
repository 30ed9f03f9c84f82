// Multi-line text area: CR line ends, styled text (base style, paragraph
// alignment, runs), a scroll position as the top line, and hit-testing of a
// point to a character offset. Appending costs only the appended text: the
// character and line counts are kept running and paragraph alignments are
// stored only once some paragraph differs from the area's alignment.
#pragma once

#include <vector>

#include "tavrel/platform/styled_text.h"
#include "tavrel/platform/text_edit.h"

namespace tavrel::platform {

class TextArea : public TextEdit {
  public:
    using TextEdit::TextEdit;
    ControlKind kind() const override { return ControlKind::TextArea; }

    bool styled() const { return styled_; }
    void setStyled(bool on) { assign(styled_, on, Property::Appearance); }
    bool scrollBar() const { return scrollBar_; }
    void setScrollBar(bool on) { assign(scrollBar_, on, Property::Appearance); }

    // Lines separated by CR; a text ending in CR has an empty last line.
    std::size_t lineCount() const { return lineBreaks() + 1; }
    std::size_t visibleLineCount() const;

    // Top line shown. Setting it beyond the end clamps to the last position
    // that keeps a full view of lines (the last line when only one fits).
    std::size_t scrollPosition() const { return scroll_; }
    void setScrollPosition(long long topLine);

    StyledText styledText() const;
    // Takes the text (with the usual text events), runs and paragraph alignments.
    void setStyledText(const StyledText& styled);

    // Character offset for a point inside the area: asks the view when it can
    // measure, else uses fixed metrics from the text size and the alignment.
    std::size_t charOffsetAt(int x, int y) const;

  protected:
    bool defaultKey(const KeyEvent& key) override;
    std::size_t caretForClick(int x, int y) const override;
    void textReplaced() override;
    void textAppendedAtEnd(std::string_view more, std::size_t newLines) override;

  private:
    std::size_t maxScroll() const;

    bool styled_ = false;
    bool scrollBar_ = true;
    std::size_t scroll_ = 0;
    std::vector<StyleRun> runs_;
    std::vector<Alignment> paragraphAlign_;  // empty: all follow alignment()
};

}  // namespace tavrel::platform
