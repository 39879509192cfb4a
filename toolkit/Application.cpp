#include "Application.h"

#include "EventDispatch.h"
#include "WindowStyle.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QStyle>
#include <cstdio>

namespace {

TApplication applicationInstance;

// The light-grey button face, the same on every desktop theme.
QPalette windowPalette() {
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, windowFace());
    palette.setColor(QPalette::Button, windowFace());
    // Text is black while a control is usable; disabled controls keep the style's grey.
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, Qt::black);
        palette.setColor(group, QPalette::ButtonText, Qt::black);
        palette.setColor(group, QPalette::Text, Qt::black);
        palette.setColor(group, QPalette::Base, Qt::white);
    }
    return palette;
}

} // namespace

TApplication* Application = &applicationInstance;

TApplication::TApplication() {
    EventDispatch::setErrorSink([this](std::exception_ptr error) { HandleException(error); });
}

TApplication::~TApplication() {
    // After main has returned, Qt's own globals may already be gone: destroying the Qt application
    // now would crash, and the process is ending anyway.
    if (m_qtApplication)
        static_cast<void>(m_qtApplication.release());
}

void TApplication::Shutdown() {
    ReleaseForms();
    m_qtApplication.reset();
}

void TApplication::Initialize(int& argc, char** argv) {
    if (QApplication::instance() == nullptr) {
        // Whole scale factors only: the picture is scaled by whole pixels.
        QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
            Qt::HighDpiScaleFactorRoundingPolicy::Round);
        m_qtApplication = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(windowPalette());
    QApplication::setFont(windowFont());
}

void TApplication::Run() {
    if (TForm* main = MainForm()) {
        main->Show();
        QApplication::exec();
    }
    ReleaseForms();
}

void TApplication::ShowException(const Exception& error) {
    if (OnException) {
        OnException(error);
        return;
    }
    if (QApplication::instance() == nullptr) {
        std::fprintf(stderr, "%s\n", error.what());
        return;
    }
    QWidget* parent = MainForm() ? MainForm()->widget() : nullptr;
    QMessageBox::critical(parent, QApplication::applicationName(), error.Message);
}

void ShowMessage(const QString& text) {
    QWidget* parent = Application->MainForm() ? Application->MainForm()->widget() : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

void TApplication::HandleException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& exception) {
        ShowException(exception);
    } catch (const std::exception& exception) {
        ShowException(Exception(QString::fromLocal8Bit(exception.what())));
    } catch (...) {
        ShowException(Exception(QString()));
    }
}

void TApplication::ReleaseForms() {
    while (!m_forms.empty()) {
        OwnedForm owned = std::move(m_forms.back());
        m_forms.pop_back();
        owned.form.reset();
        owned.clearReference();
    }
}
