#pragma once

#include <QObject>

class QSocketNotifier;

// The signals by which the system or the player asks a program to end (SIGTERM at log-out and
// shutdown, SIGINT from Ctrl+C, SIGHUP when the terminal goes), brought into the event loop.
// The handler only writes the signal's number to a pipe; a socket notifier reads it there, so
// nothing but the pipe is touched while the signal interrupts the program.
class QuitSignals : public QObject
{
    Q_OBJECT

public:
    // Installs the handlers once; later calls return the same object. Needs the application
    // object, and lives until the process ends.
    static QuitSignals &install();

signals:
    // On the event loop, once for every signal received.
    void received(int signal);

private:
    QuitSignals();
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
