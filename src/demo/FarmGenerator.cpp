#include "FarmGenerator.h"

#include "FarmNames.h"
#include "base/DomainCodes.h"
#include "db/Database.h"
#include "db/DbDate.h"
#include "db/SchemaUpgrade.h"
#include "db/TreatmentColumns.h"

#include <QDate>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QStringList>

#include <array>
#include <cmath>

namespace {

enum class ItemGroup { None, Treatment, Herbicide, Fertiliser, Seed, Fuel, Spare, Twine, Product };

struct ItemKind
{
    const char *name;
    const char *unit;
    ItemGroup group;
    double unitPrice;
    const char *adversity; // the pest or disease a treatment is aimed at
    // The authorisation number of a plant-protection product.
    const char *registration = "";
};

// The items of the warehouse; the products come last, one per kind of crop, in the order of
// FarmNames::crop.
constexpr std::array<ItemKind, 24> Items{{
    {"Ossicloruro di rame 30%", "kg", ItemGroup::Treatment, 9.5, "Peronospora", "10854"},
    {"Zolfo bagnabile 80%", "kg", ItemGroup::Treatment, 2.8, "Oidio", "03512"},
    {"Fosetil alluminio", "kg", ItemGroup::Treatment, 24.0, "Peronospora", "12453"},
    {"Deltametrina 2,5%", "l", ItemGroup::Treatment, 38.0, "Tignoletta", "11035"},
    {"Mancozeb 75%", "kg", ItemGroup::Treatment, 8.2, "Peronospora", "09458"},
    {"Penconazolo 10%", "l", ItemGroup::Treatment, 55.0, "Oidio", "10387"},
    {"Glifosate 360", "l", ItemGroup::Herbicide, 7.4, "Infestanti", "14932"},
    {"Urea 46%", "q", ItemGroup::Fertiliser, 62.0, ""},
    {"Nitrato ammonico 27%", "q", ItemGroup::Fertiliser, 48.0, ""},
    {"Perfosfato minerale 19%", "q", ItemGroup::Fertiliser, 35.0, ""},
    {"Letame maturo", "q", ItemGroup::Fertiliser, 3.5, ""},
    {"Seme di frumento duro certificato", "kg", ItemGroup::Seed, 0.85, ""},
    {"Seme di mais ibrido", "kg", ItemGroup::Seed, 9.0, ""},
    {"Seme di erba medica", "kg", ItemGroup::Seed, 6.5, ""},
    {"Gasolio agricolo", "l", ItemGroup::Fuel, 1.05, ""},
    {"Olio motore 15W40", "l", ItemGroup::Spare, 5.2, ""},
    {"Filtri e ricambi", "n", ItemGroup::Spare, 28.0, ""},
    {"Spago e legacci", "kg", ItemGroup::Twine, 4.0, ""},
    {"Uva da vino", "q", ItemGroup::Product, 55.0, ""},
    {"Olive da olio", "q", ItemGroup::Product, 70.0, ""},
    {"Frumento duro in granella", "q", ItemGroup::Product, 38.0, ""},
    {"Mais in granella", "q", ItemGroup::Product, 24.0, ""},
    {"Pomodoro da industria", "q", ItemGroup::Product, 11.0, ""},
    {"Fieno di erba medica", "q", ItemGroup::Product, 16.0, ""},
}};
constexpr int FirstProduct = 18;
constexpr int Products = int(Items.size()) - FirstProduct;

// Operation indexes of FarmNames::operation.
enum Operation {
    Ploughing,
    Harrowing,
    Sowing,
    Fertilising,
    Treating,
    Weeding,
    Watering,
    Pruning,
    Harvest,
    GrapeHarvest,
    Mulching,
    Maintenance,
    Transport,
    Selling,
    Office,
    Tying,
    Mowing,
    Ditches
};

enum class Where { Field, Crop, Machine, Other };

// A work of the farm's calendar: the operation, where it is booked, the movement it makes and
// the months it is done in (firstMonth > lastMonth runs over the new year).
struct WorkKind
{
    Operation operation;
    Where where;
    MovementType movementType;
    ItemGroup items;
    int firstMonth;
    int lastMonth;
    int tractor; // 0 none, else the implement's machine index + 1
    // Heavy work is pulled by the crawler tractor (machine 1), the rest by machine 0.
    bool crawler = false;
};

constexpr std::array<WorkKind, 17> Calendar{{
    {Pruning, Where::Field, MovementType::None, ItemGroup::None, 11, 3, 0},
    {Ploughing, Where::Field, MovementType::None, ItemGroup::None, 8, 11, 9, true},
    {Harrowing, Where::Field, MovementType::None, ItemGroup::None, 9, 4, 4},
    {Sowing, Where::Field, MovementType::Processing, ItemGroup::Seed, 10, 4, 6},
    {Fertilising, Where::Field, MovementType::Processing, ItemGroup::Fertiliser, 2, 4, 7},
    {Treating, Where::Field, MovementType::Processing, ItemGroup::Treatment, 4, 8, 3},
    {Weeding, Where::Field, MovementType::Processing, ItemGroup::Herbicide, 3, 5, 3},
    {Watering, Where::Field, MovementType::None, ItemGroup::None, 6, 8, 0},
    {Harvest, Where::Field, MovementType::Production, ItemGroup::Product, 6, 11, 5},
    {Mulching, Where::Field, MovementType::None, ItemGroup::None, 4, 6, 8},
    {Tying, Where::Field, MovementType::Processing, ItemGroup::Twine, 3, 5, 0},
    {Mowing, Where::Field, MovementType::None, ItemGroup::None, 5, 7, 10},
    {Selling, Where::Crop, MovementType::Sale, ItemGroup::Product, 8, 2, 0},
    {Maintenance, Where::Machine, MovementType::Purchase, ItemGroup::Fuel, 1, 12, 0},
    {Maintenance, Where::Machine, MovementType::Processing, ItemGroup::Spare, 1, 12, 0},
    {Transport, Where::Other, MovementType::None, ItemGroup::None, 1, 12, 5},
    {Ditches, Where::Other, MovementType::None, ItemGroup::None, 11, 2, 0},
}};

bool inSeason(const WorkKind &kind, int month)
{
    if (month == 0)
        return true;
    if (kind.firstMonth <= kind.lastMonth)
        return month >= kind.firstMonth && month <= kind.lastMonth;
    return month >= kind.firstMonth || month <= kind.lastMonth;
}

// The stage of the crop a field movement is made in.
QString phase(MovementType movement, int month)
{
    if (movement == MovementType::Production)
        return QStringLiteral("Raccolta");
    if (month >= 3 && month <= 4)
        return QStringLiteral("Pre-fioritura");
    if (month == 5)
        return QStringLiteral("Fioritura");
    if (month >= 6 && month <= 7)
        return QStringLiteral("Allegagione");
    if (month >= 8 && month <= 10)
        return QStringLiteral("Maturazione");
    return QStringLiteral("Riposo vegetativo");
}

int pick(QRandomGenerator &random, ItemGroup group)
{
    QList<int> candidates;
    for (int i = 0; i < FirstProduct; ++i) {
        if (Items[i].group == group)
            candidates.append(i);
    }
    return candidates.at(random.bounded(int(candidates.size())));
}

double roundToCents(double value)
{
    return std::round(value * 100.0) / 100.0;
}

// The fields lie in the countryside south-east of Lodi (cadastral code E648), a grid of
// parcels 300 m apart from this corner, each an outline of its own surface.
const char *const Municipality = "E648";
constexpr double GridLatitude = 45.2950;
constexpr double GridLongitude = 9.5150;
constexpr double GridStep = 300.0; // metres
constexpr int GridColumns = 6;

// Metres of a degree of latitude and of longitude at a latitude, on the WGS84 ellipsoid.
std::pair<double, double> metresPerDegree(double latitude)
{
    constexpr double a = 6378137.0;
    constexpr double f = 1.0 / 298.257223563;
    const double e2 = f * (2.0 - f);
    const double phi = latitude * M_PI / 180.0;
    const double w = 1.0 - e2 * std::sin(phi) * std::sin(phi);
    const double meridian = a * (1.0 - e2) / std::pow(w, 1.5);
    const double normal = a / std::sqrt(w);
    return {meridian * M_PI / 180.0, normal * std::cos(phi) * M_PI / 180.0};
}

// A rectangle half as long again from west to east as from south to north, of the given
// hectares, counterclockwise from its south-west corner.
QString fieldOutline(int f, double hectares)
{
    const double squareMetres = hectares * 10000.0;
    const double width = std::sqrt(squareMetres * 1.5);
    const double height = squareMetres / width;
    const auto [northMetres, eastMetres] = metresPerDegree(GridLatitude);
    const double south = GridLatitude - (f / GridColumns) * GridStep / northMetres;
    const double west = GridLongitude + (f % GridColumns) * GridStep / eastMetres;
    const double north = south + height / northMetres;
    const double east = west + width / eastMetres;
    const auto position = [](double longitude, double latitude) {
        const auto rounded = [](double degrees) { return std::round(degrees * 1e7) / 1e7; };
        return QJsonArray{rounded(longitude), rounded(latitude)};
    };
    const QJsonArray ring{position(west, south), position(east, south), position(east, north),
                          position(west, north), position(west, south)};
    const QJsonObject geometry{{QStringLiteral("type"), QStringLiteral("Polygon")},
                               {QStringLiteral("coordinates"), QJsonArray{ring}}};
    return QString::fromUtf8(QJsonDocument(geometry).toJson(QJsonDocument::Compact));
}

double fieldHectares(int f)
{
    return 0.5 + (f * 37 % 40) / 10.0;
}

// The BBCH stage a crop is at in a month, as the calendar of a treatment gives it.
QString bbchStage(int month)
{
    static const char *const stages[12] = {"00", "00", "13", "19", "55", "65",
                                           "75", "81", "85", "89", "92", "97"};
    return QString::fromLatin1(stages[qBound(1, month, 12) - 1]);
}

const QStringList &skies()
{
    static const QStringList texts{QStringLiteral("Sereno"), QStringLiteral("Poco nuvoloso"),
                                   QStringLiteral("Nuvoloso"), QStringLiteral("Variabile"),
                                   QStringLiteral("Nebbia")};
    return texts;
}

const QStringList &winds()
{
    static const QStringList texts{QStringLiteral("Assente"), QStringLiteral("Debole"),
                                   QStringLiteral("Moderato"), QStringLiteral("Forte")};
    return texts;
}

} // namespace

