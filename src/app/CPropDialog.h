#pragma once

#include "SettingsCommand.h"
#include "base/DomainCodes.h"
#include "base/ui/TypedDateEdit.h"

#include <QDialog>

#include <functional>

class Prompter;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Settings": the working database file and the working period. OK runs the checks of
// SettingsCommand; nothing is stored by the dialog itself.
class CPropDialog : public QDialog
{
    Q_OBJECT
public:
    CPropDialog(Prompter &prompter, std::function<void(int)> helpHandler,
                QWidget *parent = nullptr);

    void setValues(const PropValues &values);
    PropValues values() const;
    // The cursor starts on the period's first day, for a user sent here to change the period.
    void focusPeriod();

    QLineEdit *pathField() const { return m_path; }
    TypedDateEdit *startPicker() const { return m_start; }
    TypedDateEdit *endPicker() const { return m_end; }
    QPushButton *browseButton() const { return m_browse; }
    QComboBox *languageChoice() const { return m_language; }

    static constexpr int HelpTopic = int(::HelpTopic::Settings);

public slots:
    void accept() override;
    void browse();

private:
    Prompter &m_prompter;
    std::function<void(int)> m_helpHandler;
    QLineEdit *m_path;
    QPushButton *m_browse;
    TypedDateEdit *m_start;
    TypedDateEdit *m_end;
    QComboBox *m_language;
};
