#include "WidgetPrompter.h"

#include "base/FolderChoice.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Error:
        return QMessageBox::Critical;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return QMessageBox::Ok;
    case Prompter::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo:
    case Prompter::Buttons::YesNoDefaultNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompter::Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Prompter::Answer answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Prompter::Answer::Yes;
    case QMessageBox::No:
        return Prompter::Answer::No;
    case QMessageBox::Retry:
        return Prompter::Answer::Retry;
    case QMessageBox::Ok:
        return Prompter::Answer::Ok;
    default:
        return Prompter::Answer::Cancel;
    }
}

} // namespace

WidgetPrompter::WidgetPrompter(QWidget *parent, std::function<void(int)> helpHandler)
    : m_parent(parent), m_helpHandler(std::move(helpHandler))
{
}

Prompter::Answer WidgetPrompter::message(Icon icon, const QString &text, Buttons buttons)
{
    QMessageBox box(boxIcon(icon), QStringLiteral("Verdimo"), text, boxButtons(buttons), m_parent);
    box.setAccessibleName(QStringLiteral("Verdimo"));
    box.setAccessibleDescription(text);
    if (buttons == Buttons::YesNoDefaultNo) {
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    }
    return answerOf(box.exec());
}

QString WidgetPrompter::openFileName(const QString &title, const QString &folder,
                                     const QString &filter, const QString &suggestedName)
{
    const QString start = suggestedName.isEmpty() ? folder : QDir(folder).filePath(suggestedName);
    return QFileDialog::getOpenFileName(m_parent, title, start, filter);
}

QString WidgetPrompter::saveFileName(const QString &title, const QString &folder,
                                     const QString &filter, const QString &suggestedName)
{
    // Accepting what is proposed must work: a folder this user cannot write is not proposed.
    const QString start =
        FolderChoice::isWritableFolder(folder) ? folder : FolderChoice::startFolder();
    const QString chosen =
        QFileDialog::getSaveFileName(m_parent, title, QDir(start).filePath(suggestedName), filter);
    FolderChoice::remember(chosen);
    return chosen;
}

void WidgetPrompter::showHelp(int topic)
{
    if (m_helpHandler)
        m_helpHandler(topic);
}
