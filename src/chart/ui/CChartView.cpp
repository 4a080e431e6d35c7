#include "CChartView.h"

#include "ChartPrinting.h"
#include "base/DomainCodes.h"
#include "base/SettingsStore.h"
#include "base/ui/SharedPrinter.h"
#include "base/ui/WidgetPrompter.h"
#include "chart/WeatherChartPainter.h"
#include "db/Database.h"
#include "db/DbException.h"
#include "db/FarmSession.h"

#include <QPainter>

namespace {

constexpr int HelpPage = static_cast<int>(HelpTopic::ChartView);

QString companyName()
{
    return SettingsStore::readString(SettingsStore::Settings, QStringLiteral("DittaRagSoc"));
}

} // namespace

CChartView::CChartView(QWidget *parent, ViewHost &host)
    : QWidget(parent), m_host(host), m_ownPrompter(std::make_unique<WidgetPrompter>(
                                         this, [&host](int topic) { host.showHelpPage(topic); })),
      m_prompter(*m_ownPrompter)
{
    build();
}

CChartView::CChartView(QWidget *parent, ViewHost &host, Prompter &prompter)
    : QWidget(parent), m_host(host), m_prompter(prompter)
{
    build();
}

void CChartView::build()
{
    m_data.period = FarmSession::storedPeriod();
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

CChartView::~CChartView() = default;

RecordView *CChartView::create(QWidget *parent, ViewHost &host)
{
    return new CChartView(parent, host);
}

bool CChartView::isCommandEnabled(ViewCommand command) const
{
    switch (command) {
    case ViewCommand::Print:
    case ViewCommand::Preview:
    case ViewCommand::Help:
        return true;
    default:
        return false;
    }
}

void CChartView::runCommand(ViewCommand command)
{
    switch (command) {
    case ViewCommand::Print:
        print(false);
        break;
    case ViewCommand::Preview:
        print(true);
        break;
    case ViewCommand::Help:
        m_host.showHelpPage(HelpPage);
        break;
    default:
        break;
    }
}

void CChartView::setDatabase(Database *database)
{
    m_db = database;
    readCards();
}

void CChartView::ReopenCards()
{
    m_data.period = FarmSession::storedPeriod();
    readCards();
}

void CChartView::ApplyWorkingPeriod(const WorkingPeriod &period)
{
    m_data.period = period;
    readCards();
}

void CChartView::readCards()
{
    const WorkingPeriod period = m_data.period;
    m_data = ChartData{period, {}};
    if (m_db && m_db->isOpen()) {
        try {
            m_data = ChartData::read(*m_db, period);
        } catch (const DbException &e) {
            m_prompter.error(tr("The cards of the weather chart could not be read from %1:\n%2")
                                 .arg(m_db->path(), e.message()));
        }
    }
    update();
}

void CChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    WeatherChartPainter(m_data, companyName()).paint(painter, rect());
}

void CChartView::showEvent(QShowEvent *event)
{
    // The cards may have changed in the card view since the chart was last shown.
    readCards();
    QWidget::showEvent(event);
}

void CChartView::print(bool preview)
{
    const WeatherChartPainter chart(m_data, companyName());
    ChartPrinting printing(SharedPrinter::printer(), this);
    if (!printing.print(chart, size(), preview) && !printing.errorString().isEmpty())
        m_prompter.error(printing.errorString());
}
