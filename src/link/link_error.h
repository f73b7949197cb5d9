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

} // namespace talmero::link
