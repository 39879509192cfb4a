#pragma once

// An item of the window's context menu: its shortcut works without the menu too, while the window
// is active, and it runs like any handler of the window, so an error it raises is shown as theirs.

#include <QKeySequence>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QObject;
class TForm;

QAction* addWindowAction(TForm& form, QMenu& menu, const QString& text, const QKeySequence& keys,
                         std::function<void()> run);
// The same with one of the feature's texts as written (marked with QT_TR_NOOP), shown in the
// window's language as that changes.
QAction* addWindowAction(TForm& form, QMenu& menu, const QObject& feature, const char* text,
                         const QKeySequence& keys, std::function<void()> run);

// Shows an item (or, through its menuAction(), a submenu's title) as the translation of `text` in
// `context`, now and whenever the language changes.
void translateItem(QAction* item, const char* context, const char* text);
