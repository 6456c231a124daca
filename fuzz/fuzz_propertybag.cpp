// The property bag's text form: whatever loads must save and load again as
// an equal bag, and the saved text must be the same the second time round.

#include "fuzzcheck.h"
#include "propertybag.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using platform::PropertyBag;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Fonts need a GUI application; no display is needed for them. It is
    // never destroyed: libFuzzer leaves through exit().
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView json(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto loaded = PropertyBag::fromJson(json);
    if (!loaded) {
        FUZZ_CHECK(!loaded.error().isEmpty());
        return 0;
    }
    const PropertyBag &bag = loaded.value();

    for (const QJsonDocument::JsonFormat format :
         {QJsonDocument::Indented, QJsonDocument::Compact}) {
        const QByteArray saved = bag.toJson(format);
        const auto again = PropertyBag::fromJson(saved);
        if (!again)
            std::fprintf(stderr, "saved text refused: %s\n%s\n", qPrintable(again.error()),
                         saved.constData());
        FUZZ_CHECK(again.isOk());
        FUZZ_CHECK(again.value() == bag);
        FUZZ_CHECK(again.value().toJson(format) == saved);
    }

    return 0;
}
