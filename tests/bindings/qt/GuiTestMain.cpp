#include <QApplication>
#include <QStyleFactory>
#include <QtGlobal>

#include <gtest/gtest.h>

// The GUI tests build real widgets, so they need a QApplication; test
// discovery runs this binary too, often without a display, hence offscreen
// unless the caller chose a platform.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("Trevalo"));
    return RUN_ALL_TESTS();
}
