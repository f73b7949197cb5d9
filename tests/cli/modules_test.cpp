#include "cli_run.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A flag at position 32 of the BCM's part 1, which the program's own layout leaves free.
const QByteArray kExtension = R"json({
  "format": 1,
  "title": {"en": "Example flag"},
  "extends": {"address": "726", "block": "03"},
  "options": [{"name": "CheckBoxExample32", "kind": "flag", "positions": [32],
               "caption": {"en": "Example flag (made up)"}}],
  "samples": [{"hex": "00000001", "options": {"CheckBoxExample32": 1}}]
})json";

QString writeModuleFile(const QString& name, const QByteArray& bytes)
{
    const QString folder = cliDataHome() + QStringLiteral("/TALMERO/TALMERO/modules");
    QDir().mkpath(folder);
    QFile f(folder + u'/' + name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    return f.fileName();
}

} // namespace

// An extension shows on its page at once, writes only after --trust, names its file in the
// confirmation and the journal, and is untrusted again once a byte of it changed.
TEST(CliModules, AnExtensionWritesOnlyWhenItsFileIsTrusted)
{
    const QString file = writeModuleFile(QStringLiteral("example.json"), kExtension);
    const QStringList en = {QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--port"), QStringLiteral("demo")};
    const CliRun read = cli(en + QStringList{QStringLiteral("read-config"), QStringLiteral("BCM")});
    EXPECT_EQ(read.exit, 0) << read.err.toStdString();
    EXPECT_TRUE(read.outLines().contains(QStringLiteral("CheckBoxExample32 0"))) << read.out.toStdString();
    EXPECT_TRUE(read.out.contains(QStringLiteral(" CheckBoxExample32 "))); // enabled

    const QStringList write = en + QStringList{QStringLiteral("--yes"), QStringLiteral("--no-backup"), QStringLiteral("write-config"),
                                               QStringLiteral("BCM"), QStringLiteral("E3D0D4FD")};
    const CliRun refused = cli(write);
    EXPECT_EQ(refused.exit, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("description file example.json, which is not trusted"))) << refused.err.toStdString();
    EXPECT_FALSE(refused.err.contains(QStringLiteral("Write?")));

    const CliRun trusted = cli(QStringList{QStringLiteral("--trust"), file} + write);
    EXPECT_EQ(trusted.exit, 0) << trusted.err.toStdString();
    EXPECT_TRUE(trusted.err.contains(QStringLiteral(
        "Example flag (made up): no → yes — option from the description file example.json (not one of TALMERO's own)")))
        << trusted.err.toStdString();
    const CliRun history = cli(en + QStringList{QStringLiteral("history")});
    EXPECT_TRUE(history.outLines().value(0).endsWith(
        QStringLiteral("726 03 E3D0D4FC -> E3D0D4FD accepted-verified description-file=example.json@"
                       "1d60f1afed088333c0fcbe684e360390ca227b69f6ad7cfa1eaa628615d58611")))
        << history.out.toStdString();

    // One byte more: another file, not trusted. (Each run starts a new demo car.)
    writeModuleFile(QStringLiteral("example.json"), kExtension + '\n');
    const CliRun changed = cli(write);
    EXPECT_EQ(changed.exit, 1);
    EXPECT_TRUE(changed.err.contains(QStringLiteral("not trusted"))) << changed.err.toStdString();
}
