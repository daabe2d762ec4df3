#pragma once

#include "platform/ApplicationOrvane.h"

#include <QLocale>
#include <QTest>

// The module's number formats follow the user's regional settings: every test runs under the
// French ones, whatever the machine's, and without a display.
inline void PreparerEnvironnementDeTest()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

#define ORVANE_TEST_MAIN(ClasseDeTest)                                                             \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        PreparerEnvironnementDeTest();                                                             \
        ApplicationOrvane application(argc, argv);                                                 \
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));                            \
        ClasseDeTest test;                                                                         \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
