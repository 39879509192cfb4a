#include "WindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

TEST_F(WindowTest, SavesDefaultWindowPicture) {
    Form1->Show();
    activate();
    const QImage shot = Form1->widget()->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(988, 606));
    EXPECT_TRUE(shot.save(QDir::current().absoluteFilePath(QStringLiteral("default-window.png"))));
}
