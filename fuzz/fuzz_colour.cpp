// Any settings file: finding the colour never crashes, and any colour it yields is a whole
// number from 0 to 255.

#include "files/colorsetting.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto value =
        pebblenix::readIniValue(text, QStringLiteral("Color"), QStringLiteral("Marble"));
    (void)pebblenix::parseColourSetting(value.value_or(QString::fromUtf8(text)));
    return 0;
}
