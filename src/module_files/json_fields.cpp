#include "module_files/json_fields.h"

#include <QCoreApplication>

#include <cmath>

namespace talmero::module_files {

Fields::Fields(const QJsonValue& value, QString path) : m_object(value.toObject()), m_path(std::move(path))
{
    if (!value.isObject())
        throw FieldProblem{m_path, Rules::tr("ожидается объект JSON")};
}

void Fields::fail(const QString& key, const QString& rule) const
{
    throw FieldProblem{key.isEmpty() ? m_path : at(key), rule};
}

QString Fields::text(const QString& key) const
{
    const std::optional<QString> t = optionalText(key);
    if (!t)
        fail(key, Rules::tr("поле обязательно"));
    return *t;
}

std::optional<QString> Fields::optionalText(const QString& key) const
{
    const QJsonValue v = m_object.value(key);
    if (v.isUndefined())
        return std::nullopt;
    if (!v.isString())
        fail(key, Rules::tr("ожидается строка"));
    return v.toString();
}

int Fields::number(const QString& key, int lowest, int highest) const
{
    const QJsonValue v = m_object.value(key);
    if (v.isUndefined())
        fail(key, Rules::tr("поле обязательно"));
    return optionalNumber(key, lowest, highest, 0);
}

int Fields::optionalNumber(const QString& key, int lowest, int highest, int absent) const
{
    const QJsonValue v = m_object.value(key);
    if (v.isUndefined())
        return absent;
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d))
        fail(key, Rules::tr("ожидается целое число"));
    // Compared as a double: a huge number must not be cast first.
    if (!(d >= lowest && d <= highest))
        fail(key, Rules::tr("число вне пределов %1…%2").arg(lowest).arg(highest));
    return int(d);
}

bool Fields::flag(const QString& key, bool absent) const
{
    const QJsonValue v = m_object.value(key);
    if (v.isUndefined())
        return absent;
    if (!v.isBool())
        fail(key, Rules::tr("ожидается true или false"));
    return v.toBool();
}

QJsonArray Fields::list(const QString& key) const
{
    const QJsonValue v = m_object.value(key);
    if (v.isUndefined())
        return {};
    if (!v.isArray())
        fail(key, Rules::tr("ожидается список"));
    return v.toArray();
}

QList<int> Fields::numbers(const QString& key, int lowest, int highest, int most, const QString& itemRule,
                           const QString& tooManyRule) const
{
    const QJsonArray list = this->list(key);
    if (list.size() > most)
        fail(key, tooManyRule);
    QList<int> out;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const double d = list[i].toDouble();
        // Compared as a double: a huge number must not be cast first.
        if (!list[i].isDouble() || !(d >= lowest && d <= highest) || d != std::floor(d))
            throw FieldProblem{at(key, i), itemRule};
        out.append(int(d));
    }
    return out;
}

int Fields::choice(const QString& key, const QStringList& names, int absent) const
{
    const std::optional<QString> t = optionalText(key);
    if (!t)
        return absent;
    const int index = int(names.indexOf(*t));
    if (index < 0)
        fail(key, Rules::tr("ожидается одно из: %1").arg(names.join(QStringLiteral(", "))));
    return index;
}

void Fields::onlyThese(const QStringList& keys) const
{
    for (const QString& key : m_object.keys()) {
        if (!keys.contains(key))
            fail(key, Rules::tr("такого поля в формате нет"));
    }
}

} // namespace talmero::module_files
