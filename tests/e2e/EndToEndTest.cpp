// Starts the real program on the X server of xvfb-run (no window manager) and uses it as a person
// would: types with the keyboard, clicks with the mouse, looks at the screen.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <gtest/gtest.h>

#include <X11/Xlib.h>

namespace {

// Runs xdotool with the given blank-separated arguments and returns what it printed.
QString xdotool(const QString& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments.split(u' '));
    process.waitForFinished(15000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// What a window manager's close box sends: the WM_DELETE_WINDOW protocol message.
void sendCloseRequest(const QString& window) {
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
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        program.start(QStringLiteral(TOVENAL_BINARY), {});
        ASSERT_TRUE(program.waitForStarted(10000));
        window = xdotool(QStringLiteral("search --sync --onlyvisible --name Tovenal"));
        ASSERT_FALSE(window.isEmpty()) << "the window did not appear";
        const QString geometry = xdotool(QStringLiteral("getwindowgeometry --shell ") + window);
        origin = {geometry.section(QStringLiteral("X="), 1).section(u'\n', 0, 0).toInt(),
                  geometry.section(QStringLiteral("Y="), 1).section(u'\n', 0, 0).toInt()};
        settle();
    }

    // Gives the program time to take its events and draw.
    static void settle() { QThread::msleep(400); }
    void click(int x, int y) {
        xdotool(QStringLiteral("mousemove %1 %2 click 1").arg(origin.x() + x).arg(origin.y() + y));
    }
    // Clicks into a field, selects its whole text and types over it.
    void typeInto(int x, int y, const QString& text) {
        click(x, y);
        xdotool(QStringLiteral("key ctrl+a type --delay 30 ") + text);
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
        shot.save(
            QDir(QStringLiteral(TOVENAL_BUILD_DIR))
                .filePath(QStringLiteral("end-to-end-%1.png").arg(QString::fromLatin1(reference))));
        const QImage reviewed =
            QImage(
                QStringLiteral(TOVENAL_REFERENCE_DIR "/%1.png").arg(QString::fromLatin1(reference)))
                .convertToFormat(QImage::Format_RGB32);
        return shot.copy(0, 0, 530, 510) == reviewed.copy(0, 0, 530, 510) &&
               shot.copy(530, 249, 458, 200) == reviewed.copy(530, 249, 458, 200);
    }

    QProcess program; // killed, if still running, when the test ends
    QString window;
    QPoint origin;
};

} // namespace

TEST_F(EndToEnd, PictureFollowsTypedInputAndExitEndsTheProgram) {
    // The first activation draws the defaults without a window manager to activate the window.
    EXPECT_TRUE(shows("defaults"));
    // Five harmonics, the packet 1 1 1 1 1 1 1 1 and the envelope off.
    typeInto(508, 538, QStringLiteral("5"));
    for (const int x : {164, 188, 212, 236, 260, 284, 308})
        typeInto(x, 546, QStringLiteral("1"));
    click(598, 168);
    settle();
    EXPECT_TRUE(shows("ones-5-no-envelope"));

    // "Выход" ends the program with exit code 0.
    click(900, 560);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
}

TEST_F(EndToEnd, CloseBoxEndsTheProgramWithExitCodeZero) {
    sendCloseRequest(window);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
}

TEST_F(EndToEnd, ContextMenuRunsNoPassAndCopyPutsThePictureOnTheClipboard) {
    // A selected list line would vanish with a pass, which clears the lists.
    click(740, 68);
    settle();
    const QImage before = screen();
    xdotool(QStringLiteral("mousemove %1 %2 click 3").arg(origin.x() + 600).arg(origin.y() + 100));
    settle();
    EXPECT_NE(screen().copy(600, 100, 150, 150), before.copy(600, 100, 150, 150)) << "no menu";
    xdotool(QStringLiteral("key Escape"));
    settle();
    EXPECT_EQ(screen(), before);

    xdotool(QStringLiteral("key ctrl+shift+c"));
    settle();
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                QStringLiteral("-selection clipboard -t image/png -o").split(u' '));
    ASSERT_TRUE(xclip.waitForFinished(10000));
    const QImage copied =
        QImage::fromData(xclip.readAllStandardOutput()).convertToFormat(QImage::Format_RGB32);
    const QImage reviewed = QImage(QStringLiteral(TOVENAL_REFERENCE_DIR "/defaults.png"))
                                .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied, reviewed);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
