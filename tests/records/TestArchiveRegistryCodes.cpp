#include "FarmFixture.h"
#include "TestEnvironment.h"
#include "db/SchemaUpgrade.h"
#include "exchange/ArchiveRegistryCodes.h"

#include <QTest>

class TestArchiveRegistryCodes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void merge_data();
    void merge();
    void olderArchiveChangesNothing();

private:
    QStringList targetCodes();

    TestEnvironment m_env;
    std::unique_ptr<Database> m_source;
    std::unique_ptr<Database> m_target;
};

void TestArchiveRegistryCodes::init()
{
    m_source = std::make_unique<Database>();
    m_source->open(m_env.copyTemplate());
    m_target = std::make_unique<Database>();
    m_target->open(m_env.copyTemplate());
    FarmFixture target(*m_target);
    for (const int code : {10, 11, 12})
        target.addItem(code, QStringLiteral("Item %1").arg(code));
    target.addCentre(1, QStringLiteral("Vigneto"), false, true);
    SchemaUpgrade::upgrade(*m_target);
    m_target->execute(QStringLiteral("UPDATE Articoli SET NumeroRegistrazione = CASE Codice "
                                     "WHEN 10 THEN 'OLD' WHEN 11 THEN 'KEEP' ELSE ' ' END"));
}

void TestArchiveRegistryCodes::cleanup()
{
    m_source.reset();
    m_target.reset();
}

QStringList TestArchiveRegistryCodes::targetCodes()
{
    return FarmFixture(*m_target).rows(
        QStringLiteral("SELECT Codice, NumeroRegistrazione FROM Articoli UNION ALL "
                       "SELECT Codice, CodiceEPPO FROM Centri"));
}

void TestArchiveRegistryCodes::merge_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<QStringList>("expected");
    // The archive's empty value never erases one; without overwrite only blanks are filled.
    QTest::newRow("overwrite") << true << QStringList{"10|A10", "11|KEEP", "12|A12", "1|VITVI"};
    QTest::newRow("keep") << false << QStringList{"10|OLD", "11|KEEP", "12|A12", "1|VITVI"};
}

void TestArchiveRegistryCodes::merge()
{
    QFETCH(bool, overwrite);
    QFETCH(QStringList, expected);
    FarmFixture source(*m_source);
    for (const int code : {10, 11, 12, 13})
        source.addItem(code, QStringLiteral("Item %1").arg(code));
    source.addCentre(1, QStringLiteral("Vigneto"), false, true);
    SchemaUpgrade::upgrade(*m_source);
    m_source->execute(QStringLiteral("UPDATE Articoli SET NumeroRegistrazione = CASE Codice "
                                     "WHEN 11 THEN '' ELSE 'A' || Codice END"));
    m_source->execute(QStringLiteral("UPDATE Centri SET CodiceEPPO = 'VITVI'"));

    ArchiveRegistryCodes::merge(*m_source, *m_target, overwrite);
    QCOMPARE(targetCodes(), expected);
}

void TestArchiveRegistryCodes::olderArchiveChangesNothing()
{
    FarmFixture(*m_source).addItem(10, QStringLiteral("Item 10"));
    const QString path = m_source->path();
    m_source->close();
    m_source->open(path, Database::Access::ReadOnly);
    const QStringList before = targetCodes();
    ArchiveRegistryCodes::merge(*m_source, *m_target, true);
    QCOMPARE(targetCodes(), before);
}

QTEST_GUILESS_MAIN(TestArchiveRegistryCodes)
#include "TestArchiveRegistryCodes.moc"
