#include "online/ui/CDownloadDialog.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>

class TestCDownloadDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsProgress()
    {
        CDownloadDialog dialog;
        dialog.setText(0,
                       QStringLiteral("Wait while downloading the setup file of the new version"));
        dialog.setRange(0, 0, 4096);
        dialog.setValue(0, 1024);
        dialog.open();
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.isModal());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Download setup file"));
        QCOMPARE(dialog.bar()->maximum(), 4096);
        QCOMPARE(dialog.bar()->value(), 1024);
        if (qEnvironmentVariableIsSet("VERDIMO_GRAB"))
            dialog.grab().save(QString::fromLocal8Bit(qgetenv("VERDIMO_GRAB")));
    }

    // Cancel, Escape and closing the window ask; the window stays until the download ends.
    void stopRequestsAsk()
    {
        CDownloadDialog dialog;
        int asked = 0;
        dialog.setCancelHandler([&asked] { ++asked; });
        dialog.open();
        auto *cancel = dialog.findChild<QPushButton *>();
        QVERIFY(cancel);
        cancel->click();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        QCOMPARE(asked, 3);
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TestCDownloadDialog)
#include "TestCDownloadDialog.moc"
