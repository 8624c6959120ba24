#include "rig_names_table.h"

#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kValues = 128;

// Bank selects and programs are MIDI data bytes: nothing else can be typed.
class ByteDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        if (index.column() > ProgramColumn)
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto *edit = new QLineEdit(parent);
        edit->setValidator(new QIntValidator(0, kValues - 1, edit));
        return edit;
    }
};

QTableWidgetItem *cell(const QString &text, bool editable = true)
{
    auto *item = new QTableWidgetItem(text);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QString byteText(int value)
{
    return value < 0 ? QString() : QString::number(value);
}

// -1 for an empty or unusable cell.
int byteOf(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    bool ok = false;
    const int value = item ? item->text().trimmed().toInt(&ok) : -1;
    return ok && value >= 0 && value < kValues ? value : -1;
}

QString textOf(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

void prepareTable(QTableWidget *table)
{
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    // Typing or F2 starts an edit; moving onto a cell does not, so Tab leaves the table.
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                           | QAbstractItemView::AnyKeyPressed);
}

} // namespace

void prepare_program_table(QTableWidget *table)
{
    prepareTable(table);
    table->setItemDelegate(new ByteDelegate(table));
    for (int column : {MsbColumn, LsbColumn, ProgramColumn, NumberLabelColumn})
        table->setColumnWidth(column, table->fontMetrics().horizontalAdvance(QStringLiteral("Program")) + 16);
}

void prepare_control_table(QTableWidget *table)
{
    prepareTable(table);
    table->setColumnWidth(0, table->fontMetrics().horizontalAdvance(QStringLiteral("Control")) + 16);
}

void fill_program_table(QTableWidget *table, const DeviceNames &names)
{
    int rows = 0;
    for (const PatchBank &bank : names.banks)
        rows += bank.patches.size();
    table->clearContents();
    table->setRowCount(rows > 0 ? rows : kValues);
    if (rows == 0) {
        for (int program = 0; program < kValues; ++program) {
            table->setItem(program, MsbColumn, cell({}));
            table->setItem(program, LsbColumn, cell({}));
            table->setItem(program, ProgramColumn, cell(QString::number(program)));
            table->setItem(program, NumberLabelColumn, cell({}));
            table->setItem(program, SoundNameColumn, cell({}));
        }
        return;
    }
    int row = 0;
    for (const PatchBank &bank : names.banks)
        for (const PatchName &patch : bank.patches) {
            table->setItem(row, MsbColumn, cell(byteText(bank.msb)));
            table->setItem(row, LsbColumn, cell(byteText(bank.lsb)));
            table->setItem(row, ProgramColumn, cell(QString::number(patch.program)));
            table->setItem(row, NumberLabelColumn, cell(patch.number));
            table->setItem(row, SoundNameColumn, cell(patch.name));
            ++row;
        }
}

void fill_control_table(QTableWidget *table, const DeviceNames &names)
{
    table->clearContents();
    table->setRowCount(kValues);
    for (int number = 0; number < kValues; ++number) {
        table->setItem(number, 0, cell(QString::number(number), false));
        table->setItem(number, 1, cell(control_name(names, number)));
    }
}

int add_program_row(QTableWidget *table, int like)
{
    const QString msb = like >= 0 ? textOf(table, like, MsbColumn) : QString();
    const QString lsb = like >= 0 ? textOf(table, like, LsbColumn) : QString();
    QVector<bool> named(kValues, false);
    for (int row = 0; row < table->rowCount(); ++row)
        if (textOf(table, row, MsbColumn) == msb && textOf(table, row, LsbColumn) == lsb
            && !textOf(table, row, SoundNameColumn).isEmpty() && byteOf(table, row, ProgramColumn) >= 0)
            named[byteOf(table, row, ProgramColumn)] = true;
    const int program = int(std::find(named.begin(), named.end(), false) - named.begin());
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, MsbColumn, cell(msb));
    table->setItem(row, LsbColumn, cell(lsb));
    table->setItem(row, ProgramColumn, cell(program < kValues ? QString::number(program) : QString()));
    table->setItem(row, NumberLabelColumn, cell({}));
    table->setItem(row, SoundNameColumn, cell({}));
    return row;
}

QVector<PatchBank> banks_from_table(const QTableWidget *table, const QVector<PatchBank> &before)
{
    QVector<PatchBank> banks;
    for (int row = 0; row < table->rowCount(); ++row) {
        const int program = byteOf(table, row, ProgramColumn);
        const QString name = textOf(table, row, SoundNameColumn);
        if (program < 0 || name.isEmpty())
            continue;
        const int msb = byteOf(table, row, MsbColumn);
        const int lsb = byteOf(table, row, LsbColumn);
        auto bank = std::find_if(banks.begin(), banks.end(),
                                 [&](const PatchBank &b) { return b.msb == msb && b.lsb == lsb; });
        if (bank == banks.end()) {
            PatchBank added;
            added.msb = msb;
            added.lsb = lsb;
            for (const PatchBank &old : before)
                if (old.msb == msb && old.lsb == lsb)
                    added.name = old.name;
            banks.append(added);
            bank = banks.end() - 1;
        }
        bank->patches.append({program, textOf(table, row, NumberLabelColumn), name});
    }
    return banks;
}

QVector<ControlName> controls_from_table(const QTableWidget *table)
{
    QVector<ControlName> controls;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QString name = textOf(table, row, 1);
        if (!name.isEmpty())
            controls.append({row, name});
    }
    return controls;
}
