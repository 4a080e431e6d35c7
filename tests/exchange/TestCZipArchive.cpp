#include "TestEnvironment.h"
#include "exchange/CZipArchive.h"
#include "exchange/CZipException.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <csignal>
#include <sys/resource.h>

namespace {

const QString Password = QStringLiteral("corvo3719");
constexpr int Buffer = 65535;

struct ToolResult
{
    int exitCode = -1;
    QByteArray out;
};

ToolResult runTool(const QString &program, const QStringList &arguments,
                   const QString &workingFolder = {})
{
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

// Text-like, partly repetitive bytes: compresses like a database file does.
QByteArray sampleData(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray data;
    data.reserve(size);
    const QByteArray words[] = {
        "Scheda ",  "Opere ",           "Magazzino ", "2015-03-01 00:00:00 ",
        "Vigneto ", "\x00\x00\x01\x7f", "Trattore "};
    while (data.size() < size) {
        if (random.bounded(4) == 0)
            data += char(random.bounded(256));
        else
            data += words[random.bounded(int(std::size(words)))];
    }
    data.truncate(size);
    return data;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(data), data.size());
}

quint16 u16(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}
quint32 u32(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

} // namespace

class TestCZipArchive : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writtenArchiveIsReadByTools_data();
    void writtenArchiveIsReadByTools();
    void encryptedLayout();
    void plainLayout();
    void flagFollowsLevel_data();
    void flagFollowsLevel();
    void toolArchiveIsRead_data();
    void toolArchiveIsRead();
    void wrongPasswordFailsBeforeOutput();
    void rightPasswordRestoresModificationTime();
    void trailingCommentIsAccepted();
    void crcMismatchIsReported();
    void truncatedArchiveIsRejected_data();
    void truncatedArchiveIsRejected();
    void notAnArchiveIsRejected();
    void climbingNamesAreRefused_data();
    void climbingNamesAreRefused();
    void entryGrowingPastItsSizeStops();
    void entriesAreAddedToExistingArchive();
    void addFileRefusals();
    void failedArchiveLeavesTheEarlierFile();
    void ownArchiveBehindAStub();
    void oversizedSourceIsRefusedBeforeWriting();
    void declaredBombIsRefusedBeforeWriting();

private:
    QString makeSource(const QString &name, const QByteArray &data);
    QString writeArchive(const QString &name, const QString &source, int level,
                         const QString &password);
    static QString requireTool(const QString &name);

    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_data;
};

void TestCZipArchive::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_data = sampleData(300000, 7);
}

QString TestCZipArchive::makeSource(const QString &name, const QByteArray &data)
{
    const QString path = m_dir->filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeAll(path, data);
    return path;
}

QString TestCZipArchive::writeArchive(const QString &name, const QString &source, int level,
                                      const QString &password)
{
    const QString path = m_dir->filePath(name);
    CZipArchive zip;
    zip.Open(path, CZipArchive::CreateNew, 0);
    if (!password.isEmpty() && !zip.SetPassword(password))
        return {};
    if (!zip.AddFile(source, level, true, Buffer))
        return {};
    zip.Close(false);
    return path;
}

QString TestCZipArchive::requireTool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

void TestCZipArchive::writtenArchiveIsReadByTools_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("level");
    for (const char *tool : {"unzip", "7z", "python3"}) {
        QTest::addRow("%s plain", tool) << tool << QString() << 9;
        QTest::addRow("%s encrypted", tool) << tool << Password << 9;
        QTest::addRow("%s stored encrypted", tool) << tool << Password << 0;
        QTest::addRow("%s level 1", tool) << tool << QString() << 1;
    }
}

