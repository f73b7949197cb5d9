#include "config/layout.h"

#include "config/layout_acm.h"
#include "config/layout_bcm.h"
#include "config/layout_check.h"
#include "config/layout_ipc.h"
#include "config/layout_small_modules.h"

namespace talmero::config {

namespace {

using namespace tables;

constexpr std::string_view kZero8 = "00000000";
constexpr std::string_view kZero24 = "000000000000000000000000";
constexpr std::string_view kZero32 = "00000000000000000000000000000000";

constexpr BlockLayout kBlocks[kBlockCount] = {
    {.id = BlockId::IPC, .page = 0, .variable = "confIPC", .capacity = 40, .zero = kZero32,
     .minLength = 2, .asBuilt = true, .options = kIpcOptions},
    {.id = BlockId::ACM, .page = 1, .variable = "confACM", .capacity = 24, .zero = kZero24,
     .minLength = 2, .refusePos = 17, .refusePattern = "11110000",
     .refuseMessage = QT_TRANSLATE_NOOP("Layout", "Несконфигурирована"), .options = kAcmOptions},
    {.id = BlockId::BCM1, .page = 2, .variable = "confBCM1", .capacity = 32, .zero = kZero32,
     .minLength = 2, .asBuilt = true, .options = kBcm1Options},
    {.id = BlockId::BCM2, .page = 2, .variable = "confBCM2", .capacity = 24, .zero = kZero24,
     .minLength = 2, .asBuilt = true, .options = kBcm2Options},
    {.id = BlockId::DDM, .page = 3, .variable = "confDDM", .capacity = 8, .zero = kZero8,
     .minLength = 2, .alsoEnabled = "RadioGroupDDMw", .options = kDdmOptions},
    {.id = BlockId::HVAC, .page = 4, .variable = "confHVAC", .capacity = 8, .zero = kZero8,
     .exactLengths = {8, 8}, .options = kHvacOptions},
    {.id = BlockId::RCM, .page = 5, .variable = "confRCM", .capacity = 32, .zero = kZero32,
     .exactLengths = {32, 32}, .known = pos({2, 9, 11, 12, 15}),
     .unknownMessage = QT_TRANSLATE_NOOP("Layout", "Неизвестная конфигурация"), .options = kRcmOptions},
    {.id = BlockId::ABS, .page = 6, .variable = "confABS", .capacity = 8, .zero = kZero8,
     .exactLengths = {8, 8}, .options = kAbsOptions},
    {.id = BlockId::HCM, .page = 7, .variable = "confHCM", .capacity = 8, .hexText = true,
     .zero = "00", .exactLengths = {2, 8}, .options = kHcmOptions},
};

constexpr bool allSound()
{
    for (const BlockLayout& b : kBlocks) {
        if (!layoutProblem(b).empty())
            return false;
    }
    return repeatedName(kBlocks).empty();
}
static_assert(allSound(), "a configuration layout table is inconsistent; the table test says where");

constexpr bool inIdOrder()
{
    for (int i = 0; i < kBlockCount; ++i) {
        if (int(kBlocks[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inIdOrder());

} // namespace

std::span<const BlockLayout> blockLayouts()
{
    return kBlocks;
}

const BlockLayout& layoutOf(BlockId id)
{
    return kBlocks[int(id)];
}

const Option* findOption(std::string_view name, const BlockLayout** block)
{
    for (const BlockLayout& b : kBlocks) {
        for (const Option& o : b.options) {
            if (o.name == name) {
                if (block)
                    *block = &b;
                return &o;
            }
        }
    }
    return nullptr;
}

} // namespace talmero::config
