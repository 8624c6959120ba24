#include "presetlibrarymodel.h"

#include "fields.h"
#include "image_layout.h"
#include "notes_operations.h"
#include "preset_list.h"
#include "preset_operations.h"
#include "preset_row_text.h"
#include "preset_sound_names.h"
#include "preset_summary.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QStringList>
#include <QUndoStack>

#include <algorithm>
#include <cstring>

using namespace layout;

namespace {

const char kRecordsMimeType[] = "application/x-vektor-preset-records";

int favoriteOffset(int button)
{
    return buttonOffset(button) + button::kFavorite;
}

bool isRecord(int i)
{
    return i >= 0 && i < kPresetCount;
}

} // namespace

PresetLibraryModel::PresetLibraryModel(const unsigned char *image, QObject *parent)
    : PresetLibraryModel(image, empty_notes(), parent)
{
}

PresetLibraryModel::PresetLibraryModel(const unsigned char *image, const PresetNotes &notes, QObject *parent)
    : QAbstractTableModel(parent)
    , m_image(reinterpret_cast<const char *>(image), kImageSize)
    , m_fileImage(m_image)
    , m_notes(notes.size() == kPresetCount ? notes : empty_notes())
    , m_fileNotes(m_notes)
    , m_undo(new QUndoStack(this))
{
}

void PresetLibraryModel::setFileNotes(const PresetNotes &notes)
{
    m_notes = m_fileNotes = notes.size() == kPresetCount ? notes : empty_notes();
    emit dataChanged(index(0, NotesColumn), index(kPresetCount - 1, NotesColumn));
}

const unsigned char *PresetLibraryModel::image() const
{
    return reinterpret_cast<const unsigned char *>(m_image.constData());
}

unsigned char *PresetLibraryModel::bytes()
{
    return reinterpret_cast<unsigned char *>(m_image.data());
}

QByteArray PresetLibraryModel::recordBytes(int row) const
{
    return m_image.mid(presetOffset(row), kPresetRecordSize);
}

int PresetLibraryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kPresetCount;
}

int PresetLibraryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PresetLibraryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const int i = index.row();
    const unsigned char *im = image();
    const auto count = [](int n) { return n ? QVariant(n) : QVariant(QString()); };
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NumberColumn: return preset_number_text(i);
        case NameColumn: return name_text(im + presetOffset(i) + preset::kName);
        case ProgramChangeColumn: return program_change_summary(im, i, rig_sound_namer());
        case SwitchingColumn: return switching_summary(im, i);
        case ControlChangeColumn: return count(control_changes_on(im, i));
        case OverrideColumn: return count(overrides_on(im, i));
        case NotesColumn: return note_summary(m_notes[i]);
        }
        break;
    case Qt::EditRole:
        if (index.column() == NameColumn)
            return name_text(im + presetOffset(i) + preset::kName);
        break;
    case Qt::AccessibleDescriptionRole:
        // The row read as one sentence, its tags and note's first line after it.
        return m_notes[i].isEmpty() ? preset_row_sentence(im, i)
                                    : tr("%1 Notes: %2").arg(preset_row_sentence(im, i), note_summary(m_notes[i]));
    case Qt::ToolTipRole:
        switch (index.column()) {
        case NameColumn: return tr("F2 or a double-click renames the preset");
        case ProgramChangeColumn: return program_change_details(im, i, rig_sound_namer());
        case SwitchingColumn: return switching_details(im, i);
        case ControlChangeColumn: return tr("Control changes on: %1").arg(control_changes_on(im, i));
        case OverrideColumn: return tr("Instant-access overrides on: %1").arg(overrides_on(im, i));
        case NotesColumn:
            return m_notes[i].isEmpty() ? tr("No note or tags; edit them below the table") : m_notes[i].text;
        }
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == NumberColumn || index.column() == ControlChangeColumn || index.column() == OverrideColumn)
            return int(Qt::AlignCenter);
        break;
    }
    return QVariant();
}

QVariant PresetLibraryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::DisplayRole) {
        switch (section) {
        case NumberColumn: return tr("No.");
        case NameColumn: return tr("Name");
        case ProgramChangeColumn: return tr("Program changes");
        case SwitchingColumn: return tr("Switching");
        case ControlChangeColumn: return tr("CCs");
        case OverrideColumn: return tr("IA");
        case NotesColumn: return tr("Notes");
        }
    } else if (role == Qt::ToolTipRole) {
        switch (section) {
        case ProgramChangeColumn: return tr("Devices that get a program change, with its number");
        case SwitchingColumn:
            return tr("Relays (R) and loops (L) switched on, in brackets those left as they are; then the output");
        case ControlChangeColumn: return tr("Control changes on");
        case OverrideColumn: return tr("Instant-access overrides on");
        case NotesColumn: return tr("Tags and the first line of the note");
        }
    }
    return QVariant();
}

