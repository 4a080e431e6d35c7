#pragma once

#include "registries/RegistryForm.h"

#include <QGroupBox>

class Prompter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The parcel part of the registry form for a field: the national parcel identifier, the
// cadastral reference (municipality code, sheet, parcel) and the outline, typed as GeoJSON or
// imported from a GeoJSON or KML file, with its area shown beside the field's surface.
class ParcelPanel : public QGroupBox
{
    Q_OBJECT

public:
    ParcelPanel(Prompter &prompter, QWidget *parent = nullptr);

    // The parcel of the texts, and the surface the outline's area is shown beside.
    void showTexts(const RegistryForm::Texts &texts);
    // What the user typed; none while the panel is hidden or disabled, so that the record keeps
    // its own parcel.
    std::optional<RegistryForm::Parcel> parcel() const;
    void applyLayout(const RegistryForm::Layout &layout);

    // Asks for a GeoJSON or KML file and shows its outline; a file that cannot be used is
    // reported and the outline shown stays.
    void importOutline();

    QLineEdit *parcelIdEdit() const { return m_id; }
    QLineEdit *municipalityEdit() const { return m_municipality; }
    QLineEdit *sheetEdit() const { return m_sheet; }
    QLineEdit *cadastralParcelEdit() const { return m_cadastralParcel; }
    QPlainTextEdit *outlineEdit() const { return m_outline; }
    QLabel *summaryLabel() const { return m_summary; }

private:
    void updateSummary();

    Prompter &m_prompter;
    // The layout shows the panel and the file has the parcel's columns.
    bool m_used = false;
    QString m_surfaceText;
    QLineEdit *m_id = nullptr;
    QLineEdit *m_municipality = nullptr;
    QLineEdit *m_sheet = nullptr;
    QLineEdit *m_cadastralParcel = nullptr;
    QPlainTextEdit *m_outline = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_import = nullptr;
};
