// The widgets that make the windows open fast must look and behave like the
// plain ones they replace: compact combo boxes take the size of the policy
// or of the plain box they stand in for, and the deferred window icon decodes the same file the
// eager one would.

#include "compactcombobox.h"
#include "test_support.h"
#include "window_icon.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestFastWidgets : public QObject
{
    Q_OBJECT

private slots:
    void compactComboBoxTakesThePolicySize_data()
    {
        QTest::addColumn<int>("characters");
        QTest::addColumn<bool>("iconRoom");
        for (int characters : {1, 4, 26}) {
            QTest::addRow("%d characters with icon room", characters) << characters << true;
            QTest::addRow("%d characters", characters) << characters << false;
        }
    }

    void compactComboBoxTakesThePolicySize()
    {
        QFETCH(int, characters);
        QFETCH(bool, iconRoom);
        QComboBox plain;
        plain.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        plain.setMinimumContentsLength(characters);
        CompactComboBox compact;
        compact.setIconRoom(iconRoom);
        compact.setMinimumContentsLength(characters);
        // Entries never widen either box.
        for (QComboBox *box : {static_cast<QComboBox *>(&plain), static_cast<QComboBox *>(&compact)})
            box->addItems({QStringLiteral("000"), QString(40, QLatin1Char('W'))});
        if (iconRoom) {
            QCOMPARE(compact.sizeHint(), plain.sizeHint());
            QCOMPARE(compact.minimumSizeHint(), plain.minimumSizeHint());
        } else {
            // Without the icon's room and its gap, and no wider than the characters.
            QCOMPARE(compact.sizeHint().width(), plain.sizeHint().width() - compact.iconSize().width() - 4);
            QCOMPARE(compact.minimumSizeHint(), compact.sizeHint());
        }
    }

    void compactComboBoxWithWidestEntryTakesThePlainSize_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("widest");
        QTest::addRow("off/on") << QStringList{"off", "on"} << QString("off");
        QTest::addRow("relay or loop") << QStringList{"off", "on", "unchanged"} << QString("unchanged");
        QTest::addRow("output") << QStringList{"A", "B", "unchanged"} << QString("unchanged");
        // The form names the English widest; a translation's is another.
        QTest::addRow("translated off/on") << QStringList{"apagado", "encendido"} << QString("off");
    }

    void compactComboBoxWithWidestEntryTakesThePlainSize()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, widest);
        // A plain box measures every entry; the compact one measures the
        // entry it is told is the widest, and must come out the same.
        QComboBox plain;
        plain.addItems(entries);
        CompactComboBox compact;
        compact.setWidestEntry(widest);
        compact.addItems(entries);
        QCOMPARE(compact.sizeHint(), plain.sizeHint());
        QCOMPARE(compact.minimumSizeHint(), plain.minimumSizeHint());
    }

    void windowIconComesFromTheFileFoundAtStartUp()
    {
        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        const QList<QSize> builtIn = QIcon(QStringLiteral(":/favicon.ico")).availableSizes();
        QVERIFY(!builtIn.isEmpty());

        // A local icon with one image: its sizes, even once the folder changed.
        QImage single(24, 24, QImage::Format_ARGB32);
        single.fill(Qt::red);
        QVERIFY(single.save(QStringLiteral("favicon.ico"), "ICO"));
        const QIcon local = editor_window_icon();
        QDir::setCurrent(previous);
        QCOMPARE(local.availableSizes(), QList<QSize>{QSize(24, 24)});
        QCOMPARE(local.pixmap(24).toImage().pixelColor(12, 12), QColor(Qt::red));

        // A local file that is no icon: the built-in one.
        QDir::setCurrent(folder.path());
        QFile garbage(QStringLiteral("favicon.ico"));
        QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
        garbage.write("not an icon at all");
        garbage.close();
        const QIcon fallback = editor_window_icon();
        QDir::setCurrent(previous);
        QCOMPARE(fallback.availableSizes(), builtIn);
    }
};

QTEST_MAIN(TestFastWidgets)
#include "test_fast_widgets.moc"