Qt::ItemFlags PresetLibraryModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    if (index.column() == NameColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool PresetLibraryModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    // Views clear items with invalid values; only a real name renames.
    if (!index.isValid() || index.column() != NameColumn || role != Qt::EditRole || !value.canConvert<QString>())
        return false;
    return rename(index.row(), value.toString());
}

// --- Edits -------------------------------------------------------------------

bool PresetLibraryModel::applyEdit(const QString &text, const std::function<bool(unsigned char *)> &edit,
                                   const std::function<void(PresetNotes &)> &notesEdit)
{
    const QByteArray before = m_image; // shared until the edit writes
    if (!edit(bytes())) {
        m_image = before;
        return false;
    }
    QVector<ImageSpan> spans;
    for (int k = 0; k < kButtonCount; ++k) {
        const int at = favoriteOffset(k);
        if (std::memcmp(before.constData() + at, m_image.constData() + at, 2) != 0)
            spans.append({at, before.mid(at, 2), m_image.mid(at, 2)});
    }
    for (int i = 0; i < kPresetCount; ++i) {
        const int at = presetOffset(i);
        if (std::memcmp(before.constData() + at, m_image.constData() + at, kPresetRecordSize) != 0)
            spans.append({at, before.mid(at, kPresetRecordSize), m_image.mid(at, kPresetRecordSize)});
    }
    QVector<NoteSpan> noteSpans;
    if (notesEdit) {
        PresetNotes notes = m_notes;
        notesEdit(notes);
        for (int i = 0; i < kPresetCount; ++i)
            if (notes[i] != m_notes[i])
                noteSpans.append({i, m_notes[i], notes[i]});
    }
    if (spans.isEmpty() && noteSpans.isEmpty())
        return false;
    m_undo->push(new ImageEditCommand(this, text, spans, noteSpans)); // its first redo reports the change
    return true;
}

void PresetLibraryModel::writeSpans(const QVector<ImageSpan> &spans, const QVector<NoteSpan> &noteSpans, Side side,
                                    Step step, const QString &text)
{
    QVector<int> rows;
    for (const ImageSpan &span : spans) {
        const QByteArray &bytesToWrite = side == After ? span.after : span.before;
        std::memcpy(bytes() + span.offset, bytesToWrite.constData(), size_t(bytesToWrite.size()));
        if (span.offset >= kPresetsStart && span.offset < kSystemSectionStart)
            rows << (span.offset - kPresetsStart) / kPresetRecordSize;
    }
    for (const NoteSpan &span : noteSpans) {
        m_notes[span.slot] = side == After ? span.after : span.before;
        if (!rows.contains(span.slot))
            rows << span.slot;
    }
    // One signal per run of changed rows: the table repaints only those,
    // where one range from the first to the last would repaint all it shows.
    std::sort(rows.begin(), rows.end());
    for (int start = 0; start < rows.size();) {
        int end = start;
        while (end + 1 < rows.size() && rows[end + 1] == rows[end] + 1)
            ++end;
        emit dataChanged(index(rows[start], 0), index(rows[end], ColumnCount - 1));
        start = end + 1;
    }
    QString report = step == Undone ? tr("Undone: %1.").arg(text)
                   : step == Redone ? tr("Redone: %1.").arg(text)
                                    : text + QLatin1Char('.');
    const QString favorites = favoritesReport(spans, side, step);
    if (!favorites.isEmpty())
        report += QLatin1Char(' ') + favorites;
    emit changed(report);
}

QString PresetLibraryModel::favoritesReport(const QVector<ImageSpan> &spans, Side side, Step step) const
{
    QStringList buttons;
    for (const ImageSpan &span : spans) {
        for (int k = 0; k < kButtonCount; ++k) {
            if (span.offset != favoriteOffset(k))
                continue;
            const int preset = read_signed_word(reinterpret_cast<const unsigned char *>(
                (side == After ? span.after : span.before).constData()));
            const QString slot = isRecord(preset) ? preset_number_text(preset) : QString::number(preset);
            buttons << (step == Undone ? tr("button %1 calls %2 again") : tr("button %1 now calls %2"))
                           .arg(k + 1)
                           .arg(slot);
        }
    }
    if (buttons.isEmpty())
        return QString();
    return (step == Undone ? tr("Footswitch favourites put back: %1.") : tr("Footswitch favourites follow: %1."))
        .arg(buttons.join(QStringLiteral(", ")));
}

