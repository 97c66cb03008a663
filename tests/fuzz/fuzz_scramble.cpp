// Scrambling: unscramble then scramble is the identity.
#include "content/scramble.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray in = fuzz::bytes(data, size);
    const QByteArray plain = content::scrambleBytes(in);
    FUZZ_CHECK(plain.size() == in.size());
    FUZZ_CHECK(content::scrambleBytes(plain) == in);
    // The first byte of a chunk is stored plain; the others never are.
    for (qsizetype i = 0; i < in.size(); ++i)
        FUZZ_CHECK((plain[i] == in[i]) == (i % content::kChunkSize == 0));
    return 0;
}
