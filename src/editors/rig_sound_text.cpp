#include "rig_sound_text.h"

#include "rig_names.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QVector>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(RigSoundText)
};

bool isDevice(int device)
{
    return device >= 0 && device < 16;
}

} // namespace

QString program_sound_text(int device, bool bankSelect, int msb, int lsb, int program)
{
    if (!isDevice(device))
        return QString();
    return patch_text(find_patch(rig_names().devices[device], bankSelect, msb, lsb, program));
}

QString control_sound_text(int device, int number)
{
    return isDevice(device) ? control_name(rig_names().devices[device], number) : QString();
}

QVector<SoundChoice> sound_choices(int device)
{
    QVector<SoundChoice> choices;
    if (!isDevice(device))
        return choices;
    for (const PatchBank &bank : rig_names().devices[device].banks)
        for (const PatchName &patch : bank.patches)
            choices.append({&bank, &patch});
    return choices;
}

QStringList sound_choice_texts(const QVector<SoundChoice> &choices)
{
    QStringList texts;
    texts.reserve(choices.size());
    for (const SoundChoice &choice : choices) {
        const QString sound = patch_text(choice.patch);
        const PatchBank &bank = *choice.bank;
        if (bank.msb < 0 && bank.lsb < 0)
            texts << Text::tr("%1 - program %2").arg(sound).arg(choice.patch->program);
        else
            texts << Text::tr("%1 - bank %2/%3, program %4")
                         .arg(sound, bank.msb < 0 ? QStringLiteral("-") : QString::number(bank.msb),
                              bank.lsb < 0 ? QStringLiteral("-") : QString::number(bank.lsb))
                         .arg(choice.patch->program);
    }
    return texts;
}

void name_control_in_tooltip(QComboBox *deviceBox, QComboBox *controlBox)
{
    const auto update = [deviceBox, controlBox] {
        const QString name = control_sound_text(deviceBox->currentIndex(), controlBox->currentIndex());
        controlBox->setToolTip(name.isEmpty() ? QString()
                                              : Text::tr("Control change %1: %2")
                                                    .arg(controlBox->currentIndex(), 3, 10, QLatin1Char('0'))
                                                    .arg(name));
    };
    QObject::connect(deviceBox, QOverload<int>::of(&QComboBox::currentIndexChanged), controlBox, update);
    QObject::connect(controlBox, QOverload<int>::of(&QComboBox::currentIndexChanged), controlBox, update);
    update();
}
