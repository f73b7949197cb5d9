#include "link/block_read.h"

#include "link/adapter.h"
#include "link/answer_text.h"

#include <QCoreApplication>

namespace talmero::link {

Outcome BlockRead::outcome() const
{
    if (data)
        return Outcome::done();
    return Outcome::failed(refused ? Outcome::Kind::ModuleRefused : Outcome::Kind::WrongAnswer,
                           QCoreApplication::translate("BlockRead", "! Неверный ответ модуля") + negativeAnswerNote(answer));
}

BlockRead readBlock(Adapter& adapter, const QString& block, bool logIt)
{
    const QString cut = cutCOM(adapter.writeCOM(QStringLiteral("21") + block, logIt));
    BlockRead read;
    read.answer = withoutPendingNotes(cut);
    read.refused = negativeReason(read.answer) >= 0;
    // A framed answer shorter than its count is no block.
    read.data = positiveData(cut, QStringLiteral("61") + block.toUpper());
    return read;
}

} // namespace talmero::link
