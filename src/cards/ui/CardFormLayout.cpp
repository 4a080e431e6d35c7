#include "CardFormLayout.h"

#include "SpinField.h"
#include "base/WorkingPeriod.h"
#include "base/ui/TypedDateEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString plainName(const QString &label)
{
    QString name = label;
    name.remove(QLatin1Char(':'));
    return name.trimmed();
}

QLabel *labelFor(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// The bottom block stays this far from the right and bottom edges; the work list ends this
// far above it.
constexpr int edgeMargin = 10;
constexpr int listGap = 5;
// The weather texts get room for a few words, the absences for a list of names.
constexpr int weatherWidth = 200;
constexpr int peopleWidth = 260;

} // namespace

CardFormLayout::CardFormLayout(QWidget &view, QWidget &list)
{
    auto *layout = new QVBoxLayout(&view);
    layout->setContentsMargins(edgeMargin, edgeMargin, edgeMargin, edgeMargin);
    layout->setSpacing(listGap);
    layout->addWidget(buildTopBlock(view), 0, Qt::AlignLeft);
    layout->addWidget(&list, 1);
    layout->addWidget(buildBottomBlock(view), 0, Qt::AlignRight);
}

void CardFormLayout::addField(int column, QWidget &parent)
{
    const CardForm::Field &field = CardForm::field(column);
    QLineEdit *edit = nullptr;
    if (field.kind == CardForm::Kind::Number) {
        auto *spin = new SpinField(field, &parent);
        m_spins.insert(column, spin);
        edit = spin->lineEdit();
    } else {
        edit = new QLineEdit(&parent);
    }
    edit->setAccessibleName(plainName(CardForm::tr(field.label)));
    m_texts.insert(column, edit);
}

QWidget *CardFormLayout::controlOf(int column) const
{
    if (SpinField *spin = m_spins.value(column))
        return spin;
    return m_texts.value(column);
}

QWidget *CardFormLayout::buildTopBlock(QWidget &view)
{
    auto *block = new QWidget(&view);
    auto *grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);

    m_date = new TypedDateEdit(block);
    m_date->setCalendarPopup(true);
    m_date->setSpecialValueText(QStringLiteral(" "));
    m_date->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    m_date->setAccessibleName(plainName(CardForm::tr(CardForm::dateLabel())));
    for (int column : {CSchedaSet::Tempo, CSchedaSet::TempMax, CSchedaSet::Pioggia,
                       CSchedaSet::Vento, CSchedaSet::TempMin})
        addField(column, *block);

    // Each field with its label before it and its unit after it, on two rows.
    struct Place
    {
        int column;
        int row;
        int at;
        const char *unit;
    };
    const Place places[] = {
        {CSchedaSet::Tempo, 0, 3, nullptr},
        {CSchedaSet::TempMax, 0, 5, QT_TR_NOOP("°C")},
        {CSchedaSet::Pioggia, 1, 0, QT_TR_NOOP("mm")},
        {CSchedaSet::Vento, 1, 3, nullptr},
        {CSchedaSet::TempMin, 1, 5, QT_TR_NOOP("°C")},
    };
    grid->addWidget(labelFor(CardForm::tr(CardForm::dateLabel()), m_date, block), 0, 0);
    grid->addWidget(m_date, 0, 1);
    for (const Place &place : places) {
        grid->addWidget(labelFor(CardForm::tr(CardForm::field(place.column).label),
                                 m_texts[place.column], block),
                        place.row, place.at);
        grid->addWidget(controlOf(place.column), place.row, place.at + 1);
        if (place.unit)
            grid->addWidget(new QLabel(tr(place.unit), block), place.row, place.at + 2);
    }
    for (int column : {CSchedaSet::Tempo, CSchedaSet::Vento})
        m_texts[column]->setMinimumWidth(weatherWidth);
    // Wide enough for the longest long-format date, so the weekday and year are never cut off.
    const QString longest = QLocale().toString(QDate(2026, 9, 30), QLocale::LongFormat);
    m_date->setMinimumWidth(
        qMax(weatherWidth, m_date->fontMetrics().horizontalAdvance(longest) + 40));
    return block;
}

QWidget *CardFormLayout::buildBottomBlock(QWidget &view)
{
    auto *block = new QWidget(&view);
    auto *grid = new QGridLayout(block);
    grid->setContentsMargins(0, 0, 0, 0);
    const int left[] = {CSchedaSet::Assenti, CSchedaSet::Ferie, CSchedaSet::Permesso};
    const int right[] = {CSchedaSet::Malattia, CSchedaSet::Infortunio, CSchedaSet::Fattore};
    for (int row = 0; row < 3; ++row) {
        for (int side = 0; side < 2; ++side) {
            const int column = side == 0 ? left[row] : right[row];
            addField(column, *block);
            m_texts[column]->setFixedWidth(peopleWidth);
            grid->addWidget(
                labelFor(CardForm::tr(CardForm::field(column).label), m_texts[column], block), row,
                side * 2);
            grid->addWidget(m_texts[column], row, side * 2 + 1);
        }
    }
    return block;
}

void CardFormLayout::show(const CardForm::Input &input, bool hasCard, bool writable)
{
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it) {
        it.value()->setText(input.texts.value(it.key()));
        it.value()->setEnabled(hasCard);
        it.value()->setReadOnly(!writable);
    }
    for (SpinField *spin : std::as_const(m_spins))
        spin->setEnabled(writable);
    m_date->setEnabled(writable);
    // Without a card the field stands at its lowest day, which it shows as blank.
    m_date->setDateTime(hasCard ? input.date : m_date->minimumDateTime());
}

CardForm::Input CardFormLayout::input() const
{
    CardForm::Input input;
    input.date = m_date->dateTime();
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it)
        input.texts.insert(it.key(), it.value()->text());
    return input;
}

void CardFormLayout::setPeriod(const WorkingPeriod &period, const QDate &today)
{
    if (period.start.isValid() && period.end.isValid())
        m_date->setCompletionYear(qBound(period.start.year(), today.year(), period.end.year()));
}

void CardFormLayout::focusField(int column)
{
    if (column == CSchedaSet::Data) {
        m_date->setFocus(Qt::OtherFocusReason);
        m_date->selectAll();
    } else if (QLineEdit *edit = m_texts.value(column)) {
        edit->setFocus();
        edit->selectAll();
    }
}
