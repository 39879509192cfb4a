#pragma once

// What the window asks of a person through dialogs. Every action goes through these, so that
// tests can answer in place of a person (as TApplication::OnException replaces the message box).

#include "CommandLine.h"

#include <QString>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

struct Dialogs {
    // A file to write: the caption, the suggested path and the filters; the chosen filter comes
    // back through `filter`. An empty path means the person cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& suggested,
                          const QString& filters, QString* filter)>
        saveFileName;
    std::function<QString(QWidget* parent, const QString& caption, const QString& folder,
                          const QString& filters)>
        openFileName;
    // What a saved picture shows: the window's picture (for a PNG, 1 ... 8 times its size) or a
    // slide, of the parent's screen's size or one of kSlideSizes; nothing if cancelled.
    std::function<std::optional<PictureSize>(QWidget* parent, bool png)> pictureSize;
    // Shows what went wrong; returns when the person has read it.
    std::function<void(QWidget* parent, const QString& text)> warn;
    // Lets the person print what `paint` draws on a printer (a preview with a print button).
    std::function<void(QWidget* parent, const std::function<void(QPrinter*)>& paint)> print;
};

// The dialogs of the program: Qt's own, until a test replaces them.
Dialogs& dialogs();
