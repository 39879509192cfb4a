// The actions live in the context menu on the free client area and in their shortcuts; the
// window's design keeps no menu bar.

#include "FileActions.h"

#include "CommandLine.h"
#include "Dialogs.h"
#include "Examples.h"
#include "Export.h"
#include "FileWriting.h"
#include "ImageCanvas.h"
#include "PassPublisher.h"
#include "PixelMath.h"
#include "SetupFile.h"
#include "SetupInput.h"
#include "Slide.h"
#include "WindowAction.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace {

// The file dialogs' filters, in the window's language when they are shown.
QString setupFilter() {
    return FileActions::tr("Установки Tovenal (*.%1)").arg(kSetupExtension);
}
QString csvFilter() {
    return FileActions::tr("Таблицы CSV (*.csv)");
}
QString pngFilter() {
    return FileActions::tr("Рисунок PNG (*.png)");
}
QString svgFilter() {
    return FileActions::tr("Рисунок SVG (*.svg)");
}
QString pdfFilter() {
    return FileActions::tr("Документ PDF (*.pdf)");
}

// File dialogs start in the folder used last.
QString lastFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QSettings().value(QStringLiteral("lastFolder"), documents).toString();
}

void rememberFolder(const QString& path) {
    QSettings().setValue(QStringLiteral("lastFolder"), QFileInfo(path).absolutePath());
}

// The extension a filter names ("*.png" gives ".png").
QString extensionOf(const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    return star < 0 ? QString() : filter.mid(star + 1).chopped(1);
}

// The picture fitted to the printer's page, proportions kept, as vectors.
void paintOnPage(QPrinter* printer, const spectrum::PassResult& pass) {
    QPainter painter(printer);
    const QRectF page = painter.viewport();
    const QSizeF picture(plot::kPictureWidth, plot::kPictureHeight);
    const qreal scale = std::min(page.width() / picture.width(), page.height() / picture.height());
    painter.scale(scale, scale);
    paintPicture(painter, pass, pass.filledEnvelope);
}

} // namespace

FileActions::FileActions(TForm& form, const PassPublisher& passes, const InputFields& fields)
    : QObject(form.widget()), m_form(form), m_passes(passes), m_fields(fields) {
    // A set-up file dropped on the window opens.
    form.AcceptsFile = [](const QString& path) {
        return QFileInfo(path).suffix().compare(kSetupExtension, Qt::CaseInsensitive) == 0;
    };
    form.OnDropFile = [this](const QString& path) { openSetupFile(path); };
}

void FileActions::addPictureItems(QMenu& menu) {
    addWindowAction(m_form, menu, *this, QT_TR_NOOP("Сохранить рисунок…"),
                    QKeySequence(Qt::CTRL | Qt::Key_S), [this] { savePicture(); });
    addWindowAction(m_form, menu, *this, QT_TR_NOOP("Копировать рисунок"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyPicture(); });
    addWindowAction(m_form, menu, *this, QT_TR_NOOP("Печать…"), QKeySequence(Qt::CTRL | Qt::Key_P),
                    [this] { printPicture(); });
}

void FileActions::addTableItems(QMenu& menu) {
    addWindowAction(m_form, menu, *this, QT_TR_NOOP("Экспорт гармоник (CSV)…"),
                    QKeySequence(Qt::CTRL | Qt::Key_E), [this] { exportHarmonics(); });
    addWindowAction(m_form, menu, *this, QT_TR_NOOP("Экспорт сигнала (CSV)…"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), [this] { exportSignal(); });
}

void FileActions::addSetupItems(QMenu& menu) {
    m_openSetupItem = addWindowAction(m_form, menu, *this, QT_TR_NOOP("Открыть установку…"),
                                      QKeySequence(Qt::CTRL | Qt::Key_O), [this] { openSetup(); });
    addWindowAction(m_form, menu, *this, QT_TR_NOOP("Сохранить установку…"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { saveSetup(); });
    QMenu* examplesMenu = menu.addMenu(QString());
    translateItem(examplesMenu->menuAction(), "FileActions", QT_TR_NOOP("Примеры"));
    for (const Example& example : examples())
        translateItem(
            addWindowAction(m_form, *examplesMenu, QString(), QKeySequence(),
                            [this, setup = example.setup] { applySetup(m_fields, setup); }),
            kExamplesContext, example.name.toUtf8().constData());
    retranslate();
}

// What F1 adds to the item's name.
void FileActions::retranslate() {
    m_openSetupItem->setWhatsThis(tr("(или перетащить файл *.%1 в окно)").arg(kSetupExtension));
}

bool FileActions::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && m_openSetupItem)
        retranslate();
    return QObject::event(event);
}

