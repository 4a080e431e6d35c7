#include "FrameFixture.h"

#include "../registries/RegistryFixture.h"
#include "FakePrompter.h"
#include "TestEnvironment.h"
#include "app/CMainFrame.h"
#include "app/ViewJoining.h"
#include "base/SettingsStore.h"
#include "cards/ui/CMainView.h"
#include "db/Database.h"
#include "db/FarmSession.h"
#include "registries/ui/CTabelleView.h"

#include <QAction>
#include <QTest>
#include <QUrl>

FrameFixture::FrameFixture(TestEnvironment &env, FakePrompter &prompter)
    : m_env(env), m_prompter(prompter)
{
}

FrameFixture::~FrameFixture()
{
    stop();
}

QString FrameFixture::seededFarm()
{
    const QString path = m_env.copyTemplate();
    Database db;
    db.open(path);
    RegistryFixture::seed(db);
    return path;
}

bool FrameFixture::start(const QString &databasePath)
{
    const auto write = [](const char *name, const QString &value) {
        SettingsStore::writeString(SettingsStore::Settings, QString::fromLatin1(name), value);
    };
    write("Database", databasePath);
    write("DataInit", "01/01/2015");
    write("DataEnd", "31/12/2015");
    write("ActualDate", "01/06/2015");
    return show();
}

bool FrameFixture::startFirstTime(const QString &databasePath)
{
    SettingsStore::writeString(SettingsStore::Settings, QStringLiteral("Database"), databasePath);
    return show();
}

bool FrameFixture::show()
{
    m_farm = std::make_unique<FarmSession>();
    m_frame = std::make_unique<CMainFrame>(*m_farm);
    m_frame->setPrompter(&m_prompter);
    m_frame->setUrlOpener([](const QUrl &) {});
    joinViews(*m_frame, *m_farm, &m_prompter, &m_clock);
    m_frame->createInitialView();
    m_frame->restorePlacement();
    return QTest::qWaitForWindowExposed(m_frame.get());
}

void FrameFixture::stop()
{
    m_frame.reset();
    m_farm.reset();
}

CMainView *FrameFixture::cards() const
{
    return dynamic_cast<CMainView *>(m_frame->view(CMainFrame::CardsView));
}

CTabelleView *FrameFixture::registries() const
{
    return dynamic_cast<CTabelleView *>(m_frame->view(CMainFrame::RegistriesView));
}

bool FrameFixture::enabled(int commandId) const
{
    m_frame->updateCommandStates();
    return m_frame->action(commandId)->isEnabled();
}

int FrameFixture::count(const QString &sql) const
{
    return m_farm->database().scalar(sql).toInt();
}
