#include "config/vehicle_config.h"

#include "config/backup.h"
#include "config/backup_reader.h"
#include "config/layout.h"
#include "config/vehicle_data_writer.h"
#include "link/adapter.h"
#include "link/codecs.h"
#include "link/host.h"
#include "link/modules.h"
#include "link/printable_text.h"
#include "link/session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
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

// A text of the file inside a message: printable, and not the whole of a long one.
QString shownText(const QString& text)
{
    constexpr qsizetype kShown = 40;
    const QString simple = text.simplified();
    return link::printableText(simple.size() > kShown ? simple.left(kShown) + QStringLiteral("…") : simple);
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
        lines << vehicle_data::moduleLine(m.address, m.title, m.file, m.sha256);
        for (const Block& b : m.blocks)
            lines << vehicle_data::blockLine(b.index, link::splitHEX(b.hex));
        lines << vehicle_data::kModuleEnd;
    }
    return lines;
}

VehicleDataOutline outlineVehicleData(const QByteArray& bytes)
{
    VehicleDataOutline out;
    QXmlStreamReader xml(bytes);
    int depth = 0;
    bool inModules = false; // inside the first Modules of the root
    bool inVin = false;
    VehicleDataOutline::Child* child = nullptr;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 1) {
                out.vehicleData = xml.name() == QLatin1String("VehicleData");
            } else if (depth == 2 && out.vehicleData) {
                inVin = xml.name() == QLatin1String("VIN");
                if (inVin) {
                    out.vin.clear();
                    out.vinLine = xml.lineNumber();
                }
                if (xml.name() == QLatin1String("Modules") && !out.modules)
                    out.modules = inModules = true;
            } else if (depth == 3 && inModules) {
                const QXmlStreamAttributes attributes = xml.attributes();
                out.elements.append({attributes.value(QLatin1String("address")).toString(),
                                     attributes.value(QLatin1String("title")).toString(), {}, xml.lineNumber(),
                                     attributes.value(QLatin1String("file")).toString(),
                                     attributes.value(QLatin1String("sha256")).toString()});
            } else if (depth == 4 && inModules) {
                const QXmlStreamAttributes attributes = xml.attributes();
                VehicleDataOutline::Child c;
                if (attributes.hasAttribute(QLatin1String("elmindex")))
                    c.index = attributes.value(QLatin1String("elmindex")).toString();
                c.line = xml.lineNumber();
                out.elements.last().children.append(c);
                child = &out.elements.last().children.last();
            } else if (depth == 5 && child && child->inner.isEmpty()) {
                child->inner = xml.name().toString();
                child->innerLine = xml.lineNumber();
            }
            break;
        case QXmlStreamReader::Characters:
            if (depth == 2 && inVin)
                out.vin += xml.text();
            else if (depth == 4 && child)
                child->text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 2)
                inVin = inModules = false;
            if (depth == 4)
                child = nullptr;
            --depth;
            break;
        default:
            break;
        }
    }
    out.vin = out.vin.trimmed();
    if (xml.hasError()) {
        out.errorLine = xml.lineNumber();
        out.errorColumn = xml.columnNumber();
        out.error = xml.errorString();
    }
    return out;
}

