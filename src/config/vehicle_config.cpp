#include "config/vehicle_config.h"

#include "config/backup.h"
#include "config/backup_list.h"
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
    VehicleConfig::Module* module = nullptr;
    VehicleConfig::Block* block = nullptr;
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
                module = nullptr;
                if (address.isEmpty())
                    break;
                // A later element of the same address replaces the earlier one.
                config.modules.erase(std::remove_if(config.modules.begin(), config.modules.end(),
                                                    [&](const auto& m) { return m.address == address; }),
                                     config.modules.end());
                config.modules.append({address, xml.attributes().value(QLatin1String("title")).toString(), {}});
                module = &config.modules.last();
            } else if (depth == 4 && module) {
                const QXmlStreamAttributes attributes = xml.attributes();
                if (attributes.isEmpty()) {
                    error = QCoreApplication::translate("VehicleConfig", "Блок модуля %1 без номера").arg(module->address);
                    return std::nullopt;
                }
                const QString index = attributes.first().value().toString();
                module->blocks.erase(std::remove_if(module->blocks.begin(), module->blocks.end(),
                                                    [&](const auto& b) { return b.index == index; }),
                                     module->blocks.end());
                module->blocks.append({index, QString()});
                block = &module->blocks.last();
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
                module = nullptr;
            if (depth == 4 && block) {
                const std::optional<QString> hex = blockHex(text);
                if (!hex) {
                    error = QCoreApplication::translate("VehicleConfig", "Блок %1 модуля %2 не является шестнадцатеричными байтами: %3")
                                .arg(block->index, module->address, text.trimmed());
                    return std::nullopt;
                }
                block->hex = *hex;
                block = nullptr;
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
    for (VehicleConfig::Module& m : config.modules) {
        std::sort(m.blocks.begin(), m.blocks.end(),
                  [](const auto& a, const auto& b) { return a.index < b.index; });
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
    if (!session.adapter().writeCOM(QStringLiteral("atz"), false).contains(QLatin1String("ELM"))) {
        host.log(QCoreApplication::translate("VehicleConfig", "! Неверный ответ адаптера"));
        return std::nullopt;
    }
    // The bus the adapter stands on first: one switch for the whole reading.
    QList<const BackupModule*> order;
    for (const BackupModule& m : kBackupModules)
        order.append(&m);
    const bool mediumFirst = session.busMS;
    std::stable_sort(order.begin(), order.end(), [mediumFirst](const BackupModule* a, const BackupModule* b) {
        return (a->medium == mediumFirst) > (b->medium == mediumFirst);
    });
    VehicleBackup reader(session, host);
    QStringList lines;
    QStringList unread;
    for (const BackupModule* m : order) {
        QStringList blocks;
        if (!reader.dumpModule(lines, *m, &blocks))
            unread << qs(m->title) + QStringLiteral(" (") + qs(m->address) + QLatin1Char(')');
        else if (!blocks.isEmpty())
            unread << qs(m->title) + QLatin1Char(' ') + blocks.join(QLatin1Char(' '));
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
    for (const link::TModuls& m : link::Moduls()) {
        const std::optional<QString> hex = car->block(m.adr, m.VINad);
        const QString vin = hex ? QString::fromLatin1(QByteArray::fromHex(hex->toLatin1())) : QString();
        if (link::isVIN(vin)) {
            car->vin = vin;
            link::learnCarVin(state, host, vin);
            break;
        }
    }
    return car;
}

} // namespace talmero::config
