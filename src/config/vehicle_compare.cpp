#include "config/vehicle_compare.h"

#include "config/change_description.h"
#include "config/layout.h"

#include <algorithm>

namespace talmero::config {

namespace {

// The module's place in the VehicleData file; after them all for one the file does not keep.
int backupRank(const std::vector<const car::Module*>& kept, const QString& address)
{
    const car::Module* m = car::moduleAt(address.toStdString());
    return int(std::find(kept.begin(), kept.end(), m) - kept.begin());
}

} // namespace

bool Comparison::same() const
{
    return std::all_of(rows.begin(), rows.end(), [](const auto& r) { return r.state == BlockState::Same; });
}

QString stateName(BlockState state)
{
    switch (state) {
    case BlockState::Same:
        return QStringLiteral("same");
    case BlockState::Differs:
        return QStringLiteral("differs");
    case BlockState::LeftOnly:
        return QStringLiteral("left-only");
    case BlockState::RightOnly:
        break;
    }
    return QStringLiteral("right-only");
}

Comparison compareVehicles(const VehicleConfig& left, const VehicleConfig& right)
{
    Comparison result;
    result.leftVin = left.vin;
    result.rightVin = right.vin;

    // Looked up by address: a file may hold many modules.
    QStringList addresses;
    QHash<QString, const VehicleConfig::Module*> leftModules;
    QHash<QString, const VehicleConfig::Module*> rightModules;
    for (auto [side, modules] : {std::pair{&left, &leftModules}, std::pair{&right, &rightModules}}) {
        for (const VehicleConfig::Module& m : side->modules) {
            if (!leftModules.contains(m.address) && !rightModules.contains(m.address))
                addresses << m.address;
            modules->insert(m.address, &m);
        }
    }
    const std::vector<const car::Module*> kept = car::backupModules();
    std::stable_sort(addresses.begin(), addresses.end(),
                     [&kept](const QString& a, const QString& b) { return backupRank(kept, a) < backupRank(kept, b); });

    for (const QString& address : addresses) {
        const VehicleConfig::Module* l = leftModules.value(address);
        const VehicleConfig::Module* r = rightModules.value(address);
        QStringList indexes;
        QHash<QString, QString> leftBlocks;
        QHash<QString, QString> rightBlocks;
        for (auto [m, blocks] : {std::pair{l, &leftBlocks}, std::pair{r, &rightBlocks}}) {
            for (const VehicleConfig::Block& b : m ? m->blocks : QList<VehicleConfig::Block>()) {
                if (!leftBlocks.contains(b.index) && !rightBlocks.contains(b.index))
                    indexes << b.index;
                blocks->insert(b.index, b.hex);
            }
        }
        indexes.sort();
        for (const QString& index : indexes) {
            BlockComparison row;
            row.address = address;
            row.module = l && !l->title.isEmpty() ? l->title : r ? r->title : QString();
            row.index = index;
            const auto blockOf = [&index](const QHash<QString, QString>& blocks) {
                return blocks.contains(index) ? std::optional<QString>(blocks.value(index)) : std::nullopt;
            };
            const std::optional<QString> lh = blockOf(leftBlocks);
            const std::optional<QString> rh = blockOf(rightBlocks);
            row.leftHex = lh.value_or(QString());
            row.rightHex = rh.value_or(QString());
            const BlockLayout* layout = blockAt(address, index);
            row.configuration = layout != nullptr;
            if (!lh)
                row.state = BlockState::RightOnly;
            else if (!rh)
                row.state = BlockState::LeftOnly;
            else if (*lh == *rh)
                row.state = BlockState::Same;
            else
                row.state = BlockState::Differs;
            if (row.state == BlockState::Differs && layout)
                row.options = describeChange(*layout, *lh, *rh);
            result.rows.append(row);
        }
    }
    return result;
}

QStringList comparisonLines(const Comparison& comparison)
{
    QStringList lines;
    if (comparison.vinDiffers()) {
        lines << QStringLiteral("VIN differs ") + (comparison.leftVin.isEmpty() ? QStringLiteral("-") : comparison.leftVin)
                     + QStringLiteral(" -> ") + (comparison.rightVin.isEmpty() ? QStringLiteral("-") : comparison.rightVin);
    }
    for (const BlockComparison& row : comparison.rows) {
        QString line = row.address + u' ' + row.index + u' ' + stateName(row.state);
        if (row.state == BlockState::Differs)
            line += u' ' + row.leftHex + QStringLiteral(" -> ") + row.rightHex;
        else if (row.state == BlockState::LeftOnly)
            line += u' ' + row.leftHex;
        else if (row.state == BlockState::RightOnly)
            line += u' ' + row.rightHex;
        lines << line;
        for (const QString& option : row.options)
            lines << QStringLiteral("    ") + option;
    }
    return lines;
}

} // namespace talmero::config