std::optional<VehicleConfig> parseVehicleData(const QByteArray& bytes, QString& error)
{
    const VehicleDataOutline outline = outlineVehicleData(bytes);
    if (!outline.error.isEmpty()) {
        error = QCoreApplication::translate("VehicleConfig", "Файл не является XML-документом: строка %1, столбец %2: %3")
                    .arg(outline.errorLine)
                    .arg(outline.errorColumn)
                    .arg(outline.error);
        return std::nullopt;
    }
    if (!outline.vehicleData || !outline.modules) {
        error = QCoreApplication::translate("VehicleConfig", "Неверная структура файла: нет элементов VehicleData и Modules");
        return std::nullopt;
    }
    const auto refuse = [&error](qint64 line, const QString& why) {
        error = QCoreApplication::translate("VehicleConfig", "Строка %1: %2").arg(line).arg(why);
        return std::nullopt;
    };
    // Shown in listings and on the pages as it stands.
    if (link::printableText(outline.vin) != outline.vin)
        return refuse(outline.vinLine, QCoreApplication::translate("VehicleConfig", "управляющий символ в VIN"));
    VehicleConfig config;
    config.vin = outline.vin;
    // Modules in the order of their last element, looked up by address: a file may hold many.
    QHash<QString, qsizetype> lastOf;
    for (qsizetype i = 0; i < outline.elements.size(); ++i) {
        if (!outline.elements[i].address.isEmpty()) // a module without an address is none of the car's
            lastOf.insert(outline.elements[i].address, i);
    }
    for (qsizetype i = 0; i < outline.elements.size(); ++i) {
        const VehicleDataOutline::Module& element = outline.elements[i];
        if (element.address.isEmpty())
            continue;
        if (link::printableText(element.address + element.title) != element.address + element.title)
            return refuse(element.line, QCoreApplication::translate("VehicleConfig", "управляющий символ в адресе или названии модуля"));
        static const QRegularExpression kSha256(QStringLiteral("^[0-9a-f]{64}$"));
        if (link::printableText(element.file) != element.file
            || element.file.isEmpty() != element.sha256.isEmpty()
            || (!element.sha256.isEmpty() && !kSha256.match(element.sha256).hasMatch()))
            return refuse(element.line, QCoreApplication::translate("VehicleConfig", "файл описания модуля %1 назван без SHA-256 или с неверным SHA-256")
                                            .arg(element.address));
        // Checked also when a later element replaces it: a damaged file is refused whole.
        QMap<QString, QString> blocks; // index -> hex: sorted, and the last of an index wins
        for (const VehicleDataOutline::Child& c : element.children) {
            if (!c.index) {
                return refuse(c.line, QCoreApplication::translate("VehicleConfig", "блок модуля %1 без номера (elmindex)")
                                          .arg(element.address));
            }
            const std::optional<QString> index = blockHex(*c.index);
            if (!index || index->size() != 2 || c.index->size() != 2) {
                return refuse(c.line, QCoreApplication::translate("VehicleConfig", "номер блока модуля %1 не из двух шестнадцатеричных цифр: %2")
                                          .arg(element.address, shownText(*c.index)));
            }
            // Its text would be lost: a block is hex bytes only.
            if (!c.inner.isEmpty()) {
                return refuse(c.innerLine, QCoreApplication::translate("VehicleConfig", "неизвестный элемент %1 в блоке %2 модуля %3")
                                               .arg(shownText(c.inner), *index, element.address));
            }
            const std::optional<QString> hex = blockHex(c.text);
            if (!hex) {
                return refuse(c.line, QCoreApplication::translate("VehicleConfig", "блок %1 модуля %2 не является шестнадцатеричными байтами: %3")
                                          .arg(*index, element.address, shownText(c.text)));
            }
            blocks.insert(*index, *hex);
        }
        if (lastOf.value(element.address) != i)
            continue;
        VehicleConfig::Module module{element.address, element.title, {}, element.file, element.sha256};
        for (auto b = blocks.cbegin(); b != blocks.cend(); ++b)
            module.blocks.append(VehicleConfig::Block{b.key(), b.value()});
        config.modules.append(std::move(module));
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

CarReading readVehicleFromCar(link::Session& session, link::Host& host, link::LinkState& state)
{
    const auto failed = [&host](link::Outcome::Kind kind, const QString& line) {
        host.log(line);
        return CarReading{link::Outcome::failed(kind, line), std::nullopt, {}};
    };
    host.log(QCoreApplication::translate("VehicleConfig", "* Чтение конфигурации автомобиля, ждите..."));
    if (const link::Outcome reset = session.resetAdapter(false); !reset.ok())
        return failed(reset.kind, reset.line);
    // The bus the adapter stands on first: one switch for the whole reading.
    const std::vector<const car::Module*> kept = car::backupModules();
    QList<const car::Module*> order(kept.begin(), kept.end());
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
        if (session.adapter().linkLost())
            return failed(link::Outcome::Kind::ConnectionLost, QCoreApplication::translate("VehicleConfig", "! Связь с адаптером потеряна"));
    }
    if (lines.isEmpty())
        return failed(link::Outcome::Kind::Failed, QCoreApplication::translate("VehicleConfig", "! Ни один модуль не прочитан"));
    // The same text a backup file would hold, read back by the file's own reader.
    QString error;
    std::optional<VehicleConfig> car = parseVehicleData(
        vehicle_data::fileBytes(vehicle_data::documentLines(QString(), QDateTime::currentDateTime(), lines)), error);
    if (!car)
        return failed(link::Outcome::Kind::Failed, QStringLiteral("! ") + error);
    car->unread = unread;
    CarReading reading{link::Outcome::done(), std::nullopt, {}};
    if (!unread.isEmpty())
        reading.notes << QCoreApplication::translate("VehicleConfig", "! Не прочитаны: ") + unread.join(QStringLiteral("; "));
    reading.notes << reader.failedReads();
    for (const QString& line : std::as_const(reading.notes))
        host.log(line);
    // The car's VIN as the write gate records it: the identity modules', this reading's or
    // an earlier one's of this connection.
    car->vin = state.carVin().vin;
    reading.car = std::move(car);
    return reading;
}

} // namespace talmero::config
