// Any settings file: finding the colour never crashes, any colour it yields is a whole
// number from 0 to 255, and setting a value in it, as the view's settings do, always gives
// a file from which that value reads back.

#include "files/settings.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto value =
        pebblenix::readIniValue(text, QStringLiteral("Color"), QStringLiteral("Marble"));
    (void)pebblenix::parseColourSetting(value.value_or(QString::fromUtf8(text)));
    const QString view = QStringLiteral("View"), zoom = QStringLiteral("Zoom");
    if (pebblenix::readIniValue(pebblenix::withIniValue(text, view, zoom, QStringLiteral("200")),
                                view, zoom) != QStringLiteral("200"))
        std::abort();
    return 0;
}
