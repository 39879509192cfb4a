#pragma once

// The reviewed files of tests/reference/, for every suite that compares with them.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QString referencePath(const QString& name) {
    return QStringLiteral(TOVENAL_REFERENCE_DIR "/") + name;
}

// A file's bytes; none when it cannot be read, which no comparison with a reviewed file passes.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray referenceBytes(const QString& name) {
    return fileBytes(referencePath(name));
}