FarmGenerator::FarmGenerator(Database &db, const FarmSize &size)
    : m_db(db), m_size(size),
      m_card(db, QStringLiteral("INSERT INTO Scheda (Data, Pioggia, TempMax, TempMin, Tempo, "
                                "Vento, Fattore) VALUES (?, ?, ?, ?, ?, ?, ?)")),
      m_work(db, QStringLiteral(
                     "INSERT INTO Opere (Aggiornato, IDScheda, CodOperaio, OreOrd, OreStr, "
                     "OreFest, [Tipo Centro], CodCentro, CodCampo, CodOperazione, CodMacch1, "
                     "CodMacch2) VALUES (1, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?)")),
      m_movement(db, QStringLiteral("INSERT INTO Magazzino (IDOpera, [Tipo Centro], CodCentro, "
                                    "CodCampo, [Tipo Bolla], [Codice Articolo], Prezzo, "
                                    "Quantita, Fase, UniMis, Avverso, RifDoc) VALUES (?, ?, ?, ?, "
                                    "?, ?, ?, ?, ?, ?, ?, ?)")),
      m_treatments(SchemaUpgrade::hasColumn(db, TreatmentColumns::MovementsTable,
                                            TreatmentColumns::TreatedArea))
{
}

void FarmGenerator::seedRegistries(int firstYear, int years)
{
    PreparedStatement worker(m_db, QStringLiteral("INSERT INTO Operai (Codice, Nome, Rapporto, "
                                                  "Stipendio) VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < m_size.workers; ++i) {
        // Every fourth worker is seasonal, paid a little less.
        const bool seasonal = i % 4 == 3;
        worker.exec({i + 1, FarmNames::worker(i), seasonal ? 1 : 0,
                     seasonal ? 9.0 : 10.5 + (i % 5) * 1.25});
    }
    PreparedStatement centre(m_db, QStringLiteral("INSERT INTO Centri (Codice, Descrizione, "
                                                  "Campo, Macchina, SupAnno) VALUES (?, ?, ?, "
                                                  "?, ?)"));
    PreparedStatement field(m_db, QStringLiteral("INSERT INTO Campi (Codice, Descrizione, "
                                                 "[Località], Centro, Superficie, Anno) "
                                                 "VALUES (?, ?, ?, ?, ?, ?)"));
    for (int c = 0; c < m_size.crops; ++c) {
        double surface = 0;
        for (int f = c * m_size.fieldsPerCrop; f < (c + 1) * m_size.fieldsPerCrop; ++f) {
            const double hectares = fieldHectares(f);
            surface += hectares;
            // The fields are registered again every year.
            for (int year = firstYear; year < firstYear + years; ++year)
                field.exec({fieldCode(f), FarmNames::field(f),
                            QStringLiteral("Loc. %1").arg(FarmNames::field(f)), c + 1, hectares,
                            year});
        }
        centre.exec({c + 1, FarmNames::crop(c), 1, 0, roundToCents(surface)});
    }
    for (int i = 0; i < m_size.machines; ++i)
        centre.exec({machineCode(i), FarmNames::machine(i), 0, 1, FarmNames::machineYear(i)});
    for (int i = 0; i < m_size.others; ++i)
        centre.exec({otherCode(i), FarmNames::otherCentre(i), 0, 0, 0});
    PreparedStatement operation(
        m_db, QStringLiteral("INSERT INTO Operazioni (Codice, Descrizione) VALUES (?, ?)"));
    for (int i = 0; i < m_size.operations; ++i)
        operation.exec({i + 1, FarmNames::operation(i)});
    PreparedStatement item(m_db, QStringLiteral("INSERT INTO Articoli (Codice, Descrizione, "
                                                "UnMis, [Costo Unitario], [Stampa Quaderno]) "
                                                "VALUES (?, ?, ?, ?, ?)"));
    for (int i = 0; i < m_size.items; ++i) {
        const ItemKind &kind = Items[i % Items.size()];
        const int round = i / int(Items.size());
        const QString name = QString::fromUtf8(kind.name);
        item.exec(
            {i + 1, round == 0 ? name : QStringLiteral("%1 %2").arg(name).arg(round + 1),
             QString::fromUtf8(kind.unit), kind.unitPrice,
             kind.group == ItemGroup::Treatment || kind.group == ItemGroup::Herbicide ? 1 : 0});
    }
    seedRecordCodes();
}

// The codes a complete treatment record names, on a database that has their columns: the
// crops' EPPO codes, the products' authorisation numbers, the fields' parcels.
void FarmGenerator::seedRecordCodes()
{
    if (SchemaUpgrade::hasColumn(m_db, SchemaUpgrade::CentresTable, SchemaUpgrade::EppoColumn)) {
        PreparedStatement eppo(m_db, QStringLiteral("UPDATE Centri SET [%1] = ? WHERE Codice = ?")
                                         .arg(SchemaUpgrade::EppoColumn));
        for (int c = 0; c < m_size.crops; ++c)
            eppo.exec({FarmNames::cropEppoCode(c), c + 1});
    }
    if (SchemaUpgrade::hasColumn(m_db, SchemaUpgrade::ItemsTable,
                                 SchemaUpgrade::AuthorisationColumn)) {
        PreparedStatement number(m_db,
                                 QStringLiteral("UPDATE Articoli SET [%1] = ? WHERE Codice = ?")
                                     .arg(SchemaUpgrade::AuthorisationColumn));
        for (int i = 0; i < m_size.items; ++i) {
            const QString registration = QString::fromLatin1(Items[i % Items.size()].registration);
            if (!registration.isEmpty())
                number.exec({registration, i + 1});
        }
    }
    if (SchemaUpgrade::hasColumn(m_db, TreatmentColumns::FieldsTable, TreatmentColumns::Geometry)) {
        PreparedStatement parcel(
            m_db, QStringLiteral("UPDATE Campi SET [%1] = ?, [%2] = ?, [%3] = ?, [%4] = ?, "
                                 "[%5] = ? WHERE Codice = ?")
                      .arg(TreatmentColumns::ParcelId, TreatmentColumns::Municipality,
                           TreatmentColumns::Sheet, TreatmentColumns::CadastralParcel,
                           TreatmentColumns::Geometry));
        const QString municipality = QString::fromLatin1(Municipality);
        for (int f = 0; f < m_size.crops * m_size.fieldsPerCrop; ++f) {
            const QString sheet = QString::number(12 + f / GridColumns);
            const QString number = QString::number(101 + 3 * f);
            parcel.exec({QStringLiteral("IT-%1-%2-%3").arg(municipality, sheet, number),
                         municipality, sheet, number, fieldOutline(f, fieldHectares(f)),
                         fieldCode(f)});
        }
    }
}

qint64 FarmGenerator::card(const QDate &day, QRandomGenerator &random, int works)
{
    // Temperatures follow the season, coldest in mid January.
    const double season = std::cos(2.0 * M_PI * (day.dayOfYear() - 15) / 365.0);
    const double maximum = std::round(21.0 - 11.0 * season + random.bounded(7) - 3);
    const double minimum = maximum - 7 - random.bounded(5);
    const bool rainy = random.bounded(100) < 25 + int(10 * season);
    const double rain = rainy ? 1 + random.bounded(30) : 0;
    // Fog only in the cold months.
    const int skyChoices = season > 0.3 ? int(skies().size()) : int(skies().size()) - 1;
    const QString sky = rainy ? QStringLiteral("Pioggia") : skies().at(random.bounded(skyChoices));
    const QString wind = winds().at(random.bounded(4));
    const QString chief = m_size.workers > 0 ? FarmNames::worker(0) : QString();
    const qint64 cardId = m_card.insert(
        {DbDate::toText(QDateTime(day, QTime(8, 0))), rain, maximum, minimum, sky, wind, chief});
    for (int w = 0; w < works; ++w)
        work(random, cardId, day.month());
    return cardId;
}

void FarmGenerator::work(QRandomGenerator &random, qint64 cardId, int month)
{
    QList<const WorkKind *> season;
    for (const WorkKind &kind : Calendar) {
        if (inSeason(kind, month))
            season.append(&kind);
    }
    const WorkKind &kind = *season.at(random.bounded(int(season.size())));
    const Booking booking = kind.where == Where::Field     ? bookOnField(random)
                            : kind.where == Where::Crop    ? bookOnCrop(random)
                            : kind.where == Where::Machine ? bookOnMachine(random)
                                                           : bookOnOther(random);
    const int tractor = kind.tractor == 0 ? 0 : machineAt(kind.crawler ? 1 : 0);
    const int implement = kind.tractor == 0 ? 0 : machineAt(kind.tractor - 1);
    const double regular = 2 + random.bounded(7);
    const double overtime = random.bounded(8) == 0 ? 1 + random.bounded(2) : 0;
    const int worker = m_size.workers > 0 ? 1 + random.bounded(m_size.workers) : 0;
    const int operation = m_size.operations > 0 ? 1 + kind.operation % m_size.operations : 0;
    const qint64 work =
        m_work.insert({cardId, worker, regular, overtime, int(booking.type), booking.centre,
                       booking.field, operation, tractor, implement == tractor ? 0 : implement});

    int item = -1;
    double quantity = 0;
    if (kind.items == ItemGroup::Product) {
        item = FirstProduct + (booking.crop - 1) % Products;
        // A field's harvest is sold a few lots at a time.
        quantity = kind.movementType == MovementType::Sale ? 5 + random.bounded(30)
                                                           : 20 + random.bounded(100);
    } else if (kind.items != ItemGroup::None) {
        item = pick(random, kind.items);
        quantity =
            kind.items == ItemGroup::Fuel ? 100 + 50 * random.bounded(8) : 1 + random.bounded(12);
    }
    if (item >= m_size.items)
        item = -1;
    if (item < 0) {
        // Every work has its movement row; a work without goods has an empty one.
        m_movement.exec({work, int(booking.type), booking.centre, booking.field, 0, 0, 0.0, 0.0,
                         QString(), QString(), QString(), QString()});
        return;
    }
    const ItemKind &goods = Items[item];
    const QString document =
        kind.movementType == MovementType::Purchase || kind.movementType == MovementType::Sale
            ? QStringLiteral("DDT %1").arg(1 + random.bounded(900))
            : QString();
    const qint64 movement = m_movement.insert(
        {work, int(booking.type), booking.centre, booking.field, int(kind.movementType), item + 1,
         roundToCents(quantity * goods.unitPrice), quantity,
         booking.type == CentreKind::Field ? phase(kind.movementType, month) : QString(),
         QString::fromUtf8(goods.unit), QString::fromUtf8(goods.adversity), document});
    const bool printed = goods.group == ItemGroup::Treatment || goods.group == ItemGroup::Herbicide;
    if (m_treatments && printed && kind.movementType == MovementType::Processing &&
        (booking.type == CentreKind::Field || booking.type == CentreKind::Crop))
        recordTreatment(movement, work, booking, month);
}

// What the application records, drawn from the work's key so that the farm's random draws
// stay those of a farm without it: every fourth treatment covers half of its field, the
// others the whole; the stage follows the month; the time falls in the early morning.
void FarmGenerator::recordTreatment(qint64 movement, qint64 work, const Booking &booking, int month)
{
    QVariant area;
    if (booking.type == CentreKind::Field && work % 4 == 0)
        area = roundToCents(fieldHectares(booking.field - fieldCode(0)) / 2.0);
    const QString time = QStringLiteral("%1:%2")
                             .arg(6 + work % 5, 2, 10, QLatin1Char('0'))
                             .arg(work * 15 % 60, 2, 10, QLatin1Char('0'));
    m_db.execute(QStringLiteral("UPDATE Magazzino SET [%1] = ?, [%2] = ?, [%3] = ? WHERE "
                                "IDBolla = ?")
                     .arg(TreatmentColumns::TreatedArea, TreatmentColumns::BbchStage,
                          TreatmentColumns::ApplicationTime),
                 {area, bbchStage(month), time, movement});
}

FarmGenerator::Booking FarmGenerator::bookOnField(QRandomGenerator &random) const
{
    const int fields = m_size.crops * m_size.fieldsPerCrop;
    if (fields == 0)
        return bookOnOther(random);
    const int f = random.bounded(fields);
    const int crop = 1 + f / m_size.fieldsPerCrop;
    return {CentreKind::Field, crop, fieldCode(f), crop};
}

FarmGenerator::Booking FarmGenerator::bookOnCrop(QRandomGenerator &random) const
{
    if (m_size.crops == 0)
        return bookOnOther(random);
    const int crop = 1 + random.bounded(m_size.crops);
    return {CentreKind::Crop, crop, 0, crop};
}

FarmGenerator::Booking FarmGenerator::bookOnMachine(QRandomGenerator &random) const
{
    if (m_size.machines == 0)
        return bookOnOther(random);
    return {CentreKind::Machine, machineCode(random.bounded(m_size.machines)), 0, 0};
}

FarmGenerator::Booking FarmGenerator::bookOnOther(QRandomGenerator &random) const
{
    if (m_size.others == 0)
        return {CentreKind::None, 0, 0, 0};
    return {CentreKind::Other, otherCode(random.bounded(m_size.others)), 0, 0};
}

int FarmGenerator::machineAt(int i) const
{
    return m_size.machines > 0 ? machineCode(i % m_size.machines) : 0;
}
