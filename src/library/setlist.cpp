#include "setlist.h"

#include "fields.h"
#include "image_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using namespace layout;

namespace {

constexpr int kPages = 2;
constexpr int kColumns = 3;
constexpr int kBanksPerPage = kBankCount / kPages;
constexpr int kRows = kBanksPerPage / kColumns;
constexpr qreal kLargestName = 20; // points
constexpr qreal kSmallestName = 8;

QString tr(const char *text)
{
    return QCoreApplication::translate("Setlist", text);
}

QString numberText(int i)
{
    return QStringLiteral("%1").arg(preset_number(i), 3, 10, QLatin1Char('0'));
}

QTextCharFormat charFormat(qreal points, bool bold, const QColor &colour = Qt::black)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    return format;
}

void addBank(QTextCursor cursor, const unsigned char *image, int bank, qreal nameSize)
{
    const QTextCharFormat heading = charFormat(nameSize * 0.6, true, Qt::darkGray);
    const QTextCharFormat number = charFormat(nameSize * 0.75, false, Qt::darkGray);
    const QTextCharFormat name = charFormat(nameSize, true);
    cursor.insertText(tr("Bank %1").arg(bank, 2, 10, QLatin1Char('0')), heading);
    for (int k = 0; k < kBankSize; ++k) {
        const int i = bank * kBankSize + k;
        cursor.insertBlock();
        cursor.insertText(numberText(i) + QLatin1Char(' '), number);
        cursor.insertText(name_text(image + presetOffset(i) + preset::kName), name);
    }
}

void fillPages(QTextDocument &document, const unsigned char *image, const QString &title, qreal nameSize,
               qreal cellPadding)
{
    document.clear();
    QTextCursor cursor(&document);
    for (int page = 0; page < kPages; ++page) {
        QTextBlockFormat titleBlock;
        titleBlock.setBottomMargin(cellPadding);
        if (page > 0) {
            cursor.movePosition(QTextCursor::End);
            titleBlock.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(titleBlock);
        } else {
            cursor.setBlockFormat(titleBlock);
        }
        cursor.insertText(tr("%1 \u2014 page %2 of %3").arg(title).arg(page + 1).arg(kPages),
                          charFormat(9, false, Qt::darkGray));

        QTextTableFormat grid;
        grid.setBorder(0);
        grid.setCellPadding(cellPadding);
        grid.setCellSpacing(0);
        grid.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        grid.setColumnWidthConstraints(
            QVector<QTextLength>(kColumns, QTextLength(QTextLength::PercentageLength, 100.0 / kColumns)));
        QTextTable *table = cursor.insertTable(kRows, kColumns, grid);
        // Banks run down the columns, as a list is read.
        for (int k = 0; k < kBanksPerPage; ++k)
            addBank(table->cellAt(k % kRows, k / kRows).firstCursorPosition(), image, page * kBanksPerPage + k,
                    nameSize);
    }
}

// Every name on one line and the banks on their pages.
bool fits(QTextDocument &document)
{
    if (document.pageCount() > kPages)
        return false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.layout() && block.layout()->lineCount() > 1)
            return false;
    return true;
}

} // namespace

Setlist make_setlist(const unsigned char *image, const QString &title)
{
    Setlist setlist;
    QBuffer buffer(&setlist.pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Vektor Editor"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(12, 10, 12, 10), QPageLayout::Millimeter);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setPageSize(QSizeF(writer.width(), writer.height()));
    document.setDocumentMargin(0);
    const qreal millimetre = writer.resolution() / 25.4;
    for (setlist.nameSize = kLargestName; setlist.nameSize > kSmallestName; setlist.nameSize -= 0.5) {
        fillPages(document, image, title, setlist.nameSize, 2 * millimetre);
        if (fits(document))
            break;
    }
    if (setlist.nameSize <= kSmallestName)
        fillPages(document, image, title, kSmallestName, 2 * millimetre);
    setlist.pages = document.pageCount();
    setlist.text = document.toPlainText();
    document.print(&writer);
    return setlist;
}
