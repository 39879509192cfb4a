// What the window gives out: the picture saved, copied or printed, the tables exported, set-ups
// opened and saved, examples. The actions live in a context menu on the free client area and in
// their shortcuts; the window's design keeps no menu bar.

#include "CommandLine.h"
#include "Dialogs.h"
#include "Examples.h"
#include "Export.h"
#include "FileWriting.h"
#include "ImageCanvas.h"
#include "PixelMath.h"
#include "SetupFile.h"
#include "Tovenal_unit.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kSetupFilter = QStringLiteral("Установки Tovenal (*.%1)").arg(kSetupExtension);
const QString kCsvFilter = QStringLiteral("Таблицы CSV (*.csv)");
const QString kPngFilter = QStringLiteral("Рисунок PNG (*.png)");
const QString kSvgFilter = QStringLiteral("Рисунок SVG (*.svg)");
const QString kPdfFilter = QStringLiteral("Документ PDF (*.pdf)");

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
void paintOnPage(QPrinter* printer, const spectrum::PassResult& pass, bool filled) {
    QPainter painter(printer);
    const QRectF page = painter.viewport();
    const QSizeF picture(plot::kPictureWidth, plot::kPictureHeight);
    const qreal scale = std::min(page.width() / picture.width(), page.height() / picture.height());
    painter.scale(scale, scale);
    paintPicture(painter, pass, filled);
}

} // namespace

void TForm1::buildActions() {
    m_contextMenu = std::make_unique<QMenu>();
    // The sound item says in its tooltip which harmonics are heard.
    m_contextMenu->setToolTipsVisible(true);
    const auto add = [this](QMenu* menu, const QString& text, QKeySequence keys, auto run) {
        QAction* action = menu->addAction(text);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        widget()->addAction(action);
        QObject::connect(action, &QAction::triggered, widget(), [this, run] {
            EventDispatch::raise([run](TObject*) { run(); }, this);
        });
        return action;
    };
    add(m_contextMenu.get(), QStringLiteral("Сохранить рисунок…"),
        QKeySequence(Qt::CTRL | Qt::Key_S), [this] { savePicture(); });
    add(m_contextMenu.get(), QStringLiteral("Копировать рисунок"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copyPicture(); });
    add(m_contextMenu.get(), QStringLiteral("Печать…"), QKeySequence(Qt::CTRL | Qt::Key_P),
        [this] { printPicture(); });
    m_contextMenu->addSeparator();
    buildListening(add(m_contextMenu.get(), QStringLiteral("Слушать сигнал"),
                       QKeySequence(Qt::CTRL | Qt::Key_L),
                       [this] { listenToSignal(m_listenAction->isChecked()); }));
    buildAnimation(add(m_contextMenu.get(), QStringLiteral("Анимация гармоник"),
                       QKeySequence(Qt::Key_F5), [this] { toggleAnimation(); }));
    m_contextMenu->addSeparator();
    add(m_contextMenu.get(), QStringLiteral("Экспорт гармоник (CSV)…"),
        QKeySequence(Qt::CTRL | Qt::Key_E), [this] { exportHarmonics(); });
    add(m_contextMenu.get(), QStringLiteral("Экспорт сигнала (CSV)…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), [this] { exportSignal(); });
    m_contextMenu->addSeparator();
    add(m_contextMenu.get(), QStringLiteral("Открыть установку…"),
        QKeySequence(Qt::CTRL | Qt::Key_O), [this] { openSetup(); })
        ->setWhatsThis(QStringLiteral("(или перетащить файл *.%1 в окно)").arg(kSetupExtension));
    add(m_contextMenu.get(), QStringLiteral("Сохранить установку…"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { saveSetup(); });
    QMenu* examplesMenu = m_contextMenu->addMenu(QStringLiteral("Примеры"));
    for (const Example& example : examples())
        add(examplesMenu, example.name, QKeySequence(),
            [this, setup = example.setup] { applySetup(setup); });

    // A right click shows the menu and runs no pass; a set-up file dropped on the window opens.
    OnContextPopup = [this](QPoint at) { m_contextMenu->exec(widget()->mapToGlobal(at)); };
    AcceptsFile = [](const QString& path) {
        return QFileInfo(path).suffix().compare(kSetupExtension, Qt::CaseInsensitive) == 0;
    };
    OnDropFile = [this](const QString& path) { openSetupFile(path); };
}

QString TForm1::askSavePath(const QString& caption, const QString& name, const QString& filters,
                            QString* filter) {
    QString path = dialogs().saveFileName(widget(), caption, QDir(lastFolder()).filePath(name),
                                          filters, filter);
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
void TForm1::saveFile(const QString& path, const QByteArray& bytes) {
    if (const auto error = writeFileAtomically(path, bytes))
        dialogs().warn(widget(), QStringLiteral("Файл не сохранён.\n%1").arg(*error));
}

void TForm1::savePicture() {
    QString filter = kPngFilter;
    const QString path =
        askSavePath(QStringLiteral("Сохранить рисунок"), QStringLiteral("spectrum.png"),
                    kPngFilter + u";;" + kSvgFilter + u";;" + kPdfFilter, &filter);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (path.isEmpty())
        return;
    if (suffix == u"svg")
        saveFile(path, svgOf(m_pass, m_filled));
    else if (suffix == u"pdf")
        saveFile(path, pdfOf(m_pass, m_filled));
    else if (const auto scale = dialogs().pictureScale(widget()))
        saveFile(path, pngOf(GetCanvas()->image(), *scale));
}

void TForm1::copyPicture() {
    QGuiApplication::clipboard()->setImage(GetCanvas()->image());
}

void TForm1::printPicture() {
    dialogs().print(widget(),
                    [this](QPrinter* printer) { paintOnPage(printer, m_pass, m_filled); });
}

void TForm1::exportHarmonics() {
    const QString path = askSavePath(QStringLiteral("Экспорт гармоник"),
                                     QStringLiteral("harmonics.csv"), kCsvFilter);
    if (!path.isEmpty())
        saveFile(path, harmonicsCsv(m_pass, currentSetup()));
}

void TForm1::exportSignal() {
    const QString path =
        askSavePath(QStringLiteral("Экспорт сигнала"), QStringLiteral("signal.csv"), kCsvFilter);
    if (!path.isEmpty())
        saveFile(path, signalCsv(m_pass));
}

void TForm1::saveSetup() {
    const Setup setup = currentSetup();
    if (const auto problem = checkSetup(setup)) {
        dialogs().warn(widget(), QStringLiteral("Такую установку не сохранить: %1 %2 %3")
                                     .arg(keyName(problem->key), valueText(setup, problem->key),
                                          problem->reason));
        return;
    }
    const QString path = askSavePath(QStringLiteral("Сохранить установку"),
                                     QStringLiteral("setup.%1").arg(kSetupExtension), kSetupFilter);
    if (!path.isEmpty())
        saveFile(path, setupFileText(setup));
}

void TForm1::openSetup() {
    const QString path = dialogs().openFileName(widget(), QStringLiteral("Открыть установку"),
                                                lastFolder(), kSetupFilter);
    if (path.isEmpty())
        return;
    rememberFolder(path);
    openSetupFile(path);
}

bool TForm1::openSetupFile(const QString& path) {
    Setup setup;
    if (const auto error = readSetupFile(path, setup)) {
        dialogs().warn(widget(), QStringLiteral("Установка не открыта.\n%1").arg(*error));
        return false;
    }
    applySetup(setup);
    return true;
}
