#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <vector>

// What in a memory sends each channel message: every preset's program
// changes and control changes, the footswitches, the preset pedals and the
// instant-access overrides, indexed by channel and number once, so that a
// message heard is explained without a walk over 270 presets.

struct ProgramSender {
    int record;        // preset record 0..269
    bool bankSelect;   // sent after control changes 0 and 32
    int msb;
    int lsb;
};

enum class ControlSource {
    PresetEntry,   // a control-change entry of a preset: `value`
    BankMsb,       // control change 0 before a program change: `value` is the MSB
    BankLsb,       // control change 32: `value` is the LSB
    PresetPedal,   // expression pedal `slot` of a preset: any value
    Override,      // instant-access override of button `slot`: `value` on, `value2` off
    InstantAccess, // footswitch `slot` with function instant access: `value` on, `value2` off
    Increment,     // footswitch `slot`, CC increment: any value
    Decrement,     // footswitch `slot`, CC decrement: any value
};

struct ControlSender {
    ControlSource source;
    int record; // preset record, -1 for a footswitch
    int slot;   // entry, pedal or button index from 0
    int value;
    int value2;
};

// A footswitch with function "custom": the raw message it sends as the
// controller reads it (status and its data bytes).
struct CustomSender {
    int button;
    bool on;
    QByteArray bytes;
};

class MemorySenders
{
public:
    // Nothing sends anything; devices are called by channel.
    MemorySenders();
    // Reads the whole image once; keeps no pointer into it.
    explicit MemorySenders(const unsigned char *image);

    bool hasMemory() const { return !presetTexts.isEmpty(); }
    const QVector<ProgramSender> &programSenders(int channel, int program) const;
    const QVector<ControlSender> &controlSenders(int channel, int number) const;
    const QVector<CustomSender> &customSenders() const { return customs; }

    // "03 - Amp" (or "channel 03" without a memory), "014 Verse", "Wah".
    QString deviceText(int channel) const;
    QString presetText(int record) const;
    QString buttonName(int button) const;

private:
    static int key(int channel, int number) { return channel * 128 + number; }

    std::vector<QVector<ProgramSender>> programs;
    std::vector<QVector<ControlSender>> controls;
    QVector<CustomSender> customs;
    QVector<QString> deviceTexts;
    QVector<QString> presetTexts;
    QVector<QString> buttonNames;
};
