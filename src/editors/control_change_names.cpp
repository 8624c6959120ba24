#include "control_change_names.h"

#include "rig_sound_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

void add_control_name_label(QGridLayout *grid, int entry, QComboBox *deviceBox, QComboBox *numberBox,
                            QWidget *window, int nameColumn)
{
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(numberBox), &row, &column, &rowSpan, &columnSpan);
    auto *label = new QLabel(window);
    label->setObjectName(QStringLiteral("controlChange%1NameLabel").arg(entry + 1));
    label->setTextFormat(Qt::PlainText); // names from files are never markup
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 14);
    grid->addWidget(label, row, nameColumn);
    const auto update = [label, deviceBox, numberBox] {
        const QString name = control_sound_text(deviceBox->currentIndex(), numberBox->currentIndex());
        label->setText(name);
        label->setToolTip(name);
    };
    QObject::connect(deviceBox, QOverload<int>::of(&QComboBox::currentIndexChanged), label, update);
    QObject::connect(numberBox, QOverload<int>::of(&QComboBox::currentIndexChanged), label, update);
    update();
}
