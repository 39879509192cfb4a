#pragma once

#include "Canvas.h"
#include "RandomDriver.h"
#include "Tovenal_unit.h"

#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

// Builds a fresh Form1 for every test, as the program does at start, and collects what reaches
// the error display instead of showing a message box.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The first activation of the window: the first pass.
    void activate() { Form1->activate(Form1); }

    QImage canvas() const { return Form1->GetCanvas()->image(); }

    // What the window shows, each read in one place.
    // The plots: the drawing surface of the client area.
    static QImage picture();
    // The whole window, controls and plots, as the screen shows it.
    static QImage screen();
    // One line: the packet fields, l_period, the count and the range, the three options. A field
    // whose whole text is selected is marked '*', a greyed range or option is in brackets:
    // "1 0 0 0 0 0 0 2 100 | 300 | 20: 0..20 | o x x".
    static QString summary();
    // The summary, f1, and both lists side by side.
    static QString state();
    static QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xffffffu; }
    QRgb pixel(int x, int y) const { return canvas().pixel(x, y) & 0xffffffu; }
    static QRgb rgb(int r, int g, int b) { return static_cast<QRgb>((r << 16) | (g << 8) | b); }

    // Types text at the cursor of a field, key by key, as a person would.
    static void type(TEdit* field, const QString& keys);
    // Selects the whole text of a field and types over it.
    static void typeOver(TEdit* field, const QString& keys);
    // Clears a field as Ctrl+A, Delete would.
    static void clear(TEdit* field);
    // Replaces the whole text at once, as a paste over a selection does.
    static void paste(TEdit* field, const QString& text) { field->SetText(text); }
    static bool wholeTextSelected(const TEdit* field);
    static bool anythingSelected(const TEdit* field);

    QStringList errors;
};

// Pixel colours of the picture.
inline constexpr QRgb kBlackPixel = 0x000000;
inline constexpr QRgb kWhitePixel = 0xffffff;
inline constexpr QRgb kGridPixel = 0xc8c8c8;
inline constexpr QRgb kEnvelopePixel = 0xc8fafa;
inline constexpr QRgb kAmplitudeStemPixel = 0x0332c8;
inline constexpr QRgb kPhaseStemPixel = 0x963296;
inline constexpr QRgb kCapPixel = 0xfa3264;
inline constexpr QRgb kMarkerPixel = 0xc8fa64;
inline constexpr QRgb kBackgroundPixel = 0xf0f0f0;
