#include "config/restore_plan.h"

#include "config/change_description.h"
#include "config/description_trust.h"
#include "link/codecs.h"
#include "link/modules.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace talmero::config {

namespace {

// The length of a block of so many hex digits: "3 байта".
QString byteCount(qsizetype hexDigits)
{
    const int bytes = int(hexDigits / 2);
    return QCoreApplication::translate("RestorePlan", "%n байт", nullptr, bytes);
}

QString moduleName(const QString& address)
{
    const link::TModuls* m = link::moduleAt(address);
    return m ? car::qs(m->name) + QStringLiteral(" (") + link::moduleTitle(*m) + QLatin1Char(')') : address;
}

// Why the blocks of a module the backup names a description file for (or the program
// knows from one) are not written: a module from a file is written only with that same
// file, loaded and trusted. "" when nothing stands in the way.
QString fileModuleProblem(const VehicleConfig::Module& m, const link::TModuls* known)
{
    const car::DescriptionFile* loaded = known ? known->file : nullptr;
    if (!loaded && m.file.isEmpty())
        return QString();
    const QString name = known ? moduleName(m.address) : m.title + QStringLiteral(" (") + m.address + u')';
    if (!loaded && !known)
        return QCoreApplication::translate("RestorePlan", "%1: модуль из файла описания %2 (SHA-256 %3), а этот файл не загружен").arg(name, m.file, m.sha256);
    if (!loaded)
        return QCoreApplication::translate("RestorePlan", "%1: в копии модуль из файла описания %2, а у программы свой модуль с этим адресом").arg(name, m.file);
    if (m.file.isEmpty())
        return QCoreApplication::translate("RestorePlan", "%1: копия не называет файл описания модуля, а модуль записывается только с тем файлом, с которым сделана копия")
            .arg(name);
    if (m.sha256 != loaded->sha256)
        return QCoreApplication::translate("RestorePlan", "%1: копия сделана с файлом описания %2 (SHA-256 %3), а загружен %4 (SHA-256 %5)")
            .arg(name, m.file, m.sha256, fileLabel(*loaded), loaded->sha256);
    if (!isTrusted(*loaded))
        return QCoreApplication::translate("RestorePlan", "%1: файлу описания %2 (SHA-256 %3) нет доверия").arg(name, fileLabel(*loaded), loaded->sha256);
    return QString();
}

} // namespace

QStringList RestorePlan::addresses() const
{
    QStringList result;
    for (const PlannedWrite& w : writes) {
        if (!result.contains(w.address))
            result << w.address;
    }
    return result;
}

RestorePlan RestorePlan::only(const QStringList& chosen) const
{
    RestorePlan kept = *this;
    kept.writes.erase(std::remove_if(kept.writes.begin(), kept.writes.end(),
                                     [&](const PlannedWrite& w) { return !chosen.contains(w.address); }),
                      kept.writes.end());
    kept.leftOut.erase(std::remove_if(kept.leftOut.begin(), kept.leftOut.end(),
                                      [&](const LeftOut& l) { return !chosen.contains(l.address); }),
                       kept.leftOut.end());
    kept.unread.erase(std::remove_if(kept.unread.begin(), kept.unread.end(),
                                     [&](const QString& address) { return !chosen.contains(address); }),
                      kept.unread.end());
    return kept;
}

