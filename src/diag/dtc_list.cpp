#include "diag/dtc_list.h"

#include "diag/hex_text.h"
#include "link/codecs.h"

#include <algorithm>

namespace talmero::diag {

std::optional<DtcList> parseDtcList(const QString& data)
{
    // A positive answer cut short or garbled has no usable count.
    DtcList list;
    list.count = hexByte(data.left(2));
    if (list.count < 0)
        return std::nullopt;
    // A list of the wrong length or with anything but hex digits is never shown as codes.
    const QString codes = data.mid(2);
    list.readable = codes.size() == 6 * list.count
        && std::all_of(codes.begin(), codes.end(), [](QChar c) { return link::hexDigitValue(c) >= 0; });
    if (!list.readable)
        return list;
    for (int i = 0; i < list.count; ++i)
        list.codes.append(codes.mid(6 * i, 6));
    return list;
}

} // namespace talmero::diag
