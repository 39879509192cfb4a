#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Writes the whole file or nothing, replacing what was there only when all is written. Gives
// "PATH: cannot write: reason" when it could not.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes);
