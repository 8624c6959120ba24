// A send the user can follow and stop: the progress bar's text counts the
// messages and the time left, Cancel ends the send between two whole
// messages and frees the port, and closing the dialog does the same.

#include "midi_peer.h"
#include "stdout_capture.h"
#include "test_support.h"
#include "utility_support.h"

#include "store.h"
#include "sysex_sender.h"
#include "utilitydialog.h"

#include <QDialogButtonBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

namespace {

// 600 bytes: a header, six data packets and the end of file.
constexpr int kMessages = 8;

QByteArray sixPacketSource()
{
    QByteArray source;
    for (int i = 0; i < 600; ++i)
        source += char(i * 7);
    return source;
}

QProgressBar *progressBar(utilitydialog &dialog)
{
    return dialog.findChild<QProgressBar *>("progressBar_SysEx");
}

QPushButton *button(utilitydialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(name);
}

// Calls `action` once, from the event loop, when the bar's text first names
// message `number`; the send is then in that message's pause.
void atMessage(QProgressBar *progress, int number, std::function<void()> action)
{
    const QString prefix = QString("Message %1 of ").arg(number);
    auto done = std::make_shared<bool>(false);
    QObject::connect(progress, &QProgressBar::valueChanged, progress, [=] {
        if (*done || !progress->text().startsWith(prefix))
            return;
        *done = true;
        QTimer::singleShot(0, action);
    });
}

} // namespace

class TestMidiProgress : public QObject
{
    Q_OBJECT

private slots:
    void sendShowsMessageNumberAndTimeLeft();
    void cancelEndsBetweenMessagesAndFreesPort();
    void closingTheDialogCancelsTheSend();
};

void TestMidiProgress::sendShowsMessageNumberAndTimeLeft()
{
    TempHome home;
    prepare_editor_home(home);
    QVERIFY(writeWholeFile(file_paths().configuration, sixPacketSource()));
    PeerInput peer("vektor-progress-peer", "in");
    utilitydialog dialog(nullptr);
    dialog.show();
    QProgressBar *progress = progressBar(dialog);
    QPushButton *cancel = button(dialog, "pushButton_CancelSend");
    QVERIFY(cancel);
    QVERIFY(!cancel->isVisible());

    QStringList texts;
    QList<int> values;
    bool cancelShown = true;
    connect(progress, &QProgressBar::valueChanged, [&](int value) {
        values << value;
        texts << progress->text();
        cancelShown = cancelShown && cancel->isVisible() && cancel->isEnabled();
    });
    auto ports = answerPortDialog(-1, 0);
    StdoutCapture capture;
    button(dialog, "pushButton_SendSysEx")->click();
    QVERIFY(waitUntilSendEnds(dialog));
    capture.finish();
    QVERIFY(ports->shown);
    QTRY_COMPARE(peer.messageCount(), kMessages);

    // Each message shows its number while it waits (the bar reports only
    // values that change, so messages whose F7 falls on the same percent as
    // the one before are not seen here), and the last stays up at 100 %.
    const QByteArray dump = readWholeFile(file_paths().dump);
    QList<int> expectedNumbers;
    int number = 0;
    int previousValue = 0;
    for (int i = 0; i < dump.size(); ++i) {
        if (quint8(dump[i]) != 0xF7)
            continue;
        ++number;
        const int value = int(qint64(i) * 100 / dump.size());
        if (value != previousValue)
            expectedNumbers << number;
        previousValue = value;
    }
    expectedNumbers << kMessages;
    QCOMPARE(values.last(), 100);
    QCOMPARE(texts.size(), expectedNumbers.size());
    QCOMPARE(texts.first(), QString("Message 1 of 8 — about 2 s left"));
    const QRegularExpression pattern("^Message (\\d+) of 8 — about (\\d+) s left$");
    int previousSeconds = 1000;
    for (int k = 0; k < texts.size(); ++k) {
        const QRegularExpressionMatch match = pattern.match(texts[k]);
        QVERIFY2(match.hasMatch(), qPrintable(texts[k]));
        QCOMPARE(match.captured(1).toInt(), expectedNumbers[k]);
        const int seconds = match.captured(2).toInt();
        QVERIFY2(seconds >= 1 && seconds <= previousSeconds, qPrintable(texts.join(" | ")));
        previousSeconds = seconds;
    }
    QVERIFY(cancelShown);
    QVERIFY(!cancel->isVisible());
    QVERIFY(!progress->isVisible());
    QCOMPARE(progress->format(), QString("%p%")); // nothing of this send is left for the next
}

