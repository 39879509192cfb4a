#include "Dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

#include <vector>

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
    qt.pictureSize = [](QWidget* parent, bool png) -> std::optional<PictureSize> {
        QStringList items;
        std::vector<PictureSize> sizes;
        for (int scale = kMinPictureScale; scale <= (png ? kMaxPictureScale : kMinPictureScale);
             ++scale) {
            items << (png ? QCoreApplication::translate("Dialogs", "Рисунок окна, ×%1").arg(scale)
                          : QCoreApplication::translate("Dialogs", "Рисунок окна"));
            sizes.push_back({.scale = scale, .slide = std::nullopt});
        }
        const auto slide = [&](QSize size, const char* text) {
            items << QCoreApplication::translate("Dialogs", text)
                         .arg(size.width())
                         .arg(size.height());
            sizes.push_back({.slide = size});
        };
        // The screen the lecture is given on first, if a slide can have its size.
        if (const QSize screen = parent->screen()->size(); isSlideSize(screen))
            slide(screen, QT_TRANSLATE_NOOP("Dialogs", "Слайд %1×%2 (экран)"));
        for (const QSize size : kSlideSizes)
            slide(size, QT_TRANSLATE_NOOP("Dialogs", "Слайд %1×%2"));
        bool chosen = false;
        const QString item = QInputDialog::getItem(
            parent, QCoreApplication::translate("Dialogs", "Сохранить рисунок"),
            QCoreApplication::translate("Dialogs", "Что сохранить:"), items, 0, false, &chosen);
        return chosen ? std::optional(sizes[static_cast<std::size_t>(items.indexOf(item))])
                      : std::nullopt;
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
