#include "TestEnvironment.h"

#include <QTest>

// Run by TestRequireTool with and without CI set: one test needs a program that does not exist.
class RequireToolProbe : public QObject
{
    Q_OBJECT

private slots:
    void missingTool()
    {
        REQUIRE_TOOL(QStringLiteral("verdimo-no-such-tool"));
        QFAIL("went on without the tool");
    }
    void presentTool()
    {
        const QString shell = TestEnvironment::requireTool(QStringLiteral("sh"));
        QVERIFY2(shell.endsWith(QLatin1String("/sh")), qPrintable(shell));
    }
};

QTEST_GUILESS_MAIN(RequireToolProbe)
#include "RequireToolProbe.moc"
