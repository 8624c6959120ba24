#pragma once

#include "preset_query.h"

#include <QSortFilterProxyModel>

class PresetLibraryModel;

// The library's table through a find: only the presets the find text asks
// for, in record order. Rows of this model are not records; map them.
class PresetFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit PresetFilterModel(PresetLibraryModel *library, QObject *parent = nullptr);

    void setFindText(const QString &text);
    bool isFinding() const { return !m_query.isEmpty(); }
    // Asks again of every preset (after a save, "changed" finds others).
    void refind() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    PresetLibraryModel *m_library;
    PresetQuery m_query;
};
