// Text field event order and default editing.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "fixture.h"

namespace tavrel::platform {
namespace {

using testing::AppFixture;

class TextFieldEvents : public ::testing::Test, protected AppFixture {
  protected:
    TextField& field = window.add<TextField>("EditFract1");
    void SetUp() override {
        field.onTextChange = [this] { log.push_back("text:" + field.text()); };
        field.onSelChange = [this] { log.push_back("sel:" + std::to_string(field.selStart())); };
    }
};

TEST_F(TextFieldEvents, AssigningRunsTextChangeThenSelChangeEvenWhenUnchanged) {
    field.setText("12");
    field.setText(field.text());
    EXPECT_EQ(log, (std::vector<std::string>{"text:12", "sel:2", "text:12", "sel:2"}));
}

TEST_F(TextFieldEvents, AssignmentInsideTextChangeNestsAWholeRound) {
    field.onTextChange = [this] {
        log.push_back("text:" + field.text());
        if (field.text() == "10@") field.setText("10 sq");
    };
    field.setText("10@");
    EXPECT_EQ(log, (std::vector<std::string>{"text:10@", "text:10 sq", "sel:5", "sel:5"}));
}

TEST_F(TextFieldEvents, SelectionHandlerRunsOnlyOnRealChange) {
    field.setText("abc");
    log.clear();
    field.setSelStart(3);   // already there
    field.setSelStart(99);  // clamps to 3: still no change
    field.setSelStart(1);
    field.setSelLength(5);  // clamps to 2
    EXPECT_EQ(field.selLength(), 2u);
    EXPECT_EQ(field.selectedText(), "bc");
    EXPECT_EQ(log, (std::vector<std::string>{"sel:1", "sel:1"}));
}

TEST_F(TextFieldEvents, KeyGoesToHandlerFirstAndConsumedKeysAreNotEdited) {
    field.setFocus();
    field.setText("1");
    log.clear();
    field.onKeyDown = [this](const KeyEvent& k) {
        log.push_back("key:" + k.text);
        return k.text == "+";
    };
    window.typeKey(KeyEvent::of("+"));
    window.typeKey(KeyEvent::of("2"));
    EXPECT_EQ(field.text(), "12");
    EXPECT_EQ(log, (std::vector<std::string>{"key:+", "key:2", "text:12", "sel:2"}));
}

TEST_F(TextFieldEvents, HandlersSeeTheKeyEventModifiers) {
    field.setFocus();
    Modifiers seen;
    field.onKeyDown = [&](const KeyEvent&) {
        seen = app.input().eventModifiers();
        return true;
    };
    window.typeKey(KeyEvent::of("c", Modifiers::withOption()));
    EXPECT_EQ(seen, Modifiers::withOption());
    EXPECT_EQ(app.input().eventModifiers(), Modifiers{});
}

struct EditCase {
    const char* name;
    const char* text;
    std::size_t selStart;
    std::size_t selLength;
    char32_t key;
    const char* expectText;
    std::size_t expectCaret;
    bool expectEvents;
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name << ": \"" << c.text << "\" key " << static_cast<std::uint32_t>(c.key) << " -> \""
        << c.expectText << "\"";
}

class DefaultEditing : public ::testing::TestWithParam<EditCase>, protected AppFixture {};

TEST_P(DefaultEditing, EditsAtTheCaret) {
    const EditCase& c = GetParam();
    auto& field = window.add<TextField>("f");
    field.setFocus();
    field.setText(c.text);
    field.setSelection(c.selStart, c.selLength);
    int textChanges = 0;
    std::vector<std::string> order;
    field.onTextChange = [&] {
        ++textChanges;
        order.push_back("text");
    };
    field.onSelChange = [&] { order.push_back("sel"); };
    window.typeKey(KeyEvent::ofCode(c.key));
    EXPECT_EQ(field.text(), c.expectText);
    EXPECT_EQ(field.selStart(), c.expectCaret);
    EXPECT_EQ(field.selLength(), 0u);
    EXPECT_EQ(field.length(), utf8::length(c.expectText));
    if (c.expectEvents)
        EXPECT_EQ(order, (std::vector<std::string>{"text", "sel"}));
    else
        EXPECT_EQ(textChanges, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DefaultEditing,
    ::testing::Values(
        EditCase{"InsertAtCaret", "13", 1, 0, U'2', "123", 2, true},
        EditCase{"InsertReplacesSelection", "1234", 1, 2, U'9', "194", 2, true},
        EditCase{"MultiByteCharacterCountsAsOne", "ab", 1, 0, U'◊', "a◊b", 2, true},
        EditCase{"InsertAfterMultiByteText", "√°", 2, 0, U'x', "√°x", 3, true},
        EditCase{"BackspaceDeletesBeforeCaret", "123", 2, 0, keys::Backspace, "13", 1, true},
        EditCase{"BackspaceDeletesSelection", "12345", 1, 3, keys::Backspace, "15", 1, true},
        EditCase{"BackspaceAtStartChangesNothing", "12", 0, 0, keys::Backspace, "12", 0, false},
        EditCase{"BackspaceRemovesWholeMultiByteCharacter", "1°", 2, 0, keys::Backspace, "1", 1,
                 true},
        EditCase{"ForwardDeleteAfterCaret", "123", 1, 0, keys::ForwardDelete, "13", 1, true},
        EditCase{"ForwardDeleteAtEndChangesNothing", "12", 2, 0, keys::ForwardDelete, "12", 2,
                 false},
        EditCase{"ReturnInsertsNothingInAField", "12", 2, 0, keys::Return, "12", 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextFieldEvents, ReadOnlyFieldIgnoresTypingButKeepsCaretKeys) {
    field.setText("abc");
    field.setReadOnly(true);
    field.setFocus();
    window.typeKey(KeyEvent::of("x"));
    window.typeKey(KeyEvent::ofCode(keys::Left));
    EXPECT_EQ(field.text(), "abc");
    EXPECT_EQ(field.selStart(), 2u);
}

TEST_F(TextFieldEvents, DropGoesToTheDropHandlerInsteadOfTheText) {
    field.setText("1");
    std::string dropped;
    field.onDropText = [&](const std::string& t) { dropped = t; };
    field.dropTextByUser("+2");
    EXPECT_EQ(dropped, "+2");
    EXPECT_EQ(field.text(), "1");
    field.onDropText = nullptr;
    field.dropTextByUser("5");
    EXPECT_EQ(field.text(), "15");
}

}  // namespace
}  // namespace tavrel::platform

namespace tavrel::platform {
namespace {

// A backend that can measure text places the caret where the click fell; the
// measurement is clamped to the text.
class MeasuringView : public ControlView {
  public:
    std::size_t answer = 0;
    void changed(Control&, Property) override {}
    std::optional<std::size_t> caretAt(const TextEdit&, int, int) override { return answer; }
};

TEST(TextFieldClick, CaretGoesWhereTheViewMeasures) {
    testing::AppFixture f;
    TextField& field = f.window.add<TextField>("field");
    field.setBounds(0, 0, 200, 20);
    field.setText("12345");
    MeasuringView view;
    field.setView(&view);
    view.answer = 2;
    f.window.click(150, 10);
    EXPECT_EQ(field.selStart(), 2u);
    view.answer = 40;
    f.window.click(1, 10);
    EXPECT_EQ(field.selStart(), 5u);
    field.setView(nullptr);
}

}  // namespace
}  // namespace tavrel::platform
