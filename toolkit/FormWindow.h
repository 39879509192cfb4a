#pragma once

#include <QWidget>
#include <functional>

class ImageCanvas;
class QMimeData;
class QHelpEvent;

// The Qt window behind a form: shows the form's drawing surface, reports window activation and
// clicks on the free client area, and shows the tooltips asked for there.
class FormWindow : public QWidget {
public:
    explicit FormWindow(ImageCanvas* canvas);

    std::function<void()> onActivated;
    std::function<void()> onClicked;
    // A context menu asked for on the free client area, at this point of the client area.
    std::function<void(QPoint)> onContextMenu;
    // Files offered by a drag: which of them the window takes, then those dropped.
    std::function<bool(const QString& path)> acceptsFile;
    std::function<void(const QString& path)> onFileDropped;

    // The window's own shortcuts win over a control's use of the same keys (a text field takes
    // Ctrl+E to move to the end of the line): the form watches its controls for them.
    bool eventFilter(QObject* watched, QEvent* event) override;
    std::function<QString(QPoint at)> hintAt;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void activated();
    QString acceptedFile(const QMimeData* data) const;
    void showHint(const QHelpEvent* event);

    ImageCanvas* m_canvas;
    bool m_pressedOnClient = false;
    bool m_activatedSinceShow = false;
};
