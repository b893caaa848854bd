#pragma once
// Runs the real clipwise-cli program and captures what it prints.

#include <QProcess>
#include <QStringList>

#include <string>
#include <vector>

struct TCliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs in workingFolder when one is given, else in the test's own.
inline TCliRun RunCli(const std::vector<std::string>& args, const std::string& workingFolder = {}) {
    QStringList arguments;
    for (const std::string& arg : args) {
        arguments << QString::fromStdString(arg);
    }
    QProcess process;
    if (!workingFolder.empty()) {
        process.setWorkingDirectory(QString::fromStdString(workingFolder));
    }
    process.start(QStringLiteral(CLIPWISE_CLI_PATH), arguments);
    process.waitForFinished(120'000);
    TCliRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}
