#include "Form.h"

#include "Application.h"
#include "Canvas.h"
#include "FormWindow.h"

#include <QApplication>

TForm::TForm(TObject* /*owner*/, int clientWidth, int clientHeight)
    : TControl(this, nullptr),
      m_canvas(std::make_unique<TCanvas>(clientWidth, clientHeight,
                                         QApplication::palette().color(QPalette::Window))) {
    m_window = new FormWindow(this, m_canvas.get());
    attachWidget(m_window);
    m_window->setFixedSize(clientWidth, clientHeight);
    m_window->setFont(TApplication::windowFont());
    m_canvas->SetFont(TApplication::windowFont());
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

void TForm::Loaded() {
    m_loading = false;
}
