#include "EuRecordReport.h"

#include "PageSurface.h"
#include "ReportText.h"
#include "base/NumberText.h"

#include <QLocale>

namespace {

constexpr int Left = 50;
constexpr int Right = 2750;
// A cell's text starts a little after its column's left edge and ends before the next one.
constexpr int Inset = 8;
// An estimate of the widest average letter of the row font in page units, so that the layout
// (and so the page count) does not depend on the fonts installed; a line that still runs long
// is cut where it is drawn.
constexpr int LetterWidth = 16;

struct Column
{
    int width;
    const char *heading;
    const char *secondHeading;
};

const Column Columns[] = {
    {190, QT_TRANSLATE_NOOP("EuRecordReport", "Date"), QT_TRANSLATE_NOOP("EuRecordReport", "Time")},
    {400, QT_TRANSLATE_NOOP("EuRecordReport", "Product"),
     QT_TRANSLATE_NOOP("EuRecordReport", "Authorisation no.")},
    {240, QT_TRANSLATE_NOOP("EuRecordReport", "Quantity"), nullptr},
    {160, QT_TRANSLATE_NOOP("EuRecordReport", "Treated"),
     QT_TRANSLATE_NOOP("EuRecordReport", "area (ha)")},
    {260, QT_TRANSLATE_NOOP("EuRecordReport", "Dose per ha"), nullptr},
    {300, QT_TRANSLATE_NOOP("EuRecordReport", "Crop"),
     QT_TRANSLATE_NOOP("EuRecordReport", "EPPO code")},
    {110, QT_TRANSLATE_NOOP("EuRecordReport", "BBCH"), nullptr},
    {250, QT_TRANSLATE_NOOP("EuRecordReport", "Adversity"), nullptr},
    {270, QT_TRANSLATE_NOOP("EuRecordReport", "Field"), nullptr},
    {360, QT_TRANSLATE_NOOP("EuRecordReport", "Parcel reference"), nullptr},
    {160, QT_TRANSLATE_NOOP("EuRecordReport", "Missing"), nullptr},
};
constexpr int ColumnCount = int(std::size(Columns));
static_assert(Left + 190 + 400 + 240 + 160 + 260 + 300 + 110 + 250 + 270 + 360 + 160 == Right);

const PageFont RowFont{QStringLiteral("Arial"), 8, PageFont::Normal};
const PagePen GridPen{PagePen::Style::Solid, 1, QColor(192, 192, 192)};

QString hectares(double value)
{
    return QLocale().toString(value, 'f', 4);
}

QString shortGap(TreatmentRecord::Gap gap)
{
    using Gap = TreatmentRecord::Gap;
    switch (gap) {
    case Gap::AuthorisationNumber:
        return EuRecordReport::tr("authorisation no.");
    case Gap::EppoCode:
    case Gap::EppoCodeForm:
        return EuRecordReport::tr("EPPO code");
    case Gap::TreatedArea:
    case Gap::AreaAboveParcel:
        return EuRecordReport::tr("treated area");
    case Gap::BbchStage:
        return EuRecordReport::tr("BBCH stage");
    case Gap::ApplicationTime:
        return EuRecordReport::tr("time");
    case Gap::ParcelReference:
        return EuRecordReport::tr("parcel reference");
    }
    return {};
}

int heightOf(int lines)
{
    return lines * EuRecordReport::LineStep + EuRecordReport::RowPadding;
}

int linesOf(const QList<QStringList> &cells)
{
    qsizetype lines = 1;
    for (const QStringList &cell : cells)
        lines = qMax(lines, cell.size());
    return int(lines);
}

} // namespace

EuRecordReport::EuRecordReport(const ReportContext &context) : m_context(context) {}

QStringList EuRecordReport::wrap(const QString &text, int width)
{
    const int letters = qMax(1, (width - 2 * Inset) / LetterWidth);
    QStringList lines;
    QString line;
    const auto flush = [&] {
        if (!line.isEmpty())
            lines << line;
        line.clear();
    };
    for (QString word : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() <= letters) {
            line += QLatin1Char(' ') + word;
            continue;
        }
        flush();
        while (word.size() > letters) {
            lines << word.left(letters);
            word.remove(0, letters);
        }
        line = word;
    }
    flush();
    if (lines.size() > MaxCellLines) {
        lines = lines.mid(0, MaxCellLines);
        lines.last() = ReportText::cut(lines.last() + QStringLiteral("..."), letters, letters - 3);
    }
    return lines;
}

QList<QStringList> EuRecordReport::cellsOf(const TreatmentRecord::Treatment &treatment)
{
    const auto cell = [](int column, const QStringList &texts) {
        QStringList lines;
        for (const QString &text : texts)
            lines << wrap(text, Columns[column].width);
        return lines;
    };
    const TreatmentRecord::Parcel &parcel = treatment.parcel;
    QStringList reference;
    if (!parcel.nationalId.isEmpty())
        reference << parcel.nationalId;
    if (parcel.hasCadastralReference())
        reference << tr("Municipality %1, sheet %2, parcel %3")
                         .arg(parcel.municipality, parcel.sheet, parcel.cadastralParcel);
    if (!parcel.geometry.isEmpty())
        reference
            << tr("geometry (%1)").arg(parcel.geometry.value(QStringLiteral("type")).toString());
    QStringList missing;
    for (const TreatmentRecord::Gap gap : treatment.gaps())
        if (!missing.contains(shortGap(gap)))
            missing << shortGap(gap);
    const QString unit = treatment.unit.trimmed();
    const QString withUnit = unit.isEmpty() ? QStringLiteral("%1") : QStringLiteral("%1 ") + unit;
    return {
        cell(0, {ReportText::date(treatment.date), treatment.time}),
        cell(1, {treatment.product, treatment.authorisationNumber}),
        cell(2, {withUnit.arg(FormatNumber(treatment.quantity, false))}),
        cell(3, {treatment.treatedArea ? hectares(*treatment.treatedArea) : QString()}),
        cell(4, {treatment.dosePerHectare
                     ? tr("%1/ha").arg(withUnit.arg(FormatNumber(*treatment.dosePerHectare, false)))
                     : QString()}),
        cell(5, {treatment.crop, treatment.eppoCode}),
        cell(6, {treatment.bbchStage}),
        cell(7, {treatment.adversity}),
        cell(8, {treatment.fieldCode > 0 ? TreatmentRecord::placeOf(treatment) : QString()}),
        cell(9, reference),
        cell(10, {missing.join(QStringLiteral(", "))}),
    };
}

