#pragma once

// An item of the window's context menu: its shortcut works without the menu too, while the window
// is active, and it runs like any handler of the window, so an error it raises is shown as theirs.

#include <QKeySequence>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class TForm;

QAction* addWindowAction(TForm& form, QMenu& menu, const QString& text, const QKeySequence& keys,
                         std::function<void()> run);
