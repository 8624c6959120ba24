#include "preset_operations.h"

#include "default_image.h"
#include "fields.h"
#include "image_layout.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace layout;

namespace {

// The texts of this file belong to the "PresetOperations" translation context; lupdate
// finds them by the qualified calls.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PresetOperations)
};

unsigned char *record(unsigned char *image, int i)
{
    return image + presetOffset(i);
}

bool isRecord(int i)
{
    return i >= 0 && i < kPresetCount;
}

QVector<int> identityOrder()
{
    QVector<int> order(kPresetCount);
    for (int i = 0; i < kPresetCount; ++i)
        order[i] = i;
    return order;
}

} // namespace

QVector<int> all_records()
{
    return identityOrder();
}

QVector<int> record_run(int first, int count)
{
    QVector<int> rows;
    for (int k = 0; k < count; ++k)
        rows << first + k;
    return rows;
}

int reorder_presets(unsigned char *image, const QVector<int> &order)
{
    const std::vector<unsigned char> old(image + kPresetsStart, image + kSystemSectionStart);
    QVector<int> newSlotOf(kPresetCount);
    for (int slot = 0; slot < kPresetCount; ++slot) {
        const int from = order[slot];
        newSlotOf[from] = slot;
        if (from != slot)
            std::memcpy(record(image, slot), old.data() + kPresetRecordSize * from, kPresetRecordSize);
    }
    int followed = 0;
    for (int k = 0; k < kButtonCount; ++k) {
        unsigned char *favorite = image + buttonOffset(k) + button::kFavorite;
        const int preset = read_signed_word(favorite);
        if (isRecord(preset) && newSlotOf[preset] != preset) {
            write_word(favorite, newSlotOf[preset]);
            ++followed;
        }
    }
    return followed;
}

void swap_presets(unsigned char *image, int a, int b)
{
    swap_preset_lists(image, {a}, {b});
}

QVector<int> swap_order(const QVector<int> &a, const QVector<int> &b)
{
    if (a.size() != b.size())
        return {};
    QVector<int> order = identityOrder();
    std::vector<bool> used(kPresetCount, false);
    for (int k = 0; k < a.size(); ++k) {
        if (!isRecord(a[k]) || !isRecord(b[k]) || used[a[k]] || used[b[k]] || a[k] == b[k])
            return {};
        used[a[k]] = used[b[k]] = true;
        order[a[k]] = b[k];
        order[b[k]] = a[k];
    }
    return order;
}

bool swap_preset_lists(unsigned char *image, const QVector<int> &a, const QVector<int> &b)
{
    const QVector<int> order = swap_order(a, b);
    if (order.isEmpty())
        return false;
    reorder_presets(image, order);
    return true;
}

void swap_banks(unsigned char *image, int bankA, int bankB)
{
    swap_preset_lists(image, bank_records(bankA), bank_records(bankB));
}

namespace {

bool validMove(QVector<int> &rows, int step)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return (step == -1 || step == 1) && !rows.isEmpty() && isRecord(rows.first() + step)
        && isRecord(rows.last() + step) && isRecord(rows.first()) && isRecord(rows.last());
}

} // namespace

QVector<int> move_order(QVector<int> rows, int step)
{
    if (!validMove(rows, step))
        return {};
    QVector<int> order = identityOrder();
    // Each run of adjacent records shifts by one; the neighbour it passes
    // over lands at the run's other end.
    for (int start = 0; start < rows.size();) {
        int end = start;
        while (end + 1 < rows.size() && rows[end + 1] == rows[end] + 1)
            ++end;
        const int first = rows[start], last = rows[end];
        if (step < 0) {
            for (int r = first; r <= last; ++r)
                order[r - 1] = r;
            order[last] = first - 1;
        } else {
            for (int r = first; r <= last; ++r)
                order[r + 1] = r;
            order[first] = last + 1;
        }
        start = end + 1;
    }
    return order;
}

bool move_presets(unsigned char *image, QVector<int> rows, int step)
{
    const QVector<int> order = move_order(rows, step);
    if (order.isEmpty())
        return false;
    reorder_presets(image, order);
    return true;
}

QVector<int> moved_rows(QVector<int> rows, int step)
{
    if (!validMove(rows, step))
        return rows;
    for (int &r : rows)
        r += step;
    return rows;
}

bool copy_presets(unsigned char *image, const QVector<int> &from, int to)
{
    if (!isRecord(to) || to + from.size() > kPresetCount)
        return false;
    for (int source : from)
        if (!isRecord(source))
            return false;
    std::vector<unsigned char> sources(size_t(from.size()) * kPresetRecordSize);
    for (int k = 0; k < from.size(); ++k)
        std::memcpy(sources.data() + size_t(k) * kPresetRecordSize, record(image, from[k]), kPresetRecordSize);
    std::memcpy(record(image, to), sources.data(), sources.size());
    return true;
}

void reset_presets(unsigned char *image, const QVector<int> &rows)
{
    for (int i : rows)
        if (isRecord(i))
            fill_default_preset(record(image, i), i);
}

QString preset_name_refusal(const QString &name)
{
    if (name.size() > kNameLength)
        return Text::tr("A preset name holds at most %1 characters; that would make %2.")
            .arg(kNameLength)
            .arg(name.size());
    for (int at = 0; at < name.size(); ++at) {
        if (name.at(at).unicode() <= 0xFF)
            continue;
        const int length = name.at(at).isHighSurrogate() && at + 1 < name.size() ? 2 : 1;
        return Text::tr("\u201c%1\u201d can't be stored: preset names hold Latin-1 characters only.")
            .arg(name.mid(at, length));
    }
    return QString();
}

bool rename_preset(unsigned char *image, int i, const QString &name)
{
    if (!isRecord(i) || !preset_name_refusal(name).isEmpty())
        return false;
    write_name(record(image, i) + preset::kName, name);
    return true;
}

int button_favorite(const unsigned char *image, int button)
{
    return read_signed_word(image + buttonOffset(button) + button::kFavorite);
}