bool PresetLibraryModel::swap(int a, int b)
{
    if (!isRecord(a) || !isRecord(b) || a == b)
        return false;
    return applyEdit(
        tr("Swap %1 and %2").arg(preset_number_text(a), preset_number_text(b)),
        [a, b](unsigned char *im) {
            swap_presets(im, a, b);
            return true;
        },
        [a, b](PresetNotes &notes) { swap_note_lists(notes, {a}, {b}); });
}

bool PresetLibraryModel::swapLists(const QVector<int> &a, const QVector<int> &b)
{
    if (a.size() == 1 && b.size() == 1)
        return swap(a[0], b[0]);
    if (a.isEmpty())
        return false;
    return applyEdit(tr("Swap %n presets", nullptr, a.size()),
                     [&](unsigned char *im) { return swap_preset_lists(im, a, b); },
                     [&](PresetNotes &notes) { swap_note_lists(notes, a, b); });
}

bool PresetLibraryModel::swapBanks(int bankA, int bankB)
{
    if (bankA == bankB || bankA < 0 || bankB < 0 || bankA >= kBankCount || bankB >= kBankCount)
        return false;
    return applyEdit(tr("Swap banks %1 and %2").arg(preset_run_text(bankA * kBankSize, kBankSize),
                                                     preset_run_text(bankB * kBankSize, kBankSize)),
                     [=](unsigned char *im) {
                         swap_banks(im, bankA, bankB);
                         return true;
                     },
                     [=](PresetNotes &notes) { swap_note_banks(notes, bankA, bankB); });
}

bool PresetLibraryModel::move(const QVector<int> &rows, int step)
{
    if (rows.isEmpty())
        return false;
    const QString text = rows.size() == 1
        ? (step < 0 ? tr("Move %1 up") : tr("Move %1 down")).arg(preset_number_text(rows[0]))
        : (step < 0 ? tr("Move %n presets up", nullptr, rows.size()) : tr("Move %n presets down", nullptr, rows.size()));
    return applyEdit(text, [&](unsigned char *im) { return move_presets(im, rows, step); },
                     [&](PresetNotes &notes) { move_notes(notes, rows, step); });
}

bool PresetLibraryModel::copy(const QVector<int> &from, int to)
{
    if (from.isEmpty())
        return false;
    const QString text = from.size() == 1 ? tr("Copy %1 over %2").arg(preset_number_text(from[0]), preset_number_text(to))
                                          : tr("Copy %n presets to %1", nullptr, from.size())
                                                .arg(preset_run_text(to, from.size()));
    return applyEdit(text, [&](unsigned char *im) { return copy_presets(im, from, to); },
                     [&](PresetNotes &notes) { copy_notes(notes, from, to); });
}

bool PresetLibraryModel::reset(const QVector<int> &rows)
{
    if (rows.isEmpty())
        return false;
    const QString text = rows.size() == 1 ? tr("Reset %1 to its factory preset").arg(preset_number_text(rows[0]))
                                          : tr("Reset %n presets to their factory presets", nullptr, rows.size());
    return applyEdit(
        text,
        [&](unsigned char *im) {
            reset_presets(im, rows);
            return true;
        },
        [&](PresetNotes &notes) { reset_notes(notes, rows); });
}

bool PresetLibraryModel::rename(int row, const QString &name)
{
    return applyEdit(tr("Rename %1 to \u201c%2\u201d").arg(preset_number_text(row), name),
                     [&](unsigned char *im) { return rename_preset(im, row, name); });
}

namespace {

bool placeRecords(unsigned char *image, const QMap<int, QByteArray> &records)
{
    for (auto it = records.begin(); it != records.end(); ++it)
        if (!isRecord(it.key()) || it.value().size() != kPresetRecordSize)
            return false;
    for (auto it = records.begin(); it != records.end(); ++it)
        std::memcpy(image + presetOffset(it.key()), it.value().constData(), kPresetRecordSize);
    return true;
}

} // namespace

bool PresetLibraryModel::replaceRecords(const QString &text, const QMap<int, QByteArray> &records)
{
    return applyEdit(text, [&](unsigned char *im) { return placeRecords(im, records); });
}

