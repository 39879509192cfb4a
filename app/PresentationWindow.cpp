#include "PresentationWindow.h"

#include "PassPublisher.h"
#include "Readouts.h"
#include "Slide.h"
#include "Vcl.h"
#include "WindowAction.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// The item's text as written, translated where it is shown.
const char* const kTitle = QT_TRANSLATE_NOOP("PresentationWindow", "Презентация");

// The surface of the presentation: the slide of the latest pass at the widget's size, and the
// keys a lecturer drives with, handed to the feature.
class PresentationSurface final : public QWidget {
public:
    PresentationSurface(const PassPublisher& passes,
                        std::function<bool(int, Qt::KeyboardModifiers)> onKey)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_passes(passes),
          m_onKey(std::move(onKey)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paintSlide(painter, size(), m_passes.latest());
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!m_onKey(event->key(), event->modifiers()))
            QWidget::keyPressEvent(event);
    }

private:
    const PassPublisher& m_passes;
    std::function<bool(int, Qt::KeyboardModifiers)> m_onKey;
};

} // namespace

PresentationWindow::PresentationWindow(TForm& form, PassPublisher& passes,
                                       const InputFields& fields)
    : QObject(form.widget()), m_form(form), m_passes(passes), m_fields(fields) {
    connect(&passes, &PassPublisher::published, this, &PresentationWindow::follow);
}

// Not a child of the main window: a full-screen window of its own, which goes with the feature.
PresentationWindow::~PresentationWindow() {
    delete m_window;
}

void PresentationWindow::addItem(QMenu& menu) {
    m_menu = &menu;
    addWindowAction(m_form, menu, *this, kTitle, QKeySequence(Qt::Key_F11), [this] { toggle(); });
}

void PresentationWindow::toggle() {
    if (m_window && m_window->isVisible())
        close();
    else
        open();
}

void PresentationWindow::open() {
    if (!m_window)
        build();
    m_passes.wantMeasures(this, true);
    fitToScreen(m_form.widget()->screen());
    m_window->showFullScreen();
    m_window->raise();
    m_window->activateWindow();
    m_window->setFocus();
    follow(m_passes.latest());
}

void PresentationWindow::close() {
    if (!m_window || !m_window->isVisible())
        return;
    m_window->hide();
    m_passes.wantMeasures(this, false);
    m_form.widget()->activateWindow();
    m_form.widget()->raise();
}

void PresentationWindow::build() {
    m_window = new PresentationSurface(m_passes, [this](int key, Qt::KeyboardModifiers modifiers) {
        return handleKey(key, modifiers);
    });
    m_window->setWindowTitle(tr(kTitle));
    m_window->setAccessibleName(tr(kTitle));
    // The menu's shortcuts work here as in the main window: listening, the build-up, the
    // drawings, the measures.
    if (m_menu)
        m_window->addActions(m_menu->actions());
    // A screen unplugged or resized while presenting never leaves the window off screen.
    connect(qGuiApp, &QGuiApplication::screenRemoved, m_window, [this](QScreen* screen) {
        if (m_window->screen() == screen || !m_window->screen())
            fitToScreen(QGuiApplication::primaryScreen());
    });
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, m_window,
            [this] { fitToScreen(m_window->screen()); });
}

void PresentationWindow::fitToScreen(QScreen* screen) {
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (QScreen* previous = m_window->screen())
        disconnect(previous, &QScreen::geometryChanged, this, nullptr);
    m_window->setScreen(screen);
    m_window->setGeometry(screen->geometry());
    connect(screen, &QScreen::geometryChanged, this,
            [this](const QRect& geometry) { m_window->setGeometry(geometry); });
}

// Each pass redraws once, whatever the passes of one keystroke; screen readers hear the panels'
// summaries as the presentation's description.
void PresentationWindow::follow(const spectrum::PassResult& pass) {
    if (!m_window || !m_window->isVisible())
        return;
    m_window->setWindowTitle(tr(kTitle));
    m_window->setAccessibleName(tr(kTitle));
    m_window->setAccessibleDescription(amplitudeSummary(pass, pass.filledEnvelope) + u' ' +
                                       phaseSummary(pass) + u' ' + signalSummary(pass));
    m_window->update();
}

// Up, Down, PageUp and PageDown step the range's upper end as if pressed in that field; Esc
// returns to the main window (a running build-up takes Esc first, and only stops); the menu's
// keys work as in the main window.
bool PresentationWindow::handleKey(int key, Qt::KeyboardModifiers modifiers) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(m_fields.rangeTo->lineEdit(), &press);
        return true;
    }
    case Qt::Key_Escape:
        close();
        return true;
    default:
        break;
    }
    // The menu's keys, also where the window system has not made the presentation active.
    const QKeySequence pressed(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
    for (QAction* action : m_menu ? m_menu->actions() : QList<QAction*>())
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == pressed) {
            action->trigger();
            return true;
        }
    return false;
}
