#include "cli/cli_host.h"
#include "cli/commands.h"
#include "diag/dtc_descriptions.h"
#include "diag/dtc_meaning.h"

#include <QCoreApplication>

namespace talmero::cli {

namespace {

QString label(const char* text)
{
    return QCoreApplication::translate("Cli", text);
}

} // namespace

// dtc explain CODE...: what each code is by its structure and what it means, offline.
int runExplainCommand(CommandContext& ctx)
{
    const QStringList codes = ctx.args.words.mid(2);
    if (codes.isEmpty())
        return ctx.usage(QCoreApplication::translate("Cli", "dtc explain: нужны один или несколько кодов неисправностей, например P0420"));
    for (const QString& code : codes) {
        if (!diag::isDtcCode(code.toUpper()))
            return ctx.usage(QCoreApplication::translate("Cli", "не код неисправности: %1 (буква P, C, B или U, цифра 0-3, три шестнадцатеричные цифры)").arg(code));
    }
    const diag::DtcDescriptions descriptions = diag::DtcDescriptions::withUserFile();
    for (const QString& line : descriptions.userFileReport())
        ctx.err << line << '\n';
    for (const QString& typed : codes) {
        const QString code = typed.toUpper();
        const diag::DtcStructure s = *diag::dtcStructure(code);
        const diag::DtcDescription* d = descriptions.find(code);
        ctx.out << code << '\n'
                << "  " << label(QT_TRANSLATE_NOOP("Cli", "Система: ")) << diag::systemText(s.system) << '\n'
                << "  " << label(QT_TRANSLATE_NOOP("Cli", "Кто определяет: ")) << diag::ownerText(s.owner) << '\n';
        if (!s.group.isEmpty())
            ctx.out << "  " << label(QT_TRANSLATE_NOOP("Cli", "Группа: ")) << s.group << '\n';
        ctx.out << "  " << label(QT_TRANSLATE_NOOP("Cli", "Описание: ")) << diag::codeMeaning(code, descriptions) << '\n'
                << "  " << label(QT_TRANSLATE_NOOP("Cli", "Источник: "))
                << (d ? diag::sourceText(d->source) : label(QT_TRANSLATE_NOOP("Cli", "описания нет, только строение кода")))
                << '\n';
    }
    return ExitOk;
}

} // namespace talmero::cli
