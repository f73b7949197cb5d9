#include "config/vehicle_config.h"

#include "config/backup.h"
#include "config/backup_reader.h"
#include "config/layout.h"
#include "config/vehicle_data_writer.h"
#include "link/adapter.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QXmlStreamReader>

#include <algorithm>

namespace talmero::config {

namespace {

// A block's stored text as hex digits; nullopt when it is not whole hex bytes.
std::optional<QString> blockHex(const QString& stored)
{
    QString hex;
    for (QChar c : stored) {
        if (c.isSpace())
            continue;
        if (link::hexDigitValue(c) < 0)
            return std::nullopt;
        hex += c.toUpper();
    }
    if (hex.size() % 2 != 0)
        return std::nullopt;
    return hex;
}

} // namespace

const VehicleConfig::Module* VehicleConfig::module(const QString& address) const
{
    for (const Module& m : modules) {
        if (m.address == address)
            return &m;
    }
    return nullptr;
}

std::optional<QString> VehicleConfig::block(const QString& address, const QString& index) const
{
    if (const Module* m = module(address)) {
        for (const Block& b : m->blocks) {
            if (b.index == index)
                return b.hex;
        }
    }
    return std::nullopt;
}

QStringList VehicleConfig::moduleLines() const
{
    QStringList lines;
    for (const Module& m : modules) {
        lines << vehicle_data::moduleLine(m.address, m.title);
        for (const Block& b : m.blocks)
            lines << vehicle_data::blockLine(b.index, link::splitHEX(b.hex));
        lines << vehicle_data::kModuleEnd;
    }
    return lines;
}

std::optional<VehicleConfig> parseVehicleData(const QByteArray& bytes, QString& error)
{
    VehicleConfig config;
    QXmlStreamReader xml(bytes);
    int depth = 0;
    bool root = false;
    bool inModules = false;
    bool seenModules = false;
    bool inVin = false;
    // Modules in the order of their last element; looked up by address, so that a file of
    // many modules reads in linear time.
    QList<VehicleConfig::Module> modules;
    QList<QMap<QString, QString>> blocks; // per module: index -> hex, sorted by index
    QList<bool> replaced;
    QHash<QString, qsizetype> moduleAt;
    qsizetype module = -1;
    std::optional<QString> block; // the index of the block element being read
    QString text;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            text.clear();
            if (depth == 1) {
                root = xml.name() == QLatin1String("VehicleData");
            } else if (depth == 2 && root) {
                inVin = xml.name() == QLatin1String("VIN");
                if (xml.name() == QLatin1String("Modules") && !seenModules)
                    seenModules = inModules = true;
            } else if (depth == 3 && inModules) {
                const QString address = xml.attributes().value(QLatin1String("address")).toString();
                // A module without an address is no module of the car.
                module = -1;
                if (address.isEmpty())
                    break;
                // A later element of the same address replaces the earlier one.
                if (const auto earlier = moduleAt.constFind(address); earlier != moduleAt.constEnd())
                    replaced[*earlier] = true;
                module = modules.size();
                moduleAt.insert(address, module);
                modules.append(VehicleConfig::Module{address, xml.attributes().value(QLatin1String("title")).toString(), {}});
                blocks.append(QMap<QString, QString>());
                replaced.append(false);
            } else if (depth == 4 && module >= 0) {
                const QXmlStreamAttributes attributes = xml.attributes();
                if (attributes.isEmpty()) {
                    error = QCoreApplication::translate("VehicleConfig", "Блок модуля %1 без номера").arg(modules[module].address);
                    return std::nullopt;
                }
                block = attributes.first().value().toString();
            }
            break;
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 2 && inVin)
                config.vin = text.trimmed();
            if (depth == 2)
                inVin = inModules = false;
            if (depth == 3)
                module = -1;
            if (depth == 4 && block) {
                const std::optional<QString> hex = blockHex(text);
                if (!hex) {
                    error = QCoreApplication::translate("VehicleConfig", "Блок %1 модуля %2 не является шестнадцатеричными байтами: %3")
                                .arg(*block, modules[module].address, text.trimmed());
                    return std::nullopt;
                }
                // A later block of the same index replaces the earlier one.
                blocks[module].insert(*block, *hex);
                block.reset();
            }
            --depth;
            text.clear();
            break;
        default:
            break;
        }
    }
    if (xml.hasError()) {
        error = QCoreApplication::translate("VehicleConfig", "Файл не является XML-документом: строка %1, столбец %2: %3")
                    .arg(xml.lineNumber())
                    .arg(xml.columnNumber())
                    .arg(xml.errorString());
        return std::nullopt;
    }
    if (!root || !seenModules) {
        error = QCoreApplication::translate("VehicleConfig", "Неверная структура файла: нет элементов VehicleData и Modules");
        return std::nullopt;
    }
    for (qsizetype i = 0; i < modules.size(); ++i) {
        if (replaced[i])
            continue;
        for (auto b = blocks[i].cbegin(); b != blocks[i].cend(); ++b)
            modules[i].blocks.append(VehicleConfig::Block{b.key(), b.value()});
        config.modules.append(std::move(modules[i]));
    }
    return config;
}

