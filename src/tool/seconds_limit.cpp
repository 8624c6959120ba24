#include "seconds_limit.h"

namespace {

// Far beyond any listening, and far inside what milliseconds in a qint64 hold.
constexpr double kLongestSeconds = 1e9;

} // namespace

qint64 parse_seconds_limit(const QString &text, QString *reason)
{
    // Checked as the number it is: a huge one must not reach an integer.
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value > 0) || value > kLongestSeconds) {
        *reason = QStringLiteral("--seconds takes a number of seconds above 0, at most %1")
                      .arg(qint64(kLongestSeconds));
        return -1;
    }
    return qint64(value * 1000);
}
