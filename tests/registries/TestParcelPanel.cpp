#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "registries/ui/ParcelPanel.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTest>

using Icon = Prompter::Icon;
using Parcel = RegistryForm::Parcel;

namespace {

RegistryForm::Layout layout(bool visible, bool enabled)
{
    RegistryForm::Layout shown;
    shown.parcelVisible = visible;
    shown.parcelEnabled = enabled;
    return shown;
}

QString writeFile(TestEnvironment &env, const QString &name, const QByteArray &contents)
{
    const QString path = env.path(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

} // namespace

class TestParcelPanel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env.clearSettings();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void showsAndGivesBackTheParcel();
    void importsAnOutlineOrSaysWhyNot();

private:
    TestEnvironment m_env;
};

void TestParcelPanel::showsAndGivesBackTheParcel()
{
    FakePrompter prompter;
    ParcelPanel panel(prompter);
    RegistryForm::Texts texts;
    texts.number = "0.50";
    texts.parcel = Parcel{"IT-1", "E648", "12", "101",
                          "{\"type\":\"Polygon\",\"coordinates\":[[[9,45],[9.001,45],"
                          "[9.001,45.001],[9,45.001],[9,45]]]}"};
    panel.showTexts(texts);
    QCOMPARE(panel.summaryLabel()->text(),
             QStringLiteral("Area of the outline: 0.88 ha (surface: 0.50 ha)"));
    // Hidden, or on a file without the parcel's columns, the record keeps its own parcel.
    QVERIFY(!panel.parcel());
    panel.applyLayout(layout(true, false));
    QVERIFY(!panel.parcel());
    panel.applyLayout(layout(true, true));
    QCOMPARE(panel.parcel(), texts.parcel);

    panel.municipalityEdit()->setText("e648 ");
    panel.outlineEdit()->setPlainText("{\"type\":\"Point\"}");
    QCOMPARE(panel.summaryLabel()->text(),
             QStringLiteral("A parcel needs a Polygon or MultiPolygon geometry, not Point."));
    QCOMPARE(panel.parcel()->municipality, QStringLiteral("e648 "));
    QCOMPARE(panel.parcel()->geometry, QStringLiteral("{\"type\":\"Point\"}"));
    panel.applyLayout(layout(false, false));
    QVERIFY(!panel.parcel());
    QVERIFY(prompter.verify());
}

void TestParcelPanel::importsAnOutlineOrSaysWhyNot()
{
    FakePrompter prompter;
    ParcelPanel panel(prompter);
    panel.applyLayout(layout(true, true));
    const QString before = "{\"type\":\"Polygon\"}";
    panel.outlineEdit()->setPlainText(before);

    const QString bad = writeFile(m_env, "bad.kml", "<kml><Placemark></kml>");
    prompter.expectOpenFile(bad);
    prompter.expect(Icon::Warning,
                    QStringLiteral("The parcel file %1 cannot be used: The KML document cannot "
                                   "be read: Opening and ending tag mismatch. (line 1).")
                        .arg(bad));
    panel.importOutline();
    QCOMPARE(panel.outlineEdit()->toPlainText(), before);

    // Cancelled, nothing changes.
    prompter.expectOpenFile(QString());
    panel.importOutline();
    QCOMPARE(panel.outlineEdit()->toPlainText(), before);

    const QString good = writeFile(m_env, "north.kml",
                                   "<kml><Placemark><Polygon><outerBoundaryIs><LinearRing>"
                                   "<coordinates>9,45 9.001,45 9.001,45.001 9,45.001 9,45"
                                   "</coordinates></LinearRing></outerBoundaryIs></Polygon>"
                                   "</Placemark></kml>");
    prompter.expectOpenFile(good);
    panel.importOutline();
    QCOMPARE(panel.outlineEdit()->toPlainText(),
             QStringLiteral("{\"coordinates\":[[[9,45],[9.001,45],[9.001,45.001],[9,45.001],"
                            "[9,45]]],\"type\":\"Polygon\"}"));
    QVERIFY(panel.summaryLabel()->text().startsWith("Area of the outline: 0.88 ha"));
    QVERIFY(prompter.verify());
}

QTEST_MAIN(TestParcelPanel)
#include "TestParcelPanel.moc"