std::optional<VehicleConfig> readVehicleFile(const QString& path, link::Host& host)
{
    const std::optional<QByteArray> bytes = readBackupBytes(path, host);
    if (!bytes)
        return std::nullopt;
    QString error;
    std::optional<VehicleConfig> config = parseVehicleData(*bytes, error);
    const QString fullName = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    if (!config) {
        host.notify(error + u'\n' + fullName);
        return std::nullopt;
    }
    config->source = fullName;
    return config;
}

std::optional<VehicleConfig> readVehicleFromCar(link::Session& session, link::Host& host,
                                                link::LinkState& state)
{
    host.log(QCoreApplication::translate("VehicleConfig", "* Чтение конфигурации автомобиля, ждите..."));
    if (const link::Outcome reset = session.resetAdapter(false); !reset.ok()) {
        host.log(reset.line);
        return std::nullopt;
    }
    // The bus the adapter stands on first: one switch for the whole reading.
    QList<const car::Module*> order(car::kBackupModules.begin(), car::kBackupModules.end());
    const bool mediumFirst = session.busMS;
    std::stable_sort(order.begin(), order.end(), [mediumFirst](const car::Module* a, const car::Module* b) {
        return (a->medium() == mediumFirst) > (b->medium() == mediumFirst);
    });
    VehicleBackup reader(session, host);
    reader.learnInto(state);
    QStringList lines;
    QStringList unread;
    for (const car::Module* m : order) {
        QStringList blocks;
        if (!reader.dumpModule(lines, *m, &blocks))
            unread << qs(m->name) + QStringLiteral(" (") + qs(m->address) + QLatin1Char(')');
        else if (!blocks.isEmpty())
            unread << qs(m->name) + QLatin1Char(' ') + blocks.join(QLatin1Char(' '));
        if (session.adapter().linkLost()) {
            host.log(QCoreApplication::translate("VehicleConfig", "! Связь с адаптером потеряна"));
            return std::nullopt;
        }
    }
    if (lines.isEmpty()) {
        host.log(QCoreApplication::translate("VehicleConfig", "! Ни один модуль не прочитан"));
        return std::nullopt;
    }
    // The same text a backup file would hold, read back by the file's own reader.
    QString error;
    std::optional<VehicleConfig> car = parseVehicleData(
        vehicle_data::fileBytes(vehicle_data::documentLines(QString(), QDateTime::currentDateTime(), lines)), error);
    if (!car) {
        host.log(QStringLiteral("! ") + error);
        return std::nullopt;
    }
    car->unread = unread;
    if (!unread.isEmpty())
        host.log(QCoreApplication::translate("VehicleConfig", "! Не прочитаны: ") + unread.join(QStringLiteral("; ")));
    // The car's VIN as the write gate records it: the identity modules', this reading's or
    // an earlier one's of this connection.
    car->vin = state.carVin().vin;
    return car;
}

} // namespace talmero::config
