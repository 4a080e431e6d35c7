#pragma once

#include "base/CompanyData.h"
#include "base/DomainCodes.h"
#include "base/ui/TypedDateEdit.h"

#include <QDialog>
#include <QHash>

#include <functional>

class FarmSession;
class QCheckBox;
class QLineEdit;

// "Company Information": the holder's and the legal representative's data of the farm session.
// "Close" gives the session every value; "Cancel", Escape and the close box leave the stored
// values as they were. Help opens on F1 and the Help button only.
class CDittaDialog : public QDialog
{
    Q_OBJECT
public:
    CDittaDialog(FarmSession &farm, std::function<void(int)> helpHandler,
                 QWidget *parent = nullptr);

    static constexpr int HelpTopic = int(::HelpTopic::Company);

    void setData(const CompanyData &data);
    CompanyData data() const;

    QLineEdit *textField(const QString &key) const { return m_texts.value(key); }
    QCheckBox *flagBox(const QString &key) const { return m_flags.value(key); }
    TypedDateEdit *datePicker(const QString &key) const { return m_dates.value(key).picker; }
    QCheckBox *dateCheck(const QString &key) const { return m_dates.value(key).check; }

public slots:
    void closeAndStore();

private:
    struct DatePicker
    {
        QCheckBox *check = nullptr;
        TypedDateEdit *picker = nullptr;
    };
    QLineEdit *addText(class QGridLayout *layout, int row, const QString &label,
                       const QString &key);
    QWidget *addDate(QGridLayout *layout, int row, const QString &label, const QString &key);
    QCheckBox *addFlag(const QString &label, const QString &key);
    void showHelp();

    FarmSession &m_farm;
    std::function<void(int)> m_helpHandler;
    QHash<QString, QLineEdit *> m_texts;
    QHash<QString, QCheckBox *> m_flags;
    QHash<QString, DatePicker> m_dates;
    // Stored dates of birth the picker cannot show, kept as they are until the user sets one.
    QHash<QString, QString> m_unreadDates;
};
