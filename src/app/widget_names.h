#pragma once

#include <QFont>
#include <QString>
#include <string_view>

// Small helpers for building windows: every control carries its name as objectName,
// which is how the logic and the tests find it.
namespace talmero::app {

template <typename T>
T* named(T* widget, std::string_view name)
{
    widget->setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    return widget;
}

inline QFont boldFont(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace talmero::app
