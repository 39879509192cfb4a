// Starts the real program on the X server of xvfb-run (no window manager) and uses it as a person
// would: types with the keyboard, clicks with the mouse, looks at the screen.

#include "ReferenceFile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <gtest/gtest.h>

#include <string>

#include <X11/Xlib.h>

using namespace Qt::StringLiterals;

namespace {

// Runs a program with blank-separated arguments and gives what it printed.
QByteArray output(const QString& program, const QString& arguments) {
    QProcess process;
    process.start(program, arguments.split(u' '));
    process.waitForFinished(15000);
    return process.readAllStandardOutput();
}

QString xdotool(const QString& arguments) {
    return QString::fromUtf8(output(u"xdotool"_s, arguments)).trimmed();
}

QImage reviewed(const char* name) {
    return QImage(referencePath(QString::fromLatin1(name) + u".png"_s))
        .convertToFormat(QImage::Format_RGB32);
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        program.start(QStringLiteral(TOVENAL_BINARY), {});
        ASSERT_TRUE(program.waitForStarted(10000));
        window = xdotool(u"search --sync --onlyvisible --name Tovenal"_s);
        ASSERT_FALSE(window.isEmpty()) << "the window did not appear";
        const QString geometry = xdotool(u"getwindowgeometry --shell "_s + window);
        origin = {geometry.section(u"X="_s, 1).section(u'\n', 0, 0).toInt(),
                  geometry.section(u"Y="_s, 1).section(u'\n', 0, 0).toInt()};
        settle();
    }

    // Gives the program time to take its events and draw.
    static void settle() { QThread::msleep(400); }
    void click(int x, int y, int button = 1) {
        const QPoint at = origin + QPoint(x, y);
        xdotool(u"mousemove %1 %2 click %3"_s.arg(at.x()).arg(at.y()).arg(button));
        settle();
    }
    // Clicks into a field, selects its whole text and types over it.
    void typeInto(int x, int y, const QString& text) {
        click(x, y);
        xdotool(u"key ctrl+a type --delay 30 "_s + text);
        settle();
    }
    QImage screen() const {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, origin.x(), origin.y(), 988, 606)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // Whether the screen shows the reviewed picture wherever no control covers it.
    bool shows(const char* reference) const {
        const QImage shot = screen();
        const QImage picture = reviewed(reference);
        return shot.copy(0, 0, 530, 510) == picture.copy(0, 0, 530, 510) &&
               shot.copy(530, 249, 458, 200) == picture.copy(530, 249, 458, 200);
    }
    void expectExitCodeZero() {
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    }

    QProcess program; // killed, if still running, when the test ends
    QString window;
    QPoint origin;
};

} // namespace

TEST_F(EndToEnd, PictureFollowsTypedInputAndExitEndsTheProgram) {
    // The first activation draws the defaults without a window manager to activate the window.
    EXPECT_TRUE(shows("defaults"));
    // F11 fills the screen with the presentation; Down there steps the range's upper end, 20 to
    // 19, as in its field; Esc returns. Up, again there, steps it back to the defaults.
    for (const char* step : {"Down", "Up"}) {
        click(600, 100); // the keyboard's target: the free client area
        xdotool(u"key F11"_s);
        const QString shown = xdotool(u"search --sync --onlyvisible --name Презентация"_s);
        ASSERT_FALSE(shown.isEmpty()) << "no presentation";
        EXPECT_TRUE(xdotool(u"getwindowgeometry "_s + shown).contains(u"1280x1024"_s));
        xdotool(u"key "_s + QString::fromLatin1(step) + u" Escape"_s);
        settle();
        EXPECT_TRUE(xdotool(u"search --onlyvisible --name Презентация"_s).isEmpty());
        EXPECT_EQ(shows("defaults"), step == std::string("Up")) << step;
    }
    // Five harmonics, the packet 1 1 1 1 1 1 1 1 and the envelope off.
    typeInto(508, 538, u"5"_s);
    for (const int x : {164, 188, 212, 236, 260, 284, 308})
        typeInto(x, 546, u"1"_s);
    click(598, 168);
    EXPECT_TRUE(shows("ones-5-no-envelope"));
    click(900, 560); // "Выход"
    expectExitCodeZero();
}

TEST_F(EndToEnd, MenuRunsNoPassCopyGivesThePictureAndTheCloseBoxEndsTheProgram) {
    // A selected list line would vanish with a pass, which clears the lists.
    click(740, 68);
    const QImage before = screen();
    click(600, 100, 3);
    EXPECT_NE(screen().copy(600, 100, 150, 150), before.copy(600, 100, 150, 150)) << "no menu";
    xdotool(u"key Escape"_s);
    settle();
    EXPECT_EQ(screen(), before);

    xdotool(u"key ctrl+shift+c"_s);
    settle();
    const QByteArray png = output(u"xclip"_s, u"-selection clipboard -t image/png -o"_s);
    EXPECT_EQ(QImage::fromData(png).convertToFormat(QImage::Format_RGB32), reviewed("defaults"));

    // What a window manager's close box sends: the WM_DELETE_WINDOW protocol message.
    ::Display* connection = XOpenDisplay(nullptr);
    ASSERT_NE(connection, nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.toULong();
    event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(connection, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(connection);
    expectExitCodeZero();
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
