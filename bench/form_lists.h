#pragma once

// The second baseline of a dialog's opening: its bare designer form given the
// same lists the dialog gives its combo boxes, in the cheapest way Qt allows.
// What the dialog takes beyond that is the work its opening figure is held
// to; the lists themselves no dialog can skip.
//
// The lists are read once from a built dialog, so they are exactly the
// dialog's (entries the form already has are kept). Each list is given the
// cheapest of three ways measured in Qt 5.15 (per box: addItems, copies of
// prototype items added in one insertion, a shared QStringListModel). Copies
// beat addItems at every length, by half at 128 entries (20 against 40 us);
// switching a box to a shared model costs about 20-30 us whatever the length,
// and overtakes the copies between 128 and 200 entries. So a list of up to
// kShareAbove entries goes to each box as copies, a longer one as one model.

#include <QComboBox>
#include <QStandardItemModel>
#include <QStringListModel>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace dialogtiming {

class FormLists
{
public:
    static constexpr int kShareAbove = 200;

    // `dialog`: built and filled; `bare`: the same form with nothing done.
    FormLists(QWidget *dialog, QWidget *bare)
    {
        const QList<QComboBox *> filled = dialog->findChildren<QComboBox *>();
        const QList<QComboBox *> plain = bare->findChildren<QComboBox *>();
        if (filled.size() != plain.size())
            fail("the dialog and its bare form have different combo boxes");
        for (int i = 0; i < plain.size(); ++i) {
            if (filled[i]->objectName() != plain[i]->objectName())
                fail("the dialog and its bare form list their combo boxes in different orders");
            QStringList texts;
            for (int k = 0; k < filled[i]->count(); ++k)
                texts << filled[i]->itemText(k);
            for (int k = 0; k < plain[i]->count(); ++k)
                if (k >= texts.size() || texts[k] != plain[i]->itemText(k))
                    fail("a dialog replaces the entries its form gives a combo box");
            texts = texts.mid(plain[i]->count());
            if (!texts.isEmpty())
                listFor(texts).boxes.push_back(i);
        }
    }

    void giveTo(QWidget *bare) const
    {
        const QList<QComboBox *> boxes = bare->findChildren<QComboBox *>();
        for (const List &list : lists) {
            if (list.prototypes.empty()) {
                auto *shared = new QStringListModel(list.texts, bare);
                for (int box : list.boxes)
                    boxes[box]->setModel(shared);
                continue;
            }
            for (int box : list.boxes) {
                QList<QStandardItem *> items;
                items.reserve(int(list.prototypes.size()));
                for (const auto &prototype : list.prototypes)
                    items.append(prototype->clone());
                static_cast<QStandardItemModel *>(boxes[box]->model())->invisibleRootItem()->appendRows(items);
            }
        }
    }

    // "N boxes, M entries": what the baseline gives.
    QString summary() const
    {
        int boxes = 0, entries = 0;
        for (const List &list : lists) {
            boxes += int(list.boxes.size());
            entries += int(list.boxes.size()) * list.texts.size();
        }
        return QString("%1 boxes, %2 entries").arg(boxes).arg(entries);
    }

private:
    struct List {
        QStringList texts;
        std::vector<std::unique_ptr<QStandardItem>> prototypes; // none: shared
        std::vector<int> boxes;                                 // among the form's combo boxes
    };

    List &listFor(const QStringList &texts)
    {
        for (List &list : lists)
            if (list.texts == texts)
                return list;
        lists.emplace_back();
        List &list = lists.back();
        list.texts = texts;
        if (texts.size() <= kShareAbove)
            for (const QString &text : texts)
                list.prototypes.push_back(std::make_unique<QStandardItem>(text));
        return list;
    }

    [[noreturn]] static void fail(const char *why)
    {
        std::fprintf(stderr, "%s\n", why);
        std::exit(1);
    }

    std::vector<List> lists;
};

} // namespace dialogtiming
