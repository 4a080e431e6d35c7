#include "DateText.h"

#include <QCoreApplication>

QString ShownDatePattern()
{
    //: The pattern of a date in the lists and on printed pages (Qt date format: dd day, MM
    //: month, yyyy year).
    return QCoreApplication::translate("DateText", "MM/dd/yyyy");
}
