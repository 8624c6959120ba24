#include "preset_query.h"

#include "fields.h"
#include "image_layout.h"
#include "preset_facts.h"
#include "preset_sends.h"
#include "rig_names.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

using namespace layout;

QString folded_text(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c.toLower();
    return out;
}

PresetQuery::PresetQuery(const QString &text, const unsigned char *image, const RigNames *rig)
    : m_rig(rig)
{
    static const QStringList keywords{QStringLiteral("pc"), QStringLiteral("cc"), QStringLiteral("bank"),
                                      QStringLiteral("relay"), QStringLiteral("loop")};
    static const Kind kinds[] = {Kind::ProgramChange, Kind::ControlChange, Kind::Bank, Kind::Relay, Kind::Loop};
    static const QRegularExpression numbered(QStringLiteral("^(pc|cc|bank|relay|loop)(\\d+)$"));
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    const QStringList words = folded_text(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList rest;
    for (int w = 0; w < words.size(); ++w) {
        QString word = words[w];
        // "pc 12" and "pc12" alike.
        if (w + 1 < words.size() && keywords.contains(word) && digits.match(words[w + 1]).hasMatch())
            word += words[++w];
        const QRegularExpressionMatch match = numbered.match(word);
        if (match.hasMatch()) {
            bool ok = false;
            const int number = match.captured(2).toInt(&ok);
            m_terms.append({kinds[keywords.indexOf(match.captured(1))], ok ? number : -1, QString()});
        } else if (word.size() > 1 && word.startsWith(QLatin1Char('#'))) {
            m_terms.append({Kind::Tag, 0, word.mid(1)});
        } else if (word.size() > 4 && word.startsWith(QLatin1String("tag:"))) {
            m_terms.append({Kind::Tag, 0, word.mid(4)});
        } else if (word == QLatin1String("unnamed")) {
            m_terms.append({Kind::Unnamed, 0, QString()});
        } else if (word == QLatin1String("changed")) {
            m_terms.append({Kind::Changed, 0, QString()});
        } else {
            rest << word;
        }
    }
    m_phrase = rest.join(QLatin1Char(' '));
    if (!m_phrase.isEmpty())
        for (int d = 0; d < kDeviceCount; ++d)
            if (folded_text(name_text(image + deviceOffset(d) + device::kName)).contains(m_phrase))
                m_devices |= 1u << d;
    if (m_phrase.isEmpty() || !rig)
        return;
    // Folded once here, not once for every preset asked.
    for (int d = 0; d < kDeviceCount; ++d) {
        for (const PatchBank &bank : rig->devices[d].banks)
            for (const PatchName &patch : bank.patches)
                if (folded_text(patch.name).contains(m_phrase))
                    m_sounds.insert(&patch);
        for (const ControlName &control : rig->devices[d].controls)
            if (control.number >= 0 && control.number < 128 && folded_text(control.name).contains(m_phrase))
                m_controls.set(size_t(d * 128 + control.number));
    }
}

bool PresetQuery::asksForChanged() const
{
    return std::any_of(m_terms.begin(), m_terms.end(), [](const Term &t) { return t.kind == Kind::Changed; });
}

namespace {

// Numbers as the preset is played: a stored 200 is program change 0.
bool programChangeNumber(const unsigned char *record, int number)
{
    for (int c = 0; c < preset::kProgramChangeCount; ++c) {
        const ProgramChangeEntry entry = program_change_entry(record, c);
        if (entry.enabled && entry.number == number)
            return true;
    }
    return false;
}

bool controlChangeNumber(const unsigned char *record, int number)
{
    for (int j = 0; j < preset::kControlChangeCount; ++j) {
        const auto sent = control_change_sent(record, j);
        if (sent && sent->number == number)
            return true;
    }
    for (int b = 0; b < preset::kOverrideCount; ++b) {
        const auto sent = override_sent(record, b);
        if (sent && sent->controlChange == number)
            return true;
    }
    return false;
}

// Relay r and loop l are typed as shown, from 1.
bool switchedOn(const unsigned char *record, int first, int count, int shown)
{
    return shown >= 1 && shown <= count && switch_state(record[first + shown - 1]) == SwitchState::On;
}

} // namespace

bool PresetQuery::matches(const unsigned char *image, int i, bool changed) const
{
    return matches(image, i, changed, PresetNote());
}

bool PresetQuery::matches(const unsigned char *image, int i, bool changed, const PresetNote &note) const
{
    const unsigned char *record = image + presetOffset(i);
    for (const Term &term : m_terms) {
        bool has = false;
        switch (term.kind) {
        case Kind::ProgramChange: has = programChangeNumber(record, term.number); break;
        case Kind::ControlChange: has = controlChangeNumber(record, term.number); break;
        case Kind::Bank: has = i / kBankSize == term.number; break;
        case Kind::Relay: has = switchedOn(record, preset::kRelays, kRelayCount, term.number); break;
        case Kind::Loop: has = switchedOn(record, preset::kLoops, preset::kLoopCount, term.number); break;
        case Kind::Unnamed: has = has_factory_name(record); break;
        case Kind::Changed: has = changed; break;
        case Kind::Tag: has = note.tags.contains(term.tag); break;
        }
        if (!has)
            return false;
    }
    if (m_phrase.isEmpty())
        return true;
    if (folded_text(name_text(record + preset::kName)).contains(m_phrase))
        return true;
    if (!note.text.isEmpty() && folded_text(note.text).contains(m_phrase))
        return true;
    for (int d = 0; d < kDeviceCount; ++d)
        if ((m_devices >> d & 1u) && (sends_program_change(record, d) || sends_control_change(record, d)))
            return true;
    return callsNamedSound(record);
}

bool PresetQuery::callsNamedSound(const unsigned char *record) const
{
    if (!m_rig)
        return false;
    if (!m_sounds.isEmpty())
        for (int d = 0; d < kDeviceCount; ++d) {
            const ProgramChangeEntry entry = program_change_entry(record, d);
            if (entry.enabled
                && m_sounds.contains(find_patch(m_rig->devices[d], entry.bankSelect, entry.msb, entry.lsb, entry.number)))
                return true;
        }
    if (m_controls.none())
        return false;
    const auto named = [this](int device, int number) {
        return device >= 0 && device < kDeviceCount && number >= 0 && number < 128
               && m_controls.test(size_t(device * 128 + number));
    };
    for (int j = 0; j < preset::kControlChangeCount; ++j)
        if (const auto sent = control_change_sent(record, j); sent && named(sent->device, sent->number))
            return true;
    for (int b = 0; b < preset::kOverrideCount; ++b)
        if (const auto sent = override_sent(record, b); sent && named(sent->device, sent->controlChange))
            return true;
    return false;
}
