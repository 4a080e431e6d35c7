#include "CChartView.h"

#include "ChartPrinting.h"
#include "base/DomainCodes.h"
#include "base/ui/ErrorBoundary.h"
#include "base/ui/SharedPrinter.h"
#include "base/ui/WidgetPrompter.h"
#include "chart/WeatherChartPainter.h"
#include "db/FarmSession.h"

#include <QPainter>

namespace {

constexpr int HelpPage = static_cast<int>(HelpTopic::ChartView);

std::unique_ptr<Prompter> ownPrompter(Prompter *given, QWidget *view, ViewHost &host)
{
    if (given)
        return nullptr;
    return std::make_unique<WidgetPrompter>(view, [&host](int topic) { host.showHelpPage(topic); });
}

} // namespace

CChartView::CChartView(QWidget *parent, ViewHost &host, FarmSession &farm, Prompter *prompter)
    : QWidget(parent), m_host(host), m_farm(farm), m_ownPrompter(ownPrompter(prompter, this, host)),
      m_prompter(prompter ? *prompter : *m_ownPrompter), m_data{farm.period(), {}}
{
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    followSession();
    readCards();
}

CChartView::~CChartView() = default;

void CChartView::followSession()
{
    // The chart keeps no statement open on the database: it drops the cards of the old one and
    // reads the new one's.
    connect(&m_farm, &FarmSession::aboutToReplaceDatabase, this, [this] {
        m_data = ChartData{m_data.period, {}};
        update();
    });
    connect(&m_farm, &FarmSession::databaseReplaced, this, &CChartView::readCards);
    connect(&m_farm, &FarmSession::periodChanged, this, [this](const WorkingPeriod &period) {
        m_data.period = period;
        readCards();
    });
    connect(&m_farm, &FarmSession::companyChanged, this, qOverload<>(&QWidget::update));
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

void CChartView::readCards()
{
    const WorkingPeriod period = m_data.period;
    m_data = ChartData{period, {}};
    if (m_farm.isOpen()) {
        // Called from the session's signals and on showing: a failed read is told here and
        // leaves an empty chart.
        ErrorBoundary::run(m_prompter, m_farm.databasePath(),
                           [&] { m_data = ChartData::read(m_farm.database(), period); });
    }
    update();
}

void CChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    WeatherChartPainter(m_data, m_farm.company().name()).paint(painter, rect());
}

void CChartView::showEvent(QShowEvent *event)
{
    // The cards may have changed in the card view since the chart was last shown.
    readCards();
    QWidget::showEvent(event);
}

void CChartView::print(bool preview)
{
    const WeatherChartPainter chart(m_data, m_farm.company().name());
    ChartPrinting printing(SharedPrinter::printer(), this);
    if (!printing.print(chart, size(), preview) && !printing.errorString().isEmpty())
        m_prompter.error(printing.errorString());
}
