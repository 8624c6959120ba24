#pragma once

#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

class QComboBox;
class QStandardItem;

// Entries that many combo boxes show. Each box gets items of its own, as a
// plain combo box has, but they are copies of prototype items and share
// their texts and data: adding 128 entries to a box this way costs about
// half of switching the box to a shared model, whose signal wiring alone
// outweighs the copies. An entry's item data is its position (its stored
// value) unless given otherwise.
class ChoiceItems
{
public:
    explicit ChoiceItems(const QStringList &texts, const QVector<int> &itemData = {});
    ~ChoiceItems();

    // Appends every entry in one insertion: an empty box selects its first
    // entry and raises one change of the current entry, not one per entry.
    void appendTo(QComboBox *box) const;
    template <typename Boxes>
    void appendToEach(const Boxes &boxes) const
    {
        for (QComboBox *box : boxes)
            appendTo(box);
    }

private:
    std::vector<std::unique_ptr<QStandardItem>> prototypes;
};

// `count` numbers with leading zeros to `width` digits (below 1000), entry k
// showing number(k): too many for a formatted print each.
QStringList zeroPaddedNumbers(int count, int width, int (*number)(int));

// "000" .. "127", built once per run.
const QStringList &numberListTexts();
const ChoiceItems &numberChoices();
