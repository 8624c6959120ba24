#include "setlist.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_list.h"
#include "rig_names.h"
#include "sound_names.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using namespace layout;

namespace {

// Landscape A4, fifteen banks a page in five columns of three.
constexpr int kPages = 2;
constexpr int kColumns = 5;
constexpr int kBanksPerPage = kBankCount / kPages;
constexpr int kRows = kBanksPerPage / kColumns;
constexpr qreal kLargestName = 24; // points
constexpr qreal kSmallestName = 6;
constexpr qreal kSizeStep = 0.5;
// The sounds a preset calls go under its name in smaller type, wrapped if
// need be: they never make the names smaller.
constexpr qreal kSoundsScale = 0.45;
constexpr int kSoundsBlock = QTextFormat::UserProperty + 1;
constexpr int kNoteCharacters = 48;  // of the tags and the note's first line, under the name
constexpr int kNoteBlock = 1;        // the user state of those lines, which may wrap

// The texts of this file belong to the "Setlist" translation context; lupdate
// finds them by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Setlist)
};

QTextCharFormat charFormat(qreal points, bool bold, const QColor &colour = Qt::black)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    return format;
}

// Room between the columns and between the banks of a column.
struct Spacing {
    qreal column;
    qreal bank;
};

// `shown`: the records whose names are printed; empty for all.
void addBank(QTextCursor cursor, const unsigned char *image, const QVector<int> &shown, const PresetNotes *notes,
             int bank, qreal nameSize, qreal columnSpacing)
{
    QTextBlockFormat line;
    line.setRightMargin(columnSpacing);
    cursor.setBlockFormat(line);
    cursor.insertText(Text::tr("Bank %1").arg(bank, 2, 10, QLatin1Char('0')),
                      charFormat(nameSize * 0.6, true, Qt::darkGray));
    const QTextCharFormat number = charFormat(nameSize * 0.75, false, Qt::darkGray);
    const QTextCharFormat name = charFormat(nameSize, true);
    for (int k = 0; k < kBankSize; ++k) {
        const int i = bank * kBankSize + k;
        cursor.insertBlock(line);
        cursor.insertText(preset_number_text(i) + QLatin1Char(' '), number);
        if (!shown.isEmpty() && !shown.contains(i))
            continue;
        cursor.insertText(name_text(image + presetOffset(i) + preset::kName), name);
        if (const QString sounds = preset_sound_names(image, i, rig_names()); !sounds.isEmpty()) {
            QTextBlockFormat soundsLine = line;
            soundsLine.setProperty(kSoundsBlock, true);
            cursor.insertBlock(soundsLine);
            cursor.insertText(sounds, charFormat(nameSize * kSoundsScale, false, Qt::darkGray));
        }
        const QString summary = notes ? note_summary(notes->value(i)) : QString();
        if (summary.isEmpty())
            continue;
        cursor.insertBlock(line);
        cursor.block().setUserState(kNoteBlock);
        cursor.insertText(summary.size() > kNoteCharacters ? summary.left(kNoteCharacters - 1) + QChar(0x2026) : summary,
                          charFormat(qMax(kSmallestName, nameSize * 0.5), false, Qt::darkGray));
    }
}

void fillPages(QTextDocument &document, const unsigned char *image, const QVector<int> &shown,
               const PresetNotes *notes, const QString &title, qreal nameSize, const Spacing &spacing)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock(); // one layout at the end, not one per insertion
    for (int page = 0; page < kPages; ++page) {
        QTextBlockFormat titleBlock;
        titleBlock.setBottomMargin(spacing.bank / 2);
        if (page > 0) {
            cursor.movePosition(QTextCursor::End);
            titleBlock.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(titleBlock);
        } else {
            cursor.setBlockFormat(titleBlock);
        }
        cursor.insertText(Text::tr("%1 \u2014 page %2 of %3").arg(title).arg(page + 1).arg(kPages),
                          charFormat(9, false, Qt::darkGray));

        QTextTableFormat grid;
        grid.setBorder(0);
        grid.setCellPadding(0);
        grid.setCellSpacing(0);
        grid.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        grid.setColumnWidthConstraints(
            QVector<QTextLength>(kColumns, QTextLength(QTextLength::PercentageLength, 100.0 / kColumns)));
        QTextTable *table = cursor.insertTable(kRows, kColumns, grid);
        // Banks run down the columns, as a list is read.
        for (int k = 0; k < kBanksPerPage; ++k) {
            QTextTableCell cell = table->cellAt(k % kRows, k / kRows);
            if (k % kRows != kRows - 1) {
                QTextTableCellFormat room;
                room.setBottomPadding(spacing.bank);
                cell.setFormat(room);
            }
            addBank(cell.firstCursorPosition(), image, shown, notes, page * kBanksPerPage + k, nameSize,
                    spacing.column);
        }
    }
    cursor.endEditBlock();
}

// Every name on one line and the banks on their pages.
bool fits(QTextDocument &document)
{
    if (document.pageCount() > kPages)
        return false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.userState() != kNoteBlock && block.layout() && block.layout()->lineCount() > 1
            && !block.blockFormat().boolProperty(kSoundsBlock))
            return false;
    return true;
}

} // namespace

Setlist make_setlist(const unsigned char *image, const QString &title, const PresetNotes *notes)
{
    return make_setlist_of(image, {}, title, notes);
}

Setlist make_setlist_of(const unsigned char *image, const QVector<int> &records, const QString &title,
                        const PresetNotes *notes)
{
    Setlist setlist;
    QBuffer buffer(&setlist.pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Vektor Editor"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(10, 8, 10, 8), QPageLayout::Millimeter);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    document.setPageSize(QSizeF(writer.width(), writer.height()));
    document.setDocumentMargin(0);
    // Block margins count in the writer's pixels, cell padding in the
    // screen's, which the layout scales up to the writer's.
    const qreal millimetre = writer.resolution() / 25.4;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal screenMillimetre = (screen ? screen->logicalDotsPerInchY() : 96) / 25.4;
    const Spacing spacing{2 * millimetre, 3 * screenMillimetre};

    // The largest type that fits, in steps of half a point: what fits at
    // one size fits at every smaller one.
    int fitting = 0, tooLarge = int((kLargestName - kSmallestName) / kSizeStep) + 1;
    const auto sizeAt = [](int step) { return kSmallestName + step * kSizeStep; };
    while (tooLarge - fitting > 1) {
        const int middle = (fitting + tooLarge) / 2;
        fillPages(document, image, records, notes, title, sizeAt(middle), spacing);
        (fits(document) ? fitting : tooLarge) = middle;
    }
    setlist.nameSize = sizeAt(fitting);
    fillPages(document, image, records, notes, title, setlist.nameSize, spacing);
    setlist.pages = document.pageCount();
    setlist.text = document.toPlainText();
    document.print(&writer);
    return setlist;
}
