// Set-up files (*.tovenal): a small, versioned text of "key = value" lines, one per value of a
// set-up, with the names of the command-line options:
//
//     # Tovenal set-up
//     version = 1
//     packet = 1,0,0,0,0,0,0,2
//     unit = 100
//     harmonics = 20
//     range = 0,20
//     show-all = no
//     envelope = fill
//
// "version = 1" comes first; then every key exactly once, in any order. Blank lines and lines
// starting with '#' are ignored, and blanks around keys and values too.
#pragma once

#include "Setup.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

inline constexpr qsizetype kMaxSetupFileBytes = 64 * 1024;
// The extension of set-up files, without its dot.
inline constexpr QStringView kSetupExtension = u"tovenal";

// The text of a set-up file that holds `setup`.
QByteArray setupFileText(const Setup& setup);

// Reads the bytes of a set-up file into `setup`, its values applied as if typed into the window.
// A file that is malformed, truncated or outside the fields' limits leaves `setup` alone and gives
// the error "PATH:LINE: what is wrong", PATH being `path` as given.
std::optional<QString> readSetup(const QByteArray& bytes, const QString& path, Setup& setup);

// The same for a file on disk; one that cannot be read gives "PATH: cannot read: reason".
std::optional<QString> readSetupFile(const QString& path, Setup& setup);
