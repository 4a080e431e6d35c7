#include "SharedPrinter.h"

#include <QPrinter>

QPrinter &SharedPrinter::printer()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}