void TestMidiProgress::cancelEndsBetweenMessagesAndFreesPort()
{
    TempHome home;
    prepare_editor_home(home);
    QVERIFY(writeWholeFile(file_paths().configuration, sixPacketSource()));
    PeerInput peer("vektor-cancel-peer", "in");
    utilitydialog dialog(nullptr);
    dialog.show();
    QPushButton *cancel = button(dialog, "pushButton_CancelSend");

    // The user presses Cancel while message 4 waits for its pause.
    bool cancelShown = false;
    atMessage(progressBar(dialog), 4, [&] {
        cancelShown = cancel->isVisible();
        cancel->click();
    });
    QByteArray trace;
    {
        MessageBoxWatch boxes;
        auto ports = answerPortDialog(-1, 0);
        StdoutCapture capture;
        button(dialog, "pushButton_SendSysEx")->click();
        QVERIFY(waitUntilSendEnds(dialog));
        QTRY_COMPARE(boxes.boxes.size(), 1);
        trace = capture.finish();
        QVERIFY(ports->shown);
        QCOMPARE(boxes.boxes[0].title, QString("Send SysEx"));
        QVERIFY2(boxes.boxes[0].text.startsWith("Sending was cancelled after 3 of 8 messages."),
                 qPrintable(boxes.boxes[0].text));
    }
    QVERIFY(cancelShown);
    QVERIFY(!cancel->isVisible());
    QVERIFY(!progressBar(dialog)->isVisible());

    // Only whole messages, the first three, reached the controller.
    const auto dump = split_sysex_messages(readWholeFile(file_paths().dump));
    QCOMPARE(int(dump.size()), kMessages);
    const std::vector<std::vector<unsigned char>> firstThree(dump.begin(), dump.begin() + 3);
    QTRY_COMPARE(peer.messageCount(), 3);
    QTest::qWait(400); // nothing more comes
    QVERIFY(received(peer) == firstThree);
    QVERIFY(trace.endsWith(hexTrace(dump[2])));
    QVERIFY(!trace.contains(hexTrace(dump[3])));

    // The port was closed: the next send opens it and goes to the end.
    MessageBoxWatch boxes;
    auto ports = answerPortDialog(-1, 0);
    button(dialog, "pushButton_SendSysEx")->click();
    QVERIFY(ports->shown);
    QVERIFY(waitUntilSendEnds(dialog));
    QVERIFY2(boxes.boxes.isEmpty(), qPrintable(boxes.boxes.value(0).text));
    QTRY_COMPARE(peer.messageCount(), 3 + kMessages);
    const auto all = received(peer);
    QVERIFY(std::vector<std::vector<unsigned char>>(all.begin() + 3, all.end()) == dump);
}

// Closing the dialog during a send ends the send, so the dialog's run
// returns: the controller stops receiving from a window that is gone.
void TestMidiProgress::closingTheDialogCancelsTheSend()
{
    TempHome home;
    prepare_editor_home(home);
    QVERIFY(writeWholeFile(file_paths().configuration, sixPacketSource()));
    PeerInput peer("vektor-close-peer", "in");
    utilitydialog dialog(nullptr);
    auto *close = dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Close);
    QVERIFY(close);

    atMessage(progressBar(dialog), 2, [&] { close->click(); });
    auto ports = std::make_shared<SeenPorts>();
    QTimer::singleShot(0, [&] {
        handleModalsInTurn({answerPortDialogStep(ports, -1, 0)});
        button(dialog, "pushButton_SendSysEx")->click();
    });
    MessageBoxWatch boxes;
    const int result = dialog.exec();

    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(ports->shown);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(boxes.boxes.size(), 1);
    QVERIFY2(boxes.boxes[0].text.startsWith("Sending was cancelled after 1 of 8 messages."),
             qPrintable(boxes.boxes[0].text));
    QTRY_COMPARE(peer.messageCount(), 1);
    QTest::qWait(400);
    QCOMPARE(peer.messageCount(), 1);
}

VEKTOR_TEST_MAIN(TestMidiProgress)
#include "test_midi_progress.moc"
