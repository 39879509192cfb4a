#pragma once

#include <QColor>
#include <QFont>

// The window font: an 11-pixel sans with Cyrillic, built into the program, not antialiased, fully
// hinted, so that text looks the same on every screen.
QFont windowFont();
// The classic light-grey button face of the window and its free client area.
QColor windowFace();
