#include "config/backup_reader.h"
#include "config/config_transfer.h"
#include "config/restore_plan.h"
#include "config/vehicle_compare.h"
#include "config/vehicle_config.h"
#include "fuzz_check.h"
#include "link/codecs.h"
#include "page_sides.h"
#include "support/recording_host.h"

#include <QFile>
#include <QTemporaryDir>
#include "support/blocks.h"

// Any bytes as a VehicleData file, opened on every page and side: a block the page shows
// fits that page and is the start of what the file stores, and a writable one goes back
// out exactly as it was opened. Read for compare and restore, it equals itself.

using namespace talmero;
using namespace talmero::config;

namespace {

bool isBits(const QString& text)
{
    for (QChar c : text) {
        if (c != u'0' && c != u'1')
            return false;
    }
    return true;
}

// The stored text without blanks, line breaks and prompts, as the page reads it.
QString storedHex(const QString& openedLine)
{
    const QString stored = openedLine.mid(openedLine.indexOf(QLatin1String(" -> ")) + 4);
    QString hex;
    for (QChar c : stored) {
        if (c.unicode() > 32 && c != u'>')
            hex += c;
    }
    return hex.toUpper();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VehicleData.fuzz.xml"));
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    file.close();

    MapOptionView view;
    RecordingHost host;
    ConfigPanel panel(view, host);
    BackupOpening opening(panel, host);
    for (const FuzzSide& p : kPageSides) {
        // "Read from file" clears the page itself; the tab change would only clear it twice.
        chooseSide(panel, p);
        host.lines.clear();
        host.notices.clear();
        opening.ButtonCONFopenClick(pageOf(p), path);
        const bool writable = view.enabled(QStringLiteral("ButtonCONFwrite"));
        const bool opened = host.lines.size() == 2
            && host.lines[1].startsWith(QStringLiteral("* Открыта конфигурация модуля "));
        const bool refused = !host.notices.filter(QStringLiteral("! Блок модуля из файла не распознан")).isEmpty();
        if (!opened || refused) {
            FUZZ_CHECK(!writable);
            continue;
        }
        const blocks::Block block = panel.pageBlock(pageOf(p));
        const QString& shown = panel.conf(block);
        const QString hex = storedHex(host.lines[1]);
        if (layoutOf(block).hexText) {
            FUZZ_CHECK(shown.size() == 2 || shown.size() == 8);
            FUZZ_CHECK(shown.toUpper() == hex.left(8));
        } else {
            FUZZ_CHECK(!shown.isEmpty() && shown.size() <= 4 * p.blockDigits && isBits(shown));
            FUZZ_CHECK(shown.size() % 4 == 0 && link::BIN2HEX(shown) == hex.left(shown.size() / 4));
        }
        if (!writable)
            continue;
        panel.encode(block);
        FUZZ_CHECK(panel.writeData(block) == hex.left(p.blockDigits));
    }
    // The same bytes as compare and restore read them: a file equals itself, and a car
    // that holds the file leaves nothing to restore.
    QString error;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const std::optional<VehicleConfig> vehicle = parseVehicleData(bytes, error)) {
        FUZZ_CHECK(compareVehicles(*vehicle, *vehicle).same());
        const RestorePlan plan = planRestore(*vehicle, *vehicle, false);
        FUZZ_CHECK(plan.writes.isEmpty() && plan.unread.isEmpty() && plan.neverWritten.isEmpty());
    }
    return 0;
}
