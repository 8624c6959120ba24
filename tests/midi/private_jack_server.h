#pragma once

// A JACK server of one test's own, for a test that ends it under the editor:
// the server the other MIDI tests share must live on. While it lives, new
// MIDI objects of the process talk to it.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <unistd.h>

class PrivateJackServer
{
public:
    PrivateJackServer()
        : previous(qgetenv("JACK_DEFAULT_SERVER"))
    {
        qputenv("JACK_DEFAULT_SERVER", QByteArray("vektor-private-") + QByteArray::number(::getpid()));
        up = run("start");
    }
    ~PrivateJackServer()
    {
        run("stop"); // also a server that came up too late to be seen
        qputenv("JACK_DEFAULT_SERVER", previous);
    }
    PrivateJackServer(const PrivateJackServer &) = delete;
    PrivateJackServer &operator=(const PrivateJackServer &) = delete;

    bool running() const { return up; }
    // Ends the server as a crashed or stopped sound server goes away.
    void stop()
    {
        if (up)
            run("stop");
        up = false;
    }

private:
    bool run(const char *action)
    {
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        script.start(QStringLiteral(VEKTOR_JACK_SCRIPT), {QString::fromLatin1(action), state.path()});
        return script.waitForFinished(30000) && script.exitStatus() == QProcess::NormalExit && script.exitCode() == 0;
    }

    QByteArray previous;
    QTemporaryDir state;
    bool up = false;
};
