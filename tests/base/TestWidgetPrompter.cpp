#include "ReadOnlyFolder.h"
#include "TestEnvironment.h"
#include "base/FolderChoice.h"
#include "base/SettingsKeys.h"
#include "base/ui/WidgetPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The program's message boxes and file dialogs, answered as a user would.
class TestWidgetPrompter : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env.clearSettings(); }
    void enterAnswersTheDefaultButton_data();
    void enterAnswersTheDefaultButton();
    void saveDialogStartsInAWritableFolder();

private:
    TestEnvironment m_env;
};

namespace {

// Runs act on the modal dialog of type T once it is open.
template <typename T> void whenOpen(const std::function<void(T *)> &act)
{
    QTimer::singleShot(0, qApp, [act] {
        QTRY_VERIFY(qobject_cast<T *>(QApplication::activeModalWidget()));
        act(qobject_cast<T *>(QApplication::activeModalWidget()));
    });
}

} // namespace

void TestWidgetPrompter::enterAnswersTheDefaultButton_data()
{
    QTest::addColumn<Prompter::Buttons>("buttons");
    QTest::addColumn<Prompter::Answer>("enter");
    QTest::addColumn<Prompter::Answer>("escape");
    QTest::newRow("yes or no") << Prompter::Buttons::YesNo << Prompter::Answer::Yes
                               << Prompter::Answer::No;
    QTest::newRow("a yes that destroys data")
        << Prompter::Buttons::YesNoDefaultNo << Prompter::Answer::No << Prompter::Answer::No;
}

void TestWidgetPrompter::enterAnswersTheDefaultButton()
{
    QFETCH(Prompter::Buttons, buttons);
    WidgetPrompter prompter(nullptr);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        whenOpen<QMessageBox>([key](QMessageBox *box) {
            QCOMPARE(box->buttons().size(), 2);
            QTest::keyClick(box, key);
        });
        const Prompter::Answer answer =
            prompter.question(QStringLiteral("Delete the worker?"), buttons);
        if (key == Qt::Key_Return)
            QTEST(answer, "enter");
        else
            QTEST(answer, "escape");
    }
}

void TestWidgetPrompter::saveDialogStartsInAWritableFolder()
{
    ReadOnlyFolder readOnly(m_env.path("program"));
    if (!readOnly.usable())
        QSKIP("running as root where no read-only mount can be made: permissions do not stop "
              "root");
    QFile(m_env.path("note")).open(QIODevice::WriteOnly);
    readOnly.protect(m_env.path("note"), "note");
    QDir().mkpath(m_env.path("exports"));
    SettingsKeys::LastFolder.write(m_env.path("exports"));

    WidgetPrompter prompter(nullptr);
    QString shownFolder;
    whenOpen<QFileDialog>([&](QFileDialog *dialog) {
        shownFolder = dialog->directory().absolutePath();
        dialog->reject();
    });
    // The installed program's own folder, which an ordinary user cannot write.
    QVERIFY(prompter.saveFileName("Export", m_env.path("program"), "*.czp", "farm.czp").isEmpty());
    QCOMPARE(shownFolder, m_env.path("exports"));
    QCOMPARE(SettingsKeys::LastFolder.read(), m_env.path("exports"));

    // A file chosen elsewhere makes its folder the next one proposed.
    QDir().mkpath(m_env.path("elsewhere"));
    whenOpen<QFileDialog>([&](QFileDialog *dialog) {
        dialog->selectFile(m_env.path("elsewhere/farm.czp"));
        static_cast<QDialog *>(dialog)->accept();
    });
    QCOMPARE(prompter.saveFileName("Export", QString(), "*.czp", "farm.czp"),
             m_env.path("elsewhere/farm.czp"));
    QCOMPARE(FolderChoice::startFolder(), m_env.path("elsewhere"));
}

QTEST_MAIN(TestWidgetPrompter)
#include "TestWidgetPrompter.moc"