void TestCZipArchive::writtenArchiveIsReadByTools()
{
    QFETCH(QString, tool);
    QFETCH(QString, password);
    QFETCH(int, level);
    const QString program = TestEnvironment::requireTool(tool);
    if (program.isEmpty())
        return;
    const QString source = makeSource(QStringLiteral("src/Caff\u00e8 TellanTemp.mdb"), m_data);
    const QString archive = writeArchive(QStringLiteral("out.czp"), source, level, password);
    QVERIFY(!archive.isEmpty());

    QStringList arguments;
    if (tool == QLatin1String("unzip")) {
        arguments << QStringLiteral("-p");
        if (!password.isEmpty())
            arguments << QStringLiteral("-P") << password;
        arguments << archive;
    } else if (tool == QLatin1String("7z")) {
        arguments << QStringLiteral("x") << QStringLiteral("-so") << QStringLiteral("-p") + password
                  << archive;
    } else {
        // Also checks the stored name: Python reads names without the UTF-8 flag as cp437.
        arguments << QStringLiteral("-c")
                  << QStringLiteral(
                         "import sys, zipfile\n"
                         "z = zipfile.ZipFile(sys.argv[1])\n"
                         "assert z.namelist() == ['Caff\\u00e8 TellanTemp.mdb'], z.namelist()\n"
                         "assert z.testzip() is None if not sys.argv[2] else True\n"
                         "sys.stdout.buffer.write(z.read(z.namelist()[0], "
                         "pwd=sys.argv[2].encode() or None))\n")
                  << archive << password;
    }
    const ToolResult result = runTool(program, arguments);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out.size(), m_data.size());
    QVERIFY(result.out == m_data);
}

void TestCZipArchive::encryptedLayout()
{
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), m_data);
    const QByteArray raw = readAll(writeArchive(QStringLiteral("enc.czp"), source, 9, Password));
    QVERIFY(raw.size() > 100);
    QCOMPARE(u32(raw, 0), 0x04034B50u);
    QCOMPARE(u16(raw, 4), quint16(20));
    QCOMPARE(u16(raw, 6), quint16(0x000B));
    QCOMPARE(u16(raw, 8), quint16(8));
    const quint32 crc = u32(raw, 14);
    const quint32 compressed = u32(raw, 18);
    const quint32 uncompressed = u32(raw, 22);
    QCOMPARE(uncompressed, quint32(m_data.size()));
    QVERIFY(compressed > 12);
    const qsizetype descriptor = 30 + u16(raw, 26) + u16(raw, 28) + compressed;
    QCOMPARE(u32(raw, descriptor), 0x08074B50u);
    QCOMPARE(u32(raw, descriptor + 4), crc);
    QCOMPARE(u32(raw, descriptor + 8), compressed);
    QCOMPARE(u32(raw, descriptor + 12), uncompressed);
    const qsizetype central = descriptor + 16;
    QCOMPARE(u32(raw, central), 0x02014B50u);
    QCOMPARE(u16(raw, central + 4), quint16(20));
    QCOMPARE(u16(raw, central + 8), quint16(0x000B));
    QCOMPARE(u32(raw, central + 16), crc);
    QCOMPARE(u32(raw, central + 42), 0u);
    const qsizetype end = raw.size() - 22;
    QCOMPARE(u32(raw, end), 0x06054B50u);
    QCOMPARE(u16(raw, end + 10), quint16(1));
    QCOMPARE(u32(raw, end + 16), quint32(central));
}

void TestCZipArchive::plainLayout()
{
    const QString source = makeSource(QStringLiteral("Backup Verdimo.mdb"), m_data);
    const QByteArray raw = readAll(writeArchive(QStringLiteral("b.zip"), source, 9, {}));
    QCOMPARE(u16(raw, 6), quint16(0x0002));
    QCOMPARE(u16(raw, 8), quint16(8));
    QCOMPARE(raw.mid(30, u16(raw, 26)), QByteArray("Backup Verdimo.mdb"));
    // No data descriptor: the central directory follows the data at once.
    const qsizetype central = 30 + u16(raw, 26) + u32(raw, 18);
    QCOMPARE(u32(raw, central), 0x02014B50u);
    QCOMPARE(u32(raw, 22), quint32(m_data.size()));
    QCOMPARE(u32(raw, central + 38), 0x20u);
}

