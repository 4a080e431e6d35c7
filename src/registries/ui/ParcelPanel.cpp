#include "ParcelPanel.h"

#include "base/FolderChoice.h"
#include "base/Prompter.h"
#include "registries/ParcelGeometry.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString plainName(QString label)
{
    label.remove(QLatin1Char('&'));
    label.remove(QLatin1Char(':'));
    return label.trimmed();
}

} // namespace

ParcelPanel::ParcelPanel(Prompter &prompter, QWidget *parent)
    : QGroupBox(tr("Parcel"), parent), m_prompter(prompter)
{
    auto *grid = new QGridLayout(this);
    auto addEdit = [this, grid](const QString &label, int row, int column, int limit) {
        auto *edit = new QLineEdit(this);
        edit->setMaxLength(limit);
        auto *caption = new QLabel(label, this);
        caption->setBuddy(edit);
        edit->setAccessibleName(plainName(label));
        grid->addWidget(caption, row, column);
        grid->addWidget(edit, row, column + 1);
        return edit;
    };
    m_id = addEdit(tr("Parcel identifier :"), 0, 0, RegistryForm::MaxParcelId);
    m_municipality = addEdit(tr("Municipality code :"), 0, 2, RegistryForm::MaxMunicipality);
    m_sheet = addEdit(tr("Sheet :"), 1, 0, RegistryForm::MaxSheet);
    m_cadastralParcel = addEdit(tr("Cadastral parcel :"), 1, 2, RegistryForm::MaxCadastralParcel);

    m_outline = new QPlainTextEdit(this);
    m_outline->setTabChangesFocus(true);
    m_outline->setPlaceholderText(tr("GeoJSON Polygon or MultiPolygon in WGS84"));
    m_outline->setMaximumHeight(m_outline->fontMetrics().lineSpacing() * 4 + 12);
    auto *outlineLabel = new QLabel(tr("Outline :"), this);
    outlineLabel->setBuddy(m_outline);
    m_outline->setAccessibleName(plainName(outlineLabel->text()));
    m_import = new QPushButton(tr("Import outline..."), this);
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    grid->addWidget(outlineLabel, 2, 0);
    grid->addWidget(m_outline, 2, 1, 1, 3);
    grid->addWidget(m_import, 3, 1);
    grid->addWidget(m_summary, 3, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(m_outline, &QPlainTextEdit::textChanged, this, &ParcelPanel::updateSummary);
    connect(m_import, &QPushButton::clicked, this, &ParcelPanel::importOutline);
    setVisible(false);
}

void ParcelPanel::showTexts(const RegistryForm::Texts &texts)
{
    const RegistryForm::Parcel parcel = texts.parcel.value_or(RegistryForm::Parcel{});
    m_surfaceText = texts.number;
    m_id->setText(parcel.id);
    m_municipality->setText(parcel.municipality);
    m_sheet->setText(parcel.sheet);
    m_cadastralParcel->setText(parcel.cadastralParcel);
    m_outline->setPlainText(parcel.geometry);
    updateSummary();
}

std::optional<RegistryForm::Parcel> ParcelPanel::parcel() const
{
    if (!m_used)
        return std::nullopt;
    return RegistryForm::Parcel{m_id->text(), m_municipality->text(), m_sheet->text(),
                                m_cadastralParcel->text(), m_outline->toPlainText()};
}

void ParcelPanel::applyLayout(const RegistryForm::Layout &layout)
{
    setVisible(layout.parcelVisible);
    setEnabled(layout.parcelEnabled);
    m_used = layout.parcelVisible && layout.parcelEnabled;
}

void ParcelPanel::importOutline()
{
    const QString path =
        m_prompter.openFileName(tr("Import parcel outline"), FolderChoice::startFolder(),
                                tr("Parcel outlines (*.geojson *.json *.kml);;All files (*)"), {});
    if (path.isEmpty())
        return;
    QString error;
    const std::optional<ParcelGeometry> outline =
        ParcelGeometry::fromFile(QDir::toNativeSeparators(path), &error);
    if (!outline) {
        m_prompter.warning(error);
        return;
    }
    m_outline->setPlainText(outline->toGeoJson());
}

void ParcelPanel::updateSummary()
{
    m_summary->setText(RegistryForm::outlineSummary(m_outline->toPlainText(), m_surfaceText));
}
