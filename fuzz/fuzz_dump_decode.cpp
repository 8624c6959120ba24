// Any bytes as a dump file: the message walk, the group decoding and the
// integrity report must stay inside their buffers and agree on the length.

#include "dump_codec.h"
#include "dump_verify.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > size_t(dump::kMaxDumpBytes))
        size = dump::kMaxDumpBytes; // the decoder reads no more of a file
    std::vector<unsigned char> decoded(size > 0 ? size : 1);
    const int length = decode_dump(data, int(size), decoded.data());
    if (length < 0 || size_t(length) > size)
        std::abort();
    const DumpReport report = verify_dump(data, int(size));
    if (report.decodedLength != length)
        std::abort();
    report.problems(93719);
    return 0;
}
