#include "globalvaluelists.h"

#include "fields.h"
#include "image_layout.h"
#include "choicelists.h"

namespace globallists {

namespace {

int plusOne(int k) { return k + 1; }

} // namespace

QStringList functionNames()
{
    return {QStringLiteral("preset"), QStringLiteral("bank up"), QStringLiteral("bank down"),
            QStringLiteral("instant access"), QStringLiteral("favorite preset"),
            QStringLiteral("custom"), QStringLiteral("CC increment"), QStringLiteral("CC decrement"),
            QStringLiteral("loop"), QStringLiteral("relay"), QStringLiteral("A/B selector"),
            QStringLiteral("relay group off"), QStringLiteral("mode"), QStringLiteral("edit")};
}

QStringList actionNames()
{
    return {QStringLiteral("momentary"), QStringLiteral("alternate")};
}

QStringList axeFxModelNames()
{
    return {QStringLiteral("Axe-Fx II"), QStringLiteral("Axe-Fx Standard"), QStringLiteral("Axe-Fx Ultra")};
}

QVector<int> axeFxModelItemData()
{
    return {3, 0, 1};
}

const QStringList &favoriteNumbers()
{
    static const QStringList texts = zeroPaddedNumbers(layout::kPresetCount, 3, preset_number);
    return texts;
}

QStringList loopNumbers()
{
    return zeroPaddedNumbers(layout::preset::kLoopCount, 1, plusOne);
}

QStringList relayNumbers()
{
    return zeroPaddedNumbers(layout::kRelayCount, 1, plusOne);
}

QStringList channelNumbers()
{
    return zeroPaddedNumbers(layout::kDeviceCount, 2, plusOne);
}

} // namespace globallists
