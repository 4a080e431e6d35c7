#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <array>
#include <optional>

// The values of one work and its movement as the work editor exchanges them, and the checks
// that the editor's fields must pass before anything is written.
class WorkEntry
{
    Q_DECLARE_TR_FUNCTIONS(WorkEntry)

public:
    // The editor's fields, in the order they are read back and checked.
    enum class Field {
        HolidayHours,
        RegularHours,
        OvertimeHours,
        WorkerCode,
        ItemCode,
        Machine1,
        Quantity,
        OperationCode,
        Machine3,
        Machine2,
        DocumentRef,
        Stage,
        Unit,
        CentreCode,
        Vat,
        Value,
        Note,
        Adversity,
        // What an application of a product records; read by readTreatment().
        TreatedArea,
        BbchStage,
        ApplicationTime
    };

    struct Error
    {
        Field field;
        QString message;
    };

    static constexpr int MaxCode = 10000;
    static constexpr int KindCount = 5;
    static constexpr int MovementTypeCount = 6;
    static constexpr int FieldKind = 2;

    int workerCode = 0;
    double regularHours = 0;
    double overtimeHours = 0;
    double holidayHours = 0;
    int operationCode = 0;
    std::array<int, 3> machineCodes{};
    int centreKind = 0;
    int centreCode = 0;
    int fieldCode = 0;
    int itemCode = 0;
    int movementType = 0;
    QString stage;
    QString documentRef;
    QString unit;
    double quantity = 0;
    double value = 0;
    double vat = 0; // a fraction: 0.22 for 22 %
    QString note;
    QString adversity;
    // What an application of a product printed in the treatment register records (see
    // TreatmentColumns): the hectares treated (none: the whole surface of the field, or of the
    // crop centre), the BBCH stage "00".."99" and the time "HH:MM" (empty: not given).
    std::optional<double> treatedArea;
    QString bbchStage;
    QString applicationTime;

    // Clears the entry for the next work of a series; the kind and movement type stay.
    void resetForNext();

    // The text a field shows for the entry.
    QString text(Field field) const;
    // Reads the fields' texts back in their order; at the first failed check the entry is
    // left as it was. centreKind and movementType come from their lists and are not read here;
    // for the field kind the code text is the field code, the centre being found from it.
    std::optional<Error> read(const QHash<Field, QString> &texts);

    // A use of a product printed in the treatment register: of an item printed in the
    // notebook, on a crop centre or a field, as a working movement or with no type chosen.
    bool isTreatment(bool itemInNotebook) const;
    // Reads the treatment's texts; surface is the hectares of the field or crop centre (0 when
    // unknown). The area must be above 0 and not above the surface; an empty area, or the
    // surface itself, is the whole surface. The time is H:MM or HH:MM from 00:00 to 23:59.
    // At a failed check the entry is left as it was.
    std::optional<Error> readTreatment(const QHash<Field, QString> &texts, double surface);
    // The treatment's values of a movement that is none.
    void clearTreatment();
    // The area's text: the treated area, or the surface when the whole is treated.
    QString treatedAreaText(double surface) const;

    // Code lists: the integer at the start of the text, 0 when there is none.
    static int leadingCode(const QString &text);
    // "Income: %1 - Tax: %2 - Total: %3" for the value and VAT texts.
    static QString summary(const QString &valueText, const QString &vatText);
    static QString kindName(int kind);
    static QString movementTypeName(int type);
};
