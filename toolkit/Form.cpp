#include "Form.h"

#include "EventDispatch.h"
#include "FormWindow.h"
#include "ImageCanvas.h"
#include "WindowStyle.h"

#include <QShortcut>

TForm::TForm(TObject* /*owner*/, int clientWidth, int clientHeight)
    : TControl(nullptr),
      m_canvas(std::make_unique<ImageCanvas>(clientWidth, clientHeight, windowFace())) {
    m_window = new FormWindow(m_canvas.get());
    attachWidget(m_window);
    m_window->setFixedSize(clientWidth, clientHeight);
    m_window->setFont(windowFont());
    m_window->onActivated = [this] { raise(OnActivate); };
    m_window->onClicked = [this] { raise(OnClick); };
    m_window->onContextMenu = [this](QPoint at) {
        if (!IsLoading() && OnContextPopup)
            EventDispatch::raise([this, at](TObject*) { OnContextPopup(at); }, this);
    };
    m_window->acceptsFile = [this](const QString& path) {
        return !IsLoading() && AcceptsFile && AcceptsFile(path);
    };
    m_window->onFileDropped = [this](const QString& path) {
        if (OnDropFile)
            EventDispatch::raise([this, &path](TObject*) { OnDropFile(path); }, this);
    };
    m_window->hintAt = [this](QPoint at) { return hintAt(at); };
    m_canvas->SetFont(windowFont());
    m_canvas->setChangedHandler([this] { m_window->update(); });
}

TForm::~TForm() {
    // The widgets go first, with their connections, so that no signal reaches a control object
    // that is already gone.
    delete m_window;
    m_controls.clear();
}

QString TForm::GetText() const {
    return m_window->windowTitle();
}

void TForm::SetText(const QString& caption) {
    m_window->setWindowTitle(caption);
}

void TForm::Close() {
    m_window->close();
}

void TForm::Refresh() {
    m_canvas->Clear();
}

void TForm::Show() {
    m_window->show();
}

QWidget* TForm::clientWidget() const {
    return m_window;
}

void TForm::AddShortCut(const QKeySequence& keys, TNotifyEvent handler) {
    auto* shortcut = new QShortcut(keys, m_window);
    QObject::connect(shortcut, &QShortcut::activated,
                     [this, handler = std::move(handler)] { raise(handler); });
}

void TForm::Loaded() {
    enableEvents();
    for (const auto& control : m_controls)
        control->enableEvents();
}

void TForm::watchShortcuts(QWidget* control) {
    control->installEventFilter(m_window);
}

void TForm::raise(const TNotifyEvent& event) {
    if (!IsLoading())
        EventDispatch::raise(event, this);
}

QString TForm::hintAt(QPoint at) {
    QString text;
    if (OnHint)
        raise([&](TObject* sender) { text = OnHint(sender, at); });
    return text;
}
