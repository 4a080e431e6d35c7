#pragma once

#include "ListReport.h"
#include "ReportContext.h"

#include <QCoreApplication>

// The layouts of the registry lists the card view prints: workers, machines, crop centres,
// other centres, fields, operations and items.
class RegistryLists
{
    Q_DECLARE_TR_FUNCTIONS(RegistryLists)

public:
    static ListLayout workers(const ReportContext &context);
    static ListLayout machines(const ReportContext &context);
    static ListLayout crops(const ReportContext &context);
    static ListLayout others(const ReportContext &context);
    static ListLayout fields(const ReportContext &context);
    static ListLayout operations(const ReportContext &context);
    static ListLayout items(const ReportContext &context);

private:
    static ListLayout centres(const ReportContext &context, const QString &title,
                              const QString &condition, bool machines);
};
