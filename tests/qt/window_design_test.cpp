// The main window on the desktop backend as designed: every control's widget
// at its design place and size (or where its open handler moved it), the
// window's kind, title, size and colours, the tape's face, help tags as tool
// tips, keys without focus, controls off the window's area never shown, and
// what a screen reader reads. The same checks run at a 2x scale factor (see
// CMakeLists.txt), where geometry stays in device-independent pixels.
#include "ui/window_design.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QSet>
#include <QTextDocument>

#include "calculator_on_qt.h"
#include "tavrel/platform/bevel_button.h"

namespace tavrel::qttest {
namespace {

QString helpText(std::string_view help) {
    QString s = QString::fromUtf8(help.data(), static_cast<qsizetype>(help.size()));
    return s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

class Design : public ::testing::Test {
  protected:
    CalculatorOnQt qt;
};

TEST_F(Design, ControlsStandAtTheirDesignPlaces) {
    int checked = 0;
    for (const ui::ControlDesign& d : ui::calcWinDesign()) {
        if (d.style.noPosition || d.cls == ui::ControlClass::Timer) continue;
        QWidget* w = qt.widget(std::string(d.name).c_str());
        ASSERT_NE(w, nullptr) << d.name;
        QRect want(d.left, d.top, d.width, d.height);
        if (!d.movedOnto.empty()) {
            const ui::ControlDesign* onto = ui::findDesign(d.movedOnto);
            ASSERT_NE(onto, nullptr);
            want.moveTo(onto->left, onto->top);
        }
        EXPECT_EQ(w->geometry(), want) << d.name;
        if (d.style.outsideVisibleArea || d.style.hidden) {
            EXPECT_FALSE(w->isVisible()) << d.name;
        }
        if (!d.helpTag.empty()) {
            EXPECT_EQ(w->toolTip(), helpText(d.helpTag)) << d.name;
        }
        ++checked;
    }
    EXPECT_GT(checked, 60);
}

TEST_F(Design, WindowStaysOnTopWithAMinimiseBoxAtTheDesignSize) {
    QWidget* top = qt.top();
    EXPECT_EQ(top->windowTitle(), QStringLiteral("tavrel"));
    EXPECT_TRUE(top->windowFlags() & Qt::WindowStaysOnTopHint);
    // The calculator's minimise box: a utility window could not come back
    // from the task bar, so it is an ordinary window kept on top.
    EXPECT_TRUE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(qt.content()->size(), QSize(247, 600));
    EXPECT_EQ(top->minimumWidth(), 247);
    EXPECT_EQ(top->maximumWidth(), 247);
    EXPECT_EQ(top->palette().color(QPalette::Window), QColor(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(qt.display()->palette().color(QPalette::Base), QColor(0xEF, 0xEF, 0xB5));
}

TEST_F(Design, TapeIsMonospacedNinePointRightAligned) {
    QTextEdit* tape = qt.tape();
    EXPECT_TRUE(QFontInfo(tape->font()).fixedPitch());
    EXPECT_EQ(tape->font().pixelSize(), 9);
    EXPECT_EQ(tape->document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_TRUE(tape->isReadOnly());
    EXPECT_EQ(tape->palette().color(QPalette::Base), QColor(0xE7, 0xE7, 0xE7));
}

TEST_F(Design, KeysTakeNoFocusAndTheDisplayHasIt) {
    for (std::size_t i = 0; i < qt.window().controlCount(); ++i) {
        platform::Control& c = qt.window().control(i);
        if (c.kind() != platform::ControlKind::BevelButton &&
            c.kind() != platform::ControlKind::PushButton)
            continue;
        EXPECT_EQ(qt.widget(c.name().c_str())->focusPolicy(), Qt::NoFocus) << c.name();
    }
    EXPECT_EQ(QApplication::focusWidget(), qt.display());
}

TEST_F(Design, ScreenReadersReadWordsForSymbols) {
    // clang-format off
    const std::vector<std::pair<const char*, const char*>> rows{
        {"BBclear", "clear"}, {"BBdiv", "divide"}, {"BBsqrt", "square root"},
        {"BBadd",   "plus"},  {"BBsub", "minus"},  {"PB7",    "7"},
        {"BBft",    "ft"},    {"EditFract1", "display"},
    };
    // clang-format on
    for (const auto& [name, spoken] : rows) {
        QWidget* w = qt.widget(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->accessibleName().toStdString(), spoken) << name;
        EXPECT_EQ(w->accessibleDescription(), w->toolTip()) << name;
    }
}

TEST_F(Design, GrabbedWindowIsNotBlank) {
    ASSERT_TRUE(qt.run("12'*10'="));
    const QImage shot = qt.top()->grab().toImage();
    const qreal ratio = qt.top()->devicePixelRatioF();
    EXPECT_EQ(shot.size(), (QSizeF(247, 600) * ratio).toSize());
    const QString file = QDir::temp().filePath(QStringLiteral("tavrel-window.png"));
    ASSERT_TRUE(shot.save(file));
    QImage back(file);
    ASSERT_FALSE(back.isNull());
    QSet<QRgb> colours;
    for (int y = 0; y < back.height(); y += 3)
        for (int x = 0; x < back.width(); x += 3) colours.insert(back.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
    // The display's colour is there, as are the keys' captions (dark pixels).
    EXPECT_TRUE(colours.contains(qRgb(0xEF, 0xEF, 0xB5)));
    QFile::remove(file);
}

}  // namespace
}  // namespace tavrel::qttest
