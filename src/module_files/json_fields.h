#pragma once

#include "module_files/file_refusal.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

// One JSON object of a description file, read field by field: each getter checks the
// field's type and throws a FieldProblem naming its path; a field the object does not
// know is a problem too (a misspelt field must not be ignored silently).
namespace talmero::module_files {

class Fields {
public:
    Fields(const QJsonValue& value, QString path);

    const QString& path() const { return m_path; }
    QString at(const QString& key) const { return fieldPath(m_path, key); }
    QString at(const QString& key, qsizetype index) const { return at(key) + QStringLiteral("[%1]").arg(index); }
    bool has(const QString& key) const { return m_object.contains(key); }

    QString text(const QString& key) const;
    std::optional<QString> optionalText(const QString& key) const;
    int number(const QString& key, int lowest, int highest) const;
    int optionalNumber(const QString& key, int lowest, int highest, int absent) const;
    bool flag(const QString& key, bool absent) const;
    QJsonArray list(const QString& key) const;                 // absent: empty
    // A list of at most most whole numbers from lowest to highest (absent: empty); a wrong
    // one is named by its index with itemRule, a longer list with tooManyRule.
    QList<int> numbers(const QString& key, int lowest, int highest, int most, const QString& itemRule,
                       const QString& tooManyRule) const;
    QJsonValue value(const QString& key) const { return m_object.value(key); }
    // One of the names; its index.
    int choice(const QString& key, const QStringList& names, int absent) const;

    // Throws for a field that is not one of these.
    void onlyThese(const QStringList& keys) const;

    [[noreturn]] void fail(const QString& key, const QString& rule) const;

private:
    QJsonObject m_object;
    QString m_path;
};

// The JSON path of the first key that an object of the document holds twice
// ("options[0].name"), or nullopt. QJsonDocument keeps one of equal keys silently; the
// document is one it accepted. Reads the bytes once, without recursion.
std::optional<QString> repeatedKeyPath(const QByteArray& json);

} // namespace talmero::module_files
