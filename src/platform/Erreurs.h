#pragma once

#include <QString>

#include <exception>

// Errors raised by the platform services (files, conversions, XML, catalogue engine). The screens
// do not catch them: the handler stops and the application's standard error box shows message().
class EPlatformError : public std::exception {
public:
    explicit EPlatformError(QString message);
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that is not a number of the expected kind.
class EConvertError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// A file or folder that cannot be found, read or written.
class EFileError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// A document that is not well-formed XML.
class EXmlError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};

// The catalogue engine refused a connection or a statement.
class EDatabaseError : public EPlatformError {
public:
    using EPlatformError::EPlatformError;
};
