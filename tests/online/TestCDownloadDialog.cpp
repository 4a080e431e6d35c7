#include "FakePrompter.h"
#include "LocalServers.h"
#include "TestEnvironment.h"
#include "TestKeys.h"
#include "online/UpdateController.h"
#include "online/ui/CDownloadDialog.h"
#include "online/ui/UpdateUi.h"

#include <QDir>
#include <QMainWindow>

#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

// Hands over the download dialog when it is first shown, before the window returns to its
// event loop, so no progress report can pass unseen.
class ShowWatcher : public QObject
{
public:
    explicit ShowWatcher(std::function<void(CDownloadDialog *)> shown) : m_shown(std::move(shown))
    {
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show && !m_seen) {
            if (auto *dialog = qobject_cast<CDownloadDialog *>(object)) {
                m_seen = true;
                m_shown(dialog);
            }
        }
        return false;
    }

private:
    std::function<void(CDownloadDialog *)> m_shown;
    bool m_seen = false;
};

} // namespace

class TestCDownloadDialog : public QObject
{
    Q_OBJECT

    TestEnvironment m_env;

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

    // The dialog over a main window, as the "&Update" command shows it: progress on a package
    // of several megabytes, then Cancel confirmed.
    void cancelThroughTheDialog()
    {
        LocalServers servers;
        const TestKeys keys = TestKeys::generate();
        const QByteArray package(6 * 1024 * 1024, 'd');
        servers.publishVersion("3.1.1\n");
        servers.publishPackage(package, keys.sign(package));
        QTemporaryDir downloads;

        QMainWindow window;
        window.show();
        FakePrompter prompter;
        prompter.expect(Prompter::Icon::Question,
                        QStringLiteral("Available upgrade to version 3.1.1 of the program. Do you "
                                       "want to install it?"),
                        Prompter::Answer::Yes);
        prompter.expect(Prompter::Icon::Question,
                        QStringLiteral("Downloading setup file, abort it?"), Prompter::Answer::Yes);
        UpdateController *controller = UpdateUi::attach(&window, prompter);
        controller->setServers(servers.servers());
        controller->setPublicKey(keys.publicKey);
        controller->setCurrentVersion(QStringLiteral("3.1.0"));
        controller->setDownloadFolder(downloads.path());
        bool opened = false;
        controller->setOpener([&opened](const QString &) { return opened = true; });

        // The progress is followed from the moment the dialog shows: on a fast machine the
        // whole package may arrive before a polling look at the window would find the dialog.
        bool cancelled = false;
        CDownloadDialog *dialog = nullptr;
        QString shownText;
        ShowWatcher watcher([&](CDownloadDialog *shown) {
            dialog = shown;
            shownText = shown->text();
            connect(dialog->bar(), &QProgressBar::valueChanged, dialog, [&](int value) {
                if (cancelled || value <= 0)
                    return;
                cancelled = true;
                QCOMPARE(dialog->bar()->maximum(), package.size());
                if (qEnvironmentVariableIsSet("VERDIMO_GRAB"))
                    dialog->grab().save(QString::fromLocal8Bit(qgetenv("VERDIMO_GRAB")) +
                                        ".run.png");
                dialog->findChild<QPushButton *>()->click();
            });
        });
        qApp->installEventFilter(&watcher);
        controller->checkNow(false);
        QTRY_VERIFY(dialog);
        QCOMPARE(shownText,
                 QStringLiteral("Wait while downloading the setup file of the new version"));
        QTRY_COMPARE_WITH_TIMEOUT(controller->state(), UpdateController::State::Idle, 30000);
        qApp->removeEventFilter(&watcher);
        QVERIFY(cancelled);
        QVERIFY(prompter.verify());
        QVERIFY(!opened);
        QVERIFY(!window.findChild<CDownloadDialog *>());
        QCOMPARE(QDir(downloads.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(TestCDownloadDialog)
#include "TestCDownloadDialog.moc"
