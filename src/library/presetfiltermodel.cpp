#include "presetfiltermodel.h"

#include "presetlibrarymodel.h"
#include "rig_names.h"

PresetFilterModel::PresetFilterModel(PresetLibraryModel *library, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_library(library)
{
    setSourceModel(library);
}

void PresetFilterModel::setFindText(const QString &text)
{
    m_query = PresetQuery(text, m_library->image(), &rig_names());
    invalidateFilter();
}

bool PresetFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (sourceParent.isValid() || m_query.isEmpty())
        return true;
    // A changed note or tag is a change of the preset too.
    const bool changed = m_query.asksForChanged()
        && (m_library->recordDiffersFromFile(sourceRow) || m_library->noteDiffersFromFile(sourceRow));
    return m_query.matches(m_library->image(), sourceRow, changed, m_library->note(sourceRow));
}
