#pragma once

#include <QComboBox>

// An editable drop-down list that completes the typed text with the first entry beginning
// with it (ignoring letter case) and selects the completed tail, so that typing goes on
// naturally.
class CComboSel : public QComboBox
{
    Q_OBJECT

public:
    explicit CComboSel(QWidget *parent = nullptr);

    void setAutoComplete(bool on) { m_autoComplete = on; }
    bool autoComplete() const { return m_autoComplete; }

private:
    void complete(const QString &typed);

    bool m_autoComplete = true;
};
