#pragma once
// A failure reported to the user with the program's own message text. It is
// thrown by operations and shown by the application's error report (or by a
// handler that catches it to keep the window consistent).

#include <QString>

#include <stdexcept>

namespace termora {

class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// "Cannot create file \"%s\". %s" and "Cannot open file \"%s\". %s".
QString cannotCreateFileMessage(const QString& path, const QString& reason);
QString cannotOpenFileMessage(const QString& path, const QString& reason);

}  // namespace termora
