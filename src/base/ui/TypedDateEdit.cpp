#include "TypedDateEdit.h"

#include "base/DateText.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolTip>

namespace {

bool isPrintable(const QKeyEvent *event)
{
    // Some keyboards report AltGr as Ctrl and Alt together; the character it gives is typed.
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held && held != (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

// Keys that only change what the next key gives (Shift for "/" on an Italian keyboard, AltGr,
// a dead accent) or switch a lock: none of them is a step of the typing.
bool onlyChangesOtherKeys(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch:
    case Qt::Key_Multi_key:
        return true;
    default:
        return key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;
    }
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

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
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

TypedDateEdit::TypedDateEdit(QWidget *parent)
    : QDateTimeEdit(parent), m_completionYear(QDate::currentDate().year())
{
}

QString TypedDateEdit::numericFormat() const
{
    const QString shown = displayFormat();
    if (shown.contains(QStringLiteral("MMM")))
        return withFullYear(locale().dateFormat(QLocale::ShortFormat));
    return shown;
}

QStringList TypedDateEdit::typedFormats() const
{
    const QString shown = displayFormat();
    QStringList formats{shown, withoutLeadingZeros(shown), withoutWeekday(shown)};
    formats << numericFormat() << withoutLeadingZeros(numericFormat());
    formats.removeDuplicates();
    return formats;
}

QDate TypedDateEdit::typedDate(const QString &text) const
{
    const QString typed = text.simplified();
    const QDate numeric = ReadNumericDate(typed, numericFormat(), m_completionYear);
    if (numeric.isValid())
        return numeric;
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
    if (m_typing && onlyChangesOtherKeys(event->key())) {
        event->accept();
        return;
    }
    if (isPrintable(event) && !isReadOnly()) {
        if (!m_typing) {
            m_typing = true;
            m_beforeTyping = dateTime();
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
    if (m_typing && event->key() == Qt::Key_Escape) {
        // The first Escape takes back the typing; the next one reaches the dialog.
        cancelTyping();
        event->accept();
        return;
    }
    if (m_typing && isEnter(event->key()) && !finishTyping(true)) {
        // Enter must not confirm a dialog with a date the user did not mean.
        event->accept();
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

void TypedDateEdit::cancelTyping()
{
    m_typing = false;
    // A date on the way may have been taken while typing; the one before the typing comes
    // back, written again in the field's own format.
    setDateTime(m_beforeTyping);
}

bool TypedDateEdit::finishTyping(bool keepRefused)
{
    if (!m_typing)
        return true;
    const QString typed = lineEdit()->text().simplified();
    const QDate day = typedDate(typed);
    if (day.isValid() && isInRange(day)) {
        m_typing = false;
        setDateTime(QDateTime(day, time()));
        return true;
    }
    // A field the user emptied again holds what it held.
    if (typed.isEmpty()) {
        cancelTyping();
        return true;
    }
    QString message = refusal(typed, day);
    if (keepRefused) {
        // The field holds the date it held before; the text stays to be mended.
        const QString typedText = lineEdit()->text();
        setDateTime(m_beforeTyping);
        lineEdit()->setText(typedText);
        lineEdit()->selectAll();
    } else {
        cancelTyping();
        message += QLatin1Char(' ') + tr("The field keeps %1.").arg(text());
    }
    if (isVisible())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), message, this);
    emit typingRefused(message);
    return false;
}

QString TypedDateEdit::refusal(const QString &typed, const QDate &day) const
{
    const QString format = numericFormat();
    if (day.isValid()) {
        return tr("%1 lies outside the dates this field takes, %2 to %3.")
            .arg(locale().toString(day, format), locale().toString(minimumDate(), format),
                 locale().toString(maximumDate(), format));
    }
    const QDate example(m_completionYear, 3, 16);
    return tr("\"%1\" is not a date; type it like %2.")
        .arg(typed, locale().toString(example, format));
}

QValidator::State TypedDateEdit::validate(QString &text, int &pos) const
{
    if (!m_typing)
        return QDateTimeEdit::validate(text, pos);
    // A text that is no date yet stays as typed; the field's own reading would put the previous
    // date back over it.
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
