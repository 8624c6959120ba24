// The editor in Spanish and German. Every text of the code and the forms, as
// lupdate collects them now, has a finished translation that keeps its
// placeholders, its accelerator and its surrounding white space; and the editor
// started under a Spanish or German locale shows them, with Qt's own
// translations of its standard buttons and nothing clipped, while an English
// or C locale shows the English texts.

#include "test_support.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    bool numerus = false;
    bool finished = false;
    QStringList forms; // the translation, or its plural forms
};

QVector<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QVector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool collecting = false; // the plural forms of the last message read
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = {context, {}, xml.attributes().value("numerus") == QLatin1String("yes"), false, {}};
            collecting = false;
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const auto type = xml.attributes().value("type");
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            message.finished = type.isEmpty();
            if (!message.numerus)
                message.forms << xml.readElementText();
            messages << message;
            collecting = message.numerus;
        } else if (name == QLatin1String("numerusform") && collecting) {
            messages.last().forms << xml.readElementText();
        }
    }
    return messages;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("%(\\d+|n)"));
    QSet<QString> found;
    for (auto it = mark.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    return found;
}

// The letter after the one "&" that marks a keyboard accelerator, or none.
QChar accelerator(const QString &text)
{
    static const QRegularExpression mark(QStringLiteral("&([^&\\s])"));
    const QRegularExpressionMatch match = mark.match(text);
    return match.hasMatch() ? match.captured(1).at(0).toLower() : QChar();
}

QString edges(const QString &text)
{
    static const QRegularExpression outer(QStringLiteral("^(\\s*).*?(\\s*)$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = outer.match(text);
    return match.captured(1) + QLatin1Char('|') + match.captured(2);
}

// Faults of one message's translation, in words; empty when it is sound.
QStringList faults(const Message &m)
{
    QStringList out;
    const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
    if (!m.finished || m.forms.isEmpty() || m.forms.contains(QString()))
        return {where + QStringLiteral(" has no translation")};
    if (m.numerus && m.forms.size() != 2)
        out << where + QStringLiteral(" needs the singular and the plural form");
    for (int k = 0; k < m.forms.size(); ++k) {
        const QString &form = m.forms[k];
        QSet<QString> expected = placeholders(m.source);
        // A singular may say "one" instead of "%n".
        if (m.numerus && k + 1 < m.forms.size())
            expected.remove(QStringLiteral("%n"));
        QSet<QString> got = placeholders(form);
        if (m.numerus && k + 1 < m.forms.size())
            got.remove(QStringLiteral("%n"));
        if (got != expected)
            out << where + QStringLiteral(" changes its placeholders in \"") + form + QLatin1Char('"');
        if (accelerator(m.source).isNull() != accelerator(form).isNull())
            out << where + QStringLiteral(" gains or loses its accelerator in \"") + form + QLatin1Char('"');
        if (edges(m.source) != edges(form))
            out << where + QStringLiteral(" changes its leading or trailing white space in \"") + form + QLatin1Char('"');
    }
    return out;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("German") << QStringLiteral("vektor_de.ts");
        QTest::newRow("Spanish") << QStringLiteral("vektor_es.ts");
    }

    // lupdate over the sources as update_translations runs it, into a copy:
    // a text the code has gained arrives there unfinished.
    void everyTextIsTranslated()
    {
        QFETCH(QString, file);
        QTemporaryDir folder;
        const QString copy = folder.filePath(file);
        QVERIFY(QFile::copy(QStringLiteral(VEKTOR_SOURCE_DIR "/translations/") + file, copy));
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(VEKTOR_SOURCE_DIR));
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(VEKTOR_LUPDATE),
                      QStringList{QStringLiteral("-no-obsolete"), QStringLiteral("-locations"), QStringLiteral("none")}
                          + QStringLiteral(VEKTOR_TRANSLATED_SOURCES).split(QLatin1Char(','))
                          + QStringList{QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        // Anything beyond its progress lines is a warning: a text it could not read.
        static const QRegularExpression progress(QStringLiteral("^\\s*(Scanning directory|Updating|Found \\d+|Removed \\d+)"));
        QStringList warnings;
        for (const QString &line : QString::fromLocal8Bit(lupdate.readAll()).split(QLatin1Char('\n')))
            if (!line.trimmed().isEmpty() && !progress.match(line).hasMatch())
                warnings << line;
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));

        const QVector<Message> messages = readTs(copy);
        QVERIFY(messages.size() > 400);
        QStringList problems;
        QHash<QString, QHash<QChar, QString>> accelerators; // per context, the letters taken
        for (const Message &m : messages) {
            problems << faults(m);
            for (const QString &form : m.forms) {
                const QChar letter = accelerator(form);
                if (letter.isNull())
                    continue;
                const QString other = accelerators[m.context].value(letter);
                if (!other.isEmpty() && other != form)
                    problems << m.context + QStringLiteral(": \"") + form + QStringLiteral("\" and \"") + other
                            + QStringLiteral("\" share their accelerator");
                accelerators[m.context].insert(letter, form);
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void editorShowsTheLocalesLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("expected"); // "<window class>\t<text>"
        QTest::newRow("Spanish") << QStringList{"LANG=es_ES.UTF-8"}
                                 << QStringList{"MainWindow\tUtilidades", "MainWindow\tAbrir archivo...",
                                                "presetsdialog\tEditar cambios de control",
                                                "globaldialog\tCanal de entrada MIDI", "globaldialog\tCancelar"};
        QTest::newRow("German") << QStringList{"LANG=de_DE.UTF-8"}
                                << QStringList{"MainWindow\tWerkzeuge", "MainWindow\tDatei öffnen...",
                                               "presetsdialog\tControl Changes bearbeiten",
                                               "globaldialog\tMIDI-Eingangskanal", "globaldialog\tAbbrechen"};
        const QStringList english{"MainWindow\tUtility", "MainWindow\tOpen file...",
                                  "presetsdialog\tEdit Control Changes", "globaldialog\tMIDI Input Channel",
                                  "globaldialog\tCancel"};
        QTest::newRow("English") << QStringList{"LANG=en_GB.UTF-8"} << english;
        // Qt would take the language from LANGUAGE; a C locale stays English.
        QTest::newRow("C with LANGUAGE") << QStringList{"LC_ALL=C", "LANGUAGE=de"} << english;
    }

    void editorShowsTheLocalesLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, expected);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        for (const QString &setting : environment)
            env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess editor;
        editor.setProcessEnvironment(env);
        editor.start(QStringLiteral(VEKTOR_TEST_TOOLS_DIR "/window_texts"), QStringList());
        QVERIFY(editor.waitForFinished(120000));
        QCOMPARE(editor.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(editor.readAllStandardOutput()).split(QLatin1Char('\n'));
        for (const QString &text : expected)
            QVERIFY2(lines.contains(text), qPrintable(text));
        const QStringList clipped = lines.filter(QStringLiteral("\tclipped: "));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }
};

VEKTOR_TEST_MAIN(TestTranslations)
#include "test_translations.moc"
