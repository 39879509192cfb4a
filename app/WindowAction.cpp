#include "WindowAction.h"

#include "EventDispatch.h"
#include "Form.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QWidget>

namespace {

// The item's text, translated anew whenever its menu hears of a change of language.
class ItemTranslation final : public QObject {
public:
    ItemTranslation(QAction* item, const char* context, const char* text)
        : QObject(item), m_item(item), m_context(context), m_text(text) {
        item->setText(translated());
        item->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange)
            m_item->setText(translated());
        return false;
    }

private:
    QString translated() const {
        return QCoreApplication::translate(m_context.constData(), m_text.constData());
    }

    QAction* m_item;
    QByteArray m_context;
    QByteArray m_text;
};

} // namespace

QAction* addWindowAction(TForm& form, QMenu& menu, const QString& text, const QKeySequence& keys,
                         std::function<void()> run) {
    QAction* action = menu.addAction(text);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    form.widget()->addAction(action);
    QObject::connect(action, &QAction::triggered, form.widget(), [&form, run = std::move(run)] {
        EventDispatch::raise([run](TObject*) { run(); }, &form);
    });
    return action;
}

QAction* addWindowAction(TForm& form, QMenu& menu, const QObject& feature, const char* text,
                         const QKeySequence& keys, std::function<void()> run) {
    QAction* action = addWindowAction(form, menu, QString(), keys, std::move(run));
    translateItem(action, feature.metaObject()->className(), text);
    return action;
}

void translateItem(QAction* item, const char* context, const char* text) {
    new ItemTranslation(item, context, text);
}
