#pragma once

#include <QString>
#include <QVariantList>

// One SQL statement with its bound values.
struct RegistryStatement
{
    QString sql;
    QVariantList params;
};