void TestCZipArchive::flagFollowsLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("encrypted");
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("method");
    QTest::newRow("stored") << 0 << false << 0x0000 << 0;
    QTest::newRow("level 1") << 1 << false << 0x0006 << 8;
    QTest::newRow("level 2") << 2 << false << 0x0004 << 8;
    QTest::newRow("level 5") << 5 << false << 0x0000 << 8;
    QTest::newRow("level 8") << 8 << false << 0x0002 << 8;
    QTest::newRow("level 9") << 9 << false << 0x0002 << 8;
    QTest::newRow("stored encrypted") << 0 << true << 0x0009 << 0;
    QTest::newRow("level 1 encrypted") << 1 << true << 0x000F << 8;
    QTest::newRow("level 9 encrypted") << 9 << true << 0x000B << 8;
}

void TestCZipArchive::flagFollowsLevel()
{
    QFETCH(int, level);
    QFETCH(bool, encrypted);
    QFETCH(int, flag);
    QFETCH(int, method);
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), m_data);
    const QString archive =
        writeArchive(QStringLiteral("level.zip"), source, level, encrypted ? Password : QString());
    const QByteArray raw = readAll(archive);
    QVERIFY(raw.size() > 30);
    QCOMPARE(int(u16(raw, 6)), flag);
    QCOMPARE(int(u16(raw, 8)), method);
    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QCOMPARE(int(zip.entry(0).flag), flag);
    QCOMPARE(int(zip.entry(0).method), method);
}

void TestCZipArchive::toolArchiveIsRead_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("password");
    const QString py = QStringLiteral("import sys, zipfile\n"
                                      "with zipfile.ZipFile(sys.argv[1], 'w', %1) as z:\n"
                                      "    z.write(sys.argv[2], 'TellanTemp.mdb')\n");
    QTest::newRow("zip -P") << "zip"
                            << QStringList{"-q", "-P", Password, "ARCHIVE", "TellanTemp.mdb"}
                            << Password;
    QTest::newRow("zip plain") << "zip" << QStringList{"-q", "-9", "ARCHIVE", "TellanTemp.mdb"}
                               << QString();
    QTest::newRow("7z ZipCrypto")
        << "7z"
        << QStringList{"a", "-tzip", "-mem=ZipCrypto", "-p" + Password, "ARCHIVE", "TellanTemp.mdb"}
        << Password;
    QTest::newRow("python stored")
        << "python3" << QStringList{"-c", py.arg("zipfile.ZIP_STORED"), "ARCHIVE", "TellanTemp.mdb"}
        << QString();
    QTest::newRow("python deflated")
        << "python3"
        << QStringList{"-c", py.arg("zipfile.ZIP_DEFLATED"), "ARCHIVE", "TellanTemp.mdb"}
        << QString();
    // Reading from and writing to a pipe, zip cannot seek back: a Zip64 local header and a
    // data descriptor with 8-byte sizes.
    QTest::newRow("zip from a pipe")
        << "sh" << QStringList{"-c", "zip -q - - < TellanTemp.mdb | cat > ARCHIVE"} << QString();
    QTest::newRow("zip encrypted from a pipe")
        << "sh"
        << QStringList{"-c", "zip -q -P " + Password + " - - < TellanTemp.mdb | cat > ARCHIVE"}
        << Password;
    // A seekable output gets Zip64 end records and sizes in the local header's extra field.
    QTest::newRow("zip to a file from a pipe")
        << "sh" << QStringList{"-c", "zip -q - - < TellanTemp.mdb > ARCHIVE"} << QString();
    // Bytes in front of the archive, as in a self-extracting program.
    QTest::newRow("zip behind a stub")
        << "sh"
        << QStringList{"-c", "zip -q inner.zip TellanTemp.mdb && "
                             "(head -c 7000 /dev/zero; cat inner.zip) > ARCHIVE"}
        << QString();
}

