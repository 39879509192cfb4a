#pragma once

// The keys of the window: Up, Down, PageUp and PageDown step the number in a field, F1 lists the
// keys. A step writes the new number as if it were typed, so the field's rules and the pass run.

#include "InputFields.h"

#include <QObject>

#include <utility>

class QMenu;
class TForm;

class FieldKeys final : public QObject {
    Q_OBJECT

public:
    FieldKeys(TForm& form, const InputFields& fields, const QMenu& menu);

    // The keys of the fields, then the context menu's shortcuts read from the menu itself.
    QString keysText() const;

private:
    std::pair<int, int> stepLimits(const TEdit* field) const;
    void stepField(TEdit* field, int& key);

    InputFields m_fields;
    const QMenu& m_menu;
};
