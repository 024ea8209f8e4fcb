#include "startup/option_parser.h"

#include <algorithm>

namespace {

bool isOption(const QString& argument) {
    return argument.startsWith(QLatin1String("--"));
}

// Reads the option at `arguments[at]` (and its value, moving `at` past it) into `into`;
// answers why it is refused, empty when it is good.
QString readOption(const QStringList& arguments, qsizetype& at, const QList<OptionDeclaration>& declared,
                   CommandArguments& into) {
    const QString& name = arguments[at];
    const auto option =
        std::find_if(declared.begin(), declared.end(), [&](const OptionDeclaration& o) { return o.name == name; });
    if (option == declared.end())
        return QStringLiteral("unknown option %1").arg(name);
    // The first value would be dropped without a word, and the run would not be what was asked for.
    if (into.has(name))
        return QStringLiteral("%1 is given twice").arg(name);
    QString value;
    if (!option->valueName.isEmpty()) {
        if (at + 1 >= arguments.size() || arguments[at + 1].isEmpty())
            return QStringLiteral("%1 needs a value").arg(name);
        value = arguments[++at];
        if (option->check)
            if (const QString refused = option->check(value); !refused.isEmpty())
                return refused;
    }
    into.options.insert(name, value);
    return {};
}

// Reads what follows the command's name; answers the usage error, empty when it is good.
QString readCommand(const QStringList& arguments, qsizetype at, const HeadlessCommand& command,
                    CommandArguments& into) {
    const ArgumentDeclaration& argument = command.argument;
    bool given = false;
    for (; at < arguments.size(); ++at) {
        const QString& word = arguments[at];
        if (isOption(word)) {
            if (const QString refused = readOption(arguments, at, command.options, into); !refused.isEmpty())
                return refused;
            continue;
        }
        if (argument.name.isEmpty())
            return QStringLiteral("%1 takes no arguments").arg(command.name);
        if (given)
            return QStringLiteral("%1 takes one %2, not %3 and %4")
                .arg(command.name, argument.noun, into.argument, word);
        if (word.isEmpty())
            return QStringLiteral("%1 needs a %2").arg(command.name, argument.noun);
        if (argument.choices && !argument.choices().contains(word))
            return QStringLiteral("there is no %1 %2").arg(argument.noun, word);
        into.argument = word;
        given = true;
    }
    if (argument.required && !argument.name.isEmpty() && !given)
        return QStringLiteral("%1 needs a %2").arg(command.name, argument.noun);
    for (const OptionDeclaration& option : command.options)
        if (option.required && !into.has(option.name))
            return QStringLiteral("%1 needs %2 %3").arg(command.name, option.name, option.valueName);
    return command.check ? command.check(into) : QString();
}

} // namespace

namespace OptionParser {

CommandLine parse(const QStringList& arguments, const QList<OptionDeclaration>& globalOptions,
                  const QList<HeadlessCommand>& commands) {
    CommandLine line;
    CommandArguments globals;
    qsizetype at = 0;
    for (; at < arguments.size() && arguments[at].startsWith(u'-'); ++at)
        if (const QString refused = readOption(arguments, at, globalOptions, globals); !refused.isEmpty()) {
            line.error = refused;
            return line;
        }
    line.programFolder = globals.value(QStringLiteral("--program-folder"));
    line.server = globals.value(QStringLiteral("--server"));
    line.help = globals.has(QStringLiteral("--help"));
    line.version = globals.has(QStringLiteral("--version"));
    if (at == arguments.size())
        return line;

    const QString& name = arguments[at];
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&](const HeadlessCommand& c) { return c.name == name; });
    if (command == commands.end())
        line.error = QStringLiteral("unknown command %1").arg(name);
    else if (line.help || line.version)
        line.error = QStringLiteral("%1 goes without a command").arg(line.help ? "--help" : "--version");
    else
        line.error = readCommand(arguments, at + 1, *command, line.arguments);
    if (line.error.isEmpty())
        line.command = &*command;
    return line;
}

CommandLine parse(const QStringList& arguments) {
    return parse(arguments, CommandTable::globalOptions(), CommandTable::commands());
}

} // namespace OptionParser
