#pragma once

#include "BuildUpAnimation.h"
#include "ImageCanvas.h"
#include "Listening.h"
#include "PassPublisher.h"
#include "RandomDriver.h"
#include "Tovenal_unit.h"

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

// The colour of a pixel as 0xRRGGBB.
inline QRgb at(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffffu;
}

// The window's features, found among its children as Qt finds any child.
inline BuildUpAnimation& buildUp() {
    return *Form1->widget()->findChild<BuildUpAnimation*>();
}
inline QAction* listenItem() {
    return Form1->widget()->findChild<Listening*>()->item();
}

// A row of a table: the steps to start from, the steps under test, and what they give.
struct StepRow {
    const char* start;
    const char* action;
    const char* expected;
};

inline void PrintTo(const StepRow& row, std::ostream* out) {
    *out << '"' << row.start << "\" then \"" << row.action << '"';
}

// A fresh Form1 for every test, built as the program builds it, not yet activated. What reaches
// the error display goes to `errors`; any left at the end fail the test. The window is driven
// with perform() and play() and read only through the helpers below, each in one place.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The plots: the drawing surface of the client area.
    static QImage picture() { return Form1->GetCanvas()->image(); }
    // The whole window, controls and plots, as the screen shows it.
    static QImage screen() {
        return Form1->widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Packet fields, l_period, count: range, options; '*' marks a wholly selected field, brackets
    // a greyed range or option: "1 0 0 0 0 0 0 2 100 | 300 | 20: 0..20 | o x x".
    static QString summary();
    // The summary, f1, and both lists side by side.
    static QString state();
    // The first activation, then the window shown and active, the keyboard's target.
    static void showActive();

    QStringList errors;
};
