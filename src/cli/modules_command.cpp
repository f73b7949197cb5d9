// modules list | check FILE... | export [PAGE...] [--dir DIR] | trust FILE... | untrust FILE..., and
// --trust FILE.
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/config_page.h"
#include "config/description_trust.h"
#include "link/language.h"
#include "link/printable_text.h"
#include "link/settings_file.h"
#include "module_files/description_export.h"
#include "module_files/description_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace talmero::cli {

namespace {

QString canonical(const QString& path)
{
    return QFileInfo(path).canonicalFilePath();
}

// A file's path as listed: two files of one name are told apart by it.
QString shownPath(const QString& path)
{
    return link::printableText(QDir::toNativeSeparators(path));
}

// NAME ADDRESS hs|ms PAGE|- own|FILE: every module the program knows now.
void listModules(CommandContext& ctx)
{
    for (const car::Module* m : car::catalog().modules) {
        ctx.out << car::qs(m->name) << ' ' << car::qs(m->address) << ' ' << (m->medium() ? "ms" : "hs") << ' '
                << (m->hasPage() ? car::qs(m->page->caption) : QStringLiteral("-")) << ' '
                << (m->file ? shownPath(m->file->path) : QStringLiteral("own")) << '\n';
    }
}

// file PATH loaded trusted|untrusted SHA256 TITLE, what it adds indented; or
// file PATH refused JSONPATH: RULE.
void listFile(CommandContext& ctx, const module_files::FileOutcome& f)
{
    if (f.refusal) {
        ctx.out << "file " << shownPath(f.path) << " refused "
                << (f.refusal->path.isEmpty() ? f.refusal->rule : f.refusal->path + QStringLiteral(": ") + f.refusal->rule) << '\n';
        return;
    }
    ctx.out << "file " << shownPath(f.file->path) << " loaded " << (config::isTrusted(*f.file) ? "trusted " : "untrusted ")
            << f.file->sha256 << ' ' << f.file->title << '\n';
    for (const QString& add : f.adds)
        ctx.out << "  " << add << '\n';
}

int check(CommandContext& ctx)
{
    const QStringList files = ctx.args.words.mid(2);
    if (files.isEmpty())
        return ctx.usage(QCoreApplication::translate("Cli", "modules check принимает файлы описания"));
    QStringList skip;
    for (const QString& file : files)
        skip << canonical(file);
    // Each file against the program and the other files of the folders, not itself.
    const module_files::FolderLoad folders =
        module_files::loadDescriptionFolders(module_files::descriptionFolders(), link::speaksRussian(), skip);
    bool allPass = true;
    for (const QString& file : files) {
        car::Catalog catalog = folders.catalog;
        const module_files::FileOutcome f = module_files::addDescriptionPath(catalog, file, link::speaksRussian());
        listFile(ctx, f);
        allPass = allPass && f.loaded();
    }
    return allPass ? ExitOk : ExitFailed;
}

// modules export [PAGE...]: the program's own pages, or those named (a description file's
// too, as that file says it).
int exportPages(CommandContext& ctx)
{
    const QString dir = ctx.args.dir.isEmpty() ? QStringLiteral(".") : ctx.args.dir;
    if (!QFileInfo(dir).isDir())
        return ctx.fail(QCoreApplication::translate("Cli", "папки %1 нет: ничего не записано").arg(dir));
    QList<module_files::ExportedFile> files;
    for (const QString& caption : ctx.args.words.mid(2)) {
        const car::PageInfo* page = ConfigPage::pageByCaption(caption);
        if (!page)
            return ctx.usage(QCoreApplication::translate("Cli", "неизвестная страница %1").arg(caption));
        QString problem;
        const std::optional<module_files::ExportedFile> file = module_files::exportPage(*page, problem);
        if (!file)
            return ctx.fail(QCoreApplication::translate("Cli", "страница %1 не записана: %2").arg(caption, problem));
        files.append(*file);
    }
    if (ctx.args.words.size() == 2)
        files = module_files::exportOwnModules();
    // Nothing is written over: a contributor's edited file must not be lost.
    for (const module_files::ExportedFile& f : files) {
        if (QFileInfo::exists(QDir(dir).filePath(f.name)))
            return ctx.fail(QCoreApplication::translate("Cli", "%1 уже есть: ничего не записано").arg(QDir(dir).filePath(f.name)));
    }
    for (const module_files::ExportedFile& f : files) {
        QFile out(QDir(dir).filePath(f.name));
        if (!out.open(QIODevice::NewOnly) || out.write(f.json) != f.json.size() || !out.flush()) {
            const QString why = out.errorString();
            out.close();
            out.remove();
            return ctx.fail(QCoreApplication::translate("Cli", "%1 не записан: %2").arg(out.fileName(), why));
        }
        ctx.out << out.fileName() << '\n';
    }
    return ExitOk;
}

// The loaded description file at this path (by its canonical path), or none.
std::shared_ptr<const car::DescriptionFile> loadedFile(const QString& given)
{
    if (given.isEmpty() || canonical(given).isEmpty())
        return nullptr;
    for (const auto& f : car::catalog().files) {
        if (canonical(f->path) == canonical(given))
            return f;
    }
    return nullptr;
}

QString trustedLine(const car::DescriptionFile& file)
{
    return QCoreApplication::translate("Cli", "Файлу описания %1 доверено (SHA-256 %2)").arg(shownPath(file.path), file.sha256);
}

// Why a file named on the command line cannot be trusted: refused, or never loaded.
QString notLoaded(CommandContext& ctx, const QString& given)
{
    for (const module_files::FileOutcome& f : ctx.descriptionFiles) {
        if (f.refusal && !canonical(given).isEmpty() && canonical(f.path) == canonical(given))
            return QCoreApplication::translate("Cli", "файл описания %1 отклонён, доверять ему нельзя: %2")
                .arg(link::printableText(given), f.refusal->text());
    }
    return QCoreApplication::translate("Cli", "%1 - не загруженный файл описания (файлы читаются из %2): ничему не доверено")
        .arg(link::printableText(given), module_files::descriptionFolders().join(QStringLiteral(", ")));
}

// modules trust FILE...: every file or none, each as it is now.
int trust(CommandContext& ctx)
{
    const QStringList given = ctx.args.words.mid(2);
    if (given.isEmpty())
        return ctx.usage(QCoreApplication::translate("Cli", "modules trust принимает файлы описания"));
    QList<std::shared_ptr<const car::DescriptionFile>> files;
    for (const QString& path : given) {
        const auto loaded = loadedFile(path);
        if (!loaded)
            return ctx.fail(notLoaded(ctx, path));
        files.append(loaded);
    }
    for (const auto& file : files) {
        QString problem;
        if (!config::setTrusted(*file, true, &problem))
            return ctx.fail(QCoreApplication::translate("Cli", "доверие файлу описания %1 не сохранено: %2").arg(shownPath(file->path), problem));
        ctx.out << trustedLine(*file) << '\n';
    }
    return ExitOk;
}

// modules untrust FILE...: also a file refused or removed since it was trusted.
int untrust(CommandContext& ctx)
{
    const QStringList given = ctx.args.words.mid(2);
    if (given.isEmpty())
        return ctx.usage(QCoreApplication::translate("Cli", "modules untrust принимает файлы описания"));
    for (const QString& path : given) {
        const auto loaded = loadedFile(path);
        const QString stored = loaded ? loaded->path : QFileInfo(path).absoluteFilePath();
        bool had = false;
        QString problem;
        if (!config::untrustPath(stored, &had, &problem))
            return ctx.fail(QCoreApplication::translate("Cli", "доверие файлу описания %1 не снято: %2").arg(shownPath(stored), problem));
        ctx.out << (had ? QCoreApplication::translate("Cli", "Файлу описания %1 больше не доверено")
                        : QCoreApplication::translate("Cli", "Файлу описания %1 и не было доверено"))
                       .arg(shownPath(stored))
                << '\n';
    }
    return ExitOk;
}

} // namespace

