#include "Dialogs.h"

#include "CommandLine.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

Dialogs qtDialogs() {
    Dialogs qt;
    qt.saveFileName = [](QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filters, QString* filter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filters, filter);
    };
    qt.openFileName = [](QWidget* parent, const QString& caption, const QString& folder,
                         const QString& filters) {
        return QFileDialog::getOpenFileName(parent, caption, folder, filters);
    };
    qt.pictureScale = [](QWidget* parent) -> std::optional<int> {
        bool chosen = false;
        const int scale = QInputDialog::getInt(
            parent, QStringLiteral("Сохранить рисунок"),
            QStringLiteral("Пикселей на пиксель окна (1…%1):").arg(kMaxPictureScale), 1, 1,
            kMaxPictureScale, 1, &chosen);
        return chosen ? std::optional(scale) : std::nullopt;
    };
    qt.warn = [](QWidget* parent, const QString& text) {
        QMessageBox::warning(parent, QStringLiteral("Tovenal"), text);
    };
    qt.print = [](QWidget* parent, const std::function<void(QPrinter*)>& paint) {
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog preview(&printer, parent);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, paint);
        preview.exec();
    };
    return qt;
}

} // namespace

Dialogs& dialogs() {
    static Dialogs current = qtDialogs();
    return current;
}
