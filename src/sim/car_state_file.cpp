#include "sim/car.h"

#include "link/codecs.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

// The car's state file: blocks, trouble codes, presence, restart counters, the switch
// and the VIN. Faults and open sessions are conditions of one run and are not kept.
namespace talmero::sim {

namespace {

QString blockKey(int blockNo)
{
    return QStringLiteral("%1").arg(blockNo, 2, 16, QLatin1Char('0')).toUpper();
}

bool isHex(const QString& text)
{
    for (QChar c : text) {
        if (link::hexDigitValue(c) < 0)
            return false;
    }
    return text.size() % 2 == 0;
}

[[noreturn]] void fail(const QString& path, const QString& why)
{
    throw StateFileError(QStringLiteral("State file %1: %2").arg(path, why));
}

} // namespace

void Car::save(const QString& path) const
{
    QJsonArray modules;
    for (const Module& m : m_modules) {
        QJsonObject blocks;
        for (const auto& [no, data] : blocksNow(m))
            blocks.insert(blockKey(no), QString::fromLatin1(data.toHex().toUpper()));
        QJsonArray codes;
        for (const QByteArray& code : m.dtcs)
            codes.append(QString::fromLatin1(code.toHex().toUpper()));
        QJsonObject module{{"address", m.adr},
                           {"bus", m.medium ? QStringLiteral("medium") : QStringLiteral("high")},
                           {"session", m.session87},
                           {"present", m.present},
                           {"restarts", m.restarts},
                           {"blocks", blocks},
                           {"dtcs", codes}};
        // What a declared module is, so that the file declares it again.
        if (m.declared) {
            module.insert("restart", m.restartAllowed);
            module.insert("troubleCodes", m.codes);
        }
        modules.append(module);
    }
    const QJsonObject root{{"vin", m_vin}, {"switchMedium", m_switchMedium}, {"modules", modules}};
    // Written beside and renamed, so a crash never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    file.write(QJsonDocument(root).toJson());
    if (!file.commit())
        fail(path, file.errorString());
}

void Car::load(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        fail(path, QStringLiteral("not valid JSON (%1 at offset %2)")
                       .arg(error.errorString())
                       .arg(error.offset));
    if (!doc.isObject())
        fail(path, QStringLiteral("the top level is not an object"));

    // Checked completely into a copy first: a bad file changes nothing.
    Car next(*this);
    next.m_changed = nullptr;
    const QJsonObject root = doc.object();
    if (root.contains("vin")) {
        if (!root["vin"].isString())
            fail(path, QStringLiteral("\"vin\" is not a text"));
        next.setVin(root["vin"].toString());
    }
    if (root.contains("switchMedium"))
        next.m_switchMedium = root["switchMedium"].toBool();
    for (const QJsonValue& value : root["modules"].toArray()) {
        const QJsonObject o = value.toObject();
        const QString adr = o["address"].toString();
        Module* m = next.find(adr);
        // A module beyond the car's own (one a description file describes) is declared with
        // its bus, and what it does beyond blocks: its session, its restart, whether it
        // answers for trouble codes. The car's own keep theirs.
        if (!m && o.contains("bus")) {
            bool ok = false;
            const int id = adr.toInt(&ok, 16);
            const QString bus = o["bus"].toString();
            if (!ok || adr.size() != 3 || id < 0x700 || id > 0x7F7 || id == 0x7DF
                || (bus != QLatin1String("high") && bus != QLatin1String("medium")))
                fail(path, QStringLiteral("module \"%1\": an address 700..7F7 (not 7DF) and a bus high or medium").arg(adr));
            // Its request or its answer on another module's identifier would be two modules at once.
            for (const Module& other : next.m_modules) {
                if (other.canId == id || other.canId + 8 == id || other.canId == id + 8)
                    fail(path, QStringLiteral("module \"%1\": its address or its answer's (+8) is module %2's").arg(adr, other.adr));
            }
            for (const char* key : {"session", "restart", "troubleCodes"}) {
                if (o.contains(QLatin1String(key)) && !o[QLatin1String(key)].isBool())
                    fail(path, QStringLiteral("module \"%1\": \"%2\" is true or false").arg(adr, QLatin1String(key)));
            }
            Module added;
            added.adr = adr.toUpper();
            added.canId = id;
            added.medium = bus == QLatin1String("medium");
            added.session87 = o["session"].toBool(true);
            added.restartAllowed = o["restart"].toBool(false);
            added.codes = o["troubleCodes"].toBool(true);
            added.declared = true;
            next.m_modules.push_back(added);
            m = &next.m_modules.back();
        }
        if (!m)
            fail(path, QStringLiteral("unknown module address \"%1\"").arg(adr));
        m->present = o["present"].toBool(true);
        m->restarts = o["restarts"].toInt(0);
        if (o.contains("blocks")) {
            m->blocks.clear();
            const QJsonObject blocks = o["blocks"].toObject();
            for (auto it = blocks.begin(); it != blocks.end(); ++it) {
                bool ok = false;
                const int no = it.key().toInt(&ok, 16);
                const QString hex = it.value().toString();
                if (!ok || no < 0 || no > 0xFF || !isHex(hex))
                    fail(path, QStringLiteral("module %1: bad block \"%2\"").arg(adr, it.key()));
                m->blocks[no] = QByteArray::fromHex(hex.toLatin1());
            }
        }
        if (o.contains("dtcs")) {
            m->dtcs.clear();
            for (const QJsonValue& code : o["dtcs"].toArray()) {
                const QString hex = code.toString();
                if (hex.size() != 6 || !isHex(hex))
                    fail(path, QStringLiteral("module %1: bad trouble code \"%2\"").arg(adr, hex));
                m->dtcs.append(QByteArray::fromHex(hex.toLatin1()));
            }
        }
    }
    next.m_changed = m_changed;
    *this = std::move(next);
}

} // namespace talmero::sim