void TestCZipArchive::toolArchiveIsRead()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    QFETCH(QString, password);
    const QString program = TestEnvironment::requireTool(tool);
    if (program.isEmpty() ||
        (tool == QLatin1String("sh") && TestEnvironment::requireTool("zip").isEmpty()))
        return;
    const QString work = m_dir->filePath(QStringLiteral("work"));
    QDir().mkpath(work);
    writeAll(work + QStringLiteral("/TellanTemp.mdb"), m_data);
    const QString archive = m_dir->filePath(QStringLiteral("tool.zip"));
    arguments.replaceInStrings(QStringLiteral("ARCHIVE"), archive);
    QCOMPARE(runTool(program, arguments, work).exitCode, 0);

    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entryCount(), 1);
    QVERIFY(zip.SetPassword(password));
    const QString out = m_dir->filePath(QStringLiteral("out"));
    const QString name = zip.entry(0).name();
    QVERIFY(zip.ExtractEntry(0, out, true, Buffer));
    zip.Close(false);
    QVERIFY(readAll(out + QLatin1Char('/') + name) == m_data);
}

void TestCZipArchive::wrongPasswordFailsBeforeOutput()
{
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), m_data);
    const QString archive = writeArchive(QStringLiteral("a.czp"), source, 9, Password);
    const QString out = m_dir->filePath(QStringLiteral("out"));
    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QVERIFY(zip.SetPassword(QStringLiteral("corvo3718")));
    try {
        zip.ExtractEntry(0, out, true, Buffer);
        QFAIL("a wrong password was accepted");
    } catch (const CZipException &e) {
        QCOMPARE(e.code(), CZipException::BadPassword);
        QCOMPARE(e.fileName(), archive);
    }
    QVERIFY(!QFileInfo::exists(out + QStringLiteral("/TellanTemp.mdb")));
    // No password at all: refused without output as well.
    QVERIFY(zip.SetPassword());
    QVERIFY(!zip.ExtractEntry(0, out, true, Buffer));
    QVERIFY(!QFileInfo::exists(out + QStringLiteral("/TellanTemp.mdb")));
}

void TestCZipArchive::rightPasswordRestoresModificationTime()
{
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), m_data);
    const QDateTime stamp(QDate(2015, 6, 10), QTime(17, 42, 36));
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
    }
    const QString archive = writeArchive(QStringLiteral("a.czp"), source, 9, Password);
    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entry(0).modificationTime(), stamp);
    QVERIFY(zip.SetPassword(Password));
    const QString out = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(zip.ExtractEntry(0, out, true, Buffer));
    zip.Close(false);
    const QFileInfo extracted(out + QStringLiteral("/TellanTemp.mdb"));
    QCOMPARE(extracted.lastModified(), stamp);
    QVERIFY(readAll(extracted.filePath()) == m_data);
}

void TestCZipArchive::trailingCommentIsAccepted()
{
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), m_data);
    const QString archive = writeArchive(QStringLiteral("c.zip"), source, 9, {});
    QByteArray raw = readAll(archive);
    // The longest comment there can be, holding a false end signature near its start.
    QByteArray comment(0xFFFF, 'x');
    comment.replace(10, 4, QByteArray("PK\x05\x06", 4));
    qToLittleEndian<quint16>(quint16(comment.size()), raw.data() + raw.size() - 2);
    writeAll(archive, raw + comment);

    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entryCount(), 1);
    const QString out = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(zip.ExtractEntry(0, out, true, Buffer));
    QVERIFY(readAll(out + QStringLiteral("/TellanTemp.mdb")) == m_data);
}

