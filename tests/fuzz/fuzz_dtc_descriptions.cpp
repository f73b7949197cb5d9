#include "diag/csv.h"
#include "diag/dtc_descriptions.h"
#include "diag/dtc_meaning.h"
#include "fuzz_check.h"

namespace talmero {
namespace {

// A description file: whatever it holds, only well-formed codes load, each skipped line
// is named by a number the file has, and no line is both loaded and skipped.
void checkFile(const QByteArray& file)
{
    diag::DtcDescriptions table;
    const diag::DescriptionLoad load = table.addCsv(file, diag::DescriptionSource::UserFile);
    const int lines = int(file.count('\n')) + 1;
    for (const diag::DescriptionProblem& p : load.problems)
        FUZZ_CHECK(p.line >= 1 && p.line <= lines && !p.reason.isEmpty());
    FUZZ_CHECK(load.problems.size() <= diag::DescriptionLoad::kListed && load.problems.size() <= load.skipped);
    FUZZ_CHECK(table.size() + load.skipped <= lines);
    for (const QString& code : table.codes()) {
        FUZZ_CHECK(diag::isDtcCode(code) && diag::dtcStructure(code));
        const diag::DtcDescription* d = table.find(code);
        FUZZ_CHECK(d && (!d->english.isEmpty() || !d->russian.isEmpty()));
        // Nothing of the file reaches a terminal raw.
        FUZZ_CHECK(diag::printableText(d->english + d->russian) == d->english + d->russian);
    }
}

// One line of fields: written as RFC 4180 writes it, it reads back as it was.
void checkRecord(const QString& text)
{
    const QStringList fields = QString(text).remove(u'\n').remove(u'\r').split(u'\t');
    FUZZ_CHECK(diag::parseCsvLine(diag::csvRecord(fields)) == fields);
}

} // namespace
} // namespace talmero

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    talmero::checkFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    talmero::checkRecord(utf8Text(data, size));
    return 0;
}
