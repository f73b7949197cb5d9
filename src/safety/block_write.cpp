#include "safety/block_write.h"

#include <algorithm>

namespace talmero::safety {

link::Outcome WriteResult::summary() const
{
    using Kind = link::Outcome::Kind;
    const auto with = [this](Kind kind) { return link::Outcome{kind, line, shown}; };
    if (holds())
        return with(Kind::Done);
    if (linkLost)
        return with(Kind::ConnectionLost);
    switch (outcome) {
    case WriteOutcome::Cancelled:
        return with(Kind::Cancelled);
    case WriteOutcome::NotSent:
        return with(Kind::Refused);
    case WriteOutcome::Unknown:
        return with(Kind::Unknown);
    default:
        return with(Kind::Failed);
    }
}

bool BatchResult::allHold() const
{
    return !results.isEmpty() && std::all_of(results.begin(), results.end(), [](const WriteResult& r) { return r.holds(); });
}

link::Outcome BatchResult::summary() const
{
    if (results.isEmpty())
        return refusal;
    if (allHold()) {
        const auto verified = std::find_if(results.rbegin(), results.rend(),
                                           [](const WriteResult& r) { return r.outcome == WriteOutcome::Verified; });
        return (verified != results.rend() ? *verified : results.last()).summary();
    }
    // A block left unwritten after another failed says nothing of its own.
    const auto failed = std::find_if(results.rbegin(), results.rend(),
                                     [](const WriteResult& r) { return !r.holds() && !r.line.isEmpty(); });
    if (failed != results.rend())
        return failed->summary();
    return std::find_if(results.rbegin(), results.rend(), [](const WriteResult& r) { return !r.holds(); })->summary();
}

} // namespace talmero::safety