QList<int> EuRecordReport::pageStarts(const QList<int> &lines)
{
    QList<int> starts;
    int room = 0;
    for (int row = 0; row < lines.size(); ++row) {
        const int height = heightOf(lines.at(row));
        if (starts.isEmpty() || height > room) {
            starts << row;
            room = BodyTop - BodyBottom;
        }
        room -= height;
    }
    return starts;
}

int EuRecordReport::countPages(Progress &)
{
    m_record.emplace(m_context.db, m_context.period,
                     TreatmentRecord::Company::of(m_context.company));
    m_rows.clear();
    QList<int> lines;
    for (const TreatmentRecord::Treatment &treatment : m_record->treatments()) {
        m_rows << cellsOf(treatment);
        lines << linesOf(m_rows.last());
    }
    m_starts = pageStarts(lines);
    return int(m_starts.size());
}

QString EuRecordReport::noDataMessage() const
{
    return tr("There are no treatments with register products in the period.");
}

void EuRecordReport::drawHeading(PageSurface &surface) const
{
    const TreatmentRecord::Company &company = m_record->company();
    surface.selectFont({QStringLiteral("Arial"), 12, PageFont::Bold});
    surface.drawCenteredText(Left, -100, Right, -150, tr("Treatment record (EU)"));
    surface.selectFont({QStringLiteral("Arial"), 10, PageFont::Normal});
    const QString identity = company.taxCode.isEmpty()
                                 ? company.name
                                 : tr("%1 - tax code %2").arg(company.name, company.taxCode);
    ReportText::drawCenteredTitle(surface, Left, -160, Right, -200, identity, company.name);
    surface.drawCenteredText(
        Left, -205, Right, -245,
        tr("From %1 To %2")
            .arg(ReportText::date(m_context.period.start), ReportText::date(m_context.period.end)));
    surface.selectFont(RowFont.withWeight(PageFont::Bold));
    int x = Left;
    for (const Column &column : Columns) {
        ReportText::drawFitted(surface, x + Inset, -262, x + column.width - Inset,
                               tr(column.heading));
        if (column.secondHeading)
            ReportText::drawFitted(surface, x + Inset, -262 - LineStep, x + column.width - Inset,
                                   tr(column.secondHeading));
        x += column.width;
    }
}

void EuRecordReport::drawPage(PageSurface &surface, int page, int pageCount)
{
    // The pages exist once they are counted.
    if (!m_record)
        return;
    const PageFont previousFont = surface.currentFont();
    const PagePen previousPen = surface.selectPen(GridPen);
    drawHeading(surface);
    surface.drawLine(Left, -250, Right, -250);
    surface.drawLine(Left, BodyTop, Right, BodyTop);

    surface.selectFont(RowFont);
    const int first = m_starts.value(page - 1);
    const int last = page < m_starts.size() ? m_starts.at(page) : int(m_rows.size());
    int top = BodyTop;
    for (int row = first; row < last; ++row) {
        const QList<QStringList> &cells = m_rows.at(row);
        int x = Left;
        for (int column = 0; column < ColumnCount; ++column) {
            const QStringList &lines = cells.at(column);
            for (int line = 0; line < lines.size(); ++line)
                ReportText::drawFitted(surface, x + Inset, top - RowPadding / 2 - line * LineStep,
                                       x + Columns[column].width - Inset, lines.at(line));
            x += Columns[column].width;
        }
        top -= heightOf(linesOf(cells));
        surface.drawLine(Left, top, Right, top);
    }
    int x = Left;
    for (int column = 0; column <= ColumnCount; ++column) {
        surface.drawLine(x, -250, x, top);
        if (column < ColumnCount)
            x += Columns[column].width;
    }
    surface.selectFont({QStringLiteral("Arial"), 9, PageFont::Normal});
    surface.drawCenteredText(Left, -1900, Right, -1940, ReportText::pageOf(page, pageCount));
    surface.selectFont(previousFont);
    surface.selectPen(previousPen);
}

QStringList EuRecordReport::tableColumns() const
{
    QStringList names = TreatmentRecord::fieldNames();
    names.removeAll(QStringLiteral("parcel_geometry"));
    return names;
}

QList<QVariantList> EuRecordReport::tableRows(int page, int)
{
    QList<QVariantList> table;
    if (!m_record)
        return table;
    const QStringList names = TreatmentRecord::fieldNames();
    const int geometry = int(names.indexOf(QStringLiteral("parcel_geometry")));
    const int first = m_starts.value(page - 1);
    const int last = page < m_starts.size() ? m_starts.at(page) : int(m_rows.size());
    for (int row = first; row < last; ++row) {
        QVariantList cells = m_record->values(m_record->treatments().at(row));
        cells.removeAt(geometry);
        cells.last() = cells.last().toStringList().join(QLatin1Char(' '));
        table << cells;
    }
    return table;
}
