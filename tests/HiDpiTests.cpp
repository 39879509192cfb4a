// The window on a screen of twice the density: same layout, every canvas pixel a sharp 2 x 2 block.

#include "Application.h"
#include "Canvas.h"
#include "Tovenal_unit.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(HiDpi, WindowKeepsItsLayoutAndThePictureStaysSharp) {
    Application->CreateForm(Form1);
    Form1->Show();
    Form1->activate(Form1);
    const QImage shot = Form1->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.devicePixelRatio(), 2.0);
    ASSERT_EQ(shot.size(), QSize(1976, 1212));
    EXPECT_EQ(Form1->Edit10->widget()->geometry(), QRect(496, 528, 25, 21));
    EXPECT_EQ(Form1->ListBox1->widget()->geometry(), QRect(712, 48, 89, 201));

    // Over both plot panels each canvas pixel covers exactly its 2 x 2 block, unblended.
    const QImage picture = Form1->GetCanvas()->image();
    int mismatches = 0;
    for (const QRect panel : {QRect(10, 10, 510, 490), QRect(540, 280, 430, 160)})
        for (int y = panel.top(); y <= panel.bottom(); ++y)
            for (int x = panel.left(); x <= panel.right(); ++x)
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        mismatches += shot.pixel(2 * x + dx, 2 * y + dy) != picture.pixel(x, y);
    EXPECT_EQ(mismatches, 0);
    // The stem of harmonic 1 stands at canvas column 70: device columns 140 and 141.
    EXPECT_EQ(shot.pixel(140, 300) & 0xffffffu, 0x0332c8u);
    EXPECT_EQ(shot.pixel(141, 300) & 0xffffffu, 0x0332c8u);
    EXPECT_NE(shot.pixel(142, 300) & 0xffffffu, 0x0332c8u);
    Application->ReleaseForms();
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    ::testing::InitGoogleTest(&argc, argv);
    Application->Initialize(argc, argv);
    SetDecimalSeparator(u'.');
    const int result = RUN_ALL_TESTS();
    Application->Shutdown();
    return result;
}
