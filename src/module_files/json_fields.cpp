#include "module_files/json_fields.h"

#include <QCoreApplication>

#include <QSet>

#include <cmath>
#include <vector>

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

namespace {

// The string whose opening quote is at i, with its escapes read; i is left after it.
QString jsonString(const QByteArray& b, qsizetype& i)
{
    QString out;
    qsizetype run = ++i;
    const auto takeRun = [&] { out += QString::fromUtf8(b.constData() + run, i - run); };
    while (i < b.size() && b[i] != '"') {
        if (b[i] != '\\') {
            ++i;
            continue;
        }
        takeRun();
        const char e = i + 1 < b.size() ? b[i + 1] : '\\';
        i += 2;
        switch (e) {
        case 'b': out += u'\b'; break;
        case 'f': out += u'\f'; break;
        case 'n': out += u'\n'; break;
        case 'r': out += u'\r'; break;
        case 't': out += u'\t'; break;
        case 'u': {
            bool ok = false;
            const uint unit = b.mid(i, 4).toUInt(&ok, 16);
            out += QChar(char16_t(ok ? unit : 0xFFFD));
            i = qMin(i + 4, b.size());
            break;
        }
        default: out += QLatin1Char(e); break;
        }
        run = i;
    }
    takeRun();
    ++i;
    return out;
}

} // namespace

std::optional<QString> repeatedKeyPath(const QByteArray& json)
{
    struct Level {
        bool object = false;
        QSet<QString> keys;
        QString key;         // an object's: whose value is read now
        qsizetype index = 0; // a list's: the item read now
    };
    std::vector<Level> levels;
    bool keyNext = false;
    for (qsizetype i = 0; i < json.size();) {
        switch (json[i]) {
        case '{':
        case '[':
            levels.push_back(Level{json[i] == '{', {}, {}, 0});
            keyNext = json[i] == '{';
            ++i;
            break;
        case '}':
        case ']':
            if (!levels.empty())
                levels.pop_back();
            keyNext = false;
            ++i;
            break;
        case ',':
            keyNext = !levels.empty() && levels.back().object;
            if (!levels.empty())
                ++levels.back().index;
            ++i;
            break;
        case '"': {
            const QString text = jsonString(json, i);
            if (!keyNext || levels.empty())
                break;
            keyNext = false;
            Level& level = levels.back();
            if (level.keys.contains(text)) {
                QString path;
                for (std::size_t k = 0; k + 1 < levels.size(); ++k)
                    path = levels[k].object ? fieldPath(path, levels[k].key) : path + QStringLiteral("[%1]").arg(levels[k].index);
                return fieldPath(path, text);
            }
            level.keys.insert(text);
            level.key = text;
            break;
        }
        default:
            ++i;
            break;
        }
    }
    return std::nullopt;
}

} // namespace talmero::module_files
