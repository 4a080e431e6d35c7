#include "TypedDateEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

bool isPrintable(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

bool editsTypedText(int key)
{
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// "dd/MM/yyyy" also reads "5/3/1970"; Qt's single letters take one or two digits.
QString withoutLeadingZeros(QString format)
{
    static const QRegularExpression day(QStringLiteral("(?<![dM])dd(?!d)"));
    static const QRegularExpression month(QStringLiteral("(?<!M)MM(?!M)"));
    format.replace(day, QStringLiteral("d"));
    format.replace(month, QStringLiteral("M"));
    return format;
}

QString withoutWeekday(QString format)
{
    static const QRegularExpression weekday(QStringLiteral("d{3,4}[,.]?\\s*"));
    return format.remove(weekday).trimmed();
}

QString withFullYear(QString format)
{
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

} // namespace

TypedDateEdit::TypedDateEdit(QWidget *parent) : QDateTimeEdit(parent) {}

QStringList TypedDateEdit::typedFormats() const
{
    const QString shown = displayFormat();
    QStringList formats{shown, withoutLeadingZeros(shown), withoutWeekday(shown)};
    if (shown.contains(QStringLiteral("MMM"))) {
        const QString numeric = withFullYear(locale().dateFormat(QLocale::ShortFormat));
        formats << numeric << withoutLeadingZeros(numeric);
    }
    formats.removeDuplicates();
    return formats;
}

QDate TypedDateEdit::typedDate(const QString &text) const
{
    const QString typed = text.simplified();
    for (const QString &format : typedFormats()) {
        const QDate day = locale().toDate(typed, format);
        if (day.isValid())
            return day;
    }
    return {};
}

bool TypedDateEdit::isInRange(const QDate &day) const
{
    return day >= minimumDate() && day <= maximumDate();
}

void TypedDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (isPrintable(event) && !isReadOnly()) {
        if (!m_typing) {
            m_typing = true;
            lineEdit()->selectAll();
        }
        // The line edit takes the key as it is, without the per-section editing.
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }
    if (m_typing && editsTypedText(event->key())) {
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }
    finishTyping();
    QDateTimeEdit::keyPressEvent(event);
}

void TypedDateEdit::focusOutEvent(QFocusEvent *event)
{
    finishTyping();
    QDateTimeEdit::focusOutEvent(event);
}

void TypedDateEdit::stepBy(int steps)
{
    finishTyping();
    QDateTimeEdit::stepBy(steps);
}

void TypedDateEdit::finishTyping()
{
    if (!m_typing)
        return;
    m_typing = false;
    const QDate day = typedDate(lineEdit()->text());
    // Setting the date writes it again in the field's own format; a refused text gives way to
    // the previous date.
    setDateTime(day.isValid() && isInRange(day) ? QDateTime(day, time()) : dateTime());
}

QValidator::State TypedDateEdit::validate(QString &text, int &pos) const
{
    if (!m_typing)
        return QDateTimeEdit::validate(text, pos);
    const QDate day = typedDate(text);
    return day.isValid() && isInRange(day) ? QValidator::Acceptable : QValidator::Intermediate;
}

QDateTime TypedDateEdit::dateTimeFromText(const QString &text) const
{
    if (m_typing) {
        const QDate day = typedDate(text);
        if (day.isValid())
            return QDateTime(day, time());
    }
    return QDateTimeEdit::dateTimeFromText(text);
}
