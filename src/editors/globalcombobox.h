#pragma once

#include <QComboBox>

// A combo box whose size comes from its minimum contents length alone.
// A plain combo box measures every entry for its size hint, which for the
// dozens of long lists of the global dialog costs more than building the
// dialog; a size-adjust policy avoids that but builds each box's popup at
// once. Entries here are fixed-width numbers and short names, so a width
// of `minimumContentsLength` characters fits them all.
class CompactComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CompactComboBox(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
