#include "FakePrompter.h"
#include "FrameFixture.h"
#include "TestEnvironment.h"
#include "app/CMainFrame.h"
#include "app/CPropDialog.h"
#include "app/CSearchScheda.h"
#include "app/CommandIds.h"
#include "cards/ui/CMainView.h"
#include "db/FarmSession.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// What a user meets on opening the program: where the windows stand and what a failed start
// says.
class TestFirstStart : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;
    FakePrompter m_prompter;
    FrameFixture m_app{m_env, m_prompter};

private slots:
    void init() { m_env.clearSettings(); }

    void cleanup()
    {
        m_app.stop();
        QVERIFY(m_prompter.verify());
    }

    void searchWindowCoversNoCardControl()
    {
        QVERIFY(m_app.start(m_app.seededFarm()));
        CSearchScheda *search = m_app.frame().searchWindow();
        QVERIFY(search->isVisible());
        const QRect covered = search->frameGeometry();
        QWidget *cards = m_app.frame().view(CMainFrame::CardsView)->widget();
        int controls = 0;
        for (QWidget *each : cards->findChildren<QWidget *>()) {
            const bool control =
                qobject_cast<QAbstractButton *>(each) || qobject_cast<QLineEdit *>(each) ||
                qobject_cast<QAbstractSpinBox *>(each) || qobject_cast<QComboBox *>(each) ||
                qobject_cast<QLabel *>(each) || qobject_cast<QAbstractItemView *>(each);
            if (!control || !each->isVisible())
                continue;
            ++controls;
            const QRect place(each->mapToGlobal(QPoint(0, 0)), each->size());
            QVERIFY2(!place.intersects(covered),
                     qPrintable(each->objectName() + " " + each->metaObject()->className()));
        }
        QVERIFY(controls > 10);
    }

    // No period stored: the window works on this year and the first Add gives today's card,
    // the cursor in its date. The status bar shows the period and opens Settings at it.
    void firstStartWorksOnToday()
    {
        m_app.clock().set(QDateTime(QDate(2026, 3, 16), QTime(9, 30)));
        QVERIFY(m_app.startFirstTime(m_app.seededFarm()));
        QCOMPARE(m_app.farm().period().start, QDate(2026, 1, 1));
        QCOMPARE(m_app.farm().period().end, QDate(2026, 12, 31));
        QToolButton *period = m_app.frame().periodIndicator();
        QVERIFY(period->isVisible());
        QCOMPARE(period->text(), QString("Period 01/01/2026 \u2013 12/31/2026"));

        m_app.frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m_app.frame()));
        m_app.frame().action(IdAdd)->trigger();
        CMainView *cards = m_app.cards();
        QCOMPARE(cards->dateField()->dateTime(), QDateTime(QDate(2026, 3, 16), QTime(9, 30)));
        // The cursor is in the date field whenever the window is active.
        const QWidget *focus = m_app.frame().focusWidget();
        QVERIFY(focus == cards->dateField() || cards->dateField()->isAncestorOf(focus));
        m_app.frame().action(IdCancelInsert)->trigger();

        // Where the cursor stands in Settings, and the day it shows there.
        QString cursor;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto *settings = qobject_cast<CPropDialog *>(QApplication::activeModalWidget())) {
                QWidget *focused = settings->focusWidget();
                TypedDateEdit *start = settings->startPicker();
                if (focused && (focused == start || start->isAncestorOf(focused)))
                    cursor = start->date().toString(Qt::ISODate);
                else
                    cursor = focused ? focused->metaObject()->className() : "nowhere";
                settings->reject();
            }
        });
        answer.start(50);
        period->click();
        answer.stop();
        QCOMPARE(cursor, QString("2026-01-01"));
    }

    void openFailureNamesTheFarmDatabase_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("engineText");
        // What the message says of the kind of failure, besides the engine's text.
        QTest::addColumn<QString>("kindText");
        QTest::newRow("missing") << QByteArray() << QString("Could not find file '%1'.")
                                 << QString();
        QTest::newRow("not a database")
            << QByteArray(4096, 'x') << QString("file is not a database") << "is damaged";
    }

    void openFailureNamesTheFarmDatabase()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, engineText);
        QFETCH(QString, kindText);
        const QString path = m_env.path("Tellan.mdb");
        QFile::remove(path);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QString expected = QString("Cannot open the farm database %1: %2")
                                     .arg(QDir::toNativeSeparators(path), engineText.arg(path));
        // At start-up, and again when the settings ask for the views to be reloaded.
        m_prompter.expectContaining(Prompter::Icon::Error, expected);
        QVERIFY(m_app.start(path));
        QVERIFY(m_prompter.verify());
        // The message also says where another database is chosen.
        m_prompter.expectContaining(
            Prompter::Icon::Error,
            expected + "\n\nSettings in the Program menu chooses another farm database.");
        m_app.frame().ReloadViews();
        QVERIFY(m_prompter.verify());
        QVERIFY(m_prompter.shown().constLast().contains(kindText));
        QVERIFY(!m_app.farm().isOpen());
    }
};

QTEST_MAIN(TestFirstStart)
#include "TestFirstStart.moc"
