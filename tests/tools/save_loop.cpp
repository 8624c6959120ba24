// Saves two different images over the configuration file, turn by turn,
// until it is killed. Used to prove that no kill leaves a torn file.

#include "image_layout.h"
#include "store.h"

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    file_paths().configuration = QString::fromLocal8Bit(argv[1]);
    unsigned char *image = ensure_image();
    std::printf("saving\n");
    std::fflush(stdout);
    for (unsigned long turn = 0;; ++turn) {
        std::memset(image, turn % 2 ? 0xBB : 0xAA, layout::kImageSize);
        save_image();
    }
}
