// Reference scenarios: what a user gives the window, and the whole reviewed result: the field
// texts, l_period, f1, both lists and the picture, kept under tests/reference/. Beside each
// picture, <name>.pixels holds a few pixels computed by hand from the design's worked examples,
// checked against the reviewed picture and the live one, so that no reference rests on the code
// alone. TOVENAL_UPDATE_REFERENCES=1 rewrites the pictures and texts from the present program
// (review every changed picture before committing it; the .pixels files are never rewritten).

#include "WindowFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>

namespace {

struct Scenario {
    const char* name;
    const char* steps; // after the first activation, in the language of perform()
    bool wholeWindow;  // also compare the whole window, controls included
};

void PrintTo(const Scenario& scenario, std::ostream* out) {
    *out << scenario.name;
}

const Scenario kScenarios[] = {
    {"defaults", "", true},
    {"count3-curve", "Edit10=3 CheckBox2", false},
    {"ones-200-no-envelope",
     "Edit2=1 Edit3=1 Edit4=1 Edit5=1 Edit6=1 Edit7=1 Edit8=1 Edit10=200 CheckBox3", false},
    {"count150-range0", "Edit10=150 Edit13=0 Edit14=0", false},
    {"odd-49-show-all",
     "Edit1=2 Edit2=9 Edit3=12 Edit4=12 Edit5=1 Edit6=4 Edit7=1 Edit8=7 Edit9=780 Edit10=49 "
     "CheckBox1",
     false},
    {"zero-period", "Edit2=-3", false},
    {"long-period", "Edit1=-1 Edit2=-30000000 Edit8=-2 Edit9=-1", false},
};

const QHash<QString, QRgb> kColours = {
    {"black", 0x000000}, {"white", 0xffffff},    {"background", 0xf0f0f0},
    {"grid", 0xc8c8c8},  {"envelope", 0xc8fafa}, {"stem", 0x0332c8},
    {"phase", 0x963296}, {"cap", 0xfa3264},      {"marker", 0xc8fa64}};

QString referencePath(const QString& file) {
    return QStringLiteral(TOVENAL_REFERENCE_DIR "/") + file;
}

bool updating() {
    return qEnvironmentVariableIntValue("TOVENAL_UPDATE_REFERENCES") == 1;
}

// Writes the picture and a copy with every differing pixel in red over a faded background, and
// says where they are.
std::string writeDiff(const QString& name, const QImage& actual, const QImage& expected) {
    QDir dir(QCoreApplication::applicationDirPath());
    dir.mkpath(QStringLiteral("reference-diff"));
    dir.cd(QStringLiteral("reference-diff"));
    QImage diff = actual;
    int count = 0;
    for (int y = 0; y < diff.height(); ++y)
        for (int x = 0; x < diff.width(); ++x) {
            const bool same = expected.valid(x, y) && expected.pixel(x, y) == actual.pixel(x, y);
            const int grey = 160 + qGray(actual.pixel(x, y)) * 95 / 255;
            diff.setPixel(x, y, same ? qRgb(grey, grey, grey) : qRgb(255, 0, 0));
            count += same ? 0 : 1;
        }
    actual.save(dir.filePath(name + QStringLiteral("-actual.png")));
    diff.save(dir.filePath(name + QStringLiteral("-diff.png")));
    return std::to_string(count) + " pixels differ from the reference " + name.toStdString() +
           ".png; see " + dir.filePath(name + QStringLiteral("-diff.png")).toStdString();
}

void expectPicture(const QString& name, const QImage& actual) {
    const QString file = referencePath(name + QStringLiteral(".png"));
    if (updating())
        actual.save(file);
    if (QImage(file).convertToFormat(QImage::Format_RGB32) != actual)
        ADD_FAILURE() << writeDiff(name, actual, QImage(file));
}

class Reference : public WindowTest, public ::testing::WithParamInterface<Scenario> {};

} // namespace

TEST_P(Reference, WindowShowsTheReviewedResult) {
    const Scenario& scenario = GetParam();
    const QString name = QString::fromUtf8(scenario.name);
    play(QStringLiteral("activate ") + QString::fromUtf8(scenario.steps));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();

    QFile texts(referencePath(name + QStringLiteral(".txt")));
    if (updating() && texts.open(QIODevice::WriteOnly))
        texts.write(state().toUtf8());
    texts.close();
    ASSERT_TRUE(texts.open(QIODevice::ReadOnly)) << texts.fileName().toStdString();
    EXPECT_EQ(state().toStdString(), texts.readAll().toStdString());

    expectPicture(name, picture());
    if (scenario.wholeWindow) {
        Form1->Show();
        expectPicture(name + QStringLiteral("-window"), screen());
    }

    // "x y colour  why", computed by hand.
    QFile pixels(referencePath(name + QStringLiteral(".pixels")));
    ASSERT_TRUE(pixels.open(QIODevice::ReadOnly | QIODevice::Text));
    const QImage reviewed(referencePath(name + QStringLiteral(".png")));
    int checked = 0;
    for (const QString& line : QString::fromUtf8(pixels.readAll()).split(u'\n')) {
        const QStringList word = line.split(u' ', Qt::SkipEmptyParts);
        if (word.size() < 3 || word[0].startsWith(u'#'))
            continue;
        const int x = word[0].toInt();
        const int y = word[1].toInt();
        ASSERT_TRUE(kColours.contains(word[2])) << line.toStdString();
        EXPECT_EQ(at(reviewed, x, y), kColours[word[2]])
            << "reviewed picture: " << line.toStdString();
        EXPECT_EQ(at(picture(), x, y), kColours[word[2]]) << line.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 4);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Reference, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) {
                             QString name = QString::fromUtf8(info.param.name);
                             return name.remove(u'-').toStdString();
                         });
