#include "startup/command_table.h"

#include "database/divisions.h"
#include "database/meet_location.h"
#include "startup/backup_commands.h"
#include "startup/exchange_commands.h"
#include "startup/print_command_line.h"
#include "startup/publish_command.h"
#include "startup/server_setting.h"
#include "startup/sub_main.h"
#include "ui/messages.h"
#include "ui/run_state.h"

#include <QDir>
#include <cstdio>

namespace {

constexpr qsizetype UsageWidth = 110;
constexpr qsizetype SummaryColumn = 56;
constexpr qsizetype ContinuedSyntaxColumn = 16;
constexpr int LastClass = 17;

QString checkDivision(QString& value) {
    const QString given = value;
    value = value.toUpper();
    return Divisions::isDivision(value) ? QString()
                                        : QStringLiteral("the division must be A, B, C or D, not %1").arg(given);
}

QString checkClass(QString& value) {
    bool number = false;
    const int classNumber = value.toInt(&number);
    if (!number || classNumber < 1 || classNumber > LastClass)
        return QStringLiteral("the class must be a number from 1 to %1, not %2").arg(LastClass).arg(value);
    value = QString::number(classNumber);
    return {};
}

QString checkOrder(QString& value) {
    if (value == QLatin1String("random") || value == QLatin1String("sequential"))
        return {};
    return QStringLiteral("the order must be random or sequential, not %1").arg(value);
}

QString checkServer(QString& value) { return MeetLocation::uriProblem(value); }

OptionDeclaration folderOption() {
    return {.name = QStringLiteral("--folder"), .valueName = QStringLiteral("DIR"), .required = true};
}
OptionDeclaration divisionOption() {
    return {.name = QStringLiteral("--division"), .valueName = QStringLiteral("X"), .check = checkDivision};
}
OptionDeclaration teamOption() {
    return {.name = QStringLiteral("--team"), .valueName = QStringLiteral("NAME")};
}
OptionDeclaration fileOption(const char* name) {
    return {.name = QLatin1String(name), .valueName = QStringLiteral("FILE")};
}

int createMeet(RunState& state, const StartOptions&, const CommandArguments&) {
    std::printf("%s\n", qPrintable(state.meetLocation().description()));
    return 0;
}

// Points this user's program at a server meet for good (the settings), or back at the file.
int useServer(RunState& state, const StartOptions&, const CommandArguments& arguments) {
    const QString uri = arguments.argument.trimmed();
    QString problem = uri.isEmpty() ? QString() : MeetLocation::uriProblem(uri);
    if (problem.isEmpty() && !ServerSetting::write(uri))
        problem = QStringLiteral("the settings of this user could not be written");
    if (!problem.isEmpty()) {
        state.messages.notice(Messages::appTitle(), QStringLiteral("Nothing was changed: %1.").arg(problem),
                              Messages::Icon::Critical);
        return 1;
    }
    std::printf("The meet of this PC is now %s.\n",
                uri.isEmpty() ? "the meet database in the program folder"
                              : qPrintable(MeetLocation::server(uri).description()));
    return 0;
}

QList<HeadlessCommand> commandTable() {
    return {{.name = QStringLiteral("create-meet"),
             .summary = QStringLiteral("create the meet database if missing, print its path"),
             .run = createMeet},
            {.name = QStringLiteral("backup"),
             .summary = QStringLiteral("make a backup of the meet database, print its path"),
             .readsOnly = true,
             .ownStartUp = true, // refuses a missing meet database rather than have one created
             .run = [](RunState& state, const StartOptions& options,
                       const CommandArguments&) { return runBackupCommand(state, options); }},
            {.name = QStringLiteral("restore"),
             .argument = {.name = QStringLiteral("FILE"), .noun = QStringLiteral("backup file")},
             .summary = QStringLiteral("put a backup in place of the meet database"),
             .ownStartUp = true, // a damaged meet database is what a restore is for
             .run =
                 [](RunState& state, const StartOptions& options, const CommandArguments& arguments) {
                     return runRestoreCommand(state, options, arguments.argument);
                 }},
            {.name = QStringLiteral("export"),
             .options = {folderOption(), divisionOption(), teamOption()},
             .summary = QStringLiteral(
                 "export the teams that match every option given (all teams when none) to RegionX-2006.mdb in DIR"),
             .run =
                 [](RunState& state, const StartOptions&, const CommandArguments& arguments) {
                     return ExchangeCommands::runExport(state, {arguments.value(QStringLiteral("--folder")),
                                                                arguments.value(QStringLiteral("--division")),
                                                                arguments.value(QStringLiteral("--team"))});
                 }},
            {.name = QStringLiteral("import"),
             .argument = {.name = QStringLiteral("FILE"), .noun = QStringLiteral("district file")},
             .summary = QStringLiteral("add every team of a district file as a new team"),
             .run =
                 [](RunState& state, const StartOptions&, const CommandArguments& arguments) {
                     return ExchangeCommands::runImport(state, arguments.argument);
                 }},
            {.name = QStringLiteral("print"),
             .argument = {.name = QStringLiteral("REPORT"),
                          .noun = QStringLiteral("report"),
                          .choices = [] { return PrintCommandLine::registry().names(); }},
             .options = {divisionOption(),
                         {.name = QStringLiteral("--class"), .valueName = QStringLiteral("N"), .check = checkClass},
                         teamOption(),
                         {.name = QStringLiteral("--order"),
                          .valueName = QStringLiteral("random|sequential"),
                          .check = checkOrder},
                         fileOption("--pdf"),
                         fileOption("--csv")},
             .summary = QStringLiteral("render a report straight to PDF, CSV or both; without --class or --division, "
                                       "every class or division at once where the report allows (PDF only)"),
             .readsOnly = true,
             .check = PrintCommandLine::refusal,
             .run = PrintCommandLine::run},
            {.name = QStringLiteral("publish"),
             .options = {folderOption()},
             .summary = QStringLiteral("write the results web pages into DIR"),
             .readsOnly = true,
             .run = [](RunState& state, const StartOptions&, const CommandArguments& arguments) {
                 return PublishCommand::run(state, arguments.value(QStringLiteral("--folder")));
             }},
            {.name = QStringLiteral("use-server"),
             .argument = {.name = QStringLiteral("URI"), .noun = QStringLiteral("server address"), .required = false},
             .summary = QStringLiteral("from now on work on the meet on this server (none: on the meet database "
                                       "in the program folder)"),
             .ownStartUp = true, // only the settings change; the meet is not opened
             .run = useServer}};
}

// `words` joined by blanks onto `line`, wrapped before UsageWidth; a wrapped line starts at `indent`.
QStringList wrapped(QString line, const QStringList& words, qsizetype indent) {
    QStringList lines;
    bool started = !line.trimmed().isEmpty() && !line.endsWith(u' ');
    for (const QString& word : words) {
        if (started && line.size() + 1 + word.size() > UsageWidth) {
            lines << line;
            line = QString(indent, u' ');
            started = false;
        }
        line += (started ? QStringLiteral(" ") : QString()) + word;
        started = true;
    }
    return lines << line;
}

// One form of the program's command line with what it does, the summary from SummaryColumn on.
QStringList usageLines(const QString& lead, const QStringList& syntax, const QString& summary) {
    QStringList lines = wrapped(lead, syntax, ContinuedSyntaxColumn);
    QString last = lines.takeLast();
    if (last.size() + 2 > SummaryColumn) {
        lines << last;
        last.clear();
    }
    return lines + wrapped(last.leftJustified(SummaryColumn), summary.split(u' '), SummaryColumn);
}

QString optionSyntax(const OptionDeclaration& option) {
    const QString given = option.valueName.isEmpty() ? option.name : option.name + u' ' + option.valueName;
    return option.required ? given : u'[' + given + u']';
}

} // namespace