void TestCZipArchive::crcMismatchIsReported()
{
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), m_data);
    const QString archive = writeArchive(QStringLiteral("s.zip"), source, 0, {});
    QByteArray raw = readAll(archive);
    raw[30 + 14 + 1000] = char(raw[30 + 14 + 1000] ^ 0x55);
    writeAll(archive, raw);

    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    const QString out = m_dir->filePath(QStringLiteral("out"));
    try {
        zip.ExtractEntry(0, out, true, Buffer);
        QFAIL("damaged data was accepted");
    } catch (const CZipException &e) {
        QCOMPARE(e.code(), CZipException::BadCrc);
    }
    QVERIFY(!QFileInfo::exists(out + QStringLiteral("/TellanTemp.mdb")));
}

void TestCZipArchive::truncatedArchiveIsRejected_data()
{
    QTest::addColumn<int>("keptPercent");
    QTest::addColumn<bool>("encrypted");
    for (int percent : {0, 1, 50, 99})
        for (bool encrypted : {false, true})
            QTest::addRow("%d%% %s", percent, encrypted ? "encrypted" : "plain")
                << percent << encrypted;
}

void TestCZipArchive::truncatedArchiveIsRejected()
{
    QFETCH(int, keptPercent);
    QFETCH(bool, encrypted);
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), m_data);
    const QString archive =
        writeArchive(QStringLiteral("t.czp"), source, 9, encrypted ? Password : QString());
    const QByteArray raw = readAll(archive);
    writeAll(archive, raw.left(raw.size() * keptPercent / 100));

    CZipArchive zip;
    const QString out = m_dir->filePath(QStringLiteral("out"));
    try {
        zip.Open(archive, CZipArchive::OpenExisting, 0);
        zip.SetPassword(Password);
        zip.ExtractEntry(0, out, true, Buffer);
        QFAIL("a truncated archive was read");
    } catch (const CZipException &e) {
        QVERIFY2(e.code() == CZipException::CDirNotFound || e.code() == CZipException::BadZipFile,
                 qPrintable(e.message()));
    }
    QVERIFY(!QFileInfo::exists(out + QStringLiteral("/TellanTemp.mdb")));
}

void TestCZipArchive::notAnArchiveIsRejected()
{
    const QString path = makeSource(QStringLiteral("farm.mdb"), sampleData(5000, 3));
    CZipArchive zip;
    try {
        zip.Open(path, CZipArchive::OpenExisting, 0);
        QFAIL("a file that is not an archive was opened");
    } catch (const CZipException &e) {
        QCOMPARE(e.code(), CZipException::CDirNotFound);
        QVERIFY(e.message().contains(QStringLiteral("farm.mdb")));
    }
    QVERIFY(!zip.isOpen());
}

void TestCZipArchive::climbingNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("keepFolders");
    QTest::newRow("parent") << "../evil.mdb" << true;
    QTest::newRow("deep parent") << "a/../../evil.mdb" << true;
    QTest::newRow("backslash parent") << "..\\evil.mdb" << true;
    QTest::newRow("absolute") << "/tmp/evil.mdb" << true;
    QTest::newRow("drive") << "C:/evil.mdb" << true;
    QTest::newRow("parent without folders") << "../evil.mdb" << false;
}

void TestCZipArchive::climbingNamesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, keepFolders);
    const QString python = TestEnvironment::requireTool(QStringLiteral("python3"));
    if (python.isEmpty())
        return;
    const QString archive = m_dir->filePath(QStringLiteral("evil.zip"));
    QCOMPARE(runTool(python, {"-c",
                              "import sys, zipfile\n"
                              "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                              "    z.writestr(zipfile.ZipInfo(sys.argv[2]), b'x' * 1000)\n",
                              archive, name})
                 .exitCode,
             0);
    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entry(0).name(), name);
    const QString out = m_dir->filePath(QStringLiteral("deep/out"));
    try {
        zip.ExtractEntry(0, out, keepFolders, Buffer);
        QFAIL("an entry climbing out of its folder was extracted");
    } catch (const CZipException &e) {
        QCOMPARE(e.code(), CZipException::UnsafeName);
    }
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("deep/evil.mdb"))));
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("evil.mdb"))));
    QVERIFY(!QFileInfo::exists(out));
}

