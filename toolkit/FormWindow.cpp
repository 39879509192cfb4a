#include "FormWindow.h"

#include "ImageCanvas.h"

#include <QAction>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

FormWindow::FormWindow(ImageCanvas* canvas) : m_canvas(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        activated();
    if (event->type() == QEvent::ToolTip) {
        showHint(static_cast<QHelpEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* action : actions())
            if (action->shortcut() == pressed)
                return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FormWindow::paintEvent(QPaintEvent* event) {
    // On a high-density screen every canvas pixel becomes a whole block of device pixels, never a
    // blend of its neighbours, so the one-pixel lines stay sharp.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), m_canvas->image(), event->rect());
    m_canvas->markPresented();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_activatedSinceShow = false;
    // Without a window manager a window may never be activated; the program still needs the
    // first activation to draw its picture.
    QTimer::singleShot(0, this, [this] {
        if (!m_activatedSinceShow && isVisible())
            activated();
    });
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    m_pressedOnClient =
        event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr;
    QWidget::mousePressEvent(event);
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool click = m_pressedOnClient && event->button() == Qt::LeftButton &&
                       rect().contains(at) && childAt(at) == nullptr;
    m_pressedOnClient = false;
    if (click && onClicked)
        onClicked();
    QWidget::mouseReleaseEvent(event);
}

// Controls without a tooltip of their own pass the event on to the window; they get none.
void FormWindow::showHint(const QHelpEvent* event) {
    const QString text =
        hintAt && childAt(event->pos()) == nullptr ? hintAt(event->pos()) : QString();
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), text, this);
}

void FormWindow::activated() {
    m_activatedSinceShow = true;
    if (onActivated)
        onActivated();
}

void FormWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (onContextMenu && childAt(event->pos()) == nullptr)
        onContextMenu(event->pos());
}

// The one local file of a drag that the window takes, or nothing.
QString FormWindow::acceptedFile(const QMimeData* data) const {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile() || !acceptsFile)
        return {};
    const QString path = urls.front().toLocalFile();
    return acceptsFile(path) ? path : QString();
}

void FormWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!acceptedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void FormWindow::dropEvent(QDropEvent* event) {
    const QString path = acceptedFile(event->mimeData());
    if (path.isEmpty() || !onFileDropped)
        return;
    event->acceptProposedAction();
    onFileDropped(path);
}
