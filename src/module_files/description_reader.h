#pragma once

#include "car/catalog.h"
#include "module_files/kept_records.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// A module description file read into the program's own records, before its rules are
// checked. Reading throws a FieldProblem for JSON that is not of the format.
namespace talmero::module_files {

// A sample block and the states it decodes to: a tick 0/1 or a radio item (-1 none).
struct Sample {
    QString path;
    QString hex;
    QHash<QString, int> states;
    QHash<QString, QString> statePaths; // where each state stands in the file
};

struct ReadBlock {
    QString path;
    car::BlockLayout* layout = nullptr; // for a "sameAs" block, the other module's
    QString sameAs;                     // that module's address
    int number = 0;
    QList<Sample> samples;
};

struct ReadModule {
    QString path;
    car::Module* module = nullptr;
    QList<ReadBlock> blocks;
};

struct ReadFile {
    KeptRecords kept;
    QString title; // in the language the program speaks
    bool extension = false;
    // A new module and its page.
    QList<ReadModule> modules;
    car::PageInfo* page = nullptr;
    // An extension: the block it adds to, its options and samples.
    QString extendsAddress;
    int extendsBlock = 0;
    std::vector<car::Option>* options = nullptr;
    QList<Sample> samples;
};

inline constexpr int kFormat = 1;

// The format's words for the program's kinds, in the order of their enums.
const QStringList& optionKindNames();  // car::OptionKind
const QStringList& enableRuleNames();  // car::EnableRule
const QStringList& controlKindNames(); // car::ControlKind

// The records of a file; throws FieldProblem. Texts are taken in Russian where the file
// has them and the program speaks Russian, else in English.
ReadFile readDescription(const QByteArray& bytes, const car::DescriptionFile* file, bool russian);

} // namespace talmero::module_files