bool PresetLibraryModel::replaceRecords(const QString &text, const QMap<int, QByteArray> &records,
                                        const QMap<int, PresetNote> &notes)
{
    for (const PresetNote &note : notes)
        if (!note_refusal(note).isEmpty())
            return false;
    return applyEdit(text, [&](unsigned char *im) { return placeRecords(im, records); },
                     [&](PresetNotes &all) {
                         for (auto it = records.begin(); it != records.end(); ++it)
                             all[it.key()] = notes.value(it.key());
                     });
}

bool PresetLibraryModel::setNote(int row, const PresetNote &note)
{
    if (!isRecord(row) || !note_refusal(note).isEmpty())
        return false;
    return applyEdit(
        tr("Edit the notes of %1").arg(preset_number_text(row)), [](unsigned char *) { return true; },
        [&](PresetNotes &notes) { notes[row] = note; });
}

// --- Against the file --------------------------------------------------------

bool PresetLibraryModel::recordDiffersFromFile(int row) const
{
    return std::memcmp(m_image.constData() + presetOffset(row), m_fileImage.constData() + presetOffset(row),
                       kPresetRecordSize) != 0;
}

int PresetLibraryModel::presetsDifferingFromFile() const
{
    int differing = 0;
    for (int i = 0; i < kPresetCount; ++i)
        differing += std::memcmp(m_image.constData() + presetOffset(i), m_fileImage.constData() + presetOffset(i),
                                 kPresetRecordSize) != 0;
    return differing;
}

bool PresetLibraryModel::favoritesDifferFromFile() const
{
    for (int k = 0; k < kButtonCount; ++k)
        if (std::memcmp(m_image.constData() + favoriteOffset(k), m_fileImage.constData() + favoriteOffset(k), 2) != 0)
            return true;
    return false;
}

bool PresetLibraryModel::differsFromFile() const
{
    return m_image != m_fileImage || notesDifferFromFile();
}

void PresetLibraryModel::markSaved()
{
    m_fileImage = m_image;
    m_fileNotes = m_notes;
    m_undo->setClean();
}

// --- Drag and drop -----------------------------------------------------------

QStringList PresetLibraryModel::mimeTypes() const
{
    return {QLatin1String(kRecordsMimeType)};
}

QMimeData *PresetLibraryModel::mimeData(const QModelIndexList &indexes) const
{
    QVector<int> rows;
    for (const QModelIndex &index : indexes)
        if (index.isValid() && !rows.contains(index.row()))
            rows << index.row();
    std::sort(rows.begin(), rows.end());
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out << quint64(reinterpret_cast<quintptr>(this)) << rows;
    auto *data = new QMimeData;
    data->setData(QLatin1String(kRecordsMimeType), payload);
    QStringList names;
    for (int row : rows)
        names << preset_entry_text(image(), row);
    data->setText(names.join(QLatin1Char('\n')));
    return data;
}

// The rows a drag from this model carries; none for anything else.
QVector<int> PresetLibraryModel::draggedRows(const QMimeData *data) const
{
    QVector<int> rows;
    if (!data || !data->hasFormat(QLatin1String(kRecordsMimeType)))
        return rows;
    QDataStream in(data->data(QLatin1String(kRecordsMimeType)));
    quint64 source = 0;
    in >> source >> rows;
    if (in.status() != QDataStream::Ok || source != quint64(reinterpret_cast<quintptr>(this)))
        return {};
    for (int row : rows)
        if (!isRecord(row))
            return {};
    return rows;
}

bool PresetLibraryModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                         const QModelIndex &parent) const
{
    const QVector<int> rows = draggedRows(data);
    const int target = parent.isValid() ? parent.row() : row;
    if (rows.isEmpty() || !isRecord(target) || target + rows.size() > kPresetCount)
        return false;
    const QVector<int> targets = record_run(target, rows.size());
    if (action == Qt::MoveAction) {
        for (int t : targets)
            if (rows.contains(t))
                return false;
        return true;
    }
    return action == Qt::CopyAction && rows != targets;
}

bool PresetLibraryModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                                      const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    const QVector<int> rows = draggedRows(data);
    const QVector<int> targets = record_run(parent.isValid() ? parent.row() : row, rows.size());
    const bool done = action == Qt::MoveAction ? swapLists(rows, targets) : copy(rows, targets.first());
    if (done)
        emit recordsPlaced(targets);
    return done;
}

Qt::DropActions PresetLibraryModel::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

Qt::DropActions PresetLibraryModel::supportedDragActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}
