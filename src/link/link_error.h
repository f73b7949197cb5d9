#pragma once

#include <QString>
#include <stdexcept>

namespace talmero::link {

// An error that ends the user's action; its text is shown to the user as it stands.
class LinkError : public std::runtime_error {
public:
    explicit LinkError(const QString& text)
        : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The user cancelled the operation (a bus prompt, a Cancel button). Nothing more is sent;
// the log already says so.
class OperationCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "cancelled"; }
};

} // namespace talmero::link
