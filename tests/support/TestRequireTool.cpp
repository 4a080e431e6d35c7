#include <QProcess>
#include <QTest>

// A missing outside program skips a test on a developer's machine and fails it under CI.
class TestRequireTool : public QObject
{
    Q_OBJECT

private slots:
    void missingTool_data()
    {
        QTest::addColumn<QString>("ci");
        QTest::addColumn<bool>("fails");
        QTest::newRow("CI not set") << QString() << false;
        QTest::newRow("CI=0") << "0" << false;
        QTest::newRow("CI=false") << "false" << false;
        QTest::newRow("CI=1") << "1" << true;
        QTest::newRow("CI=true") << "true" << true;
    }

    void missingTool()
    {
        QFETCH(QString, ci);
        QFETCH(bool, fails);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("CI"));
        if (!ci.isEmpty())
            environment.insert(QStringLiteral("CI"), ci);
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.setProcessChannelMode(QProcess::MergedChannels);
        probe.start(QString::fromLocal8Bit(qgetenv("VERDIMO_REQUIRE_TOOL_PROBE")), {});
        QVERIFY(probe.waitForFinished(60000));
        const QString output = QString::fromUtf8(probe.readAll());

        QCOMPARE(probe.exitCode(), fails ? 1 : 0);
        QVERIFY2(output.contains(QLatin1String("verdimo-no-such-tool is not installed")),
                 qPrintable(output));
        QVERIFY2(output.contains(fails ? QLatin1String("FAIL!  : RequireToolProbe::missingTool")
                                       : QLatin1String("SKIP   : RequireToolProbe::missingTool")),
                 qPrintable(output));
        QVERIFY2(output.contains(QLatin1String("PASS   : RequireToolProbe::presentTool")),
                 qPrintable(output));
        QVERIFY2(!output.contains(QLatin1String("went on without the tool")), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestRequireTool)
#include "TestRequireTool.moc"
