#include "preset_row_text.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_list.h"
#include "preset_sound_names.h"
#include "preset_summary.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

class RowText
{
    Q_DECLARE_TR_FUNCTIONS(PresetRowText)
};

} // namespace

QString preset_row_sentence(const unsigned char *image, int i)
{
    QStringList parts{RowText::tr("Preset %1").arg(preset_number_text(i)),
                      name_text(image + layout::presetOffset(i) + layout::preset::kName)};
    const QString programs = program_change_summary(image, i, rig_sound_namer());
    parts << (programs.isEmpty() ? RowText::tr("no program change") : RowText::tr("program changes to %1").arg(programs));
    const int changes = control_changes_on(image, i);
    parts << (changes == 1 ? RowText::tr("1 control change") : RowText::tr("%1 control changes").arg(changes));
    if (const int overrides = overrides_on(image, i))
        parts << (overrides == 1 ? RowText::tr("1 instant-access override")
                                 : RowText::tr("%1 instant-access overrides").arg(overrides));
    return parts.join(QStringLiteral(", "));
}
