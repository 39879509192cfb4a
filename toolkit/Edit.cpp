#include "Edit.h"

#include "EventDispatch.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// A line edit that offers each key to its control before acting on it.
class KeyedLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    std::function<bool(int key)> takesKey;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (takesKey && takesKey(event->key()))
            event->accept();
        else
            QLineEdit::keyPressEvent(event);
    }
};

} // namespace

TEdit::TEdit(QWidget* parent) : TEdit(new KeyedLineEdit(parent)) {
    static_cast<KeyedLineEdit*>(m_edit)->takesKey = [this](int key) {
        if (!eventsEnabled() || !OnKeyDown)
            return false;
        EventDispatch::raise([&](TObject* sender) { OnKeyDown(sender, key); }, this);
        return key == 0;
    };
}

TEdit::TEdit(QLineEdit* edit) : TControl(edit), m_edit(edit) {
    m_edit->setTextMargins(0, 0, 0, 0);
    QObject::connect(m_edit, &QLineEdit::textChanged, [this] {
        if (eventsEnabled())
            EventDispatch::raise(OnChange, this);
    });
}

QString TEdit::GetText() const {
    return m_edit->text();
}

void TEdit::SetText(const QString& text) {
    if (text == m_edit->text())
        return;
    EventDispatch::write([&] { m_edit->setText(text); });
}

void TEdit::SelectAll() {
    m_edit->selectAll();
}
