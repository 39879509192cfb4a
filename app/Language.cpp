#include "Language.h"

#include "Form.h"
#include "Languages.h"
#include "PassPublisher.h"
#include "WindowAction.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QMenu>
#include <QSettings>
#include <QTranslator>

#include <cstring>

#include <algorithm>
#include <memory>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

const QString kSettingsKey = u"language"_s;

// Each language by its own name, as a person looks for it whatever the window speaks now.
QString nativeName(QStringView language) {
    return language == u"ru" ? u"Русский"_s : u"English"_s;
}

bool speaks(const QString& language) {
    return std::ranges::find(kLanguages, QStringView(language)) != kLanguages.end();
}

QString& loaded() {
    static QString language = kLanguages.front().toString();
    return language;
}

// Qt's own texts in a language (its dialogs, buttons, key names, file errors), read from Qt's
// translation when the first of them is asked for: a window that shows none pays nothing for them.
// Qt's contexts are its classes' names, which begin with Q; the program's texts are never looked
// for there.
class QtTexts final : public QTranslator {
public:
    void setLanguage(const QString& language) {
        m_language = language;
        m_qt = std::make_unique<QTranslator>();
        m_loaded = std::make_unique<std::once_flag>();
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (context == nullptr || context[0] != 'Q')
            return {};
        // Asked by Qt itself whenever a translation is installed: both languages are written
        // left to right, and the answer must not load Qt's translation at start-up.
        if (std::strcmp(source, "QT_LAYOUT_DIRECTION") == 0)
            return QStringLiteral("LTR");
        std::call_once(*m_loaded, [this] {
            (void)m_qt->load(u"qtbase_"_s + m_language,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        });
        return m_qt->translate(context, source, disambiguation, n);
    }

private:
    QString m_language;
    std::unique_ptr<QTranslator> m_qt;
    std::unique_ptr<std::once_flag> m_loaded;
};

} // namespace

bool loadLanguage(const QString& language, bool qtTexts) {
    if (!speaks(language))
        return false;
    // The program's texts, and Qt's. Russian is the texts' own language, so its translation holds
    // nothing but their plural forms; English is Qt's.
    static QTranslator own;
    static QtTexts qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    // Stored uncompressed in the program: the translation is used where it lies.
    if (own.load(u":/i18n/tovenal_"_s + language))
        QCoreApplication::installTranslator(&own);
    if (qtTexts && language != u"en") {
        qt.setLanguage(language);
        QCoreApplication::installTranslator(&qt);
    }
    loaded() = language;
    return true;
}

QString loadedLanguage() {
    return loaded();
}

QString startLanguage(const std::optional<QString>& given) {
    const QString remembered = QSettings().value(kSettingsKey).toString();
    return given.value_or(speaks(remembered) ? remembered : kLanguages.front().toString());
}

Language::Language(TForm& form, PassPublisher& passes, std::function<void()> retitleWindow)
    : QObject(form.widget()), m_passes(passes), m_retitleWindow(std::move(retitleWindow)) {}

void Language::addItem(QMenu& menu) {
    m_menu = menu.addMenu(QString());
    translateItem(m_menu->menuAction(), "Language", QT_TR_NOOP("Язык"));
    auto* group = new QActionGroup(m_menu);
    for (const QStringView language : kLanguages) {
        QAction* item = m_menu->addAction(nativeName(language));
        item->setCheckable(true);
        item->setChecked(language == loadedLanguage());
        item->setActionGroup(group);
        connect(item, &QAction::triggered, this,
                [this, language = language.toString()] { choose(language); });
    }
}

void Language::choose(const QString& language) {
    if (language == loadedLanguage() || !loadLanguage(language))
        return;
    QSettings().setValue(kSettingsKey, language);
    // The windows hear of the change from the events Qt posts; they hear of it now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

bool Language::event(QEvent* event) {
    if (event->type() != QEvent::LanguageChange)
        return QObject::event(event);
    m_retitleWindow();
    if (m_menu) {
        const QList<QAction*> items = m_menu->actions();
        for (std::size_t n = 0; n < kLanguages.size(); ++n)
            items[static_cast<qsizetype>(n)]->setChecked(kLanguages[n] == loadedLanguage());
    }
    // The picture's labels are drawn by the pass; a window not yet shown draws at its first.
    if (m_passes.count() > 0)
        emit m_passes.requestsChanged();
    return true;
}
