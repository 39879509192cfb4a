#pragma once

#include <QWidget>
#include <functional>

class ImageCanvas;
class QMimeData;

// The Qt window behind a form: shows the form's drawing surface and reports window activation and
// clicks on the free client area.
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

    ImageCanvas* m_canvas;
    bool m_pressedOnClient = false;
    bool m_activatedSinceShow = false;
};
