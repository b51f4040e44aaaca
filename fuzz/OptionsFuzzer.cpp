#include "FuzzSupport.h"

#include "options/LoadSaveOptions.h"
#include "options/OptionValue.h"
#include "options/OptionsTestSupport.h"
#include "options/RegistryStore.h"

#include <cmath>
#include <cstdlib>

namespace {

// A value that converts keeps its meaning through its own text form: numbers and booleans
// read back from what was written are the same (singles to their seven digits, doubles to
// their fifteen), and writing what was read back gives the same text again.
template <typename T> void CheckRoundTrip(const QString& text)
{
    T value{};
    if (!AssignOptionText(OptionRef(&value), text))
        return;
    const QString written = OptionText(OptionRef(&value));
    T again{};
    if (!AssignOptionText(OptionRef(&again), written))
        std::abort();
    if constexpr (std::is_same_v<T, float>) {
        if (std::fabs(again - value) > std::fabs(value) * 1e-6f)
            std::abort();
    } else if constexpr (std::is_same_v<T, double>) {
        if (std::fabs(again - value) > std::fabs(value) * 1e-14 || OptionText(OptionRef(&again)) != written)
            std::abort();
    } else if (again != value || OptionText(OptionRef(&again)) != written) {
        std::abort();
    }
    if (NormalizedOptionText(TypeOf(OptionRef(&value)), text) != written)
        std::abort();
}

}  // namespace

// The option store as the start-up reads it: the input is the INI file, and LoadOpts reads
// every value of the option table through the type conversions into fresh holders. Each
// line's value is also converted to every type on its own.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FuzzWorld::Get().Write(OptionStorePath(), bytes);
    FakeOptionsHost host;
    TestHolders holders;
    LoadOpts(host, holders.All());

    for (const QByteArray& line : bytes.split('\n')) {
        const QString text = QString::fromUtf8(line.mid(line.indexOf('=') + 1));
        CheckRoundTrip<bool>(text);
        CheckRoundTrip<uint8_t>(text);
        CheckRoundTrip<int16_t>(text);
        CheckRoundTrip<int32_t>(text);
        CheckRoundTrip<float>(text);
        CheckRoundTrip<double>(text);
    }
    return 0;
}
