#include "FarmFaults.h"
#include "TestEnvironment.h"
#include "db/Database.h"
#include "db/DbException.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// Dates the file far back, so that any later write shows in its time.
void ageFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(12, 0)),
                             QFileDevice::FileModificationTime));
}

} // namespace

// The connection itself: what it writes on its own, what a file's content may make it do, and
// how it waits for another program.
class TestDatabase : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    void closingAnUnchangedFileLeavesItAsItWas()
    {
        const QString path = m_env.copyTemplate();
        ageFile(path);
        const QByteArray before = contentOf(path);
        const QDateTime written = QFileInfo(path).lastModified();

        Database db;
        QCOMPARE(db.changeCount(), 0);
        db.open(path, Database::Access::ReadWrite);
        db.scalar(QStringLiteral("SELECT count(*) FROM Operai"));
        QCOMPARE(db.changeCount(), 0);
        db.close();
        QCOMPARE(contentOf(path), before);
        QCOMPARE(QFileInfo(path).lastModified(), written);

        // A change undone is counted all the same.
        db.open(path, Database::Access::ReadWrite);
        {
            Transaction transaction(db);
            db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (1, 'Undone')"));
        }
        QCOMPARE(db.changeCount(), 1);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM Operai")).toInt(), 0);
        db.close();
        QCOMPARE(db.changeCount(), 0);

        db.open(path, Database::Access::ReadWrite);
        db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (1, 'Mario'), "
                                  "(2, 'Luca')"));
        db.execute(QStringLiteral("UPDATE Operai SET Nome = 'Maria' WHERE Codice = 1"));
        QCOMPARE(db.changeCount(), 3);
        db.close();
        QVERIFY(contentOf(path) != before);
        QVERIFY(QFileInfo(path).lastModified() != written);
    }

    // A file's schema may come from anyone (a restored backup, an archive).
    void theFileCannotRewriteItsSchema()
    {
        Database db;
        db.open(m_env.copyTemplate());
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA trusted_schema")).toInt(), 0);
        db.execute(QStringLiteral("PRAGMA writable_schema = ON"));
        QVERIFY_THROWS_EXCEPTION(DbException,
                                 db.execute(QStringLiteral("UPDATE sqlite_master SET sql = 'x' "
                                                           "WHERE name = 'Operai'")));
        // The program's own function stays usable where the schema calls it.
        db.execute(QStringLiteral("CREATE VIEW Rounded AS SELECT SINGLE(0.1) AS Value"));
        QCOMPARE(db.scalar(QStringLiteral("SELECT Value FROM Rounded")).toDouble(), double(0.1f));
    }

    // Another program holding the file for a moment only delays a write.
    void aWriteWaitsForAShortLock()
    {
        const QString path = m_env.copyTemplate();
        FarmFaults::ShortWrite other(path, FarmFaults::ShortWrite::Lock::Exclusive);
        Database db;
        db.open(path);
        QString failure;
        try {
            db.execute(QStringLiteral("INSERT INTO Operai (Codice, Nome) VALUES (2, 'Mine')"));
        } catch (const DbException &error) {
            failure = error.message();
        }
        QCOMPARE(other.finish(), QString());
        QCOMPARE(failure, QString());
        QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(Nome, ',') FROM "
                                          "(SELECT Nome FROM Operai ORDER BY Codice)")),
                 QVariant(QStringLiteral("Other,Mine")));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "TestDatabase.moc"
