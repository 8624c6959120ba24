#include "globaldialog.h"
#include "ui_globaldialog.h"

#include "fields.h"
#include "globalvaluelists.h"
#include "image_layout.h"
#include "slotconnection.h"
#include "store.h"
#include "choicelists.h"
#include "editor_names.h"
#include "valuelistmodel.h"

#include <QStyle>

#include <vector>

namespace {

// The fields of a button row that depend on its function, in the order the
// enable rule sets them.
enum DependentField {
    ActionField,
    ChannelField,
    ControlChangeField,
    FavoriteField,
    LoopField,
    OffCustomField,
    OffValueField,
    OnCustomField,
    OnValueField,
    RelayField,
    StepField,
    DependentFieldCount
};

constexpr unsigned fieldBit(DependentField field) { return 1u << field; }

constexpr int kFunctionCount = 14;

// The dependent fields each button function uses; the others are greyed out.
constexpr unsigned kFieldsOfFunction[kFunctionCount] = {
    0,                                                              // preset
    0,                                                              // bank up
    0,                                                              // bank down
    fieldBit(ActionField) | fieldBit(ControlChangeField) | fieldBit(ChannelField)
        | fieldBit(OnValueField) | fieldBit(OffValueField),         // instant access
    fieldBit(FavoriteField),                                        // favorite preset
    fieldBit(ActionField) | fieldBit(OffCustomField) | fieldBit(OnCustomField), // custom
    fieldBit(ControlChangeField) | fieldBit(ChannelField) | fieldBit(StepField), // CC increment
    fieldBit(ControlChangeField) | fieldBit(ChannelField) | fieldBit(StepField), // CC decrement
    fieldBit(ActionField) | fieldBit(LoopField),                    // loop
    fieldBit(ActionField) | fieldBit(RelayField),                   // relay
    0,                                                              // A/B selector
    0,                                                              // relay group off
    0,                                                              // mode
    0,                                                              // edit
};

// One-byte fields are read as signed, so 128..255 count as negative and fit
// to entry 0.
int signedByte(unsigned char byte)
{
    return static_cast<qint8>(byte);
}

unsigned char lowByte(int value)
{
    return static_cast<unsigned char>(value & 0xFF);
}

// Widens a line edit to show `sample` whole in the edit's own font; a form
// can only give widths in pixels, which larger fonts outgrow.
void reserveRoomFor(QLineEdit *edit, const QString &sample)
{
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QMargins margins = edit->textMargins() + edit->contentsMargins();
    const int textPadding = 2 * 2 + 1; // the edit's own margin on each side, and the cursor
    const QFontMetrics metrics = edit->fontMetrics();
    edit->setMinimumWidth(metrics.horizontalAdvance(sample + QLatin1Char(' ')) + 2 * frame
                          + margins.left() + margins.right() + textPadding);
}

template <typename T>
using Getter = T (globaldialog::*)() const;

#define GLOBAL_TWO(prefix, Field) {&globaldialog::prefix##1##Field, &globaldialog::prefix##2##Field}
#define GLOBAL_NINE(prefix, Field)                                                            \
    {&globaldialog::prefix##1##Field, &globaldialog::prefix##2##Field,                        \
     &globaldialog::prefix##3##Field, &globaldialog::prefix##4##Field,                        \
     &globaldialog::prefix##5##Field, &globaldialog::prefix##6##Field,                        \
     &globaldialog::prefix##7##Field, &globaldialog::prefix##8##Field,                        \
     &globaldialog::prefix##9##Field}
#define GLOBAL_SIXTEEN(prefix, Field)                                                         \
    {&globaldialog::prefix##1##Field, &globaldialog::prefix##2##Field,                        \
     &globaldialog::prefix##3##Field, &globaldialog::prefix##4##Field,                        \
     &globaldialog::prefix##5##Field, &globaldialog::prefix##6##Field,                        \
     &globaldialog::prefix##7##Field, &globaldialog::prefix##8##Field,                        \
     &globaldialog::prefix##9##Field, &globaldialog::prefix##10##Field,                       \
     &globaldialog::prefix##11##Field, &globaldialog::prefix##12##Field,                      \
     &globaldialog::prefix##13##Field, &globaldialog::prefix##14##Field,                      \
     &globaldialog::prefix##15##Field, &globaldialog::prefix##16##Field}

} // namespace

globaldialog::globaldialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::globaldialog)
{
    ui->setupUi(this);
    connect_slots_by_object_name(this);
    collectWidgets();
    sizeFieldsToTheirText();
    fillValueLists();
    loadFromImage(config_image());
    name_global_controls(this, ui);
    // A dialog left to size itself keeps within two thirds of the screen,
    // too narrow for the button rows: open at the size the form asks for.
    resize(sizeHint());
}

globaldialog::~globaldialog()
{
    delete ui;
}

void globaldialog::collectWidgets()
{
#define GLOBAL_BUTTON_ROW(n)                                                                  \
    ButtonRow{ui->button##n##FunctionComboBox, ui->button##n##ActionComboBox,                 \
              ui->button##n##NameLineEdit, ui->button##n##FavoriteComboBox,                   \
              ui->button##n##OffCustomLineEdit, ui->button##n##OnCustomLineEdit,              \
              ui->button##n##LoopComboBox, ui->button##n##RelayComboBox,                      \
              ui->button##n##ControlChangeComboBox, ui->button##n##ChannelComboBox,           \
              ui->button##n##OnValueComboBox, ui->button##n##OffValueComboBox,                \
              ui->button##n##StepComboBox}
    buttonRows = {GLOBAL_BUTTON_ROW(1), GLOBAL_BUTTON_ROW(2), GLOBAL_BUTTON_ROW(3),
                  GLOBAL_BUTTON_ROW(4), GLOBAL_BUTTON_ROW(5), GLOBAL_BUTTON_ROW(6),
                  GLOBAL_BUTTON_ROW(7), GLOBAL_BUTTON_ROW(8), GLOBAL_BUTTON_ROW(9)};
#undef GLOBAL_BUTTON_ROW

#define GLOBAL_RECORD(prefix, n) NamedRecord{ui->prefix##n##EnabledCheckBox, ui->prefix##n##NameLineEdit}
    pedals = {GLOBAL_RECORD(expressionPedal, 1), GLOBAL_RECORD(expressionPedal, 2)};
    channels = {GLOBAL_RECORD(channel, 1), GLOBAL_RECORD(channel, 2), GLOBAL_RECORD(channel, 3),
                GLOBAL_RECORD(channel, 4), GLOBAL_RECORD(channel, 5), GLOBAL_RECORD(channel, 6),
                GLOBAL_RECORD(channel, 7), GLOBAL_RECORD(channel, 8), GLOBAL_RECORD(channel, 9),
                GLOBAL_RECORD(channel, 10), GLOBAL_RECORD(channel, 11), GLOBAL_RECORD(channel, 12),
                GLOBAL_RECORD(channel, 13), GLOBAL_RECORD(channel, 14), GLOBAL_RECORD(channel, 15),
                GLOBAL_RECORD(channel, 16)};
#undef GLOBAL_RECORD
}

void globaldialog::sizeFieldsToTheirText()
{
    const QString message = QStringLiteral("00 00 00 00 00 00 00 00");
    for (const ButtonRow &row : buttonRows) {
        reserveRoomFor(row.offCustom, message);
        reserveRoomFor(row.onCustom, message);
    }
    for (QLineEdit *calibration : {ui->expressionPedal1MinLineEdit, ui->expressionPedal1MaxLineEdit,
                                   ui->expressionPedal2MinLineEdit, ui->expressionPedal2MaxLineEdit})
        reserveRoomFor(calibration, QStringLiteral("65535"));
}

void globaldialog::fillValueLists()
{
    // Appending the first entry to an empty combo box, like giving it a list,
    // selects entry 0 and runs the box's slot, so every row starts with the
    // rule of function 0 in force.
    using namespace globallists;
    const auto column = [this](QComboBox *ButtonRow::*box) {
        std::vector<QComboBox *> boxes;
        for (const ButtonRow &row : buttonRows)
            boxes.push_back(row.*box);
        return boxes;
    };
    const auto append = [](const std::vector<QComboBox *> &boxes, const QStringList &texts,
                           const QVector<int> &itemData = {}) {
        ChoiceItems(texts, itemData).appendToEach(boxes);
    };

    append(column(&ButtonRow::function), functionNames());
    append(column(&ButtonRow::action), actionNames());
    append({ui->axeFxModelComboBox}, axeFxModelNames(), axeFxModelItemData());
    std::vector<QComboBox *> channelBoxes = column(&ButtonRow::channel);
    channelBoxes.insert(channelBoxes.begin(), ui->inputChannelCombo);
    append(channelBoxes, channelNumbers());
    append(column(&ButtonRow::loop), loopNumbers());
    append(column(&ButtonRow::relay), relayNumbers());
    // Switching a box to a shared list costs about as much as 200 items of
    // its own (to add and later to delete), so the 270 favorites are shared.
    auto *favorites = new ValueListModel(favoriteNumbers(), this);
    for (QComboBox *box : column(&ButtonRow::favorite))
        box->setModel(favorites);
    std::vector<QComboBox *> valueBoxes;
    for (QComboBox *ButtonRow::*box : {&ButtonRow::controlChange, &ButtonRow::onValue,
                                       &ButtonRow::offValue, &ButtonRow::step})
        for (QComboBox *each : column(box))
            valueBoxes.push_back(each);
    numberChoices().appendToEach(valueBoxes);
}

void globaldialog::loadFromImage(unsigned char *image)
{
    using namespace layout;
    const auto fitted = [image](int offset, int max) { return fit_value(signedByte(image[offset]), max); };

    ui->sysexRemoteIdComboBox->setCurrentIndex(fitted(kSysexRemoteId, 127));
    ui->sysexIdCombo->setCurrentIndex(fitted(kSysexId, 127));
    ui->inputChannelCombo->setCurrentIndex(fitted(kMidiChannel, 15));
    ui->softThruEnabledCheckBox->setChecked(flag_is_on(image[kSoftThruEnabled]));
    ui->axeFxEnabledCheckBox->setChecked(flag_is_on(image[kAxeFxEnabled]));
    ui->axeFxModelComboBox->setCurrentIndex(fitted(kAxeFxModel, 15));
    ui->fullSpeedDumpCheckBox->setChecked(flag_is_on(image[kSysexDumpFullSpeed]));

    for (int p = 0; p < kPedalCount; ++p)
        pedals[p].enabled->setChecked(flag_is_on(image[pedalOffset(p) + pedal::kEnabled]));
    for (int p = 0; p < kPedalCount; ++p)
        pedals[p].name->setText(read_name(image + pedalOffset(p) + pedal::kName));

    for (int d = 0; d < kDeviceCount; ++d)
        channels[d].enabled->setChecked(flag_is_on(image[deviceOffset(d) + device::kEnabled]));
    for (int d = 0; d < kDeviceCount; ++d)
        channels[d].name->setText(read_name(image + deviceOffset(d) + device::kName));

    const auto loadColumn = [&](QComboBox *ButtonRow::*box, int field, int max) {
        for (int k = 0; k < kButtonCount; ++k)
            (buttonRows[k].*box)->setCurrentIndex(fitted(buttonOffset(k) + field, max));
    };
    loadColumn(&ButtonRow::function, button::kFunction, kFunctionCount - 1);
    loadColumn(&ButtonRow::action, button::kAction, 2);
    for (int k = 0; k < kButtonCount; ++k)
        buttonRows[k].name->setText(read_name(image + buttonOffset(k) + button::kName));
    for (int k = 0; k < kButtonCount; ++k) {
        const int favorite = read_signed_word(image + buttonOffset(k) + button::kFavorite);
        buttonRows[k].favorite->setCurrentIndex(fit_value(favorite, kPresetCount));
    }
    for (int k = 0; k < kButtonCount; ++k)
        buttonRows[k].offCustom->setText(hex_text(image + buttonOffset(k) + button::kOffCustom, kRawMessageSize));
    for (int k = 0; k < kButtonCount; ++k)
        buttonRows[k].onCustom->setText(hex_text(image + buttonOffset(k) + button::kOnCustom, kRawMessageSize));
    loadColumn(&ButtonRow::loop, button::kLoop, 7);
    loadColumn(&ButtonRow::relay, button::kRelay, 1);
    loadColumn(&ButtonRow::controlChange, button::kControlChange, 127);
    loadColumn(&ButtonRow::channel, button::kChannel, 15);
    loadColumn(&ButtonRow::onValue, button::kOnValue, 127);
    loadColumn(&ButtonRow::offValue, button::kOffValue, 127);
    loadColumn(&ButtonRow::step, button::kStep, 127);

    // Calibration is measured by the controller and only shown here.
    ui->expressionPedal1MinLineEdit->setText(QString::number(read_word(image + pedalOffset(0) + pedal::kMin)));
    ui->expressionPedal1MaxLineEdit->setText(QString::number(read_word(image + pedalOffset(0) + pedal::kMax)));
    ui->expressionPedal2MinLineEdit->setText(QString::number(read_word(image + pedalOffset(1) + pedal::kMin)));
    ui->expressionPedal2MaxLineEdit->setText(QString::number(read_word(image + pedalOffset(1) + pedal::kMax)));
}

void globaldialog::applyEnableRule(int button, int function)
{
    if (function < 0 || function >= kFunctionCount)
        return;
    const ButtonRow &row = buttonRows[size_t(button)];
    QWidget *const dependents[DependentFieldCount] = {
        row.action, row.channel, row.controlChange, row.favorite, row.loop, row.offCustom,
        row.offValue, row.onCustom, row.onValue, row.relay, row.step};
    for (int field = 0; field < DependentFieldCount; ++field)
        dependents[field]->setEnabled(kFieldsOfFunction[function] & fieldBit(DependentField(field)));
}

void globaldialog::storeToImage(unsigned char *image) const
{
    using namespace layout;
    image[kMidiChannel] = lowByte(fit_value(midiChannel(), 15));
    image[kSoftThruEnabled] = flag_from_check_state(softThruEnabled());
    image[kSysexId] = lowByte(fit_value(sysexId(), 127));
    image[kSysexRemoteId] = lowByte(fit_value(sysexRemoteId(), 127));
    image[kAxeFxEnabled] = flag_from_check_state(axeFxEnabled());
    // One past the last model: the controller accepts a model it does not list.
    image[kAxeFxModel] = lowByte(fit_value(axeFxModel(), 16));
    image[kSysexDumpFullSpeed] = flag_from_check_state(sysexDumpFullSpeed());

    const std::array<Getter<Qt::CheckState>, 2> pedalEnabled = GLOBAL_TWO(expressionPedal, Enabled);
    const std::array<Getter<QString>, 2> pedalName = GLOBAL_TWO(expressionPedal, Name);
    for (int p = 0; p < kPedalCount; ++p)
        image[pedalOffset(p) + pedal::kEnabled] = flag_from_check_state((this->*pedalEnabled[p])());
    for (int p = 0; p < kPedalCount; ++p)
        write_name(image + pedalOffset(p) + pedal::kName, (this->*pedalName[p])());

    const std::array<Getter<Qt::CheckState>, 16> channelEnabled = GLOBAL_SIXTEEN(channel, Enabled);
    const std::array<Getter<QString>, 16> channelName = GLOBAL_SIXTEEN(channel, Name);
    for (int d = 0; d < kDeviceCount; ++d)
        image[deviceOffset(d) + device::kEnabled] = flag_from_check_state((this->*channelEnabled[d])());
    for (int d = 0; d < kDeviceCount; ++d)
        write_name(image + deviceOffset(d) + device::kName, (this->*channelName[d])());

    // Button values go back as the lists hold them, -1 (no entry) included.
    const auto storeBytes = [&](int field, const std::array<Getter<qint8>, 9> &values) {
        for (int k = 0; k < kButtonCount; ++k)
            image[buttonOffset(k) + field] = lowByte((this->*values[k])());
    };
    const auto storeHex = [&](int field, const std::array<Getter<QString>, 9> &texts) {
        for (int k = 0; k < kButtonCount; ++k)
            store_hex_text(image + buttonOffset(k) + field, (this->*texts[k])(), kRawMessageSize);
    };
    storeBytes(button::kFunction, GLOBAL_NINE(button, Function));
    storeBytes(button::kAction, GLOBAL_NINE(button, Action));
    const std::array<Getter<QString>, 9> names = GLOBAL_NINE(button, Name);
    for (int k = 0; k < kButtonCount; ++k)
        write_name(image + buttonOffset(k) + button::kName, (this->*names[k])());
    const std::array<Getter<qint16>, 9> favorites = GLOBAL_NINE(button, Favorite);
    for (int k = 0; k < kButtonCount; ++k)
        write_word(image + buttonOffset(k) + button::kFavorite, (this->*favorites[k])());
    storeHex(button::kOffCustom, GLOBAL_NINE(button, OffCustom));
    storeHex(button::kOnCustom, GLOBAL_NINE(button, OnCustom));
    storeBytes(button::kLoop, GLOBAL_NINE(button, Loop));
    storeBytes(button::kRelay, GLOBAL_NINE(button, Relay));
    storeBytes(button::kControlChange, GLOBAL_NINE(button, ControlChange));
    storeBytes(button::kChannel, GLOBAL_NINE(button, Channel));
    storeBytes(button::kOnValue, GLOBAL_NINE(button, OnValue));
    storeBytes(button::kOffValue, GLOBAL_NINE(button, OffValue));
    storeBytes(button::kStep, GLOBAL_NINE(button, Step));
}

// Write accessors: an unchanged value is no change at all.
#define GLOBAL_DEFINE_SETTER(type, name, Name, widget, kind) \
    void globaldialog::set##Name(type value)                 \
    {                                                        \
        if (m_##name == value)                               \
            return;                                          \
        m_##name = value;                                    \
        update();                                            \
        emit name##Changed();                                \
    }
GLOBAL_PROPERTIES(GLOBAL_DEFINE_SETTER)
#undef GLOBAL_DEFINE_SETTER

// Slots: each widget writes its property; a function list also sets which
// fields of its row apply.
#define GLOBAL_SLOT_List(type, Name, widget)                              \
    void globaldialog::on_##widget##_currentIndexChanged(int index)       \
    {                                                                     \
        set##Name(static_cast<type>(index));                              \
    }
#define GLOBAL_SLOT_Check(type, Name, widget)                             \
    void globaldialog::on_##widget##_stateChanged(int arg1)               \
    {                                                                     \
        set##Name(arg1 == Qt::Checked ? Qt::Checked : Qt::Unchecked);     \
    }
#define GLOBAL_SLOT_Text(type, Name, widget)                              \
    void globaldialog::on_##widget##_textChanged(const QString &arg1)     \
    {                                                                     \
        set##Name(arg1);                                                  \
    }
#define GLOBAL_SLOT_Function(type, Name, widget)
#define GLOBAL_DEFINE_SLOT(type, name, Name, widget, kind) GLOBAL_SLOT_##kind(type, Name, widget)
GLOBAL_PROPERTIES(GLOBAL_DEFINE_SLOT)
#undef GLOBAL_DEFINE_SLOT

#define GLOBAL_FUNCTION_SLOT(n)                                                      \
    void globaldialog::on_button##n##FunctionComboBox_currentIndexChanged(int index) \
    {                                                                                \
        setButton##n##Function(static_cast<qint8>(index));                           \
        applyEnableRule(n - 1, index);                                               \
    }
GLOBAL_FUNCTION_SLOT(1)
GLOBAL_FUNCTION_SLOT(2)
GLOBAL_FUNCTION_SLOT(3)
GLOBAL_FUNCTION_SLOT(4)
GLOBAL_FUNCTION_SLOT(5)
GLOBAL_FUNCTION_SLOT(6)
GLOBAL_FUNCTION_SLOT(7)
GLOBAL_FUNCTION_SLOT(8)
GLOBAL_FUNCTION_SLOT(9)
#undef GLOBAL_FUNCTION_SLOT
