#include "startup/headless_commands.h"
#include "startup/option_parser.h"
#include "ui/run_state.h"
#include "startup/sub_main.h"
#include "ui/console_messages.h"
#include "ui/message_box_messages.h"
#include "ui/qt_file_dialogs.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = OptionParser::parse(arguments);
    if (!commandLine.error.isEmpty() || commandLine.help || commandLine.version)
        return answerCommandLine(commandLine);

    const bool headless = commandLine.command != nullptr;
    if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ConsoleMessages consoleMessages;
    MessageBoxMessages boxMessages;
    Messages& messages = headless ? static_cast<Messages&>(consoleMessages) : boxMessages;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corravin"));
    QApplication::setOrganizationName(QStringLiteral("Corravin"));

    StartOptions options;
    options.programFolder = commandLine.programFolder;
    options.server = commandLine.server;
    QtFileDialogs dialogs;
    RunState state(messages, dialogs);
    if (headless)
        return runHeadlessCommand(state, options, commandLine);

    SubMain subMain(state);
    if (const auto status = subMain.Main(options))
        return *status;
    return QApplication::exec();
}
