#include <QGuiApplication>

#include <gtest/gtest.h>

// The tests of the pure layers run with a QGuiApplication on the offscreen platform: the
// picture routines paint and decode pictures and the fonts need the font database, none of
// them a display or a widget.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
