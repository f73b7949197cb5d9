#include "app/vin_note.h"

#include "app/connection_settings.h"
#include "link/modules.h"

namespace talmero::app {

VinNote VinNotes::of(const link::LinkState& state)
{
    if (!state.online)
        return {};
    const link::CarVin car = state.carVin();
    // The seventeen zeros stand for "not typed" (the demo car takes them for an empty field).
    const QString typed = state.carVIN == ConnectionSettings::kPlaceholderVIN ? QString() : state.carVIN;
    if (!car.disputed.isEmpty()) {
        return {tr("модули автомобиля называют разные VIN"),
                tr("%1. Пока они расходятся, в ходу VIN, введённый при подключении.").arg(car.disputed.join(QStringLiteral("; "))),
                true};
    }
    // One used module alone may be from another car.
    if (!car.unconfirmed.isEmpty()) {
        return {tr("не подтверждён: его дал только один модуль"),
                tr("%1. Без VIN панели приборов нужны два модуля с одним VIN; пока в ходу VIN, введённый при подключении.")
                    .arg(car.unconfirmed),
                true};
    }
    if (!car.known() && typed.isEmpty()) {
        return {tr("не введён, из автомобиля не прочитан"),
                tr("Опрос модулей, резервная копия, чтение VIN или запись прочитают его из автомобиля."), false};
    }
    if (!car.known()) {
        return {tr("введён, из автомобиля не прочитан"),
                tr("VIN, введённый при подключении. Опрос модулей, резервная копия, чтение VIN или запись прочитают "
                   "его из автомобиля."),
                false};
    }
    const link::TModuls* from = link::moduleAt(car.from);
    const QString module = from ? car::qs(from->name) : car.from;
    if (!typed.isEmpty() && typed != car.vin) {
        return {tr("введён другой: %1").arg(typed),
                tr("VIN автомобиля прочитан из модуля %1; при подключении введён %2. Журнал записей и резервные "
                   "копии берут VIN автомобиля.").arg(module, typed),
                true};
    }
    return {tr("из автомобиля (%1)").arg(module), tr("VIN прочитан из модуля %1").arg(module), false};
}

} // namespace talmero::app
