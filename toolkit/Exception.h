#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The toolkit's exception: a message text for the error display.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : Message(std::move(message)), m_utf8(Message.toUtf8()) {}
    const char* what() const noexcept override { return m_utf8.constData(); }

    QString Message;

private:
    QByteArray m_utf8;
};

// Raised by the strict text conversions on text that is not a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
