#include "base/ui/BusyPrompter.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>

namespace {

Qt::CursorShape currentShape()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

// The cursor shown while each dialog is open; no override shows as the arrow.
class CursorProbe : public Prompter
{
public:
    Answer message(Icon, const QString &, Buttons) override
    {
        record();
        return Answer::Yes;
    }
    QString openFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        record();
        return QStringLiteral("/in.zip");
    }
    QString saveFileName(const QString &, const QString &, const QString &,
                         const QString &) override
    {
        record();
        return QStringLiteral("/out.zip");
    }
    void showHelp(int topic) override { helpTopics << topic; }

    QList<Qt::CursorShape> shapes;
    QList<int> helpTopics;

private:
    void record() { shapes << currentShape(); }
};

} // namespace

// A command working under the wait cursor hands the user the usual one for every question.
class TestBusyPrompter : public QObject
{
    Q_OBJECT

private slots:
    void dialogsShowTheUsualCursorWhileBusy()
    {
        CursorProbe probe;
        BusyPrompter prompter(probe);
        prompter.setBusy(true);
        prompter.setBusy(true);
        QCOMPARE(currentShape(), Qt::WaitCursor);
        QCOMPARE(prompter.question(QStringLiteral("Overwrite?")), Prompter::Answer::Yes);
        QCOMPARE(prompter.openFileName({}, {}, {}, {}), QStringLiteral("/in.zip"));
        QCOMPARE(prompter.saveFileName({}, {}, {}, {}), QStringLiteral("/out.zip"));
        prompter.showHelp(7);
        QCOMPARE(probe.shapes, QList<Qt::CursorShape>(3, Qt::ArrowCursor));
        QCOMPARE(probe.helpTopics, QList<int>{7});
        QCOMPARE(currentShape(), Qt::WaitCursor);
        prompter.setBusy(false);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void theWaitCursorEndsWithThePrompter()
    {
        CursorProbe probe;
        {
            BusyPrompter prompter(probe);
            prompter.setBusy(true);
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(TestBusyPrompter)
#include "TestBusyPrompter.moc"
