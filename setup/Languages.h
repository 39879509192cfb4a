#pragma once

// The languages the window and the exports speak, by their ISO 639 codes: Russian, the language
// the program's texts are written in and the default whatever the system's locale, then English.

#include <QStringView>

#include <array>

inline constexpr std::array<QStringView, 2> kLanguages{u"ru", u"en"};
