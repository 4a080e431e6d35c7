#pragma once

#include "Report.h"
#include "ReportContext.h"

#include <QCoreApplication>
#include <optional>

class QSqlQuery;

// The current work card with all its works, 8 works per page: each work a block of four lines
// (worker and hours; centre and operation; machines; stock movement) closed by a dotted rule.
class WorkCardReport : public Report
{
    Q_DECLARE_TR_FUNCTIONS(WorkCardReport)

public:
    static constexpr int WorksPerPage = 8;

    explicit WorkCardReport(const ReportContext &context);

    int countPages(Progress &progress) override;
    void drawPage(PageSurface &surface, int page, int pageCount) override;
    // One row per work: the card's day, then the cells of the work's four lines.
    QStringList tableColumns() const override;
    QList<QVariantList> tableRows(int page, int pageCount) override;

    // The short name of a movement type (Tipo Bolla); empty for an unknown type.
    static QString movementTypeName(int type);

private:
    // The first movement of a work, as its card shows it.
    struct Movement
    {
        int type = 0;
        int item = 0;
        QString itemName;
        QString stage;
        QString unit;
        double quantity = 0;
    };

    QSqlQuery pageWorks(int page);
    std::optional<Movement> movementOf(int workId) const;
    QString workerName(const QSqlQuery &work) const;
    QString operationName(const QSqlQuery &work) const;
    QString machineName(int code) const;
    void drawHeadings(PageSurface &surface) const;
    void drawWork(PageSurface &surface, int top, const QSqlQuery &work) const;
    void drawMovement(PageSurface &surface, int y, int workId) const;
    QString centreName(const QSqlQuery &work) const;
    QString lookUp(const QString &sql, const QVariantList &params) const;

    ReportContext m_context;
    QDateTime m_cardDate;
};
