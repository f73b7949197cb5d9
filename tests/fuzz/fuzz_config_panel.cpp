#include "config/config_transfer.h"
#include "fuzz_check.h"
#include "page_sides.h"
#include "support/recording_host.h"
#include "support/blocks.h"

// Any block on every configuration page: a decode never crashes, and a writable block
// that the user left as shown is written back exactly as it was read.

using namespace talmero;
using namespace talmero::config;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString hex = QString::fromLatin1(bytes.toHex().toUpper());
    MapOptionView view;
    RecordingHost host;
    ConfigPanel panel(view, host);
    const QString write = QStringLiteral("ButtonCONFwrite");

    // The block as a module sends it.
    for (const FuzzSide& p : kPageSides) {
        goTo(panel, p);
        const blocks::Block block = panel.pageBlock(pageOf(p));
        panel.decodeHex(block, hex);
        if (!view.enabled(write))
            continue;
        panel.encode(block);
        FUZZ_CHECK(panel.writeData(block) == hex.left(p.blockDigits));
    }

    // The same bytes as the block variable's text, whatever they hold. A decode sets every
    // option of its block; only the write button needs to start disabled.
    const QString text = latin1Text(data, size);
    for (const BlockLayout* b : blockLayouts()) {
        view.setEnabled(write, false);
        const bool shown = panel.decode(*b, text);
        if (!shown || !view.enabled(write))
            continue;
        panel.encode(*b);
        FUZZ_CHECK(panel.conf(*b) == text.left(b->capacity));
    }
    return 0;
}
