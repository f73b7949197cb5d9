#pragma once

#include <QCoreApplication>

// The write gate's messages, shared by its parts (the program's own texts, translated under
// the context "WriteGate").
namespace talmero::safety::gate_texts {

inline constexpr const char* kWritten = QT_TRANSLATE_NOOP("WriteGate", "* Успешно записано");
inline constexpr const char* kWrongAnswer = QT_TRANSLATE_NOOP("WriteGate", "! Неверный ответ модуля");
inline constexpr const char* kHeldNotRead = QT_TRANSLATE_NOOP("WriteGate", "! Блок модуля не прочитан: запись не выполнена");
inline constexpr const char* kUntrustedFile = QT_TRANSLATE_NOOP(
    "WriteGate", "! Запись меняет параметры из файла описания %1, которому нет доверия: ничего не записано. "
                 "Доверие файлу даётся галочкой в окне «Файлы описаний…» (кнопка на вкладке «Конфигурация» и в окне "
                 "настроек подключения; в командной строке: talmero-cli modules trust ФАЙЛ, или --trust ФАЙЛ для одной команды)");
inline constexpr const char* kUnchanged = QT_TRANSLATE_NOOP("WriteGate", "* Модуль уже содержит эти данные: запись не нужна");
inline constexpr const char* kOtherLength = QT_TRANSLATE_NOOP("WriteGate", "! Блок для записи длиной %1, а модуль содержит %2: запись не выполнена");
inline constexpr const char* kLengthWarning = QT_TRANSLATE_NOOP("WriteGate", "Длина отличается: модуль содержит %1, записывается %2");
inline constexpr const char* kCancelled = QT_TRANSLATE_NOOP("WriteGate", "* Запись отменена");
inline constexpr const char* kNoVoltage = QT_TRANSLATE_NOOP("WriteGate", "! Адаптер не сообщил напряжение бортовой сети: запись не выполнена");
inline constexpr const char* kLowVoltage = QT_TRANSLATE_NOOP("WriteGate", "! Напряжение бортовой сети %1 В ниже порога %2 В: запись не выполнена");
inline constexpr const char* kNoJournal = QT_TRANSLATE_NOOP("WriteGate", "! Журнал записей недоступен (%1): запись не выполнена");
inline constexpr const char* kJournalSetAside = QT_TRANSLATE_NOOP("WriteGate", "! Журнал записей был повреждён и отложен как %1; начат новый журнал");
inline constexpr const char* kJournalNotCompleted = QT_TRANSLATE_NOOP("WriteGate", "! Итог записи не внесён в журнал (%1)");
inline constexpr const char* kCancelledNotRecorded = QT_TRANSLATE_NOOP("WriteGate", "! Отмена записи не внесена в журнал (%1)");
inline constexpr const char* kAnswerLost = QT_TRANSLATE_NOOP("WriteGate", "! Ответ модуля на запись не получен или не понят: модуль мог принять запись");
inline constexpr const char* kVerified = QT_TRANSLATE_NOOP("WriteGate", "* Запись проверена: модуль содержит записанные данные");
inline constexpr const char* kTookIt = QT_TRANSLATE_NOOP("WriteGate", "* Модуль содержит записанные данные: запись принята");
inline constexpr const char* kKeptOld = QT_TRANSLATE_NOOP("WriteGate", "! Модуль содержит прежние данные: запись не принята");
inline constexpr const char* kDiffers = QT_TRANSLATE_NOOP("WriteGate", "! Модуль содержит другие данные: %1 (записано %2)");
inline constexpr const char* kNotReadBack = QT_TRANSLATE_NOOP("WriteGate", "! Блок после записи не прочитан: запись не проверена");
inline constexpr const char* kBadRequest = QT_TRANSLATE_NOOP("WriteGate", "! Запрос записи отклонён (%1): ничего не отправлено");
inline constexpr const char* kChangedSince = QT_TRANSLATE_NOOP("WriteGate", "! Модуль содержит %1, а не записанное этой записью: восстановление не выполнено");
inline constexpr const char* kChangedWarning = QT_TRANSLATE_NOOP("WriteGate", "Модуль содержит не то, что записала эта запись: блок изменён после неё");
inline constexpr const char* kChangedAfterAsking = QT_TRANSLATE_NOOP("WriteGate", "! Блок модуля изменился после подтверждения: запись не выполнена");
inline constexpr const char* kDonor = QT_TRANSLATE_NOOP("WriteGate", "Этот модуль содержит VIN %1: возможно, он с другого автомобиля (VIN автомобиля %2)");
inline constexpr const char* kLeftOut = QT_TRANSLATE_NOOP("WriteGate", "Не будет записан: %1");
inline constexpr const char* kNotRecorded = QT_TRANSLATE_NOOP("WriteGate", "! Журнал записей: %1");
inline constexpr const char* kDamagedRow = QT_TRANSLATE_NOOP("WriteGate", "! Запись журнала повреждена: она не восстанавливается");
inline constexpr const char* kOtherCar = QT_TRANSLATE_NOOP("WriteGate", "! Запись журнала сделана на другом автомобиле (VIN %1): она не восстанавливается");
inline constexpr const char* kNothingToUndo = QT_TRANSLATE_NOOP("WriteGate", "! Эта запись журнала ничего не изменила: восстанавливать нечего");
inline constexpr const char* kAlreadyUndone = QT_TRANSLATE_NOOP("WriteGate", "! Эта запись журнала уже отменена");
inline constexpr const char* kSettledNew = QT_TRANSLATE_NOOP("WriteGate", "* Запись журнала от %1 уточнена: модуль содержит записанные тогда данные");
inline constexpr const char* kSettledOld = QT_TRANSLATE_NOOP("WriteGate", "* Запись журнала от %1 уточнена: модуль содержит прежние данные");
// A length in bytes ("%n байт"), for kOtherLength and kLengthWarning.
inline constexpr const char* kBytes = QT_TRANSLATE_N_NOOP("WriteGate", "%n байт");
inline constexpr const char* kBusyReadAgain = QT_TRANSLATE_NOOP("WriteGate", "* Модуль занят сохранением блока (7F 3B 78): блок читается повторно");
inline constexpr const char* kBusyNoAnswer = QT_TRANSLATE_NOOP("WriteGate", "! Модуль ответил «занят, ответ следует» (7F 3B 78), а ответ не пришёл: модуль мог принять запись");
inline constexpr const char* kBusyKeptOld = QT_TRANSLATE_NOOP("WriteGate", "! Модуль был занят и через %1 с содержит прежние данные: запись не подтверждена; её итог уточнит следующее чтение блока");
inline constexpr const char* kLinkLost = QT_TRANSLATE_NOOP("WriteGate", "! Связь с адаптером потеряна: %1");
inline constexpr const char* kLostNothing = QT_TRANSLATE_NOOP("WriteGate", "ничего не записано");
inline constexpr const char* kLostVerified = QT_TRANSLATE_NOOP("WriteGate", "записано и проверено: %1");
inline constexpr const char* kLostUnknown = QT_TRANSLATE_NOOP("WriteGate", "запись отправлена, но не проверена (модуль мог её принять): %1; итог уточнит следующее чтение блока");
inline constexpr const char* kLostNotSent = QT_TRANSLATE_NOOP("WriteGate", "не записано: %1");
inline constexpr const char* kBackupIncomplete = QT_TRANSLATE_NOOP("WriteGate", "! Резервная копия неполна: %1; ничего не записано");
inline constexpr const char* kBatchWhole = QT_TRANSLATE_NOOP("WriteGate", "! Пакет отменяется только целиком, а %1 %2: ничего не записано");
// Why a member of a batch undone whole stops it (after the module's name).
inline constexpr const char* kWhyNotRead = QT_TRANSLATE_NOOP("WriteGate", "не прочитан");
inline constexpr const char* kWhyChanged = QT_TRANSLATE_NOOP("WriteGate", "изменён после записи");
inline constexpr const char* kWhyUntrusted = QT_TRANSLATE_NOOP("WriteGate", "меняет параметры файла описания без доверия");
inline constexpr const char* kWhyLength = QT_TRANSLATE_NOOP("WriteGate", "содержит блок другой длины");
inline constexpr const char* kOtherConnection = QT_TRANSLATE_NOOP("WriteGate", "! Запись журнала сделана при другом подключении, когда VIN автомобиля не был прочитан: она не восстанавливается");
inline constexpr const char* kNotAgreed = QT_TRANSLATE_NOOP("WriteGate", "! Запрос не подтверждён пользователем и не отправлен");

} // namespace talmero::safety::gate_texts
