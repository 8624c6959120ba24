#pragma once

#include <QComboBox>

// A combo box whose size comes from its minimum contents length alone.
// A plain combo box measures every entry for its size hint, which for the
// dozens of long lists of the editors costs more than building the dialog;
// a size-adjust policy avoids that but builds each box's popup at once.
// Entries here are fixed-width numbers and short names, so a width of
// `minimumContentsLength` characters fits them all. With `iconRoom` set the
// box also keeps the room of an icon, the size the policy
// AdjustToMinimumContentsLengthWithIcon gives, without building the popup.
// A box of a few worded entries names its widest in `widestEntry` instead
// and gets the width a plain box would, from measuring those few.
class CompactComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(bool iconRoom READ hasIconRoom WRITE setIconRoom)
    Q_PROPERTY(QString widestEntry READ widestEntry WRITE setWidestEntry)

public:
    explicit CompactComboBox(QWidget *parent = nullptr);

    bool hasIconRoom() const { return iconRoom; }
    void setIconRoom(bool reserved);
    QString widestEntry() const { return widest; }
    void setWidestEntry(const QString &text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    bool iconRoom = false;
    QString widest;
};
