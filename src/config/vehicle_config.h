#pragma once

#include "link/outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace talmero::link {
class Host;
class Session;
struct LinkState;
} // namespace talmero::link

namespace talmero::config {

// Every block of every module of one car, from a VehicleData file or read from the car.
struct VehicleConfig {
    struct Block {
        QString index; // "03", as the file's elmindex holds it
        QString hex;   // "9E0731": upper case, no blanks; "" for a block without data
        bool operator==(const Block&) const = default;
    };
    struct Module {
        QString address; // "726"
        QString title;   // "BCM"
        QList<Block> blocks;
        // A module a description file adds: that file's name and its SHA-256 (hex), as the
        // backup was taken with it; "" for one of the program's own.
        QString file;
        QString sha256;
        bool operator==(const Module&) const = default;
    };
    QString vin;        // "" when the file has none or no module of the car gave it
    QString source;     // the file's full path, "" for the car
    QList<Module> modules;
    QStringList unread; // read from the car: the modules or blocks that did not answer

    const Module* module(const QString& address) const;
    std::optional<QString> block(const QString& address, const QString& index) const;
    // The module lines of a VehicleData file holding these blocks.
    QStringList moduleLines() const;
};

// A VehicleData document as its one reader sees it, before anything is checked: the root,
// the VIN, and every element of the root's first Modules with the children under it. A
// child's text is its own text; an element inside it is only noted.
struct VehicleDataOutline {
    bool vehicleData = false; // the root is VehicleData
    bool modules = false;     // ... and holds Modules
    QString vin;              // the VIN element's text, trimmed
    qint64 vinLine = 0;
    struct Child {
        std::optional<QString> index; // its elmindex, as a block names its number
        QString text;
        qint64 line = 0;
        QString inner;         // the first element inside it, "" for none
        qint64 innerLine = 0;
    };
    struct Module {
        QString address;
        QString title;
        QList<Child> children;
        qint64 line = 0;
        QString file; // its description file's name and SHA-256, when it names one
        QString sha256;
    };
    QList<Module> elements;   // in file order, also those without an address
    // Where the file stops being XML; 0 when it is well-formed.
    qint64 errorLine = 0;
    qint64 errorColumn = 0;
    QString error;
};
VehicleDataOutline outlineVehicleData(const QByteArray& bytes);

// A VehicleData document: all its modules and blocks (the last of equal addresses or
// indexes wins). The one verdict on a file, for opening a page from it, compare and
// restore: nullopt with error set (naming the line) when the document is not XML, has no
// VehicleData/Modules, or a module of it holds a block without a number of two hex digits
// in elmindex, an element inside a block, a block that is not whole hex bytes, a VIN,
// address, title or description file name with a character that is not printable, or a
// description file named without its SHA-256 (64 hex digits).
std::optional<VehicleConfig> parseVehicleData(const QByteArray& bytes, QString& error);

// A VehicleData file; nullopt after a notice that names the file and says why.
std::optional<VehicleConfig> readVehicleFile(const QString& path, link::Host& host);

// The car as read, and how the reading ended.
struct CarReading {
    link::Outcome outcome;             // done when the car was read, even in part
    std::optional<VehicleConfig> car;  // nullopt when the adapter did not answer or no module was read
    QStringList notes;                 // what was not read, as the log says it
};

// The car as the backup button reads it, without writing a file: the backup's modules,
// those of the bus the adapter is on first, so that a switch is asked for once. Its VIN is
// the one its modules hold (also learnt as the connection's).
CarReading readVehicleFromCar(link::Session& session, link::Host& host, link::LinkState& state);

} // namespace talmero::config
