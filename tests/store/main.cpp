// Qt SQL loads its drivers as plugins, which wants an application object.
#include "store/DatabaseLock.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // "--hold-lock FOLDER": a second process of the lock test, holding the
    // folder's lock until it is killed.
    if (argc == 3 && std::strcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        store::DatabaseLock lock(QString::fromLocal8Bit(argv[2]));
        if (!lock.tryLock())
            return 1;
        std::puts("locked");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
