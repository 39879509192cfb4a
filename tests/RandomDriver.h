#pragma once

// Plays long seeded sequences of what a person (or a cat on the keyboard) can do to the real
// Form1, and checks after every action what the window promises.

#include <QString>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

class TEdit;

// Edit1 ... Edit14 of Form1.
TEdit* field(int number);

// One thing a user does to Form1, written as a step:
//   "EditN=text"  pastes text over the whole field   "EditN:keys"  selects all and types the keys
//   "EditN:"      selects all and deletes            "EditN+keys"  types the keys at the cursor
//   "EditN<"      backspace                          "EditN@k"     puts the cursor at k
//   "CheckBoxN", "RadioButtonN"  clicks it           "CheckBoxN=1" the program sets its state
//   "click"       clicks the free client area        "activate"    activates the window
void perform(const QString& step);
// Steps separated by blanks (so a pasted text holds no blank).
void play(const QString& steps);

struct DriverAction {
    enum class Kind {
        TypeKey,
        Paste,
        ClearField,
        Backspace,
        MoveCursor,
        ClickCheckBox,
        ClickRadio,
        ClickFreeArea,
        Activate
    };
    Kind kind = Kind::Activate;
    int target = 0;   // field 1 ... 14, check box 1 ... 3, radio button 1 ... 2, or cursor position
    int position = 0; // cursor position for MoveCursor
    QString text;

    std::string describe() const;
};

class RandomDriver {
public:
    explicit RandomDriver(std::uint64_t seed) : m_random(seed) {}

    // Draws the next action among those possible on the window as it is now.
    DriverAction next();

private:
    int pick(int count);
    QString pickText();

    std::mt19937_64 m_random;
};

// Performs one action on Form1 as the event loop would deliver it.
void Perform(const DriverAction& action);

// Every invariant of the window at rest; empty when all hold, otherwise what failed.
std::string CheckInvariants(int maxHandlerDepth, const std::vector<QString>& errorsShown);

struct DriverResult {
    std::size_t actionsPlayed = 0;
    std::string failure;              // empty when every invariant held
    std::vector<DriverAction> prefix; // the shortest failing prefix (empty when none failed)
    int deepestNesting = 0;
};

// The deepest nesting of handlers any single action may cause.
inline constexpr int kMaxHandlerNesting = 6;

// Builds a fresh Form1, runs its first pass, then plays `actions` actions from `seed`, checking
// the invariants after each; stops at the first failure. Releases the form at the end.
DriverResult PlayRandomSession(std::uint64_t seed, std::size_t actions);
