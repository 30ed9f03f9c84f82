// The desktop backend's real services: HTTP against a server this test runs
// on 127.0.0.1, printing into a PDF file, the event loop's user-input-free
// wait, the window services, the menu bar and the translation of Qt's input.
#include <gtest/gtest.h>

#include <QFile>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <optional>

#include "calculator_on_qt.h"
#include "tavrel/platform/http.h"
#include "tavrel/platform/printing.h"
#include "tavrel/platform/qt/key_translation.h"
#include "tavrel/platform/qt/window_binding.h"

namespace tavrel::qttest {
namespace {

using platform::qt::QtPlatform;

// Answers every request with the given raw response (or, if empty, never).
class OneShotServer {
  public:
    explicit OneShotServer(QByteArray response) : response_(std::move(response)) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            QTcpSocket* s = server_.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                s->readAll();
                if (response_.isEmpty()) return;
                s->write(response_);
                s->disconnectFromHost();
            });
        });
    }
    std::string url(const char* path) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }

  private:
    QByteArray response_;
    QTcpServer server_;
};

struct Answer {
    std::optional<int> status;
    std::string body;
    std::string url;
    platform::HttpHeaders headers;
    std::optional<int> error;
};

Answer fetch(QtPlatform& p, const std::string& url) {
    platform::HttpClient client(p.http());
    Answer a;
    client.onPageReceived = [&](const std::string& u, int status, const platform::HttpHeaders& h,
                                const std::string& body) {
        a.url = u;
        a.status = status;
        a.headers = h;
        a.body = body;
    };
    client.onError = [&](int code) { a.error = code; };
    client.get(url);
    p.eventLoop().runUntil([&] { return a.status || a.error; }, 10000);
    return a;
}

TEST(Http, PageDeliversBodyStatusAndHeaders) {
    QtPlatform p;
    OneShotServer server(
        "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 10\r\n"
        "Connection: close\r\n\r\n1.2.3\r\nnew");
    Answer a = fetch(p, server.url("/tavrel/versionMac.txt"));
    ASSERT_FALSE(a.error) << *a.error;
    EXPECT_EQ(a.status, 200);
    EXPECT_EQ(a.body, "1.2.3\r\nnew");
    EXPECT_EQ(a.url, server.url("/tavrel/versionMac.txt"));
    EXPECT_NE(std::find(a.headers.begin(), a.headers.end(),
                        std::make_pair(std::string("Content-Type"), std::string("text/plain"))),
              a.headers.end());
}

// The update check asks for "host:port/path", without a scheme.
TEST(Http, AddressWithoutSchemeIsHttp) {
    QtPlatform p;
    OneShotServer server("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\n1.2.3");
    const std::string bare = server.url("/tavrel/versionMac.txt").substr(std::strlen("http://"));
    Answer a = fetch(p, bare);
    ASSERT_FALSE(a.error) << *a.error;
    EXPECT_EQ(a.status, 200);
    EXPECT_EQ(a.body, "1.2.3");
}

TEST(Http, ErrorStatusIsStillAPage) {
    QtPlatform p;
    OneShotServer server(
        "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\nConnection: close\r\n\r\ngone");
    Answer a = fetch(p, server.url("/missing"));
    EXPECT_FALSE(a.error);
    EXPECT_EQ(a.status, 404);
    EXPECT_EQ(a.body, "gone");
}

TEST(Http, RefusedConnectionGivesTheClientsErrorCode) {
    QtPlatform p;
    quint16 port = 0;
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        port = closed.serverPort();
    }
    Answer a = fetch(p, "http://127.0.0.1:" + std::to_string(port) + "/");
    EXPECT_FALSE(a.status);
    EXPECT_EQ(a.error, static_cast<int>(QNetworkReply::ConnectionRefusedError));
}

TEST(Http, SilentServerTimesOut) {
    QtPlatform p;
    p.http().setTimeoutMs(200);
    OneShotServer server("");  // reads the request, never answers
    Answer a = fetch(p, server.url("/slow"));
    EXPECT_FALSE(a.status);
    ASSERT_TRUE(a.error);
    EXPECT_NE(*a.error, 0);
}

