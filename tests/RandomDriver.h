#pragma once

// What a person (or a cat on the keyboard) does to the real Form1, written as steps for the window
// suites and the fuzz target; and the driver, which plays long seeded sequences of them.

#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>

class TEdit;

// Edit1 ... Edit14 of Form1.
TEdit* field(int number);

// One step on Form1:
//   "EditN=text"  pastes over the whole text   "EditN:keys"  selects all and types the keys
//   "EditN:"      selects all and deletes      "EditN+keys"  types the keys at the cursor
//   "EditN<"      backspace                    "EditN@k"     puts the cursor at k
//   "CheckBoxN", "RadioButtonN"  a click       "click", "activate"  the free client area, the
//   window "EditN!text", "CheckBoxN=1", "RadioButtonN=0"  what the program itself writes
//   "Menu:keys"   chooses the context menu's item with these shortcut keys ("Menu:Ctrl+I")
void perform(const QString& step);
// Steps separated by blanks.
void play(const QString& steps);

// The deepest nesting of handlers that one step may cause.
inline constexpr int kMaxHandlerNesting = 6;

struct DriverResult {
    std::string failure; // empty when every invariant held
    QStringList prefix;  // the steps up to the failure (empty when none failed)
    int deepestNesting = 0;
};

// On a fresh, activated Form1, up to `count` steps from `next`, each followed by a check of what
// the window promises at rest; the first failure ends the shortest failing prefix.
DriverResult playChecked(const std::function<QString()>& next, std::size_t count);
// Steps drawn at random from `seed` among those possible on the window as it is.
DriverResult playRandomSession(std::uint64_t seed, std::size_t actions);
