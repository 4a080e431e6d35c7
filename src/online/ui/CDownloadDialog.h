#pragma once

#include "online/DownloadDisplay.h"

#include <QDialog>

class QLabel;
class QProgressBar;

// "Download setup file": the text, a bar counting the bytes received and Cancel. Shown
// modeless while the new version downloads; Cancel, Escape or closing the window asks the
// handler instead of closing.
class CDownloadDialog : public QDialog, public DownloadDisplay
{
    Q_OBJECT
public:
    explicit CDownloadDialog(QWidget *parent = nullptr);

    void setText(int line, const QString &text) override;
    void setRange(int line, int minimum, int maximum) override;
    void setValue(int line, int value) override;
    void setCancelHandler(std::function<void()> handler) override;
    void open() override;

    QString text() const;
    QProgressBar *bar() const { return m_bar; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *m_text;
    QProgressBar *m_bar;
    std::function<void()> m_cancelHandler;
};
