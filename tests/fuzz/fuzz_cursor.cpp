// Cursor files: any bytes parse without reading outside them; a parsed
// cursor, and a cursor drawn from the input, write and read back the same.
#include "fuzz_support.h"
#include "platform/curfile.h"

namespace {
void roundTrip(const QImage &image, QPoint hotSpot) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const platform::CursorImage back = platform::parseCursorFile(platform::encodeCursorFile(argb, hotSpot));
    FUZZ_CHECK(back.valid);
    FUZZ_CHECK(back.hotSpot == hotSpot);
    FUZZ_CHECK(back.image.convertToFormat(QImage::Format_ARGB32) == argb);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ensureGuiApplication();
    const QByteArray in = fuzz::bytes(data, size);
    const platform::CursorImage c = platform::parseCursorFile(in);
    if (c.valid) {
        FUZZ_CHECK(!c.image.isNull());
        FUZZ_CHECK(c.image.width() <= 256 && c.image.height() <= 256);
        roundTrip(c.image, c.hotSpot);
    }
    // A cursor drawn from the input: width, height and hot spot from the
    // first bytes, pixels from the rest.
    if (size >= 4) {
        const int w = data[0] % 48 + 1, h = data[1] % 48 + 1;
        QImage img(w, h, QImage::Format_ARGB32);
        for (int i = 0; i < w * h; ++i) {
            const std::size_t at = 4 + std::size_t(i) * 4 % (size - 3);
            auto px = [&](std::size_t k) { return data[(at + k) % size]; };
            img.setPixel(i % w, i / w, qRgba(px(0), px(1), px(2), px(3)));
        }
        roundTrip(img, QPoint(data[2] % w, data[3] % h));
    }
    return 0;
}
