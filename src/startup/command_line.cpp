#include "startup/command_line.h"

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!result.command.isEmpty()) {
            result.commandArguments << argument;
        } else if (argument == QLatin1String("--program-folder")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) {
                result.error = QStringLiteral("--program-folder needs a folder");
                return result;
            }
            result.programFolder = arguments[++i];
        } else if (argument.startsWith(u'-')) {
            result.error = QStringLiteral("unknown option %1").arg(argument);
            return result;
        } else {
            result.command = argument;
        }
    }
    const QStringList commands{QStringLiteral("create-meet"), QStringLiteral("print"), QStringLiteral("backup"),
                               QStringLiteral("restore"), QStringLiteral("export"), QStringLiteral("import")};
    if (!result.command.isEmpty() && !commands.contains(result.command))
        result.error = QStringLiteral("unknown command %1").arg(result.command);
    else if ((result.command == QLatin1String("create-meet") || result.command == QLatin1String("backup")) &&
             !result.commandArguments.isEmpty())
        result.error = QStringLiteral("%1 takes no arguments").arg(result.command);
    else if (result.command == QLatin1String("restore") && result.commandArguments.size() != 1)
        result.error = QStringLiteral("restore takes one backup file");
    else if (result.command == QLatin1String("import") && result.commandArguments.size() != 1)
        result.error = QStringLiteral("import takes one district file");
    return result;
}

QString CommandLine::usage() {
    return QStringLiteral(
        "usage: corravin [--program-folder DIR]\n"
        "       corravin [--program-folder DIR] create-meet\n"
        "       corravin [--program-folder DIR] backup\n"
        "       corravin [--program-folder DIR] restore FILE\n"
        "       corravin [--program-folder DIR] export --folder DIR [--division X] [--team NAME]\n"
        "       corravin [--program-folder DIR] import FILE\n"
        "       corravin [--program-folder DIR] print REPORT [--division X] [--class N] [--team NAME]\n"
        "                [--order random|sequential] [--pdf FILE] [--csv FILE]\n"
        "       corravin [--program-folder DIR] publish --folder DIR");
}
