#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

class RunState;
struct StartOptions;

// What a command line gave one command: its argument and its checked option values.
struct CommandArguments {
    QString argument;               // empty when the command takes none
    QMap<QString, QString> options; // "--folder" -> its value; a flag's value is empty

    bool has(const QString& option) const { return options.contains(option); }
    QString value(const QString& option) const { return options.value(option); }
};

// Checks one value given on the command line: answers why it is refused, empty when it is
// good. It may put the value into the form the command works with (a division in capitals).
using ValueCheck = std::function<QString(QString& value)>;

struct OptionDeclaration {
    QString name{};      // "--folder"
    QString valueName{}; // "DIR"; empty for a flag that takes no value
    bool required = false;
    ValueCheck check{}; // none: any value that is not empty
    QString summary{};  // what a flag that stands alone does (--help), for the usage text
};

struct ArgumentDeclaration {
    QString name{}; // "FILE", "REPORT"; empty when the command takes no argument
    QString noun{}; // what the refusals call it: "backup file"
    bool required = true;
    // The values it may take (the report names), listed in the usage text; none: any value
    // that is not empty.
    std::function<QStringList()> choices{};
};

// One headless command: everything the parser, the usage text and the run need to know.
struct HeadlessCommand {
    QString name{};
    ArgumentDeclaration argument{};
    QList<OptionDeclaration> options{};
    QString summary{};
    bool readsOnly = false;  // only reads the meet: a meet database that cannot be written will do
    bool ownStartUp = false; // runs the start-up checks itself (or, to replace a damaged meet, none)
    // Checks what the options ask for together; empty when good.
    std::function<QString(const CommandArguments&)> check{};
    // Runs the command once the start-up checks passed; answers the exit status.
    std::function<int(RunState&, const StartOptions&, const CommandArguments&)> run{};
};

// Every headless command of the program, the options that go before a command, and the usage
// text made from them.
namespace CommandTable {

const QList<HeadlessCommand>& commands();
const QList<OptionDeclaration>& globalOptions(); // --program-folder DIR, --server URI, --help, --version
QString usage();
QString version(); // "corravin 0.1"

} // namespace CommandTable
