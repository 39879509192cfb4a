#include "AccessibleRegion.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace {

// The widget behind a region: no painting, no mouse, no focus; it keeps the region's lines and the
// accessible objects made for them.
class RegionWidget : public QWidget {
    Q_OBJECT
public:
    explicit RegionWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    ~RegionWidget() override { dropLines(0); }

    int lineCount() const { return m_count; }
    QString lineText(int line) const { return line < m_count ? m_text(line) : QString(); }
    void setLines(int count, std::function<QString(int)> text) {
        dropLines(count);
        m_count = count;
        m_text = std::move(text);
    }
    QAccessibleInterface* lineInterface(int line);

private:
    // Deletes the accessible objects of the lines from `first` on.
    void dropLines(int first) {
        for (std::size_t n = static_cast<std::size_t>(first); n < m_lineIds.size(); ++n)
            if (m_lineIds[n] != 0)
                QAccessible::deleteAccessibleInterface(m_lineIds[n]);
        if (static_cast<std::size_t>(first) < m_lineIds.size())
            m_lineIds.resize(static_cast<std::size_t>(first));
    }

    int m_count = 0;
    std::function<QString(int)> m_text;
    std::vector<QAccessible::Id> m_lineIds;
};

// One line of a region: read-only text over the region's rectangle.
class LineAccessible : public QAccessibleInterface {
public:
    LineAccessible(RegionWidget* region, int line) : m_region(region), m_line(line) {}

    int line() const { return m_line; }
    bool isValid() const override { return m_region != nullptr; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_region);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && m_region ? m_region->lineText(m_line) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return parent() ? parent()->rect() : QRect(); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    QPointer<RegionWidget> m_region;
    int m_line;
};

QAccessibleInterface* RegionWidget::lineInterface(int line) {
    const auto n = static_cast<std::size_t>(line);
    if (n >= m_lineIds.size())
        m_lineIds.resize(n + 1, 0);
    if (m_lineIds[n] == 0)
        m_lineIds[n] = QAccessible::registerAccessibleInterface(new LineAccessible(this, line));
    return QAccessible::accessibleInterface(m_lineIds[n]);
}

// The region as a chart whose children are its lines.
class RegionAccessible : public QAccessibleWidget {
public:
    explicit RegionAccessible(RegionWidget* region)
        : QAccessibleWidget(region, QAccessible::Chart) {}

    int childCount() const override { return region()->lineCount(); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? region()->lineInterface(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* line = dynamic_cast<const LineAccessible*>(child);
        return line && line->parent() == this && line->line() < childCount() ? line->line() : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    RegionWidget* region() const { return static_cast<RegionWidget*>(widget()); }
};

QAccessibleInterface* regionFactory(const QString& key, QObject* object) {
    if (auto* region = qobject_cast<RegionWidget*>(object);
        region && key == QLatin1String(RegionWidget::staticMetaObject.className()))
        return new RegionAccessible(region);
    return nullptr;
}

} // namespace

TAccessibleRegion::TAccessibleRegion(QWidget* parent) : TControl(new RegionWidget(parent)) {
    QAccessible::installFactory(regionFactory);
}

QString TAccessibleRegion::GetText() const {
    return widget()->accessibleName();
}

void TAccessibleRegion::SetText(const QString& name) {
    SetAccessibleName(name);
}

void TAccessibleRegion::SetLines(int count, std::function<QString(int line)> text) {
    static_cast<RegionWidget*>(widget())->setLines(count, std::move(text));
}

#include "AccessibleRegion.moc"
