#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: the windowed program, or a headless command.
struct CommandLine {
    QString programFolder; // from --program-folder DIR; empty for the executable's folder
    QString command;       // empty for the windowed program; "create-meet", "print", ...
    QStringList commandArguments;
    QString error;         // set when the arguments could not be understood

    static CommandLine parse(const QStringList& arguments); // arguments without the program name
    static QString usage();
};
