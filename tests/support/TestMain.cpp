#include <QApplication>
#include <QCoreApplication>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

// Every test binary gets the Qt application object; widget tests run on the offscreen platform.
int main(int argc, char** argv)
{
    ::testing::InitGoogleMock(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Mirelo"));
    return RUN_ALL_TESTS();
}
