#pragma once

#include "db/FieldLimits.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class Prompter;

// The detail form of the registries: its values, the texts its controls show, which controls
// a node kind uses, and the exchange between values and texts with its validation.
class RegistryForm
{
    Q_DECLARE_TR_FUNCTIONS(RegistryForm)

public:
    // The parcel a field lies on (TreatmentColumns): the national parcel identifier, the
    // cadastral reference and the outline as a GeoJSON geometry object; empty when not given.
    struct Parcel
    {
        QString id;
        QString municipality;
        QString sheet;
        QString cadastralParcel;
        QString geometry;

        bool operator==(const Parcel &) const = default;
    };

    // What the form holds for the record shown.
    struct Values
    {
        int code = 0;
        QString description;
        double number = 0.0;
        QString place;        // the place of a field, or the unit of an item
        int relationship = 0; // 0 fixed, 1 seasonal
        bool printInNotebook = false;
        double unitCost = 0.0;
        // An item's authorisation number, or a crop centre's EPPO code.
        QString registration;
        // A field's parcel.
        Parcel parcel;
    };

    // What the controls show, in the order of the form.
    struct Texts
    {
        QString code;
        QString description;
        QString number; // control 1002: number, or an item's unit
        QString place;  // control 1003: place, or an item's unit cost
        int relationship = 0;
        bool printInNotebook = false;
        QString registration;
        // None when the screen shows no parcel: the record keeps its own.
        std::optional<Parcel> parcel = std::nullopt;
    };

    // Labels and states of the controls for one node kind.
    struct Layout
    {
        QString descriptionLabel;
        QString numberLabel;
        QString placeLabel;
        bool numberEnabled = true;
        bool placeEnabled = false;
        bool relationshipVisible = true;
        bool relationshipEnabled = false;
        bool printVisible = false;
        bool itemLayout = false;
        // The authorisation number of an item, the EPPO code of a crop centre; disabled on a
        // database that has no column for it.
        QString registrationLabel;
        bool registrationVisible = false;
        bool registrationEnabled = false;
        int registrationMaxLength = 0;
        // A field's parcel; disabled on a database that has no columns for it.
        bool parcelVisible = false;
        bool parcelEnabled = false;
    };

    // The controls whose text can be refused.
    enum class Control {
        Code,
        Description,
        Number,
        Place,
        Registration,
        ParcelId,
        Municipality,
        Sheet,
        CadastralParcel,
        Geometry
    };

    struct Error
    {
        Control control;
        QString message;
    };

    // How control 1002 shows its number.
    enum class NumberStyle { Plain, Currency, Number };

    static constexpr int MinCode = 1;
    static constexpr int MaxCode = 10000;
    static constexpr int MaxText = FieldLimits::Description;
    static constexpr int MaxUnit = FieldLimits::Unit;
    static constexpr double MaxNumber = 100000000.0;
    static constexpr int MaxAuthorisation = FieldLimits::AuthorisationNumber;
    static constexpr int MaxEppoCode = FieldLimits::EppoCode;
    static constexpr int MaxParcelId = 50;
    static constexpr int MaxMunicipality = 10;
    static constexpr int MaxSheet = 10;
    static constexpr int MaxCadastralParcel = 20;

    // The most characters the registration control takes for a node kind (0: none).
    static int registrationLimit(int kind);

    // Layout for a node kind (RegistryKey); kinds above 7 keep the given layout except the
    // description label.
    static Layout layoutFor(int kind, const Layout &current);
    static NumberStyle numberStyleFor(int kind);

    static Texts write(const Values &values, bool itemLayout, NumberStyle style);
    // Reads the texts into values; on the first invalid text leaves values unchanged and says
    // which control holds it and why.
    // kind is the node kind, which tells what the registration control holds.
    static std::optional<Error> check(const Texts &texts, bool itemLayout, Values &values,
                                      int kind = -1);
    // check() that shows the validation message and returns false on an invalid text. Every
    // number style reads back the same way.
    static bool read(const Texts &texts, bool itemLayout, NumberStyle style, Values &values,
                     Prompter &prompter, int kind = -1);

    // Reads a field's parcel texts: identifiers trimmed, the geometry checked and kept as the
    // compact GeoJSON geometry object it describes.
    static std::optional<Error> checkParcel(const Parcel &texts, Parcel &parcel);
    // What the form shows beside the outline: its area next to the surface typed, or what is
    // wrong with it.
    static QString outlineSummary(const QString &geometry, const QString &surfaceText);
};
