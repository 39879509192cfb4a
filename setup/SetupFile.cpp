#include "SetupFile.h"

#include <QFile>
#include <QList>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

const QString versionKey = QStringLiteral("version");
const QString formatVersion = QStringLiteral("1");

// Where and how a key was given, for the messages about its value.
struct Entry {
    int line = 0;
    QString text;
};

// The text of one line, or what makes it unreadable.
std::optional<QString> decodeLine(const QByteArray& bytes, QString& text) {
    if (bytes.contains('\0'))
        return QStringLiteral("NUL byte");
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                     QStringDecoder::Flag::Stateless);
    text = decoder.decode(bytes);
    if (decoder.hasError())
        return QStringLiteral("not UTF-8 text");
    return std::nullopt;
}

// The number of the line on which the file ends: a final line break closes the last line.
int lastLineNumber(const QList<QByteArray>& lines) {
    const auto count = lines.size() > 1 && lines.last().isEmpty() ? lines.size() - 1 : lines.size();
    return static_cast<int>(count);
}

std::optional<SetupKey> keyNamed(QStringView name) {
    for (const SetupKey key : kSetupKeys)
        if (keyName(key) == name)
            return key;
    return std::nullopt;
}

QString givenTwice(const QString& name, int firstLine) {
    return QStringLiteral("%1 is given twice, first on line %2").arg(quoted(name)).arg(firstLine);
}

} // namespace

QByteArray setupFileText(const Setup& setup) {
    QString text = QStringLiteral("# Tovenal set-up\n%1 = %2\n").arg(versionKey, formatVersion);
    for (const SetupKey key : kSetupKeys)
        text += keyName(key) + u" = "_s + valueText(setup, key) + u'\n';
    return text.toUtf8();
}

std::optional<QString> readSetup(const QByteArray& bytes, const QString& path, Setup& setup) {
    const auto error = [&path](int line, const QString& what) {
        return QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(what);
    };
    if (bytes.size() > kMaxSetupFileBytes)
        return error(static_cast<int>(bytes.left(kMaxSetupFileBytes).count('\n')) + 1,
                     QStringLiteral("the file goes on beyond %1 bytes").arg(kMaxSetupFileBytes));

    const QList<QByteArray> lines = bytes.split('\n');
    int versionLine = 0;
    std::array<std::optional<Entry>, kSetupKeys.size()> entries;
    SetupChanges changes;
    for (int number = 1; number <= lines.size(); ++number) {
        QString text;
        if (const auto problem = decodeLine(lines[number - 1], text))
            return error(number, *problem);
        if (number == 1 && text.startsWith(QChar(0xFEFF))) // a byte order mark some editors write
            text.remove(0, 1);
        text = text.trimmed();
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        const qsizetype equals = text.indexOf(u'=');
        if (equals < 0)
            return error(number, quoted(text) + u" is not KEY = VALUE"_s);
        const QString name = text.left(equals).trimmed();
        const QString value = text.mid(equals + 1).trimmed();

        // The version comes first, so that nothing is read in a format this program does not know.
        if (versionLine == 0) {
            if (name != versionKey)
                return error(number, QStringLiteral("the file must begin with \"%1 = %2\"")
                                         .arg(versionKey, formatVersion));
            if (value != formatVersion)
                return error(number, QStringLiteral("version %1 is not supported, only %2")
                                         .arg(quoted(value), formatVersion));
            versionLine = number;
            continue;
        }
        if (name == versionKey)
            return error(number, givenTwice(name, versionLine));
        const std::optional<SetupKey> key = keyNamed(name);
        if (!key)
            return error(number, u"unknown key "_s + quoted(name));
        std::optional<Entry>& entry = entries[static_cast<std::size_t>(*key)];
        if (entry)
            return error(number, givenTwice(name, entry->line));
        if (const auto problem = parseValue(*key, value, changes))
            return error(number, name + u": "_s + *problem);
        entry = Entry{number, value};
    }

    const int lastLine = lastLineNumber(lines);
    if (versionLine == 0)
        return error(
            lastLine,
            QStringLiteral("the file ends without \"%1 = %2\"").arg(versionKey, formatVersion));
    for (const SetupKey key : kSetupKeys)
        if (!entries[static_cast<std::size_t>(key)])
            return error(lastLine, u"the file ends without "_s + quoted(keyName(key)));

    const Setup read = applied(Setup{}, changes);
    if (const auto problem = checkSetup(read)) {
        const Entry& entry = *entries[static_cast<std::size_t>(problem->key)];
        return error(entry.line,
                     keyName(problem->key) + u": "_s + shown(entry.text) + u' ' + problem->reason);
    }
    setup = read;
    return std::nullopt;
}

std::optional<QString> readSetupFile(const QString& path, Setup& setup) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path + u": cannot read: "_s + file.errorString();
    // One byte beyond the limit is enough to tell that a file is too long.
    const QByteArray bytes = file.read(kMaxSetupFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return path + u": cannot read: "_s + file.errorString();
    return readSetup(bytes, path, setup);
}
