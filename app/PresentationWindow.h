#pragma once

// "Презентация": the picture's two panels and the facts of the packet, redrawn as vectors at the
// size of the screen the main window is on, for a lecture hall. The main window stays the one
// state: the presentation follows every pass, and its keys act on the main window's fields and
// items as if used there. Esc or F11 returns to the main window.

#include "InputFields.h"
#include "Pass.h"

#include <QObject>

class QAction;
class QMenu;
class QScreen;
class QWidget;
class PassPublisher;
class TForm;

class PresentationWindow final : public QObject {
    Q_OBJECT

public:
    PresentationWindow(TForm& form, PassPublisher& passes, const InputFields& fields);
    ~PresentationWindow() override;

    // The item, and every other item of the menu, whose keys then work in the presentation too.
    void addItem(QMenu& menu);
    void toggle();
    void open();
    void close();
    // The full-screen window, once it has been opened.
    QWidget* window() const { return m_window; }

private:
    void build();
    void fitToScreen(QScreen* screen);
    void follow(const spectrum::PassResult& pass);
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);

    TForm& m_form;
    PassPublisher& m_passes;
    InputFields m_fields;
    QMenu* m_menu = nullptr;
    QWidget* m_window = nullptr;
};
