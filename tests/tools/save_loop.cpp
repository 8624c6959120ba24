// Saves two different images over the configuration file, turn by turn,
// until it is killed. Used to prove that no kill leaves a torn file, nor a
// torn version in the history beside it.
//
//   save_loop FILE            saves as the editors do
//   save_loop FILE library    saves as the library's Save does
//   save_loop FILE restore    restores, turn by turn, the two oldest versions
//                             in the history, as the History dialog does
//
// Starting a program for every kill would cost more than the kill itself, so
// this one serves many: each line read on standard input forks a saver that
// writes its process id on standard output ("saving PID") and saves until it
// dies; once it has died the server writes how ("killed SIGNAL" or
// "exited CODE"). A line "measure" forks a saver that makes kMeasuredTurns
// saves and exits: the test times that uncut round to spread its kills over
// the saves on this machine, whatever its load. End of input ends the server.

#include "image_layout.h"
#include "configuration_saves.h"
#include "store.h"
#include "version_keeping.h"
#include "version_listing.h"

#include <QDir>
#include <QVector>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Straight to the pipe: a stdio buffer would be copied into every child.
void say(const std::string &line)
{
    const std::string text = line + "\n";
    if (write(STDOUT_FILENO, text.data(), text.size()) != ssize_t(text.size()))
        _exit(3);
}

enum class Mode { Save, Library, Restore };

constexpr unsigned long kMeasuredTurns = 6;

// Saves until killed, or `turns` times when given.
[[noreturn]] void saveForever(unsigned char *image, Mode mode, unsigned long turns = 0)
{
    say("saving " + std::to_string(getpid()));
    // The dialog reads the chosen version whole before it asks and writes it
    // back; the saver reads its two once, as the kept versions come and go.
    QVector<QByteArray> versions;
    if (mode == Mode::Restore) {
        const QString history = history_folder(file_paths().configuration);
        for (const QString &name : QDir(history).entryList(QDir::Files, QDir::Name).mid(0, 2))
            versions << read_whole_memory(history + QLatin1Char('/') + name);
        if (versions.size() != 2 || versions[0].isEmpty() || versions[1].isEmpty())
            _exit(4);
    }
    for (unsigned long turn = 0;; ++turn) {
        if (turns > 0 && turn == turns)
            _exit(0);
        std::memset(image, turn % 2 ? 0xBB : 0xAA, layout::kImageSize);
        if (mode == Mode::Save) {
            save_image();
        } else if (mode == Mode::Library) {
            save_image(SaveOperation::LibrarySave, KeepBackup::Yes);
        } else {
            save_configuration_bytes(versions[turn % 2], SaveOperation::Restore);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    file_paths().configuration = QString::fromLocal8Bit(argv[1]);
    const std::string mode = argc > 2 ? argv[2] : "save";
    unsigned char *image = ensure_image();
    char request[64];
    while (std::fgets(request, sizeof request, stdin)) {
        const pid_t saver = fork();
        if (saver < 0)
            return 1;
        if (saver == 0)
            saveForever(image, mode == "restore" ? Mode::Restore : mode == "library" ? Mode::Library : Mode::Save,
                        std::strncmp(request, "measure", 7) == 0 ? kMeasuredTurns : 0);
        int status = 0;
        if (waitpid(saver, &status, 0) != saver)
            return 1;
        say(WIFSIGNALED(status) ? "killed " + std::to_string(WTERMSIG(status))
                                : "exited " + std::to_string(WEXITSTATUS(status)));
    }
    return 0;
}