const spectrum::PassResult& FileActions::latest() const {
    return m_passes.latest();
}

QString FileActions::askSavePath(const QString& caption, const QString& name,
                                 const QString& filters, QString* filter) {
    QString path = dialogs().saveFileName(m_form.widget(), caption,
                                          QDir(lastFolder()).filePath(name), filters, filter);
    if (path.isEmpty())
        return {};
    // A name typed without its extension gets the one of the chosen kind.
    const QString extension = extensionOf(filter ? *filter : filters);
    if (QFileInfo(path).suffix().isEmpty() && !extension.isEmpty())
        path += extension;
    rememberFolder(path);
    return path;
}

// Written whole or not at all: a failed save leaves any existing file as it was.
void FileActions::saveFile(const QString& path, const QByteArray& bytes) {
    if (const auto error = writeFileAtomically(path, bytes))
        dialogs().warn(m_form.widget(), tr("Файл не сохранён.\n%1").arg(*error));
}

void FileActions::savePicture() {
    QString filter = pngFilter();
    const QString path =
        askSavePath(tr("Сохранить рисунок"), QStringLiteral("spectrum.png"),
                    pngFilter() + u";;" + svgFilter() + u";;" + pdfFilter(), &filter);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (path.isEmpty())
        return;
    const bool png = suffix != u"svg" && suffix != u"pdf";
    const std::optional<PictureSize> size = dialogs().pictureSize(m_form.widget(), png);
    if (!size)
        return;
    const spectrum::PassResult& pass = latest();
    const std::optional<QSize> slide = size->slide;
    if (png)
        saveFile(path,
                 slide ? slidePng(pass, *slide) : pngOf(m_form.GetCanvas()->image(), size->scale));
    else if (suffix == u"svg")
        saveFile(path, slide ? slideSvg(pass, *slide) : svgOf(pass, pass.filledEnvelope));
    else
        saveFile(path, slide ? slidePdf(pass, *slide) : pdfOf(pass, pass.filledEnvelope));
}

void FileActions::copyPicture() {
    QGuiApplication::clipboard()->setImage(m_form.GetCanvas()->image());
}

void FileActions::printPicture() {
    dialogs().print(m_form.widget(), [this](QPrinter* printer) { paintOnPage(printer, latest()); });
}

void FileActions::exportHarmonics() {
    const QString path =
        askSavePath(tr("Экспорт гармоник"), QStringLiteral("harmonics.csv"), csvFilter());
    if (!path.isEmpty())
        saveFile(path, harmonicsCsv(latest(), currentSetup(m_fields)));
}

void FileActions::exportSignal() {
    const QString path =
        askSavePath(tr("Экспорт сигнала"), QStringLiteral("signal.csv"), csvFilter());
    if (!path.isEmpty())
        saveFile(path, signalCsv(latest()));
}

void FileActions::saveSetup() {
    const Setup setup = currentSetup(m_fields);
    if (const auto problem = checkSetup(setup)) {
        //: %1 is the set-up's key, %2 its value and %3 what is wrong with it, all in English
        dialogs().warn(m_form.widget(), tr("Такую установку не сохранить: %1 %2 %3")
                                            .arg(keyName(problem->key),
                                                 valueText(setup, problem->key), problem->reason));
        return;
    }
    const QString path = askSavePath(
        tr("Сохранить установку"), QStringLiteral("setup.%1").arg(kSetupExtension), setupFilter());
    if (!path.isEmpty())
        saveFile(path, setupFileText(setup));
}

void FileActions::openSetup() {
    const QString path = dialogs().openFileName(m_form.widget(), tr("Открыть установку"),
                                                lastFolder(), setupFilter());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    openSetupFile(path);
}

bool FileActions::openSetupFile(const QString& path) {
    Setup setup;
    if (const auto error = readSetupFile(path, setup)) {
        dialogs().warn(m_form.widget(), tr("Установка не открыта.\n%1").arg(*error));
        return false;
    }
    applySetup(m_fields, setup);
    return true;
}
