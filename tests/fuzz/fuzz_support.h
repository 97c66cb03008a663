// Shared by the fuzz targets: a property check that stops the run with a
// message (libFuzzer then saves the input), and the Qt application some
// parsers need (fonts, images).
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

namespace fuzz {

// Creates the one QGuiApplication, headless, on first use.
void ensureGuiApplication();

inline QByteArray bytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

}  // namespace fuzz
