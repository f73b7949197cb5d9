#include "config/asbuilt.h"
#include "config/asbuilt_conversion.h"
#include "config/asbuilt_dialog_double.h"
#include "fuzz_check.h"
#include "page_sides.h"
#include "support/recording_host.h"
#include "support/blocks.h"

// An AS-BUILT line ("720-01-01" on the first line of the input, the typed data after it):
// a line that reads generates a line that reads back as the same block, both as plain
// text and through the page.

using namespace talmero;
using namespace talmero::config;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = utf8Text(data, size);
    const QString address = input.section(u'\n', 0, 0);
    const QString typed = input.section(u'\n', 1);
    const AsBuiltReading reading = readAsBuilt(address, typed);
    const AsBuiltLine* line = asBuiltLineByAddress(address);
    if (!line) {
        FUZZ_CHECK(!reading.valid);
        return 0;
    }
    const AsBuiltKey key = line->key;
    if (reading.valid) {
        FUZZ_CHECK(reading.layout == line->layout && reading.checksum.size() == 2);
        const QString generated = asBuiltDataPart(key, reading.data);
        const AsBuiltReading back = readAsBuilt(key, generated);
        FUZZ_CHECK(back.valid && back.layout == reading.layout && back.data == reading.data.toUpper());
        FUZZ_CHECK(back.checksum.compare(reading.checksum, Qt::CaseInsensitive) == 0);
    }

    // The same line typed into the entry window of its page, then generated from the page.
    MapOptionView view;
    RecordingHost host;
    ConfigPanel panel(view, host);
    AsBuiltDialogDouble dialog;
    AsBuiltConversion conversion(panel, dialog, host);
    const FuzzSide page{pageShowing(layoutOf(*line->layout))->caption, blocks::Block(*line->layout) == blocks::BCM2() ? 1 : 0, 0};
    goTo(panel, page);
    view.setText(QStringLiteral("Edit1"), typed);
    conversion.decodeASBUILT(pageOf(page));
    const QString getButton = QStringLiteral("ButtonCONFgetASBUILT");
    if (!reading.valid) {
        FUZZ_CHECK(!host.lines.isEmpty() && host.lines.last() == AsBuiltConversion::kInvalidLine && !view.enabled(getButton));
        return 0;
    }
    FUZZ_CHECK(view.enabled(getButton));
    QString generated;
    dialog.onShow = [&] { generated = view.text(QStringLiteral("Edit1")); };
    conversion.ButtonCONFgetASBUILTClick(pageOf(page));
    const AsBuiltReading back = readAsBuilt(key, generated);
    FUZZ_CHECK(back.valid && back.layout == reading.layout && back.data == reading.data.toUpper());
    return 0;
}
