// Takes the single-instance lock at the path given, says whether another
// instance holds it, then waits to be killed: the other side of the lock test.
#include "platform/QtServices.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    platform::LockFileInstance lock(QString::fromLocal8Bit(argv[1]));
    std::printf("%s\n", lock.anotherInstanceRunning() ? "other" : "locked");
    std::fflush(stdout);
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
