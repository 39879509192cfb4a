#pragma once

// "Язык": the language of the window, chosen from the context menu among kLanguages, applied at
// once to every text of the open windows (the picture's labels with a new pass) and remembered
// for the next start. Qt's own dialogs and buttons follow the same choice.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QMenu;
class PassPublisher;
class TForm;

// Loads the program's translation for `language`, and Qt's own (its dialogs, buttons and file
// errors) unless `qtTexts` is false, in place of those loaded before; false, and nothing changed,
// for a language the program does not speak. Needs the application object. The numbers keep the
// system locale's separators in every language.
bool loadLanguage(const QString& language, bool qtTexts = true);
// The language loaded last; Russian before any.
QString loadedLanguage();
// The language a window starts in: the command line's, else the one chosen in the window last
// time; Russian when none was, or the setting is not one the program speaks.
QString startLanguage(const std::optional<QString>& given);

class Language final : public QObject {
    Q_OBJECT

public:
    // `retitleWindow` sets the window's own captions again in the language loaded.
    Language(TForm& form, PassPublisher& passes, std::function<void()> retitleWindow);

    void addItem(QMenu& menu);
    // Speaks `language` from now on and remembers it for the next start; an unknown one is ignored.
    void choose(const QString& language);

protected:
    // Any change of the loaded translations retranslates the window's own texts and redraws it.
    bool event(QEvent* event) override;

private:
    PassPublisher& m_passes;
    std::function<void()> m_retitleWindow;
    QMenu* m_menu = nullptr;
};
