// What a user gives the window, and the reviewed texts and picture in tests/reference/, beside a
// few pixels computed by hand (<name>.pixels) so that no reference rests on the code alone.
// TOVENAL_UPDATE_REFERENCES=1 rewrites texts and pictures and skips the comparison (review every
// change before committing it); the hand-computed pixels are checked in either mode.

#include "ReferenceFile.h"
#include "WindowFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

struct Scenario {
    const char* name;
    const char* steps; // on the window as built (see perform())
};

const Scenario kScenarios[] = {
    // A click on the free client area draws the whole picture, as the first activation does; once,
    // the whole window: every control in its place.
    {"defaults", "click"},
    {"count3-curve", "activate Edit10=3 CheckBox2"},
    {"ones-200-no-envelope",
     "activate Edit2=1 Edit3=1 Edit4=1 Edit5=1 Edit6=1 Edit7=1 Edit8=1 Edit10=200 CheckBox3"},
    {"count150-range0", "activate Edit1=3 Edit2=9 Edit3=3 Edit4=1 Edit5=6 Edit6=5 Edit7=12 Edit8=9 "
                        "Edit9=493 Edit10=150 Edit13=0 Edit14=0"},
    {"odd-49-show-all", "activate Edit1=2 Edit2=9 Edit3=12 Edit4=12 Edit5=1 Edit6=4 Edit7=1 "
                        "Edit8=7 Edit9=780 Edit10=49 CheckBox1"},
    {"zero-period", "activate Edit2=-3"},
    {"long-period", "activate Edit1=-1 Edit2=-30000000 Edit8=-2 Edit9=-1"},
    // Typed as the end-to-end test types it into the real program.
    {"ones-5-no-envelope",
     "activate Edit10:5 Edit2:1 Edit3:1 Edit4:1 Edit5:1 Edit6:1 Edit7:1 Edit8:1 CheckBox3"},
    // Both drawings a person switches on: the ideal signal and the bandwidth's line.
    {"overlays", "activate Edit8=1 Edit13=1 Edit14=1 Menu:Ctrl+I Menu:Ctrl+B"},
    // The defaults in English, and the whole window: every caption fits beside its fields.
    {"english", "Language:en click"},
};

const QHash<QString, QRgb> kColours = {
    {u"black"_s, 0x000000}, {u"white"_s, 0xffffff},    {u"background"_s, 0xf0f0f0},
    {u"grid"_s, 0xc8c8c8},  {u"envelope"_s, 0xc8fafa}, {u"stem"_s, 0x0332c8},
    {u"phase"_s, 0x963296}, {u"cap"_s, 0xfa3264},      {u"marker"_s, 0xc8fa64},
    {u"ideal"_s, 0xff8000}, {u"bandwidth"_s, 0x009600}};

const bool kUpdating = qEnvironmentVariableIntValue("TOVENAL_UPDATE_REFERENCES") == 1;

// On a difference, writes the live picture beside the test program for a look.
void expectPicture(const QString& name, const QImage& actual) {
    const QString file = referencePath(name + u".png"_s);
    if (QImage(file).convertToFormat(QImage::Format_RGB32) == actual)
        return;
    const QString saved = QCoreApplication::applicationDirPath() + u"/"_s + name + u"-actual.png"_s;
    actual.save(saved);
    ADD_FAILURE() << qPrintable(file) << " differs from " << qPrintable(saved);
}

class Reference : public WindowTest, public ::testing::WithParamInterface<Scenario> {};

} // namespace

TEST_P(Reference, WindowShowsTheReviewedResult) {
    const QString name = QString::fromUtf8(GetParam().name);
    ASSERT_EQ(Form1->f1->GetText(), u"1"); // no pass ran while the window was built
    play(QString::fromUtf8(GetParam().steps));
    EXPECT_GE(expectHandComputedPixels(name, QImage(referencePath(name + u".png"_s)), picture(),
                                       kColours),
              4);
    QImage window;
    if (name == u"defaults" || name == u"english") {
        Form1->Show();
        window = screen();
    }
    if (kUpdating) {
        // A rewritten reference agrees with the program by construction: it proves nothing
        // until a person has looked at it.
        QFile texts(referencePath(name + u".txt"_s));
        ASSERT_TRUE(texts.open(QIODevice::WriteOnly) && texts.write(state().toUtf8()) >= 0);
        picture().save(referencePath(name + u".png"_s));
        if (!window.isNull())
            window.save(referencePath(name + u"-window.png"_s));
        GTEST_SKIP() << "references of " << qPrintable(name) << " rewritten: review them";
    }
    EXPECT_EQ(state().toStdString(), referenceBytes(name + u".txt"_s).toStdString());
    expectPicture(name, picture());
    if (!window.isNull())
        expectPicture(name + u"-window"_s, window);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Reference, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) {
                             return QString::fromUtf8(info.param.name).remove(u'-').toStdString();
                         });

// Run alone with QT_SCALE_FACTOR=2: each canvas pixel is a sharp 2 x 2 block of screen pixels.
class HiDpi : public WindowTest {};

TEST_F(HiDpi, PictureStaysSharpAtTwiceTheDensity) {
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != u"2")
        GTEST_SKIP() << "runs with QT_SCALE_FACTOR=2";
    perform(QStringLiteral("activate"));
    Form1->Show();
    const QImage shot = screen();
    ASSERT_EQ(shot.size(), QSize(988, 606) * 2);
    const QImage blocks = picture().scaled(shot.size()); // each pixel repeated, never blended
    for (const QRect panel : {QRect(10, 10, 510, 490), QRect(540, 280, 430, 160)}) {
        const QRect device(2 * panel.topLeft(), 2 * panel.size());
        EXPECT_TRUE(shot.copy(device) == blocks.copy(device)) << "panel at " << panel.x();
    }
}
