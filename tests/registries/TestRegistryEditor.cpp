#include "FakePrompter.h"
#include "FakeScreen.h"
#include "RegistryFixture.h"
#include "TestEnvironment.h"
#include "base/SettingsStore.h"
#include "db/Database.h"
#include "db/RecordSet.h"
#include "db/SchemaUpgrade.h"
#include "registries/CodeInUse.h"
#include "registries/RegistryEditor.h"
#include "registries/RegistryKey.h"
#include "registries/RegistryKinds.h"
#include "registries/RegistryRecords.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <stdexcept>

using namespace RegistryKey;
using Icon = Prompter::Icon;
using Answer = Prompter::Answer;
using Picture = RegistryTreeModel::Picture;

namespace {

// One registries screen on its own copy of the database, filled as on first showing.
struct Session
{
    Database db;
    FakePrompter prompter;
    FakeScreen screen;
    RegistryEditor editor{prompter, screen};

    Session(TestEnvironment &env, bool seed = true, bool upgraded = false)
    {
        screen.follow(editor);
        db.open(env.copyTemplate());
        if (upgraded)
            SchemaUpgrade::upgrade(db);
        if (seed)
            RegistryFixture::seed(db);
        editor.setDatabase(&db);
        editor.fillTree();
    }
    QStandardItem *node(int code, int kind) { return editor.tree().findNode(make(code, kind)); }
    void select(int code, int kind) { screen.click(node(code, kind)); }
    int count(const QString &sql, const QVariantList &params = {})
    {
        return db.scalar(sql, params).toInt();
    }
    QStringList childLabels(QStandardItem *parent) const
    {
        QStringList labels;
        for (int row = 0; row < parent->rowCount(); ++row)
            labels << parent->child(row)->text();
        return labels;
    }
};

// Fails every warning as a screen that cannot show it would.
class ThrowingPrompter : public FakePrompter
{
public:
    Answer message(Icon icon, const QString &text, Buttons buttons) override
    {
        if (icon == Icon::Warning)
            throw std::runtime_error("message could not be shown");
        return FakePrompter::message(icon, text, buttons);
    }
};

} // namespace

class TestRegistryEditor : public QObject
{
    Q_OBJECT

private:
    TestEnvironment m_env;

private slots:
    void init()
    {
        m_env.clearSettings();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        SettingsStore::writeString(SettingsStore::Settings, "DataInit", "01/01/2015");
        SettingsStore::writeString(SettingsStore::Settings, "DataEnd", "31/12/2015");
    }

    // The tree, the form and the lists read every kind from its entry: each kind of the tree
    // has one, its columns are the code and the name of its own set, and the kinds it builds on
    // (its folder's parent, its children) say what the tree and the adding need.
    void kindTableCoversEveryKind()
    {
        Session s(m_env, false);
        RegistryRecords records(s.db);
        for (int kind = CostCenters; kind <= Item; ++kind) {
            const RegistryKindInfo *info = RegistryKinds::find(kind);
            QVERIFY(info);
            QCOMPARE(info->kind, kind);
            QVERIFY(info->folderList && info->recordList);
            if (info->parentFolder >= 0)
                QVERIFY(info->parentFolder < kind);
            if (info->addsInFolder)
                QVERIFY(info->hasFolder() && QByteArray(info->newText).size() > 0);
            if (info->childKind >= 0) {
                const RegistryKindInfo &child = RegistryKinds::of(info->childKind);
                QVERIFY(child.parentFilter && child.startNew && child.yearBound);
                QVERIFY(info->filledPicture != info->picture);
            }
            if (info->set == NoRecord)
                continue;
            QVERIFY(info->read && info->write && info->lookupFilter);
            const RecordSet &set = records.setOf(*info);
            QCOMPARE(set.columnName(info->codeColumn), QStringLiteral("Codice"));
            QVERIFY(
                QStringList({"Descrizione", "Nome"}).contains(set.columnName(info->textColumn)));
            QCOMPARE(&RegistryKinds::ofSet(info->set) == info || info->set == CentreRecord, true);
        }
        QVERIFY(!RegistryKinds::find(-1));
        QVERIFY(!RegistryKinds::find(Item + 1));
    }