void TestCZipArchive::entryGrowingPastItsSizeStops()
{
    const QByteArray zeros(4 * 1024 * 1024, '\0');
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), zeros);
    const QString archive = writeArchive(QStringLiteral("bomb.zip"), source, 9, {});
    QByteArray raw = readAll(archive);
    // Claim a small size in both headers; the stream still inflates to 4 MB.
    const qsizetype central = u32(raw, raw.size() - 22 + 16);
    qToLittleEndian<quint32>(1000, raw.data() + 22);
    qToLittleEndian<quint32>(1000, raw.data() + central + 24);
    writeAll(archive, raw);

    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    const QString out = m_dir->filePath(QStringLiteral("out"));
    try {
        zip.ExtractEntry(0, out, true, 4096);
        QFAIL("an entry larger than its recorded size was extracted");
    } catch (const CZipException &e) {
        QCOMPARE(e.code(), CZipException::BadZipFile);
    }
    QVERIFY(!QFileInfo::exists(out + QStringLiteral("/TellanTemp.mdb")));
}

void TestCZipArchive::entriesAreAddedToExistingArchive()
{
    const QString first = makeSource(QStringLiteral("one.mdb"), m_data);
    const QByteArray secondData = sampleData(70000, 11);
    const QString second = makeSource(QStringLiteral("two/two.mdb"), secondData);
    const QString archive = writeArchive(QStringLiteral("grow.zip"), first, 9, {});
    {
        CZipArchive zip;
        zip.Open(archive, CZipArchive::OpenExisting, 0);
        QVERIFY(zip.SetPassword(Password));
        QVERIFY(zip.AddFile(second, 6, false, Buffer));
        zip.Close(false);
    }
    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entryCount(), 2);
    QCOMPARE(zip.entry(0).name(), QStringLiteral("one.mdb"));
    QVERIFY(zip.entry(1).name().endsWith(QStringLiteral("/two/two.mdb")));
    QVERIFY(!zip.entry(1).name().startsWith(QLatin1Char('/')));
    QVERIFY(zip.SetPassword(Password));
    const QString out = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(zip.ExtractEntry(0, out, false, Buffer));
    QVERIFY(zip.ExtractEntry(1, out, false, Buffer));
    QVERIFY(readAll(out + QStringLiteral("/one.mdb")) == m_data);
    QVERIFY(readAll(out + QStringLiteral("/two.mdb")) == secondData);

    const QString unzip = requireTool(QStringLiteral("unzip"));
    if (!unzip.isEmpty())
        QCOMPARE(runTool(unzip, {"-tq", "-P", Password, archive}).exitCode, 0);
}

void TestCZipArchive::addFileRefusals()
{
    const QString source = makeSource(QStringLiteral("one.mdb"), m_data);
    CZipArchive zip;
    QVERIFY(!zip.AddFile(source, 9, true, Buffer)); // not open
    zip.Open(m_dir->filePath(QStringLiteral("r.zip")), CZipArchive::CreateNew, 0);
    QVERIFY(!zip.AddFile(source, 9, true, 0));
    QVERIFY(!zip.AddFile(m_dir->filePath(QStringLiteral("missing.mdb")), 9, true, Buffer));
    QVERIFY(zip.AddFile(source, 9, true, Buffer));
    zip.Close(false);
    QCOMPARE(QFileInfo(m_dir->filePath(QStringLiteral("r.zip"))).size() > 0, true);
    zip.Open(m_dir->filePath(QStringLiteral("r.zip")), CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entryCount(), 1);
}

// A device that fills up: the system refuses to let this process grow a file past limit.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