RestorePlan planRestore(const VehicleConfig& file, const VehicleConfig& car, bool mediumFirst)
{
    RestorePlan plan;
    plan.fileVin = file.vin;
    plan.carVin = car.vin;
    for (const VehicleConfig::Module& m : file.modules) {
        const link::TModuls* known = link::moduleAt(m.address);
        const QString fileProblem = fileModuleProblem(m, known);
        bool fileProblemSaid = false;
        const auto leaveOut = [&] {
            if (!std::exchange(fileProblemSaid, true))
                plan.leftOut.append({m.address, fileProblem});
        };
        for (const VehicleConfig::Block& b : m.blocks) {
            const QString where = m.address + u' ' + b.index;
            const BlockLayout* layout = blockAt(m.address, b.index);
            const std::optional<QString> held = car.block(m.address, b.index);
            // Without its file the program knows nothing of the module: not even which of
            // its blocks are configuration.
            if (!known && !fileProblem.isEmpty()) {
                leaveOut();
                continue;
            }
            if (!layout) {
                if (held && *held != b.hex)
                    plan.neverWritten << where;
                continue;
            }
            if (held == b.hex)
                continue;
            if (!fileProblem.isEmpty()) {
                leaveOut();
                continue;
            }
            const QString name = moduleName(m.address);
            // What the module holds is not known: nothing is written while it is planned.
            if (!held) {
                if (!plan.unread.contains(m.address))
                    plan.unread << m.address;
                continue;
            }
            if (held->size() != b.hex.size()) {
                plan.leftOut.append({m.address, QCoreApplication::translate("RestorePlan", "%1, блок %2: в файле %3, модуль содержит %4")
                                                    .arg(name, b.index, byteCount(b.hex.size()), byteCount(held->size()))});
                continue;
            }
            // A block its page would refuse is no configuration to write.
            if (!pageShows(*layout, b.hex)) {
                plan.leftOut.append({m.address, QCoreApplication::translate("RestorePlan", "%1, блок %2: блок из файла не распознаётся страницей").arg(name, b.index)});
                continue;
            }
            // Options of a description file the user has not trusted are not written.
            QStringList untrusted;
            for (const safety::DescriptionUse& use : filesChanged(*layout, *held, b.hex)) {
                if (!use.trusted)
                    untrusted << use.name + QStringLiteral(" (SHA-256 ") + use.sha256 + u')';
            }
            if (!untrusted.isEmpty()) {
                plan.leftOut.append({m.address, QCoreApplication::translate("RestorePlan", "%1, блок %2: меняются параметры файла описания без доверия: %3")
                                                    .arg(name, b.index, untrusted.join(QStringLiteral(", ")))});
                continue;
            }
            PlannedWrite w;
            w.address = m.address;
            w.module = name;
            w.index = b.index;
            const link::TModuls* known = link::moduleAt(m.address);
            w.medium = known && known->medium();
            w.heldHex = *held;
            w.newHex = b.hex;
            w.options = describeChange(*layout, *held, b.hex);
            plan.writes << w;
        }
    }
    std::stable_sort(plan.writes.begin(), plan.writes.end(), [mediumFirst](const auto& a, const auto& b) {
        return (a.medium == mediumFirst) > (b.medium == mediumFirst);
    });
    return plan;
}

QString vinLine(const RestorePlan& plan)
{
    if (!plan.vinDiffers())
        return QString();
    QString car = plan.carVin;
    if (!plan.vinDisputed.isEmpty())
        car = QCoreApplication::translate("RestorePlan", "неизвестен: модули расходятся (%1)").arg(plan.vinDisputed.join(QStringLiteral("; ")));
    else if (car.isEmpty() && !plan.vinUnconfirmed.isEmpty())
        car = QCoreApplication::translate("RestorePlan", "неизвестен: VIN дал только один модуль (%1), панель приборов - нет").arg(plan.vinUnconfirmed);
    else if (car.isEmpty())
        car = QCoreApplication::translate("RestorePlan", "не прочитан");
    return QCoreApplication::translate("RestorePlan", "! VIN в файле %1, VIN автомобиля %2: настройки другого автомобиля")
        .arg(plan.fileVin.isEmpty() ? QCoreApplication::translate("RestorePlan", "не указан") : plan.fileVin, car);
}

QStringList neverWrittenLines(const RestorePlan& plan)
{
    QStringList lines;
    for (const QString& where : plan.neverWritten) {
        lines << QCoreApplication::translate("RestorePlan", "! Не восстанавливается: %1 блок %2 отличается; его не записывает ни одна страница")
                     .arg(where.section(u' ', 0, 0), where.section(u' ', 1, 1));
    }
    return lines;
}

QStringList planLines(const RestorePlan& plan)
{
    QStringList lines;
    if (plan.vinDiffers())
        lines << vinLine(plan);
    for (const PlannedWrite& w : plan.writes) {
        lines << QCoreApplication::translate("RestorePlan", "%1, блок %2").arg(w.module, w.index);
        for (const QString& option : w.options)
            lines << QStringLiteral("    ") + option;
        lines << QStringLiteral("    ") + link::splitHEX(w.heldHex) + QStringLiteral(" → ") + link::splitHEX(w.newHex);
    }
    if (!plan.leftOut.isEmpty()) {
        lines << QCoreApplication::translate("RestorePlan", "Не записываются:");
        for (const RestorePlan::LeftOut& l : plan.leftOut)
            lines << QStringLiteral("    ") + l.text;
    }
    if (!plan.neverWritten.isEmpty())
        lines << QCoreApplication::translate("RestorePlan", "Блоки, не относящиеся к конфигурации, не записываются никогда: ") + plan.neverWritten.join(QStringLiteral(", "));
    for (const QString& address : plan.unread)
        lines << QCoreApplication::translate("RestorePlan", "! Модуль %1 не прочитан из автомобиля").arg(moduleName(address));
    return lines;
}

} // namespace talmero::config