    void emptyDatabase()
    {
        Session s(m_env, false);
        QAbstractItemModelTester tester(&s.editor.tree());
        QStandardItemModel &tree = s.editor.tree();
        QCOMPARE(tree.rowCount(), 4);
        const QStringList roots = {"Cost centers", "Workers", "Operations", "Items"};
        const QList<int> rootKeys = {0, 5, 6, 7};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(tree.item(row)->text(), roots.at(row));
            QCOMPARE(RegistryTreeModel::key(tree.item(row)), rootKeys.at(row));
            QCOMPARE(RegistryTreeModel::picture(tree.item(row)), int(Picture::FolderClosed));
        }
        QStandardItem *centres = tree.item(0);
        QCOMPARE(s.childLabels(centres), (QStringList{"Crops", "Machines", "Others"}));
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(RegistryTreeModel::key(centres->child(row)), QList<int>({1, 3, 4}).at(row));
            QCOMPARE(centres->child(row)->rowCount(), 0);
        }
        QCOMPARE(s.editor.selectedNode(), centres);
        QCOMPARE(s.screen.texts.description, QStringLiteral("Cost centers root"));
        QCOMPARE(s.editor.statistics().titles().first(), QStringLiteral("Date"));
        QCOMPARE(s.editor.statistics().rowCount(), 0);
        QVERIFY(s.prompter.verify());
    }

    void nodeKeysAndPictures()
    {
        Session s(m_env);
        struct Expected
        {
            int code, kind;
            QString label;
            int picture;
        };
        const QList<Expected> nodes = {
            {1, Crop, "Vineyard (1)", Picture::CropClosed},
            {2, Crop, "Orchard (2)", Picture::CropEmpty},
            {10, Field, "North Vines (10)", Picture::FieldPicture},
            {11, Field, "South Vines (11)", Picture::FieldPicture},
            {3, Machine, "Tractor (3)", Picture::MachinePicture},
            {4, Other, "Office (4)", Picture::OtherPicture},
            {1, Worker, "Anna (1)", Picture::WorkerFixed},
            {2, Worker, "Bruno (2)", Picture::WorkerSeasonal},
            {1, Operation, "Pruning (1)", Picture::OperationPicture},
            {1, Item, "Copper (1)", Picture::ItemNotebook},
            {2, Item, "Wine (2)", Picture::ItemPicture},
        };
        for (const Expected &e : nodes) {
            QStandardItem *node = s.node(e.code, e.kind);
            QVERIFY2(node, qPrintable(e.label));
            QCOMPARE(node->text(), e.label);
            QCOMPARE(RegistryTreeModel::key(node), e.code * 65536 + e.kind);
            QCOMPARE(RegistryTreeModel::picture(node), e.picture);
        }
        // Siblings follow the order of descriptions; fields hang under their crop centre.
        QCOMPARE(s.childLabels(s.editor.folder(Crop)),
                 (QStringList{"Orchard (2)", "Vineyard (1)"}));
        QCOMPARE(s.childLabels(s.node(1, Crop)),
                 (QStringList{"North Vines (10)", "South Vines (11)"}));
        QCOMPARE(s.childLabels(s.editor.folder(Item)),
                 (QStringList{"Copper (1)", "Diesel (3)", "Wine (2)"}));

        s.screen.expandNode(s.node(1, Crop));
        QCOMPARE(RegistryTreeModel::picture(s.node(1, Crop)), int(Picture::CropOpen));
        s.editor.nodeExpanded(s.node(1, Crop), false);
        QCOMPARE(RegistryTreeModel::picture(s.node(1, Crop)), int(Picture::CropClosed));
        s.editor.nodeExpanded(s.editor.folder(Worker), true);
        QCOMPARE(RegistryTreeModel::picture(s.editor.folder(Worker)), int(Picture::FolderOpen));
        QVERIFY(s.prompter.verify());
    }

    void namesSortAsPeopleSort()
    {
        Session s(m_env);
        s.db.execute("DELETE FROM Operai");
        s.db.execute("INSERT INTO Operai (Codice, Nome) VALUES (1, 'Zucca'), (2, 'apple'), "
                     "(3, 'Élan'), (4, 'Fava')");
        s.editor.rebuildTree();
        QCOMPARE(s.childLabels(s.editor.folder(Worker)),
                 (QStringList{"apple", "Élan", "Fava", "Zucca"}));
        QVERIFY(s.prompter.verify());
    }

    void fieldYearFilter_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("params");
        QTest::addColumn<int>("vineyardFields");
        QTest::newRow("one year") << "01/01/2015"
                                  << "31/12/2015"
                                  << "Anno = ?" << QVariantList{2015} << 2;
        QTest::newRow("two years") << "01/10/2014"
                                   << "30/09/2015"
                                   << "Anno BETWEEN ? AND ?" << QVariantList{2014, 2015} << 3;
        QTest::newRow("no settings: the default period") << ""
                                                         << ""
                                                         << "Anno = ?" << QVariantList{2015} << 2;
    }

    void fieldYearFilter()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, sql);
        QFETCH(QVariantList, params);
        QFETCH(int, vineyardFields);
        m_env.clearSettings();
        if (!start.isEmpty()) {
            SettingsStore::writeString(SettingsStore::Settings, "DataInit", start);
            SettingsStore::writeString(SettingsStore::Settings, "DataEnd", end);
        }
        Session s(m_env);
        QCOMPARE(s.editor.fieldFilter().sql, sql);
        QCOMPARE(s.editor.fieldFilter().params, params);
        // North Vines old (2014) shows only when the years reach back to 2014.
        QCOMPARE(s.node(1, Crop)->rowCount(), vineyardFields);
    }

    void formOfEachKind_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("labels"); // description, number, place
        QTest::addColumn<QList<bool>>("states"); // number, place, relationship shown/enabled, print
        QTest::addColumn<QStringList>("texts");  // code, description, number, place
        QTest::addColumn<int>("loaded");

        using L = QStringList;
        using B = QList<bool>;
        QTest::newRow("centres root")
            << 0 << 0 << L{"Description :", "Acres :", "Place :"}
            << B{true, false, true, false, false} << L{"0", "Cost centers root", "0.00", ""} << -1;
        QTest::newRow("crop centre")
            << 1 << 1 << L{"Description :", "Acres :", "Place :"}
            << B{true, false, true, false, false} << L{"1", "Vineyard", "10.00", ""} << 0;
        QTest::newRow("field") << 10 << 2 << L{"Description :", "Acres :", "Place :"}
                               << B{true, true, true, false, false}
                               << L{"10", "North Vines", "4.00", "Hill"} << 1;
        QTest::newRow("machine") << 3 << 3 << L{"Description :", "Year of purchase :", "Place :"}
                                 << B{true, false, true, false, false}
                                 << L{"3", "Tractor", "2010", ""} << 0;
        QTest::newRow("other centre")
            << 4 << 4 << L{"Description :", "Acres :", "Place :"}
            << B{false, false, true, false, false} << L{"4", "Office", "0.00", ""} << 0;
        QTest::newRow("workers root")
            << 0 << 5 << L{"Name :", "Hourly wage :", "Place :"}
            << B{true, false, true, true, false} << L{"0", "Workers root", "$0.00", ""} << -1;
        QTest::newRow("worker") << 2 << 5 << L{"Name :", "Hourly wage :", "Place :"}
                                << B{true, false, true, true, false} << L{"2", "Bruno", "$8.00", ""}
                                << 2;
        QTest::newRow("operation")
            << 1 << 6 << L{"Description :", "Acres :", "Place :"}
            << B{false, false, true, false, false} << L{"1", "Pruning", "0.00", ""} << 3;
        QTest::newRow("item") << 1 << 7 << L{"Description :", "Unit :", "Unit cost :"}
                              << B{true, true, false, false, true}
                              << L{"1", "Copper", "kg", "$2.50"} << 4;
    }

    void formOfEachKind()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(QStringList, labels);
        QFETCH(QList<bool>, states);
        QFETCH(QStringList, texts);
        QFETCH(int, loaded);
        Session s(m_env);
        s.select(1, Operation); // any record first, so that every row is a real change
        s.select(code, kind);
        const RegistryForm::Layout &layout = s.screen.shownLayout;
        QCOMPARE((QStringList{layout.descriptionLabel, layout.numberLabel, layout.placeLabel}),
                 labels);
        QCOMPARE((QList<bool>{layout.numberEnabled, layout.placeEnabled, layout.relationshipVisible,
                              layout.relationshipEnabled, layout.printVisible}),
                 states);
        const RegistryForm::Texts &shown = s.screen.texts;
        QCOMPARE((QStringList{shown.code, shown.description, shown.number, shown.place}), texts);
        QCOMPARE(s.editor.loadedKind(), loaded);
        if (kind == Worker && code == 2)
            QCOMPARE(shown.relationship, 1);
        if (kind == Item)
            QCOMPARE(shown.printInNotebook, true);
        QVERIFY(s.prompter.verify());
    }

    void autosaveWritesTheEditedRecord()
    {
        Session s(m_env);
        s.select(2, Worker);
        s.screen.texts.description = "Bruno Rossi";
        s.screen.texts.number = "$9.50";
        s.screen.texts.relationship = 0;
        s.select(1, Worker);
        QCOMPARE(s.db.scalar("SELECT Nome FROM Operai WHERE Codice = 2").toString(),
                 QStringLiteral("Bruno Rossi"));
        QCOMPARE(s.db.scalar("SELECT Stipendio FROM Operai WHERE Codice = 2").toDouble(), 9.5);
        QCOMPARE(s.db.scalar("SELECT Rapporto FROM Operai WHERE Codice = 2").toInt(), 0);
        QCOMPARE(s.node(2, Worker)->text(), QStringLiteral("Bruno Rossi (2)"));
        QCOMPARE(RegistryTreeModel::picture(s.node(2, Worker)), int(Picture::WorkerFixed));

        // Seasonal again: the picture follows the relationship.
        s.select(2, Worker);
        s.screen.texts.relationship = 1;
        s.select(1, Operation);
        QCOMPARE(s.db.scalar("SELECT Rapporto FROM Operai WHERE Codice = 2").toInt(), 1);
        QCOMPARE(RegistryTreeModel::picture(s.node(2, Worker)), int(Picture::WorkerSeasonal));
        QVERIFY(s.prompter.verify());
    }

    void autosaveWithoutChangesRewritesTheRecord()
    {
        Session s(m_env);
        s.select(10, Field);
        s.db.execute("UPDATE Campi SET Descrizione = 'changed elsewhere', Superficie = 99 "
                     "WHERE Codice = 10 AND Anno = 2015");
        s.select(11, Field);
        QCOMPARE(s.db.scalar("SELECT Descrizione FROM Campi WHERE Codice = 10 AND Anno = 2015")
                     .toString(),
                 QStringLiteral("North Vines"));
        QCOMPARE(s.db.scalar("SELECT Superficie FROM Campi WHERE Codice = 10 AND Anno = 2015")
                     .toDouble(),
                 4.0);
        // The other year's row of the same field code is not touched.
        QCOMPARE(s.db.scalar("SELECT Descrizione FROM Campi WHERE Codice = 10 AND Anno = 2014")
                     .toString(),
                 QStringLiteral("North Vines old"));
        QVERIFY(s.prompter.verify());
    }

    void invalidFormIsNotSaved()
    {
        Session s(m_env);
        s.select(1, Crop);
        s.screen.texts.description = "Renamed";
        s.screen.texts.code = "0";
        s.prompter.expect(Icon::Warning, "Enter an integer between 1 and 10000.");
        s.prompter.expect(Icon::Warning, "Can not save data.");
        s.select(2, Crop);
        QCOMPARE(s.db.scalar("SELECT Descrizione FROM Centri WHERE Codice = 1").toString(),
                 QStringLiteral("Vineyard"));
        QCOMPARE(s.editor.selectedNode(), s.node(2, Crop));
        QCOMPARE(s.screen.texts.description, QStringLiteral("Orchard"));
        QVERIFY(s.prompter.verify());
    }

    void registrationValues()
    {
        Session s(m_env, true, true);
        s.select(1, Crop);
        QCOMPARE(s.screen.shownLayout.registrationLabel, QStringLiteral("EPPO code :"));
        QVERIFY(s.screen.shownLayout.registrationVisible);
        QVERIFY(s.screen.shownLayout.registrationEnabled);
        s.screen.texts.registration = " vitvi ";
        s.select(1, Item);
        QCOMPARE(s.db.scalar("SELECT CodiceEPPO FROM Centri WHERE Codice = 1").toString(),
                 QStringLiteral("VITVI"));
        QCOMPARE(s.screen.shownLayout.registrationLabel, QStringLiteral("Authorisation no. :"));
        QVERIFY(s.screen.shownLayout.registrationEnabled);
        QCOMPARE(s.screen.texts.registration, QString());
        s.screen.texts.registration = "IT-12345";
        s.select(1, Worker);
        QVERIFY(!s.screen.shownLayout.registrationVisible);
        QCOMPARE(s.screen.texts.registration, QString());
        QCOMPARE(
            s.db.scalar("SELECT NumeroRegistrazione FROM Articoli WHERE Codice = 1").toString(),
            QStringLiteral("IT-12345"));
        s.select(1, Crop);
        QCOMPARE(s.screen.texts.registration, QStringLiteral("VITVI"));

        // Cleared, the value is stored as none; a code that is no EPPO code is refused.
        s.screen.texts.registration = "";
        s.select(2, Crop);
        QVERIFY(s.db.scalar("SELECT CodiceEPPO FROM Centri WHERE Codice = 1").isNull());
        s.screen.texts.registration = "VIT VI";
        s.prompter.expect(Icon::Warning,
                          "Enter an EPPO code of letters and digits only, such as VITVI.");
        s.prompter.expect(Icon::Warning, "Can not save data.");
        s.select(1, Crop);
        QVERIFY(s.db.scalar("SELECT CodiceEPPO FROM Centri WHERE Codice = 2").isNull());

        // A new item takes its authorisation number with the rest of the record.
        s.select(0, Item);
        QVERIFY(!s.screen.shownLayout.registrationEnabled);
        s.editor.add();
        QVERIFY(s.screen.shownLayout.registrationEnabled);
        s.screen.texts.code = "50";
        s.screen.texts.registration = "9876";
        s.editor.save();
        QCOMPARE(
            s.db.scalar("SELECT NumeroRegistrazione FROM Articoli WHERE Codice = 50").toString(),
            QStringLiteral("9876"));
        QVERIFY(s.prompter.verify());
    }

    void registrationOnAnOlderDatabase()
    {
        Session s(m_env);
        QVERIFY(!SchemaUpgrade::hasColumn(s.db, "Centri", "CodiceEPPO"));
        s.select(1, Crop);
        QVERIFY(s.screen.shownLayout.registrationVisible);
        QVERIFY(!s.screen.shownLayout.registrationEnabled);
        QCOMPARE(s.screen.texts.registration, QString());
        // The rest of the record is saved as ever.
        s.screen.texts.description = "Vines";
        s.select(2, Crop);
        QCOMPARE(s.db.scalar("SELECT Descrizione FROM Centri WHERE Codice = 1").toString(),
                 QStringLiteral("Vines"));
        QVERIFY(s.prompter.verify());
    }

    // A field's parcel is kept on its own year's row; a new field takes one with the rest.
    void parcelOfAField()
    {
        Session s(m_env, true, true);
        const QString outline =
            "{\"coordinates\":[[[9,45],[9.001,45],[9.001,45.001],[9,45]]],\"type\":\"Polygon\"}";
        s.select(1, Crop);
        QVERIFY(!s.screen.shownLayout.parcelVisible);
        s.select(10, Field);
        QVERIFY(s.screen.shownLayout.parcelVisible);
        QVERIFY(s.screen.shownLayout.parcelEnabled);
        QCOMPARE(s.screen.texts.parcel, RegistryForm::Parcel{});
        s.screen.texts.parcel =
            RegistryForm::Parcel{"IT-E648-12-101", "E648", "12", "101", " " + outline};
        s.select(11, Field);
        QCOMPARE(s.db.scalar("SELECT IdParcella || '|' || CodiceComune || '|' || Foglio || '|' "
                             "|| Particella || '|' || Geometria FROM Campi WHERE Codice = 10 "
                             "AND Anno = 2015")
                     .toString(),
                 "IT-E648-12-101|E648|12|101|" + outline);
        QCOMPARE(s.count("SELECT COUNT(*) FROM Campi WHERE IdParcella IS NOT NULL"), 1);
        QCOMPARE(s.screen.texts.parcel, RegistryForm::Parcel{});
        s.select(10, Field);
        QCOMPARE(s.screen.texts.parcel->geometry, outline);

        // An outline that cannot be read is refused and nothing of it is stored.
        s.screen.texts.parcel->geometry = "{\"type\":\"Point\",\"coordinates\":[9,45]}";
        s.prompter.expect(Icon::Warning, "The parcel's outline cannot be used: A parcel needs a "
                                         "Polygon or MultiPolygon geometry, not Point.");
        s.prompter.expect(Icon::Warning, "Can not save data.");
        s.select(11, Field);
        QCOMPARE(
            s.db.scalar("SELECT Geometria FROM Campi WHERE Codice = 10 AND Anno = 2015").toString(),
            outline);

        s.select(10, Field);
        QCOMPARE(s.screen.texts.parcel->id, QStringLiteral("IT-E648-12-101"));
        s.screen.texts.parcel->geometry.clear();
        s.select(2, Crop);
        s.editor.add();
        QVERIFY(s.screen.shownLayout.parcelEnabled);
        s.screen.texts.code = "50";
        s.screen.texts.parcel = RegistryForm::Parcel{"IT-9", {}, {}, {}, {}};
        s.editor.save();
        QCOMPARE(s.db.scalar("SELECT IdParcella FROM Campi WHERE Codice = 50").toString(),
                 QStringLiteral("IT-9"));
        QVERIFY(
            s.db.scalar("SELECT Geometria FROM Campi WHERE Codice = 10 AND Anno = 2015").isNull());
        QVERIFY(s.prompter.verify());
    }

    void parcelOnAnOlderDatabase()
    {
        Session s(m_env);
        s.select(10, Field);
        QVERIFY(s.screen.shownLayout.parcelVisible);
        QVERIFY(!s.screen.shownLayout.parcelEnabled);
        s.screen.texts.description = "North";
        s.select(11, Field);
        QCOMPARE(s.db.scalar("SELECT Descrizione FROM Campi WHERE Codice = 10 AND Anno = 2015")
                     .toString(),
                 QStringLiteral("North"));
        QVERIFY(s.prompter.verify());
    }

    void codeSpaces_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("newCode");
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QString>("table");
        QTest::newRow("machine onto a crop centre") << 3 << 3 << 1 << "Vineyard"
                                                    << "Centri";
        QTest::newRow("other centre onto a machine") << 4 << 4 << 3 << "Tractor"
                                                     << "Centri";
        QTest::newRow("crop centre onto another") << 2 << 1 << 4 << "Office"
                                                  << "Centri";
        QTest::newRow("worker") << 2 << 5 << 1 << "Anna"
                                << "Operai";
        QTest::newRow("operation") << 2 << 6 << 1 << "Pruning"
                                   << "Operazioni";
        QTest::newRow("item") << 3 << 7 << 2 << "Wine"
                              << "Articoli";
    }

    void codeSpaces()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(int, newCode);
        QFETCH(QString, holder);
        QFETCH(QString, table);
        Session s(m_env);
        s.select(code, kind);
        s.screen.texts.code = QString::number(newCode);
        s.prompter.expect(
            Icon::Warning,
            QString("The code %1 is already used by %2, can not save!").arg(newCode).arg(holder));
        s.select(0, Worker);
        QCOMPARE(s.count(QString("SELECT COUNT(*) FROM [%1] WHERE Codice = ?").arg(table), {code}),
                 1);
        QCOMPARE(
            s.count(QString("SELECT COUNT(*) FROM [%1] WHERE Codice = ?").arg(table), {newCode}),
            1);
        QVERIFY(s.node(code, kind));
        QVERIFY(s.prompter.verify());
    }

    void codeInUseWithoutDatabase()
    {
        QString holder = "x";
        QVERIFY(CodeInUse(nullptr, CodeSpace::Workers, "5", &holder));
        QCOMPARE(holder, QString());
    }

    void changedCodeCarriedOnRequest_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("oldCode");
        QTest::addColumn<int>("newCode");
        QTest::addColumn<bool>("carry");
        QTest::addColumn<QStringList>("counts"); // queries counting rows with the new code
        QTest::addColumn<QList<int>>("expected");

        const QStringList crop = {"SELECT COUNT(*) FROM Campi WHERE Centro = 9",
                                  "SELECT COUNT(*) FROM Opere WHERE CodCentro = 9",
                                  "SELECT COUNT(*) FROM Magazzino WHERE CodCentro = 9",
                                  "SELECT COUNT(*) FROM Opere WHERE CodCentro = 1"};
        QTest::newRow("crop centre, yes") << 1 << 1 << 9 << true << crop << QList<int>{3, 6, 6, 0};
        QTest::newRow("crop centre, no") << 1 << 1 << 9 << false << crop << QList<int>{0, 0, 0, 6};
        const QStringList machine = {
            "SELECT COUNT(*) FROM Opere WHERE CodCentro = 8 AND [Tipo Centro] = 3",
            "SELECT COUNT(*) FROM Opere WHERE 8 IN (CodMacch1, CodMacch2, CodMacch3)",
            "SELECT COUNT(*) FROM Opere WHERE CodMacch2 = 8",
            "SELECT COUNT(*) FROM Magazzino WHERE CodCentro = 8"};
        QTest::newRow("machine") << 3 << 3 << 8 << true << machine << QList<int>{1, 3, 1, 1};
        // Only the works of 2015 cards on that field of that crop centre refer to this row.
        const QStringList field = {"SELECT COUNT(*) FROM Opere WHERE CodCampo = 12",
                                   "SELECT COUNT(*) FROM Magazzino WHERE CodCampo = 12",
                                   "SELECT COUNT(*) FROM Opere WHERE CodCampo = 10",
                                   "SELECT COUNT(*) FROM Campi WHERE Codice = 10"};
        QTest::newRow("field") << 2 << 10 << 12 << true << field << QList<int>{1, 1, 1, 1};
        const QStringList worker = {"SELECT COUNT(*) FROM Opere WHERE CodOperaio = 7",
                                    "SELECT COUNT(*) FROM Opere WHERE CodOperaio = 1",
                                    "SELECT COUNT(*) FROM Operai WHERE Codice = 7",
                                    "SELECT COUNT(*) FROM Operai WHERE Codice = 1"};
        QTest::newRow("worker") << 5 << 1 << 7 << true << worker << QList<int>{6, 0, 1, 0};
        const QStringList operation = {"SELECT COUNT(*) FROM Opere WHERE CodOperazione = 5",
                                       "SELECT COUNT(*) FROM Opere WHERE CodOperazione = 2",
                                       "SELECT COUNT(*) FROM Operazioni WHERE Codice = 5",
                                       "SELECT COUNT(*) FROM Operazioni WHERE Codice = 2"};
        QTest::newRow("operation") << 6 << 2 << 5 << true << operation << QList<int>{2, 0, 1, 0};
        const QStringList item = {"SELECT COUNT(*) FROM Magazzino WHERE [Codice Articolo] = 6",
                                  "SELECT COUNT(*) FROM Magazzino WHERE [Codice Articolo] = 1",
                                  "SELECT COUNT(*) FROM Articoli WHERE Codice = 6",
                                  "SELECT COUNT(*) FROM Articoli WHERE Codice = 1"};
        QTest::newRow("item") << 7 << 1 << 6 << true << item << QList<int>{5, 0, 1, 0};
    }

    void changedCodeCarriedOnRequest()
    {
        QFETCH(int, kind);
        QFETCH(int, oldCode);
        QFETCH(int, newCode);
        QFETCH(bool, carry);
        QFETCH(QStringList, counts);
        QFETCH(QList<int>, expected);
        Session s(m_env);
        s.select(oldCode, kind);
        s.screen.texts.code = QString::number(newCode);
        s.prompter.expect(Icon::Question,
                          QString("The code %1 has been changed to %2. Do you want to give the new "
                                  "code also to the works, movements and fields that use %1?")
                              .arg(oldCode)
                              .arg(newCode),
                          carry ? Answer::Yes : Answer::No);
        s.select(0, Worker);
        QList<int> found;
        for (const QString &sql : counts)
            found << s.count(sql);
        QCOMPARE(found, expected);

        // The node follows the record: it finds it again under its new code.
        QStandardItem *node = s.node(newCode, kind);
        QVERIFY(node);
        QVERIFY(node->text().endsWith(QString("(%1)").arg(newCode)));
        s.screen.click(node);
        QCOMPARE(s.screen.texts.code, QString::number(newCode));
        QCOMPARE(s.editor.loadedKind() >= 0, true);
        QVERIFY(s.prompter.verify());
    }

    void addDefaults_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("parentPicture");
        QTest::addColumn<int>("loaded");
        QTest::newRow("crop centre")
            << 0 << 1 << "New Cultivation..."
            << "1.00" << int(Picture::CropEmpty) << int(Picture::FolderOpen) << 0;
        QTest::newRow("field") << 1 << 1 << "New Field..."
                               << "1.00" << int(Picture::FieldPicture) << int(Picture::CropOpen)
                               << 1;
        QTest::newRow("machine") << 0 << 3 << "New Machine..."
                                 << "2015" << int(Picture::MachinePicture)
                                 << int(Picture::FolderOpen) << 0;
        QTest::newRow("other centre")
            << 0 << 4 << "New Center..."
            << "0.00" << int(Picture::OtherPicture) << int(Picture::FolderOpen) << 0;
        QTest::newRow("worker") << 0 << 5 << "New Worker..."
                                << "$0.00" << int(Picture::WorkerFixed) << int(Picture::FolderOpen)
                                << 2;
        QTest::newRow("operation")
            << 0 << 6 << "New Operation..."
            << "0.00" << int(Picture::OperationPicture) << int(Picture::FolderOpen) << 3;
        QTest::newRow("item") << 0 << 7 << "New Item..."
                              << "" << int(Picture::ItemPicture) << int(Picture::FolderOpen) << 4;
    }

    void addDefaults()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(QString, description);
        QFETCH(QString, number);
        QFETCH(int, picture);
        QFETCH(int, parentPicture);
        QFETCH(int, loaded);
        Session s(m_env);
        s.select(code, kind);
        QStandardItem *parent = s.node(code, kind);
        const int children = parent->rowCount();
        QVERIFY(s.editor.isEnabled(RegistryEditor::Command::Add));
        s.editor.add();
        QVERIFY(s.editor.isNewRecordMode());
        QCOMPARE(parent->rowCount(), children + 1);
        QStandardItem *added = parent->child(children);
        QCOMPARE(s.editor.selectedNode(), added);
        QCOMPARE(RegistryTreeModel::picture(added), picture);
        QCOMPARE(RegistryTreeModel::picture(parent), parentPicture);
        QCOMPARE(s.screen.texts.code, QStringLiteral("0"));
        QCOMPARE(s.screen.texts.description, description);
        QCOMPARE(s.screen.texts.number, number);
        QCOMPARE(s.editor.loadedKind(), loaded);
        QVERIFY(s.screen.codeFocused);
        QVERIFY(s.screen.expanded.contains(parent));
        QVERIFY(!s.editor.isEnabled(RegistryEditor::Command::Add));
        QVERIFY(!s.editor.isEnabled(RegistryEditor::Command::Delete));
        QVERIFY(s.editor.isEnabled(RegistryEditor::Command::Save));
        QVERIFY(s.editor.isEnabled(RegistryEditor::Command::CancelInsert));
        QVERIFY(s.prompter.verify());
    }

    void saveNewRecords_data()
    {
        QTest::addColumn<int>("parentCode");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("expected");
        QTest::newRow("crop centre")
            << 0 << 1 << "12.5"
            << ""
            << "SELECT Campo || Macchina || SupAnno FROM Centri WHERE Codice = 50"
            << "1012.5";
        QTest::newRow("field")
            << 2 << 2 << "3"
            << "River"
            << "SELECT Centro || '/' || Anno || '/' || [Località] || '/' || Superficie FROM Campi "
               "WHERE Codice = 50"
            << "2/2015/River/3.0";
        QTest::newRow("machine")
            << 0 << 3 << "1999"
            << ""
            << "SELECT Campo || Macchina || SupAnno FROM Centri WHERE Codice = 50"
            << "011999.0";
        QTest::newRow("worker")
            << 0 << 5 << "$12.00"
            << ""
            << "SELECT Nome || Stipendio || Rapporto FROM Operai WHERE Codice = 50"
            << "Carla12.00";
        QTest::newRow("item") << 0 << 7 << "t"
                              << "$4.25"
                              << "SELECT UnMis || [Costo Unitario] || [Stampa Quaderno] FROM "
                                 "Articoli WHERE Codice = 50"
                              << "t4.250";
    }

    void saveNewRecords()
    {
        QFETCH(int, parentCode);
        QFETCH(int, kind);
        QFETCH(QString, number);
        QFETCH(QString, place);
        QFETCH(QString, check);
        QFETCH(QString, expected);
        Session s(m_env);
        const int folderKind = kind == Field ? Crop : kind;
        s.select(parentCode, folderKind);
        s.editor.add();
        s.screen.texts.code = "50";
        s.screen.texts.description = "Carla";
        s.screen.texts.number = number;
        s.screen.texts.place = place;
        s.editor.save();
        QVERIFY(!s.editor.isNewRecordMode());
        QCOMPARE(s.db.scalar(check).toString(), expected);
        QStandardItem *node = s.node(50, kind);
        QVERIFY(node);
        QCOMPARE(node->text(), QStringLiteral("Carla (50)"));
        // Children are sorted by label after the save.
        QStringList labels = s.childLabels(node->parent());
        QStringList sorted = labels;
        sorted.sort();
        QCOMPARE(labels, sorted);
        // The saved record stays loaded: the next autosave edits it, it inserts nothing more.
        s.screen.texts.description = "Carla B";
        s.select(0, Worker);
        QCOMPARE(s.count(QString("SELECT COUNT(*) FROM %1 WHERE Codice = 50")
                             .arg(check.section("FROM ", 1).section(' ', 0, 0))),
                 1);
        QCOMPARE(node->text(), QStringLiteral("Carla B (50)"));
        QVERIFY(s.prompter.verify());
    }

    void saveRefusesATakenCode()
    {
        Session s(m_env);
        s.select(0, Machine);
        s.editor.add();
        s.screen.texts.code = "1";
        s.prompter.expect(Icon::Warning, "The code 1 is already used by Vineyard, can not save!");
        s.editor.save();
        QVERIFY(s.editor.isNewRecordMode());
        s.screen.texts.code = "9";
        s.editor.save();
        QVERIFY(!s.editor.isNewRecordMode());
        QCOMPARE(s.count("SELECT COUNT(*) FROM Centri WHERE Codice = 9 AND Macchina = 1"), 1);
        QVERIFY(s.prompter.verify());
    }

    void fieldsMayShareCodes()
    {
        Session s(m_env);
        s.select(2, Crop);
        s.editor.add();
        s.screen.texts.code = "10";
        s.editor.save();
        QVERIFY(!s.editor.isNewRecordMode());
        QCOMPARE(s.count("SELECT COUNT(*) FROM Campi WHERE Codice = 10 AND Anno = 2015"), 2);
        QVERIFY(s.prompter.verify());
    }

    void newFieldYear_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<std::optional<int>>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("year");
        QTest::newRow("one year: no question")
            << "01/01/2015" << std::optional<int>() << false << 2015;
        QTest::newRow("chosen") << "01/10/2013" << std::optional<int>(2014) << true << 2014;
        QTest::newRow("closed without OK") << "01/10/2013" << std::optional<int>() << true << 2015;
        QTest::newRow("OK without a year") << "01/10/2013" << std::optional<int>(0) << true << 2015;
    }

    void newFieldYear()
    {
        QFETCH(QString, start);
        QFETCH(std::optional<int>, answer);
        QFETCH(bool, asked);
        QFETCH(int, year);
        SettingsStore::writeString(SettingsStore::Settings, "DataInit", start);
        Session s(m_env);
        s.screen.yearAnswer = answer;
        s.select(2, Crop);
        s.editor.add();
        QCOMPARE(s.screen.yearQuestions.isEmpty(), !asked);
        if (asked)
            QCOMPARE(s.screen.yearQuestions.first(), (QPair<int, int>(2013, 2015)));
        s.screen.texts.code = "30";
        s.editor.save();
        QCOMPARE(s.db.scalar("SELECT Anno FROM Campi WHERE Codice = 30").toInt(), year);
        QVERIFY(s.prompter.verify());
    }

    void cancelInsert()
    {
        Session s(m_env);
        // The only field of a crop centre: the centre is a house again.
        s.select(2, Crop);
        s.editor.add();
        s.editor.cancelInsert();
        QVERIFY(!s.editor.isNewRecordMode());
        QCOMPARE(s.node(2, Crop)->rowCount(), 0);
        QCOMPARE(RegistryTreeModel::picture(s.node(2, Crop)), int(Picture::CropEmpty));
        QCOMPARE(s.editor.selectedNode(), s.node(2, Crop));
        QCOMPARE(s.screen.texts.description, QStringLiteral("Orchard"));

        // A worker in the expanded folder with other workers: the folder stays open.
        s.select(0, Worker);
        s.editor.add();
        s.editor.cancelInsert();
        QCOMPARE(s.editor.folder(Worker)->rowCount(), 2);
        QCOMPARE(RegistryTreeModel::picture(s.editor.folder(Worker)), int(Picture::FolderOpen));
        QCOMPARE(s.count("SELECT COUNT(*) FROM Operai"), 2);
        QCOMPARE(s.count("SELECT COUNT(*) FROM Campi"), 4);
        QVERIFY(s.prompter.verify());
    }

    void deleteCascades_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("counts");
        QTest::addColumn<QList<int>>("expected");
        // The question names the works and cards the fixture has for each record.
        QTest::addColumn<QString>("question");

        QTest::newRow("crop centre")
            << 1 << 1 << "Vineyard"
            << QStringList{"SELECT COUNT(*) FROM Campi WHERE Centro = 1",
                           "SELECT COUNT(*) FROM Opere WHERE CodCentro = 1",
                           "SELECT COUNT(*) FROM Opere WHERE [Tipo Centro] = 0 AND CodCampo = 0 "
                           "AND CodCentro = 0",
                           "SELECT COUNT(*) FROM Magazzino WHERE CodCentro = 1",
                           "SELECT COUNT(*) FROM Centri WHERE Codice = 1"}
            << QList<int>{0, 0, 6, 0, 0}
            << QStringLiteral("The crop centre Vineyard has 3 fields over the years and is used by "
                              "6 works on 4 cards. Deleting it deletes its fields and leaves those "
                              "works without a cost centre. Delete it?");
        QTest::newRow("field")
            << 10 << 2 << "North Vines"
            << QStringList{"SELECT COUNT(*) FROM Opere WHERE CodCampo = 10",
                           "SELECT COUNT(*) FROM Opere WHERE IDOpera IN (1, 8) AND "
                           "[Tipo Centro] = 1",
                           "SELECT COUNT(*) FROM Magazzino WHERE IDBolla IN (1, 8) AND "
                           "[Tipo Centro] = 1 AND CodCampo = 0",
                           "SELECT CodCentro FROM Opere WHERE IDOpera = 1",
                           "SELECT COUNT(*) FROM Campi WHERE Codice = 10"}
            << QList<int>{0, 2, 2, 1, 1}
            << QStringLiteral("The field North Vines is used by 2 works on 2 cards of its year. "
                              "Deleting it books those works to its crop centre. Delete it?");
        QTest::newRow("machine")
            << 3 << 3 << "Tractor"
            << QStringList{"SELECT COUNT(*) FROM Opere WHERE CodCentro = 3",
                           "SELECT COUNT(*) FROM Opere WHERE 3 IN (CodMacch1, CodMacch2, "
                           "CodMacch3)",
                           "SELECT [Tipo Centro] FROM Opere WHERE IDOpera = 3",
                           "SELECT COUNT(*) FROM Magazzino WHERE CodCentro = 3",
                           "SELECT COUNT(*) FROM Centri WHERE Codice = 3"}
            << QList<int>{0, 0, 0, 0, 0}
            << QStringLiteral("The machine Tractor is used by 4 works on 2 cards. Deleting it "
                              "takes it off those works and leaves the works booked to it without "
                              "a cost centre. Delete it?");
        QTest::newRow("other centre")
            << 4 << 4 << "Office"
            << QStringList{"SELECT COUNT(*) FROM Opere WHERE CodCentro = 4",
                           "SELECT [Tipo Centro] FROM Magazzino WHERE IDBolla = 4",
                           "SELECT COUNT(*) FROM Centri WHERE Codice = 4"}
            << QList<int>{0, 0, 0}
            << QStringLiteral("The cost centre Office is used by 1 work on 1 card. Deleting it "
                              "leaves those works without a cost centre. Delete it?");
        QTest::newRow("worker")
            << 1 << 5 << "Anna"
            << QStringList{"SELECT COUNT(*) FROM Opere WHERE CodOperaio = 1",
                           "SELECT COUNT(*) FROM Opere WHERE CodOperaio = 0",
                           "SELECT COUNT(*) FROM Operai"}
            << QList<int>{0, 6, 1}
            << QStringLiteral("The worker Anna is used by 6 works on 5 cards. Deleting the worker "
                              "leaves those works without a worker. Delete it?");
        QTest::newRow("operation")
            << 2 << 6 << "Spraying"
            << QStringList{"SELECT COUNT(*) FROM Opere WHERE CodOperazione = 2",
                           "SELECT COUNT(*) FROM Opere WHERE CodOperazione = 0",
                           "SELECT COUNT(*) FROM Operazioni"}
            << QList<int>{0, 2, 1}
            << QStringLiteral("The operation Spraying is used by 2 works on 2 cards. Deleting it "
                              "leaves those works without an operation. Delete it?");
        QTest::newRow("item")
            << 1 << 7 << "Copper"
            << QStringList{"SELECT COUNT(*) FROM Magazzino WHERE [Codice Articolo] = 1",
                           "SELECT COUNT(*) FROM Magazzino WHERE [Codice Articolo] = 0",
                           "SELECT COUNT(*) FROM Articoli"}
            << QList<int>{0, 7, 2}
            << QStringLiteral("The item Copper is used by 5 stock movements on 4 cards. Deleting "
                              "it leaves those stock movements without an item. Delete it?");
    }

    void deleteCascades()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(QStringList, counts);
        QFETCH(QList<int>, expected);
        QFETCH(QString, question);
        Session s(m_env);
        s.select(code, kind);
        QStandardItem *node = s.node(code, kind);
        QStandardItem *parent = node->parent();
        QStandardItem *next =
            node->row() + 1 < parent->rowCount() ? parent->child(node->row() + 1) : parent;
        QVERIFY(s.editor.isEnabled(RegistryEditor::Command::Delete));
        s.prompter.expect(Icon::Question, question, Answer::Yes);
        s.editor.deleteSelected();
        // Enter answers No: the Yes that detaches the works is never the default.
        QCOMPARE(s.prompter.buttonsShown(), QList{Prompter::Buttons::YesNoDefaultNo});
        QList<int> found;
        for (const QString &sql : counts)
            found << s.count(sql);
        QCOMPARE(found, expected);
        QVERIFY(!s.node(code, kind));
        QCOMPARE(s.editor.selectedNode(), next);
        QVERIFY(s.prompter.verify());
    }

    void deleteFieldKeepsOtherYears()
    {
        Session s(m_env);
        // Field 101 in 2015 and in 2016, with a work and a movement on each year's card.
        s.db.execute("INSERT INTO Campi (Descrizione, [Località], Centro, Codice, Superficie, "
                     "Anno) VALUES ('Terrace', 'Hill', 1, 101, 1, 2015), "
                     "('Terrace', 'Hill', 1, 101, 1, 2016)");
        s.db.execute("INSERT INTO Opere (IDOpera, IDScheda, Aggiornato, CodOperaio, CodOperazione, "
                     "[Tipo Centro], CodCentro, CodCampo, OreOrd) VALUES "
                     "(20, 1, 1, 1, 1, 2, 1, 101, 1), (21, 4, 1, 1, 1, 2, 1, 101, 1)");
        s.db.execute("INSERT INTO Magazzino (IDBolla, IDOpera, [Codice Articolo], [Tipo Bolla], "
                     "[Tipo Centro], CodCentro, CodCampo, Quantita) VALUES "
                     "(20, 20, 1, 2, 2, 1, 101, 1), (21, 21, 1, 2, 2, 1, 101, 1)");
        s.editor.fillTree();
        s.select(101, Field);
        s.prompter.expect(
            Icon::Question,
            "The field Terrace is used by 1 work on 1 card of its year. Deleting it books "
            "those works to its crop centre. Delete it?",
            Answer::Yes);
        s.editor.deleteSelected();
        QCOMPARE(s.count("SELECT Anno FROM Campi WHERE Codice = 101"), 2016);
        const QString field = "SELECT CodCampo FROM %1 WHERE %2 = ?";
        QCOMPARE(s.count(field.arg("Opere", "IDOpera"), {20}), 0);
        QCOMPARE(s.count(field.arg("Magazzino", "IDBolla"), {20}), 0);
        QCOMPARE(s.count(field.arg("Opere", "IDOpera"), {21}), 101);
        QCOMPARE(s.count(field.arg("Magazzino", "IDBolla"), {21}), 101);
        QVERIFY(s.prompter.verify());
    }

    void deleteAnsweredNoKeepsEverything()
    {
        Session s(m_env);
        s.select(1, Worker);
        s.prompter.expect(
            Icon::Question,
            "The worker Anna is used by 6 works on 5 cards. Deleting the worker leaves "
            "those works without a worker. Delete it?",
            Answer::No);
        s.editor.deleteSelected();
        QCOMPARE(s.count("SELECT COUNT(*) FROM Opere WHERE CodOperaio = 1"), 6);
        QVERIFY(s.node(1, Worker));
        QVERIFY(s.prompter.verify());
    }

    void deleteLastChildSelectsTheFolder()
    {
        Session s(m_env);
        s.select(3, Machine);
        s.prompter.expect(
            Icon::Question,
            "The machine Tractor is used by 4 works on 2 cards. Deleting it takes it off "
            "those works and leaves the works booked to it without a cost centre. "
            "Delete it?",
            Answer::Yes);
        s.editor.deleteSelected();
        QCOMPARE(s.editor.selectedNode(), s.editor.folder(Machine));
        QCOMPARE(s.screen.texts.description, QStringLiteral("Machines root"));
        QVERIFY(s.prompter.verify());
    }

    void failedDeleteChangesNothing()
    {
        Session s(m_env);
        s.db.execute("CREATE TRIGGER NoStockChanges BEFORE UPDATE ON Magazzino "
                     "BEGIN SELECT RAISE(ABORT, 'stock is locked'); END");
        s.select(1, Crop);
        s.prompter.expect(
            Icon::Question,
            "The crop centre Vineyard has 3 fields over the years and is used by 6 works "
            "on 4 cards. Deleting it deletes its fields and leaves those works "
            "without a cost centre. Delete it?",
            Answer::Yes);
        s.prompter.expectContaining(Icon::Error, "stock is locked");
        s.editor.deleteSelected();
        QCOMPARE(s.count("SELECT COUNT(*) FROM Campi WHERE Centro = 1"), 3);
        QCOMPARE(s.count("SELECT COUNT(*) FROM Opere WHERE CodCentro = 1"), 6);
        QCOMPARE(s.count("SELECT COUNT(*) FROM Centri WHERE Codice = 1"), 1);
        QVERIFY(s.node(1, Crop));
        QCOMPARE(s.editor.selectedNode(), s.node(1, Crop));
        // The record is still loaded and saves normally.
        s.screen.texts.description = "Vines";
        s.select(2, Crop);
        QCOMPARE(s.db.scalar("SELECT Descrizione FROM Centri WHERE Codice = 1").toString(),
                 QStringLiteral("Vines"));
        QVERIFY(s.prompter.verify());
    }

    void commandEnableRules()
    {
        Session s(m_env);
        struct Case
        {
            int code, kind;
            bool add, del;
        };
        const QList<Case> cases = {{0, 0, false, false}, {0, 1, true, false}, {1, 1, true, true},
                                   {10, 2, false, true}, {0, 3, true, false}, {3, 3, false, true},
                                   {0, 5, true, false},  {1, 5, false, true}, {1, 7, false, true}};
        for (const Case &c : cases) {
            s.select(c.code, c.kind);
            QCOMPARE(s.editor.isEnabled(RegistryEditor::Command::Add), c.add);
            QCOMPARE(s.editor.isEnabled(RegistryEditor::Command::Delete), c.del);
            QVERIFY(!s.editor.isEnabled(RegistryEditor::Command::Save));
        }
        QVERIFY(s.prompter.verify());
    }

    void applyWorkingPeriod()
    {
        Session s(m_env);
        s.select(10, Field);
        s.editor.applyWorkingPeriod({QDate(2016, 1, 1), QDate(2016, 12, 31)});
        // The vineyard has no field in 2016: its children go, the selection moves up to it.
        QCOMPARE(s.node(1, Crop)->rowCount(), 0);
        QCOMPARE(RegistryTreeModel::picture(s.node(1, Crop)), int(Picture::CropEmpty));
        QCOMPARE(s.editor.selectedNode(), s.node(1, Crop));
        QCOMPARE(s.editor.period().start, QDate(2016, 1, 1));
        // No node is added for the orchard's 2016 field.
        QCOMPARE(s.node(2, Crop)->rowCount(), 0);
        // The list is filled again for the new period: the vineyard's one work of 2016.
        QCOMPARE(s.editor.statistics().rowCount(), 1);
        QCOMPARE(s.editor.statistics().cell(0, 0), QStringLiteral("01/01/2016"));
        QVERIFY(s.prompter.verify());
    }

    // The period applied last holds when the tree is built again on another database: the
    // statistics keep to it.
    void rebuiltTreeKeepsTheAppliedPeriod()
    {
        Session s(m_env);
        s.editor.applyWorkingPeriod({QDate(2016, 1, 1), QDate(2016, 12, 31)});
        s.editor.rebuildTree();
        QCOMPARE(s.editor.period().start, QDate(2016, 1, 1));
        s.select(1, Crop);
        QCOMPARE(s.editor.statistics().rowCount(), 1);
        QCOMPARE(s.editor.statistics().cell(0, 0), QStringLiteral("01/01/2016"));
        QVERIFY(s.prompter.verify());
    }

    void applyWorkingPeriodWhileAddingAField()
    {
        Session s(m_env);
        s.select(1, Crop);
        s.editor.add();
        QStandardItem *added = s.editor.selectedNode();
        s.editor.applyWorkingPeriod({QDate(2016, 1, 1), QDate(2016, 12, 31)});
        // The vineyard's 2015 fields go; the field being added stays and can still be saved.
        QCOMPARE(s.childLabels(s.node(1, Crop)), QStringList{"New Field..."});
        QCOMPARE(s.editor.selectedNode(), added);
        QVERIFY(s.editor.isNewRecordMode());
        s.screen.texts.code = "12";
        s.screen.texts.description = "East Vines";
        s.editor.save();
        QVERIFY(!s.editor.isNewRecordMode());
        QCOMPARE(s.childLabels(s.node(1, Crop)), QStringList{"East Vines (12)"});
        QCOMPARE(s.count("SELECT COUNT(*) FROM Campi WHERE Codice = 12 AND Centro = 1"), 1);
        QVERIFY(s.prompter.verify());
    }

    void rebuildTree()
    {
        Session s(m_env);
        s.select(2, Worker);
        Database other;
        other.open(m_env.copyTemplate());
        other.execute("INSERT INTO Operai (Codice, Nome, Rapporto, Stipendio) "
                      "VALUES (5, 'Dario', 0, 7)");
        s.editor.setDatabase(&other);
        s.editor.rebuildTree();
        QCOMPARE(s.childLabels(s.editor.folder(Worker)), QStringList{"Dario"});
        QCOMPARE(s.editor.folder(Crop)->rowCount(), 0);
        QCOMPARE(s.editor.selectedNode(), s.editor.costCentersFolder());
        s.editor.setDatabase(&s.db);
        s.editor.rebuildTree();
        QCOMPARE(s.editor.costCentersFolder()->text(), QStringLiteral("Cost Centers"));
        QCOMPARE(s.childLabels(s.node(1, Crop)), (QStringList{"North Vines", "South Vines"}));
        QCOMPARE(s.childLabels(s.editor.folder(Machine)), QStringList{"Tractor"});
        QCOMPARE(RegistryTreeModel::picture(s.node(10, Field)), int(Picture::FieldPicture));
        QCOMPARE(RegistryTreeModel::picture(s.node(4, Other)), int(Picture::OtherPicture));
        // A record takes its code in its label again once it is saved.
        s.select(1, Worker);
        s.select(2, Worker);
        QCOMPARE(s.childLabels(s.editor.folder(Worker)), (QStringList{"Anna (1)", "Bruno"}));
        QVERIFY(s.prompter.verify());
    }

    void rebuildTreeBeforeFirstFilling()
    {
        Session s(m_env);
        RegistryEditor fresh{s.prompter, s.screen};
        s.screen.follow(fresh);
        s.screen.current = nullptr;
        fresh.setDatabase(&s.db);
        fresh.rebuildTree();
        // The fields of the working period's years hang under their crop centre.
        QStandardItem *vineyard = fresh.tree().findNode(make(1, Crop));
        QVERIFY(vineyard);
        QCOMPARE(s.childLabels(vineyard), (QStringList{"North Vines", "South Vines"}));
        QVERIFY(s.prompter.verify());
    }

    // A save that fails with an exception (here a message that cannot be shown) leaves the
    // selection on the record and the form as the user typed it.
    void autosaveExceptionKeepsSelectionAndForm()
    {
        Session s(m_env);
        ThrowingPrompter failing;
        RegistryEditor editor{failing, s.screen};
        s.screen.follow(editor);
        editor.setDatabase(&s.db);
        editor.fillTree();
        QStandardItem *bruno = editor.tree().findNode(make(2, Worker));
        s.screen.click(bruno);
        s.screen.texts.number = "lots";

        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 s.screen.click(editor.tree().findNode(make(1, Worker))));
        QCOMPARE(editor.selectedNode(), bruno);
        QCOMPARE(s.screen.current, bruno);
        QCOMPARE(editor.loadedKind(), int(RegistryEditor::WorkerRecord));
        QCOMPARE(s.screen.texts.number, QStringLiteral("lots"));
        QCOMPARE(s.screen.texts.description, QStringLiteral("Bruno"));
        QCOMPARE(s.count("SELECT Stipendio FROM Operai WHERE Codice = 2"), 8);

        // Once the wage reads, the same move saves it and goes on.
        s.screen.texts.number = "9";
        s.screen.click(editor.tree().findNode(make(1, Worker)));
        QCOMPARE(editor.selectedNode(), editor.tree().findNode(make(1, Worker)));
        QCOMPARE(s.count("SELECT Stipendio FROM Operai WHERE Codice = 2"), 9);
        QVERIFY(s.prompter.verify());
    }

    void choiceOfTheRadioButtons()
    {
        SettingsStore::writeInt(SettingsStore::Settings, "Choice", 1);
        Session s(m_env);
        QCOMPARE(s.editor.choice(), 1);
        s.select(1, Crop);
        QCOMPARE(s.editor.statistics().titles().at(1), QStringLiteral("Phase/Operation"));
        s.editor.setChoice(0);
        QCOMPARE(s.editor.statistics().titles().at(1), QStringLiteral("Worker Code"));
        // A worker's list does not change with the choice of stock.
        s.select(1, Worker);
        const QStringList titles = s.editor.statistics().titles();
        s.editor.setChoice(1);
        QCOMPARE(s.editor.statistics().titles(), titles);
        s.editor.saveState();
        QCOMPARE(SettingsStore::readInt(SettingsStore::Settings, "Choice", 0), 1);
        QVERIFY(s.prompter.verify());
    }
};

QTEST_GUILESS_MAIN(TestRegistryEditor)
#include "TestRegistryEditor.moc"
