#include "WindowAction.h"

#include "EventDispatch.h"
#include "Form.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

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
