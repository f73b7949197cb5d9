#include "link/block_read.h"

#include "car/modules.h"
#include "link/adapter.h"
#include "link/answer_text.h"
#include "link/session.h"

#include <QCoreApplication>

namespace talmero::link {

namespace {
constexpr int kVinBytes = 17;
} // namespace

bool BlockRead::failed() const
{
    using Kind = ClassifiedAnswer::Kind;
    return classified.kind == Kind::AdapterText || classified.kind == Kind::Cut || classified.kind == Kind::Garbled
        || classified.kind == Kind::Silent;
}

Outcome BlockRead::outcome(const QString& module) const
{
    if (data)
        return Outcome::done();
    if (lost)
        return Session::linkLost();
    Outcome::Kind kind = refused ? Outcome::Kind::ModuleRefused : Outcome::Kind::WrongAnswer;
    if (classified.kind == ClassifiedAnswer::Kind::Silent)
        kind = Outcome::Kind::ModuleSilent;
    else if (failed())
        kind = Outcome::Kind::AdapterText;
    return Outcome::failed(kind, readFailureLine(classified, blockReadText(block, module)));
}

ClassifiedAnswer readAnswer(Adapter& adapter, const QString& request, bool logIt, AnswerLength length)
{
    ClassifiedAnswer answer = classifyAnswer(adapter.writeCOM(request, logIt, length));
    // Once: a second spoiled answer says more about the line than about the module.
    if (answer.spoiled() && !adapter.linkLost())
        answer = classifyAnswer(adapter.writeCOM(request, logIt, length));
    return answer;
}

QString readFailureLine(const ClassifiedAnswer& answer, const QString& what)
{
    switch (answer.kind) {
    case ClassifiedAnswer::Kind::AdapterText:
        return QCoreApplication::translate("BlockRead", "! Адаптер сообщил %1 при чтении %2").arg(answer.words, what);
    case ClassifiedAnswer::Kind::Cut:
        return QCoreApplication::translate("BlockRead", "! Ответ адаптера оборван (байт: %1 из %2) при чтении %3")
            .arg(answer.got)
            .arg(answer.announced)
            .arg(what);
    case ClassifiedAnswer::Kind::Garbled:
        return QCoreApplication::translate("BlockRead", "! Ответ адаптера искажён (%1) при чтении %2").arg(answer.words, what);
    case ClassifiedAnswer::Kind::Silent:
        return QCoreApplication::translate("BlockRead", "! Адаптер не ответил при чтении %1").arg(what);
    case ClassifiedAnswer::Kind::Data:
    case ClassifiedAnswer::Kind::Refusal:
    case ClassifiedAnswer::Kind::Busy:
        break;
    }
    return QCoreApplication::translate("BlockRead", "! Неверный ответ модуля") + negativeAnswerNote(answer.hex);
}

QString blockReadText(const QString& block, const QString& module)
{
    if (module.isEmpty())
        return QCoreApplication::translate("BlockRead", "блока %1").arg(block);
    return QCoreApplication::translate("BlockRead", "блока %1 модуля %2").arg(block, module);
}

BlockRead readBlock(Adapter& adapter, const QString& block, bool logIt, std::optional<int> dataBytes)
{
    const AnswerLength length = dataBytes ? answerWithData(*dataBytes) : AnswerLength{};
    BlockRead read;
    read.block = block.toUpper();
    read.classified = readAnswer(adapter, QStringLiteral("21") + block, logIt, length);
    read.refused = read.classified.kind == ClassifiedAnswer::Kind::Refusal;
    if (read.refused || read.classified.kind == ClassifiedAnswer::Kind::Data)
        read.answer = read.classified.hex;
    read.data = read.classified.positive(QStringLiteral("61") + read.block);
    read.lost = !read.data && adapter.linkLost();
    return read;
}

std::optional<int> blockBytes(const car::Module& module, int block)
{
    if (block == module.vinBlock)
        return kVinBytes;
    for (const car::BlockLayout* layout : module.blocks) {
        // A longer block than this is kept cut to it, and asked for again with its own count.
        if (layout->number == block)
            return layout->hexText ? layout->capacity / 2 : layout->capacity / 8;
    }
    return std::nullopt;
}

} // namespace talmero::link
