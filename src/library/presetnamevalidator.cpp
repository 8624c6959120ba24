#include "presetnamevalidator.h"

#include "preset_operations.h"

QValidator::State PresetNameValidator::validate(QString &input, int &) const
{
    const QString reason = preset_name_refusal(input);
    if (reason.isEmpty())
        return Acceptable;
    emit refused(reason);
    return Invalid;
}
