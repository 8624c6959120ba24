#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QVector>

// The commands of vektor-tool. Each lives in a file of its own and enters
// the table with one static ToolCommandRegistration, so adding a command is
// adding a file (src/tool/*.cpp are all built into the tool):
//
//   namespace {
//   int run(const QStringList &arguments) { CommandLine line(...); ... }
//   const ToolCommandRegistration registration({"ports", "", "lists the MIDI ports", 80, run});
//   }
//
// `order` places it in the tool's help: encode 10 ... diff 70.

namespace exitcode {
constexpr int kDone = 0;      // also: the same, clean
constexpr int kDifferent = 1; // also: problems found
constexpr int kTrouble = 2;
} // namespace exitcode

struct ToolCommand {
    const char *name;     // "encode"
    const char *synopsis; // its arguments: "IN OUT.syx"
    const char *summary;  // one line for the tool's help
    int order;            // its place in the tool's help
    // Gets the command's own arguments, the command name first; returns the exit code.
    int (*run)(const QStringList &arguments);
};

struct ToolCommandRegistration {
    explicit ToolCommandRegistration(const ToolCommand &command);
};

// Every registered command, in help order.
QVector<ToolCommand> tool_commands();

// The command line of one command: its own --help, its positional arguments
// and options, errors as one line.
class CommandLine
{
public:
    // `arguments` names the positional arguments for the usage line: "IN OUT.syx".
    CommandLine(const char *name, const char *arguments, const QString &description);

    QCommandLineParser parser;
    void addPositional(const QString &name, const QString &description);
    void addOption(const QCommandLineOption &option) { parser.addOption(option); }

    // Parses the arguments; false when the command is done already (it asked
    // for help, or the line is wrong), with the exit code in `exitCode`.
    bool parse(const QStringList &arguments, int minPositional, int maxPositional, int *exitCode);
    QStringList positional() const { return parser.positionalArguments(); }

    // "vektor-tool encode: <message>" on standard error; returns `exitCode`.
    int fail(const QString &message, int exitCode = exitcode::kTrouble) const;

private:
    QString command;
    QString synopsis;
};

// Results go to standard output as UTF-8, one line each.
void print_line(const QString &line);
void print_bytes(const QByteArray &bytes);
// Flushes standard output at the end of a command: a result that did not
// get out (a full disk, a closed pipe) is trouble, whatever the command
// returned. Returns the exit code to end with.
int finish_output(int exitCode);
