#include "FileWriting.h"

#include <QSaveFile>

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    return path + QStringLiteral(": cannot write: ") + file.errorString();
}
