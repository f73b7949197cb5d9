// Fills the module table's lists into a manual page at build time: the pages, modules,
// backup modules and AS-BUILT lines the program has, so that no page lists them by hand.
#include "car/modules.h"
#include "config/catalog_lists.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

using namespace talmero;

// "a, b or c"
QString inWords(const QStringList& items, const QString& last)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QLatin1Char(' ') + last + QLatin1Char(' ')
        + items.last();
}

QString numberWord(qsizetype n)
{
    static const char* const kWords[] = {"no",    "one",    "two",      "three",    "four",    "five",
                                         "six",   "seven",  "eight",    "nine",     "ten",     "eleven",
                                         "twelve", "thirteen", "fourteen", "fifteen", "sixteen", "seventeen"};
    return n < qsizetype(std::size(kWords)) ? QLatin1String(kWords[n]) : QString::number(n);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: talmero-man-lists IN OUT\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "talmero-man-lists: %s and %s cannot be read and written\n", argv[1], argv[2]);
        return 1;
    }
    const QString page = QString::fromUtf8(in.readAll())
                             .replace(QStringLiteral("{PAGES}"), config::pageNames(QStringLiteral("(or %1)")).join(QStringLiteral(", ")))
                             .replace(QStringLiteral("{MODULES}"), config::moduleNames().join(QStringLiteral(", ")))
                             .replace(QStringLiteral("{BACKUP}"), inWords(config::backupModuleNames(), QStringLiteral("and")))
                             .replace(QStringLiteral("{ASBUILT}"), inWords(config::asBuiltAddresses(), QStringLiteral("or")))
                             .replace(QStringLiteral("{BACKUP_COUNT}"), numberWord(qsizetype(car::kBackupModules.size())))
                             .replace(QStringLiteral("{MODULE_COUNT}"), numberWord(qsizetype(car::kModules.size())));
    return out.write(page.toUtf8()) < 0 ? 1 : 0;
}