bool loadDescriptionFiles(CommandContext& ctx)
{
    if (const QString problem = link::settingsProblem(); !problem.isEmpty())
        ctx.err << QStringLiteral("! ") << problem << '\n';
    ctx.descriptionFiles = module_files::installDescriptionFolders(link::speaksRussian());
    // A refused file is said on every command: its options are missing from the pages.
    if (ctx.args.words.value(0) != QLatin1String("modules")) {
        for (const module_files::FileOutcome& f : ctx.descriptionFiles) {
            if (f.refusal)
                ctx.err << QCoreApplication::translate("Cli", "! Файл описания отклонён: %1").arg(f.refusal->text()) << '\n';
        }
    }
    // Trusted for this command; stored once it succeeded (keepTrust).
    for (const QString& given : ctx.args.trust) {
        const auto loaded = loadedFile(given);
        if (!loaded) {
            ctx.usage(QCoreApplication::translate("Cli", "--trust: %1 - не загруженный файл описания (файлы читаются из %2)")
                          .arg(given, module_files::descriptionFolders().join(QStringLiteral(", "))));
            return false;
        }
        config::trustForThisRun(*loaded);
        ctx.trustGiven.append(loaded);
    }
    return true;
}

int keepTrust(CommandContext& ctx, int exit)
{
    for (const auto& file : ctx.trustGiven) {
        if (exit != ExitOk) {
            ctx.err << QCoreApplication::translate("Cli", "Доверие файлу описания %1 не сохранено: команда не выполнена")
                           .arg(shownPath(file->path))
                    << '\n';
            continue;
        }
        QString problem;
        if (!config::setTrusted(*file, true, &problem)) {
            exit = ctx.fail(QCoreApplication::translate("Cli", "доверие файлу описания %1 не сохранено: %2").arg(shownPath(file->path), problem));
            continue;
        }
        ctx.err << trustedLine(*file) << '\n';
    }
    return exit;
}

int runModulesCommand(CommandContext& ctx)
{
    const QString what = ctx.args.words.value(1);
    if (what == QLatin1String("list") && ctx.args.words.size() == 2) {
        listModules(ctx);
        for (const module_files::FileOutcome& f : ctx.descriptionFiles)
            listFile(ctx, f);
        return ExitOk;
    }
    if (what == QLatin1String("check"))
        return check(ctx);
    if (what == QLatin1String("export"))
        return exportPages(ctx);
    if (what == QLatin1String("trust"))
        return trust(ctx);
    if (what == QLatin1String("untrust"))
        return untrust(ctx);
    return ctx.usage(QCoreApplication::translate("Cli", "modules принимает list, check, export, trust или untrust"));
}

} // namespace talmero::cli
