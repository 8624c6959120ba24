#include "globalvaluelists.h"

#include "fields.h"
#include "image_layout.h"
#include "choicelists.h"

#include <QCoreApplication>

namespace globallists {

namespace {

// The names are texts of the global dialog; lupdate finds them by the
// qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(globaldialog)
};

int plusOne(int k) { return k + 1; }

} // namespace

QStringList functionNames()
{
    return {Text::tr("preset"), Text::tr("bank up"), Text::tr("bank down"),
            Text::tr("instant access"), Text::tr("favorite preset"),
            Text::tr("custom"), Text::tr("CC increment"), Text::tr("CC decrement"),
            Text::tr("loop"), Text::tr("relay"), Text::tr("A/B selector"),
            Text::tr("relay group off"), Text::tr("mode"), Text::tr("edit")};
}

QStringList actionNames()
{
    return {Text::tr("momentary"), Text::tr("alternate")};
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
