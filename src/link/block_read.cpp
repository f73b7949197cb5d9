#include "link/block_read.h"

#include "car/catalog.h"

#include "car/modules.h"
#include "link/adapter.h"
#include "link/answer_text.h"

#include <QCoreApplication>

namespace talmero::link {

namespace {
constexpr int kVinBytes = 17;
} // namespace

Outcome BlockRead::outcome() const
{
    if (data)
        return Outcome::done();
    return Outcome::failed(refused ? Outcome::Kind::ModuleRefused : Outcome::Kind::WrongAnswer,
                           QCoreApplication::translate("BlockRead", "! Неверный ответ модуля") + negativeAnswerNote(answer));
}

BlockRead readBlock(Adapter& adapter, const QString& block, bool logIt, std::optional<int> dataBytes)
{
    const AnswerLength length = dataBytes ? answerWithData(*dataBytes) : AnswerLength{};
    const QString cut = cutCOM(adapter.writeCOM(QStringLiteral("21") + block, logIt, length));
    BlockRead read;
    read.answer = withoutPendingNotes(cut);
    read.refused = negativeReason(read.answer) >= 0;
    // A framed answer shorter than its count is no block.
    read.data = positiveData(cut, QStringLiteral("61") + block.toUpper());
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

std::optional<int> blockBytes(const QString& address, const QString& block)
{
    bool ok = false;
    const int number = block.toInt(&ok, 16);
    const car::Module* module = car::moduleAt(address.toUpper().toStdString());
    if (!ok || block.size() != 2 || !module)
        return std::nullopt;
    return blockBytes(*module, number);
}

} // namespace talmero::link