TEST(Printing, StyledTextToPdfFillsPages) {
    QTemporaryDir dir;
    const std::string pdf = dir.filePath(QStringLiteral("tape.pdf")).toStdString();
    QtPlatform p;
    p.printing().printToFile(pdf);
    platform::PageSetup setup;
    std::string text;
    for (int i = 0; i < 150; ++i) text += std::to_string(i) + "'-6 1/2\"     +\r";
    platform::StyledText styled(text, platform::TextStyle{"monaco", 9}, platform::Alignment::Right);
    int pages = 0;
    {
        auto surface = p.printing().printDialog(setup);
        ASSERT_NE(surface, nullptr);
        platform::StyledTextPrinter printer(styled, *surface, setup.printableWidth);
        while (!printer.eof()) {
            if (pages++ > 0) surface->nextPage();
            printer.drawBlock(0, 0, setup.printableHeight);
        }
    }
    EXPECT_GE(pages, 2);
    QFile f(QString::fromStdString(pdf));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    EXPECT_TRUE(data.startsWith("%PDF"));
    EXPECT_EQ(data.count("/Type /Page\n") + data.count("/Type /Page\r") +
                  data.count("/Type /Page/") + data.count("/Type /Page "),
              pages);
}

TEST(EventLoop, ModelTimersWaitOutAPressButQtKeepsPainting) {
    CalculatorOnQt qt;
    auto& loop = qt.platform().eventLoop();
    bool timerRan = false;
    loop.schedule(1000, [&] { timerRan = true; });
    bool qtTimerRan = false;
    QTimer::singleShot(5, [&] { qtTimerRan = true; });
    loop.waitWithoutUserEvents(40000);
    EXPECT_FALSE(timerRan);  // never nested in the wait
    EXPECT_TRUE(qtTimerRan);
    EXPECT_TRUE(loop.runUntil([&] { return timerRan; }, 2000));
}

TEST(EventLoop, TypedOperatorShowsItsKeyDownDuringThePress) {
    CalculatorOnQt qt;
    QWidget* add = qt.widget("BBadd");
    const QImage up = add->grab().toImage();
    std::optional<bool> modelDown;
    QImage during;
    QTimer::singleShot(40, [&] {
        modelDown = qt.window().get<platform::BevelButton>("BBadd").value();
        during = add->grab().toImage();
    });
    ASSERT_TRUE(qt.run("2+"));
    ASSERT_TRUE(modelDown);
    EXPECT_TRUE(*modelDown);
    EXPECT_NE(during, up);
    EXPECT_EQ(add->grab().toImage(), up);
}

TEST(WindowServices, OpacityCollapseAndMinimiseBox) {
    CalculatorOnQt qt;
    auto& w = qt.window();
    w.setOpacity(0.75f);
    EXPECT_FLOAT_EQ(w.opacity(), 0.75f);
    EXPECT_NEAR(qt.top()->windowOpacity(), 0.75, 0.01);
    w.setCollapseBox(true);
    EXPECT_TRUE(qt.top()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(qt.top()->isVisible());
    w.setCollapsed(true);
    EXPECT_TRUE(qt.top()->isMinimized());
    w.setCollapsed(false);
    EXPECT_FALSE(qt.top()->isMinimized());
    EXPECT_GE(w.top() - qt.platform().desktop().structureBounds(w).top, 0);
}

TEST(WindowServices, AnimatedResizeKeepsTheTopLeftCorner) {
    CalculatorOnQt qt;
    auto& w = qt.window();
    const QPoint corner = qt.top()->geometry().topLeft();
    qt.platform().desktop().animateResize(w, 247, 355);
    EXPECT_EQ(w.height(), 355);  // the model at once
    auto* binding = qt.platform().bindingFor(w);
    ASSERT_TRUE(qt.platform().eventLoop().runUntil([&] { return !binding->animating(); }, 3000));
    EXPECT_EQ(qt.top()->geometry().topLeft(), corner);
    EXPECT_EQ(qt.content()->size(), QSize(247, 355));
    // Below the minimum height, as the reduced window is.
    qt.platform().desktop().animateResize(w, 247, 86);
    ASSERT_TRUE(qt.platform().eventLoop().runUntil([&] { return !binding->animating(); }, 3000));
    EXPECT_EQ(qt.content()->size(), QSize(247, 86));
    EXPECT_EQ(qt.top()->geometry().topLeft(), corner);
}

TEST(WindowServices, PreferencesFolderIsTheXdgConfigurationFolder) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    QtPlatform p;
    qunsetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(p.files().preferencesFolder());
    EXPECT_EQ(*p.files().preferencesFolder(), std::filesystem::path(dir.path().toStdString()));
}

