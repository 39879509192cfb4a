#include "MeasuresWindow.h"

#include "MeasuresText.h"
#include "Overlays.h"
#include "PassPublisher.h"
#include "Vcl.h"
#include "WindowAction.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {

QString title() {
    return MeasuresWindow::tr("Мощность и ширина спектра");
}

QString bandwidthItemText(int share) {
    //: %1 is the share of the power, "90 %"
    return MeasuresWindow::tr("Ширина спектра %1").arg(bandwidthLabel(share));
}

// Tells the feature when its window is shown and hidden, however it is closed.
class Visibility final : public QObject {
public:
    Visibility(QObject* parent, std::function<void(bool)> changed)
        : QObject(parent), m_changed(std::move(changed)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            m_changed(event->type() == QEvent::Show);
        return false;
    }

private:
    std::function<void(bool)> m_changed;
};

} // namespace

MeasuresWindow::MeasuresWindow(TForm& form, PassPublisher& passes)
    : QObject(form.widget()), m_form(form), m_passes(passes),
      m_share(spectrum::kBandwidthShares.front()) {
    connect(&passes, &PassPublisher::published, this, &MeasuresWindow::follow);
}

MeasuresWindow::~MeasuresWindow() = default;

void MeasuresWindow::addItems(QMenu& menu) {
    addWindowAction(m_form, menu, *this, QT_TR_NOOP("Мощность и ширина спектра…"),
                    QKeySequence(Qt::CTRL | Qt::Key_M), [this] { open(); });
    m_idealItem = addWindowAction(m_form, menu, *this, QT_TR_NOOP("Идеальный сигнал"),
                                  QKeySequence(Qt::CTRL | Qt::Key_I), [this] { askOverlays(); });
    m_bandwidthItem =
        addWindowAction(m_form, menu, bandwidthItemText(m_share),
                        QKeySequence(Qt::CTRL | Qt::Key_B), [this] { askOverlays(); });
    for (QAction* item : {m_idealItem, m_bandwidthItem})
        item->setCheckable(true);
}

void MeasuresWindow::showOverlays(const spectrum::PictureOverlays& overlays) {
    m_idealItem->setChecked(overlays.idealSignal);
    m_bandwidthItem->setChecked(overlays.bandwidthShare != 0);
    if (overlays.bandwidthShare != 0)
        setShare(overlays.bandwidthShare);
    askOverlays();
}

void MeasuresWindow::setShare(int share) {
    if (std::ranges::find(spectrum::kBandwidthShares, share) == spectrum::kBandwidthShares.end())
        return;
    m_share = share;
    m_bandwidthItem->setText(bandwidthItemText(share));
    if (m_shares)
        m_shares->setCurrentIndex(m_shares->findData(share));
    askOverlays();
}

void MeasuresWindow::askOverlays() {
    m_passes.setOverlays(
        {m_idealItem->isChecked(), m_bandwidthItem->isChecked() ? m_share : 0, m_share});
}

void MeasuresWindow::open() {
    if (!m_window)
        buildWindow();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    follow(m_passes.latest());
}

// A tool window over the main one, placed beside it where the screen has room.
void MeasuresWindow::buildWindow() {
    QWidget* main = m_form.widget();
    m_window = new QWidget(main, Qt::Tool);
    m_choice = new QLabel(m_window);
    m_shares = new QComboBox(m_window);
    for (const int share : spectrum::kBandwidthShares)
        m_shares->addItem(bandwidthLabel(share), share);
    m_shares->setCurrentIndex(m_shares->findData(m_share));
    m_choice->setBuddy(m_shares);
    connect(m_shares, &QComboBox::activated, this,
            [this](int index) { setShare(m_shares->itemData(index).toInt()); });
    m_lines = new QListWidget(m_window);
    retranslate();
    m_lines->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* row = new QHBoxLayout;
    row->addWidget(m_choice);
    row->addWidget(m_shares);
    row->addStretch();
    auto* layout = new QVBoxLayout(m_window);
    layout->addLayout(row);
    layout->addWidget(m_lines);

    auto* copy = new QShortcut(QKeySequence::Copy, m_window);
    connect(copy, &QShortcut::activated, this, &MeasuresWindow::copyLines);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), m_window);
    connect(close, &QShortcut::activated, m_window, &QWidget::close);
    // A child of the feature, not of the window: it goes with the feature, before the window.
    m_window->installEventFilter(
        new Visibility(this, [this](bool shown) { m_passes.wantMeasures(this, shown); }));

    m_window->resize(460, 360);
    const QRect beside(main->frameGeometry().topRight() + QPoint(8, 0), m_window->size());
    const QRect screen = main->screen()->availableGeometry();
    m_window->move(std::clamp(beside.left(), screen.left(),
                              std::max(screen.left(), screen.right() - beside.width())),
                   std::clamp(beside.top(), screen.top(),
                              std::max(screen.top(), screen.bottom() - beside.height())));
}

void MeasuresWindow::retranslate() {
    m_bandwidthItem->setText(bandwidthItemText(m_share));
    if (!m_window)
        return;
    m_window->setWindowTitle(title());
    m_window->setAccessibleName(title());
    m_choice->setText(tr("Ширина спектра на рисунке:"));
    m_lines->setAccessibleName(title());
    for (int n = 0; n < m_shares->count(); ++n)
        m_shares->setItemText(n, bandwidthLabel(m_shares->itemData(n).toInt()));
}

// The lines follow with the pass a change of language brings.
bool MeasuresWindow::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && m_bandwidthItem)
        retranslate();
    return QObject::event(event);
}

// Follows every pass while shown; a hidden window is refilled when it is shown again, by the pass
// its showing asks for.
void MeasuresWindow::follow(const spectrum::PassResult& pass) {
    if (!m_window || !m_window->isVisible())
        return;
    const QStringList lines = measuresLines(pass);
    if (m_lines->count() == lines.size()) {
        for (int n = 0; n < lines.size(); ++n)
            if (m_lines->item(n)->text() != lines[n])
                m_lines->item(n)->setText(lines[n]);
        return;
    }
    m_lines->clear();
    m_lines->addItems(lines);
}

// The selected lines, or all of them when none is selected.
void MeasuresWindow::copyLines() {
    QStringList lines;
    for (int n = 0; n < m_lines->count(); ++n)
        if (m_lines->selectedItems().isEmpty() || m_lines->item(n)->isSelected())
            lines << m_lines->item(n)->text();
    QApplication::clipboard()->setText(lines.join(u'\n'));
}