void TestCZipArchive::failedArchiveLeavesTheEarlierFile()
{
    const QString small = makeSource(QStringLiteral("small.mdb"), sampleData(5000, 3));
    const QString archive = writeArchive(QStringLiteral("backup.zip"), small, 9, {});
    const QByteArray earlier = readAll(archive);
    const QString large = makeSource(QStringLiteral("large.mdb"), sampleData(3000000, 5));

    CZipArchive zip;
    QString message;
    {
        const FileSizeLimit full(200000);
        try {
            zip.Open(archive, CZipArchive::CreateNew, 0);
            zip.AddFile(large, 9, true, Buffer);
            zip.Close(false);
        } catch (const CZipException &e) {
            QCOMPARE(e.code(), CZipException::FileError);
            message = e.message();
            zip.Close(true);
        }
    }
    QVERIFY2(message.contains(QStringLiteral("File too large")), qPrintable(message));
    QVERIFY(message.contains(archive));
    QVERIFY(readAll(archive) == earlier);
    QCOMPARE(QDir(m_dir->path()).entryList({QStringLiteral("backup.zip*")}, QDir::Files),
             QStringList{QStringLiteral("backup.zip")});

    // A good archive replaces it.
    QVERIFY(!writeArchive(QStringLiteral("backup.zip"), large, 9, {}).isEmpty());
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QCOMPARE(zip.entry(0).uncompressedSize, quint32(3000000));
}

void TestCZipArchive::ownArchiveBehindAStub()
{
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), m_data);
    const QString archive = writeArchive(QStringLiteral("plain.czp"), source, 9, Password);
    writeAll(archive, QByteArray(4096, 'M') + readAll(archive));
    CZipArchive zip;
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    QVERIFY(zip.SetPassword(Password));
    const QString out = m_dir->filePath(QStringLiteral("out"));
    QVERIFY(zip.ExtractEntry(0, out, true, Buffer));
    QVERIFY(readAll(out + QStringLiteral("/TellanTemp.mdb")) == m_data);
}

void TestCZipArchive::oversizedSourceIsRefusedBeforeWriting()
{
    // Sparse: 5 GiB that take no room on the disk.
    const QString source = m_dir->filePath(QStringLiteral("huge.mdb"));
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(5LL * 1024 * 1024 * 1024));
    }
    const QString archive = m_dir->filePath(QStringLiteral("huge.zip"));
    CZipArchive zip;
    zip.Open(archive, CZipArchive::CreateNew, 0);
    try {
        zip.AddFile(source, 9, true, Buffer);
        QFAIL("a file over 4 GiB was added");
    } catch (const CZipException &e) {
        QCOMPARE(e.code(), CZipException::TooLarge);
    }
    zip.Close(true);
    QVERIFY(!QFileInfo::exists(archive));
}

void TestCZipArchive::declaredBombIsRefusedBeforeWriting()
{
    const QString source = makeSource(QStringLiteral("TellanTemp.mdb"), QByteArray(1 << 20, 0));
    const QString archive = writeArchive(QStringLiteral("bomb.zip"), source, 9, {});
    QByteArray raw = readAll(archive);
    // Both headers declare almost 4 GiB.
    const qsizetype central = u32(raw, raw.size() - 22 + 16);
    qToLittleEndian<quint32>(0xFFFFFFF0, raw.data() + 22);
    qToLittleEndian<quint32>(0xFFFFFFF0, raw.data() + central + 24);
    writeAll(archive, raw);

    CZipArchive zip;
    zip.setExtractLimit(1 << 30);
    zip.Open(archive, CZipArchive::OpenExisting, 0);
    const QString out = m_dir->filePath(QStringLiteral("out"));
    try {
        zip.ExtractEntry(0, out, true, Buffer);
        QFAIL("an entry above the limit was extracted");
    } catch (const CZipException &e) {
        QCOMPARE(e.code(), CZipException::EntryTooLarge);
    }
    QVERIFY(!QFileInfo::exists(out));
}

QTEST_GUILESS_MAIN(TestCZipArchive)
#include "TestCZipArchive.moc"
