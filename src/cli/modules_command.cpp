// modules list | check FILE... | export [--dir DIR], and --trust FILE.
#include "cli/cli_host.h"
#include "cli/commands.h"
#include "config/description_trust.h"
#include "link/language.h"
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

// NAME ADDRESS hs|ms PAGE|- own|FILE: every module the program knows now.
void listModules(CommandContext& ctx)
{
    for (const car::Module* m : car::catalog().modules) {
        ctx.out << car::qs(m->name) << ' ' << car::qs(m->address) << ' ' << (m->medium() ? "ms" : "hs") << ' '
                << (m->hasPage() ? car::qs(m->page->caption) : QStringLiteral("-")) << ' '
                << (m->file ? m->file->name : QStringLiteral("own")) << '\n';
    }
}

// file NAME loaded trusted|untrusted SHA256 TITLE, what it adds indented; or
// file NAME refused PATH: RULE.
void listFile(CommandContext& ctx, const module_files::FileOutcome& f)
{
    if (f.refusal) {
        ctx.out << "file " << f.refusal->file << " refused "
                << (f.refusal->path.isEmpty() ? f.refusal->rule : f.refusal->path + QStringLiteral(": ") + f.refusal->rule) << '\n';
        return;
    }
    ctx.out << "file " << f.file->name << " loaded " << (config::isTrusted(*f.file) ? "trusted " : "untrusted ")
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

int exportOwn(CommandContext& ctx)
{
    if (ctx.args.words.size() != 2)
        return ctx.usage(QCoreApplication::translate("Cli", "modules export принимает только --dir"));
    const QString dir = ctx.args.dir.isEmpty() ? QStringLiteral(".") : ctx.args.dir;
    if (!QFileInfo(dir).isDir())
        return ctx.fail(QCoreApplication::translate("Cli", "папки %1 нет: ничего не записано").arg(dir));
    const QList<module_files::ExportedFile> files = module_files::exportOwnModules();
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

} // namespace

bool loadDescriptionFiles(CommandContext& ctx)
{
    ctx.descriptionFiles = module_files::installDescriptionFolders(link::speaksRussian());
    // A refused file is said on every command: its options are missing from the pages.
    if (ctx.args.words.value(0) != QLatin1String("modules")) {
        for (const module_files::FileOutcome& f : ctx.descriptionFiles) {
            if (f.refusal)
                ctx.err << QCoreApplication::translate("Cli", "! Файл описания отклонён: %1").arg(f.refusal->text()) << '\n';
        }
    }
    for (const QString& given : ctx.args.trust) {
        const auto loaded = std::find_if(car::catalog().files.begin(), car::catalog().files.end(),
                                         [&](const auto& f) { return canonical(f->path) == canonical(given); });
        if (given.isEmpty() || loaded == car::catalog().files.end()) {
            ctx.usage(QCoreApplication::translate("Cli", "--trust: %1 - не загруженный файл описания (файлы читаются из %2)")
                          .arg(given, module_files::descriptionFolders().join(QStringLiteral(", "))));
            return false;
        }
        config::setTrusted(**loaded, true);
        ctx.err << QCoreApplication::translate("Cli", "Файлу описания %1 доверено (SHA-256 %2)").arg((*loaded)->name, (*loaded)->sha256) << '\n';
    }
    return true;
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
        return exportOwn(ctx);
    return ctx.usage(QCoreApplication::translate("Cli", "modules принимает list, check или export"));
}

} // namespace talmero::cli
