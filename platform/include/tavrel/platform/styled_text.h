// A text with style runs and per-paragraph alignment, the form in which text
// areas hand out and take back styled text (and the printer draws it).
// Paragraphs are separated by carriage returns (code 13).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tavrel/platform/geometry.h"
#include "tavrel/platform/graphics.h"

namespace tavrel::platform {

struct StyleRun {
    std::size_t start = 0;   // characters
    std::size_t length = 0;  // characters
    TextStyle style;
    Color color;
    friend bool operator==(const StyleRun&, const StyleRun&) = default;
};

class StyledText {
  public:
    StyledText() = default;
    StyledText(std::string text, TextStyle base, Alignment alignment);

    const std::string& text() const { return text_; }
    const TextStyle& baseStyle() const { return base_; }
    void setBaseStyle(const TextStyle& s) { base_ = s; }

    const std::vector<StyleRun>& runs() const { return runs_; }
    void addRun(StyleRun run) { runs_.push_back(std::move(run)); }

    std::size_t paragraphCount() const { return alignments_.size(); }
    Alignment paragraphAlignment(std::size_t i) const { return alignments_.at(i); }
    void setParagraphAlignment(std::size_t i, Alignment a) { alignments_.at(i) = a; }
    const std::vector<Alignment>& paragraphAlignments() const { return alignments_; }

  private:
    std::string text_;
    TextStyle base_;
    std::vector<StyleRun> runs_;
    std::vector<Alignment> alignments_;  // one per paragraph
};

}  // namespace tavrel::platform
