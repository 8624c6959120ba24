// Saves two different images over the configuration file, turn by turn,
// until it is killed. Used to prove that no kill leaves a torn file.
//
// Starting a program for every kill would cost more than the kill itself, so
// this one serves many: each line read on standard input forks a saver that
// writes its process id on standard output ("saving PID") and saves until it
// dies; once it has died the server writes how ("killed SIGNAL" or
// "exited CODE"). End of input ends the server.

#include "image_layout.h"
#include "store.h"

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

[[noreturn]] void saveForever(unsigned char *image)
{
    say("saving " + std::to_string(getpid()));
    for (unsigned long turn = 0;; ++turn) {
        std::memset(image, turn % 2 ? 0xBB : 0xAA, layout::kImageSize);
        save_image();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    file_paths().configuration = QString::fromLocal8Bit(argv[1]);
    unsigned char *image = ensure_image();
    char request[64];
    while (std::fgets(request, sizeof request, stdin)) {
        const pid_t saver = fork();
        if (saver < 0)
            return 1;
        if (saver == 0)
            saveForever(image);
        int status = 0;
        if (waitpid(saver, &status, 0) != saver)
            return 1;
        say(WIFSIGNALED(status) ? "killed " + std::to_string(WTERMSIG(status))
                                : "exited " + std::to_string(WEXITSTATUS(status)));
    }
    return 0;
}
