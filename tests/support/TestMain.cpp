#include <QApplication>
#include <QCoreApplication>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

// Every test binary gets the Qt application object; widget tests run on the offscreen platform.
int main(int argc, char** argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    // English whatever the desktop of the one running the tests; a test that wants another
    // language sets it for the process it starts.
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(variable);
    qputenv("LANG", "C.UTF-8");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Mirelo"));
    return RUN_ALL_TESTS();
}