// A fresh account's configuration folder may not exist yet: the settings
// must still be written, not refused with a message at every start.
TEST(Folders, MissingConfigurationFolderIsMadeForItsOwner) {
    QTemporaryDir dir;
    const std::filesystem::path missing = dir.path().toStdString() + "/fresh/.config";
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(missing.string()));
    QtPlatform p;
    qunsetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(p.files().preferencesFolder());
    EXPECT_EQ(*p.files().preferencesFolder(), missing);
    EXPECT_TRUE(p.files().writeLines(missing / "tavrel.Prefs", {"trans", "40"}));
    EXPECT_EQ(std::filesystem::status(missing).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
}

TEST(Menus, BarCommandsAndShortcutsReachTheModel) {
    CalculatorOnQt qt;
    int copies = 0;
    auto& edit = qt.app().menuBar().append("Edit", "Edit");
    edit.append("EditCopy", "Copy", "Cmd+C");
    qt.app().addMenuHandler("EditCopy", [&] {
        ++copies;
        return true;
    });
    auto* bar = qt.top()->findChild<QMenuBar*>(QStringLiteral("menuBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(qt.content()->size(), QSize(247, 600));  // the bar lies above the content
    EXPECT_EQ(qt.content()->y(), bar->height());
    auto* copy = bar->findChild<QAction*>(QStringLiteral("EditCopy"));
    ASSERT_NE(copy, nullptr);
    copy->trigger();
    EXPECT_EQ(copies, 1);
    QTest::keyClick(qt.display(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copies, 2);
}

// The application writes its shortcuts for Linux with Control; the Control
// key (the model's Command) must reach them, and the menu must name Ctrl.
TEST(Menus, ControlShortcutsAreReachedByTheControlKey) {
    CalculatorOnQt qt;
    int setups = 0;
    auto& file = qt.app().menuBar().append("File", "File");
    file.append("FilePageSetup", "Page Setup", "Ctrl+Shift+P");
    qt.app().addMenuHandler("FilePageSetup", [&] {
        ++setups;
        return true;
    });
    auto* bar = qt.top()->findChild<QMenuBar*>(QStringLiteral("menuBar"));
    ASSERT_NE(bar, nullptr);
    auto* setup = bar->findChild<QAction*>(QStringLiteral("FilePageSetup"));
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    QTest::keyClick(qt.display(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(setups, 1);
    QTest::keyClick(qt.display(), Qt::Key_P, Qt::ShiftModifier);
    EXPECT_EQ(setups, 1);
}

// "Ctrl+Shift+." arrives as Ctrl with ">", the shifted character; a shortcut
// written with its own shifted character ("Ctrl+?") keeps it.
TEST(Menus, ShiftedPunctuationReachesItsShortcut) {
    CalculatorOnQt qt;
    std::vector<std::string> ran;
    auto& unit = qt.app().menuBar().append("unit", "Unit");
    unit.append("UnitMeters", "Meters", "Ctrl+Shift+.");
    unit.append("HelpHelp", "Help", "Ctrl+?");
    unit.append("UnitKilometers", "Kilometers", "Ctrl+Shift+/");
    for (const char* name : {"UnitMeters", "HelpHelp", "UnitKilometers"})
        qt.app().addMenuHandler(name, [&ran, name] {
            ran.emplace_back(name);
            return true;
        });
    QTest::keyClick(qt.display(), Qt::Key_Greater, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(qt.display(), Qt::Key_Question, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ran, (std::vector<std::string>{"UnitMeters", "HelpHelp"}));
    EXPECT_EQ(qt.window().EditFract1.text(), "");
}

TEST(Input, ContextualClicksAreReportedAsSuch) {
    CalculatorOnQt qt;
    std::vector<bool> seen;
    qt.window().EditFract1.onMouseDown = [&](int, int) {
        seen.push_back(qt.app().input().contextualClick());
        return true;
    };
    QTest::mouseClick(qt.display(), Qt::LeftButton);
    QTest::mouseClick(qt.display(), Qt::RightButton);
    QTest::mouseClick(qt.display(), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(seen, (std::vector<bool>{false, true, true}));
}

TEST(Input, MouseCaretAndSelectionReachTheModel) {
    CalculatorOnQt qt;
    ASSERT_TRUE(qt.run("12345"));
    auto& field = qt.window().EditFract1;
    QLineEdit* display = qt.display();
    const int y = display->height() / 2;
    QTest::mouseClick(display, Qt::LeftButton, {}, QPoint(3, y));
    EXPECT_EQ(field.selStart(), 0u);
    EXPECT_EQ(field.selLength(), 0u);
    // A drag from the start to past the end selects the whole entry.
    QTest::mousePress(display, Qt::LeftButton, {}, QPoint(3, y));
    QMouseEvent move(QEvent::MouseMove, QPointF(display->width() - 4, y),
                     display->mapToGlobal(QPointF(display->width() - 4, y)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(display, &move);
    QTest::mouseRelease(display, Qt::LeftButton, {}, QPoint(display->width() - 4, y));
    EXPECT_EQ(field.selStart(), 0u);
    EXPECT_EQ(field.selLength(), 5u);
    EXPECT_EQ(display->selectedText(), QStringLiteral("12345"));
}

TEST(Input, DroppedTextGoesToTheModelAndTheClipboardRoundTrips) {
    CalculatorOnQt qt;
    ASSERT_TRUE(qt.run("1"));
    QMimeData dropped;
    dropped.setText(QStringLiteral("2'6"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(qt.display(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(qt.display(), &drop);
    EXPECT_EQ(qt.window().EditFract1.text(), "12'6");
    EXPECT_EQ(qt.display()->text(), QStringLiteral("12'6"));

    auto& clipboard = qt.platform().clipboard();
    clipboard.setText("3'-6 1/2\"");
    EXPECT_EQ(clipboard.text(), "3'-6 1/2\"");
}

struct KeyCase {
    const char* name;
    int key;
    const char* text;
    Qt::KeyboardModifiers mods;
    std::optional<std::string> typed;  // none: no model key
    char32_t code;
    platform::Modifiers modifiers;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyTranslation : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTranslation, GivesTheModelsKey) {
    const KeyCase& c = GetParam();
    auto k = platform::qt::keyEventFrom(c.key, QString::fromUtf8(c.text), c.mods);
    ASSERT_EQ(k.has_value(), c.typed.has_value());
    if (!k) return;
    EXPECT_EQ(k->text, *c.typed);
    EXPECT_EQ(k->code, c.code);
    EXPECT_EQ(k->modifiers, c.modifiers);
}

using platform::Modifiers;
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, KeyTranslation, ::testing::Values(
    KeyCase{"Return",       Qt::Key_Return,    "\r",   kNone,                  "\r",   13,  {}},
    KeyCase{"KeypadEnter",  Qt::Key_Enter,     "\r",   Qt::KeypadModifier,     "\x03", 3,   {}},
    KeyCase{"Backspace",    Qt::Key_Backspace, "\b",   kNone,                  "\b",   8,   {}},
    KeyCase{"Escape",       Qt::Key_Escape,    "\x1b", kNone,                  "\x1b", 27,  {}},
    KeyCase{"ForwardDel",   Qt::Key_Delete,    "\x7f", kNone,                  "\x7f", 127, {}},
    KeyCase{"LeftArrow",    Qt::Key_Left,      "",     kNone,                  "\x1c", 28,  {}},
    KeyCase{"Letter",       Qt::Key_F,         "f",    kNone,                  "f",    'f', {}},
    KeyCase{"ShiftQuote",   Qt::Key_QuoteDbl,  "\"",   Qt::ShiftModifier,      "\"",   '"', Modifiers::withShift()},
    KeyCase{"AltIsOption",  Qt::Key_M,         "m",    Qt::AltModifier,        "m",    'm', Modifiers::withOption()},
    KeyCase{"CtrlIsCommand",Qt::Key_X,         "\x18", Qt::ControlModifier,    "x",    'x', Modifiers::withCommand()},
    KeyCase{"CtrlShift",    Qt::Key_P,         "\x10", Qt::ControlModifier | Qt::ShiftModifier,
                                                                               "P",    'P', Modifiers::withCommand() | Modifiers::withShift()},
    KeyCase{"MetaIsControl",Qt::Key_A,         "a",    Qt::MetaModifier,       "a",    'a', Modifiers::withControl()},
    KeyCase{"Division",     Qt::Key_division,  "\u00F7", kNone,                "\u00F7", 0xF7, {}},
    KeyCase{"LoneShift",    Qt::Key_Shift,     "",     Qt::ShiftModifier,      std::nullopt, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace tavrel::qttest
