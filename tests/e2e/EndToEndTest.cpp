// Starts the real program on a private X server and uses it as a person would: types with the
// keyboard, clicks with the mouse, looks at the screen.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

#include <X11/Xlib.h>

namespace {

QString display;
std::unique_ptr<QProcess> xServer;

// Runs xdotool with the given arguments and returns what it printed.
QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(15000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool startXServer() {
    for (int number = 91; number < 120; ++number) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
            continue;
        display = QStringLiteral(":%1").arg(number);
        xServer = std::make_unique<QProcess>();
        xServer->start(QStringLiteral("Xvfb"),
                       {display, QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        for (int wait = 0; wait < 100; ++wait) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
                return true;
            if (xServer->state() == QProcess::NotRunning)
                break;
            QThread::msleep(50);
        }
    }
    return false;
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        if (!xServer)
            GTEST_SKIP() << "Xvfb or xdotool is not installed";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(TOVENAL_BINARY), {});
        ASSERT_TRUE(program.waitForStarted(10000));
        const QString found = xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                                       QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                       QStringLiteral("Tovenal")});
        window = found.section(u'\n', 0, 0);
        ASSERT_FALSE(window.isEmpty()) << "the window did not appear";
        const QString geometry =
            xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window});
        for (const QString& line : geometry.split(u'\n')) {
            if (line.startsWith(QStringLiteral("X=")))
                origin.setX(line.mid(2).toInt());
            if (line.startsWith(QStringLiteral("Y=")))
                origin.setY(line.mid(2).toInt());
        }
        settle();
    }

    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }

    // Gives the program time to take its events and draw.
    static void settle() { QThread::msleep(400); }

    void click(int x, int y) {
        xdotool({QStringLiteral("mousemove"), QString::number(origin.x() + x),
                 QString::number(origin.y() + y), QStringLiteral("click"), QStringLiteral("1")});
    }

    // Clicks into a field, selects its whole text and types over it.
    void typeInto(int x, int y, const QString& text) {
        click(x, y);
        xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text});
        settle();
    }

    QImage screenshot() const {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, origin.x(), origin.y(), 988, 606)
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    QProcess program;
    QString window;
    QPoint origin;
};

// What a window manager's close box sends: the WM_DELETE_WINDOW protocol message.
void sendCloseRequest(const QString& window) {
    ::Display* connection = XOpenDisplay(display.toUtf8().constData());
    ASSERT_NE(connection, nullptr);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window.toULong();
    event.xclient.message_type = XInternAtom(connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(connection, event.xclient.window, False, NoEventMask, &event);
    XFlush(connection);
    XCloseDisplay(connection);
}

bool isColour(const QImage& image, int x, int y, QRgb rgb) {
    return (image.pixel(x, y) & 0xffffffu) == rgb;
}

TEST_F(EndToEnd, PictureFollowsTypedInputAndExitEndsTheProgram) {
    // The default picture: harmonic 1 of 20 stands at x = 70.
    QImage shot = screenshot();
    EXPECT_TRUE(isColour(shot, 70, 231, 0x0332c8));
    EXPECT_TRUE(isColour(shot, 693, 300, 0xc8fa64));

    // Five harmonics: stems at x = 50 + 80 k; the two-pixel stub under the axis is always blue.
    typeInto(508, 538, QStringLiteral("5"));
    // The packet 1, 1, 1, 1, 1, 1, 1, 1: markers at 610, 660, ..., 910.
    for (const int x : {164, 188, 212, 236, 260, 284, 308})
        typeInto(x, 546, QStringLiteral("1"));
    // Envelope off.
    click(598, 168);
    settle();

    shot = screenshot();
    for (int k = 0; k <= 5; ++k)
        EXPECT_TRUE(isColour(shot, 50 + 80 * k, 231, 0x0332c8)) << "harmonic " << k;
    EXPECT_FALSE(isColour(shot, 70, 231, 0x0332c8));
    for (const int x : {610, 660, 710, 760, 810, 860, 910}) {
        int green = 0;
        for (int y = 291; y < 430; ++y)
            green += isColour(shot, x, y, 0xc8fa64) ? 1 : 0;
        EXPECT_GT(green, 100) << "marker at " << x;
    }
    EXPECT_FALSE(isColour(shot, 693, 300, 0xc8fa64));
    int envelope = 0;
    for (int y = 0; y < 606; ++y)
        for (int x = 0; x < 988; ++x)
            envelope += isColour(shot, x, y, 0xc8fafa) ? 1 : 0;
    EXPECT_EQ(envelope, 0);
    shot.save(QDir(QStringLiteral(TOVENAL_BUILD_DIR)).filePath(QStringLiteral("end-to-end.png")));

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

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const bool tools = !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() &&
                       !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
    if (tools && startXServer()) {
        qputenv("DISPLAY", display.toUtf8());
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        xServer.reset();
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int result = 0;
    {
        QGuiApplication application(argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (xServer) {
        xServer->terminate();
        xServer->waitForFinished(5000);
    }
    return result;
}
