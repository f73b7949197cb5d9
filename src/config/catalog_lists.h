#pragma once

#include <QString>
#include <QStringList>

// The lists the usage text and the manual pages give, from the module table: adding a
// module changes no text that is translated.
namespace talmero::config {

// The program's own pages by caption, a page of two modules with its first module's name
// as another name for it: "DDM+PDM (или DDM)" (alias: the translated "(или %1)").
QStringList pageNames(const QString& alias);
// The program's own modules by name, in the table's order.
QStringList moduleNames();
// The modules a backup keeps, in the file's order.
QStringList backupModuleNames();
// The AS-BUILT lines by address ("720-01-01").
QStringList asBuiltAddresses();

} // namespace talmero::config