namespace CommandTable {

const QList<HeadlessCommand>& commands() {
    static const QList<HeadlessCommand> commands = commandTable();
    return commands;
}

const QList<OptionDeclaration>& globalOptions() {
    static const QList<OptionDeclaration> options{
        {.name = QStringLiteral("--program-folder"), .valueName = QStringLiteral("DIR")},
        {.name = QStringLiteral("--server"), .valueName = QStringLiteral("URI"), .check = checkServer},
        {.name = QStringLiteral("--help"), .summary = QStringLiteral("print this text")},
        {.name = QStringLiteral("--version"), .summary = QStringLiteral("print the version of the program")}};
    return options;
}

QString usage() {
    QStringList start{QStringLiteral("corravin")};
    for (const OptionDeclaration& option : globalOptions())
        if (!option.valueName.isEmpty())
            start << optionSyntax(option);
    const QString more(7, u' ');
    QStringList lines = usageLines(QStringLiteral("usage:"), start, QStringLiteral("start the program"));
    for (const HeadlessCommand& command : commands()) {
        QStringList syntax = start;
        syntax << command.name;
        if (const ArgumentDeclaration& argument = command.argument; !argument.name.isEmpty())
            syntax << (argument.required ? argument.name : u'[' + argument.name + u']');
        for (const OptionDeclaration& option : command.options)
            syntax << optionSyntax(option);
        lines += usageLines(more, syntax, command.summary);
    }
    for (const OptionDeclaration& option : globalOptions())
        if (option.valueName.isEmpty())
            lines += usageLines(more, {QStringLiteral("corravin"), option.name}, option.summary);
    for (const HeadlessCommand& command : commands())
        if (command.argument.choices) {
            QStringList choices = command.argument.choices();
            for (qsizetype i = 0; i + 1 < choices.size(); ++i)
                choices[i] += u',';
            lines += wrapped(command.argument.noun + QStringLiteral("s:"), choices, command.argument.noun.size() + 3);
        }
    return lines.join(u'\n');
}

QString version() {
    return QStringLiteral("corravin " CORRAVIN_VERSION);
}

} // namespace CommandTable
