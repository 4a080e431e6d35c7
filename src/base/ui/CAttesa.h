#pragma once

#include "base/Progress.h"

#include <QDialog>

class QLabel;
class QProgressBar;

// The window "Processing..." shown, without blocking, while processing or an import runs: two
// text lines, each with its progress bar. Every update repaints at once, because the operation
// behind it keeps the interface thread busy.
class CAttesa : public QDialog, public Progress
{
    Q_OBJECT
public:
    explicit CAttesa(QWidget *parent = nullptr);

    void setText(int line, const QString &text) override;
    void setRange(int line, int minimum, int maximum) override;
    void setValue(int line, int value) override;

    QString text(int line) const;
    QProgressBar *bar(int line) const;

private:
    void refresh();

    QLabel *m_labels[2];
    QProgressBar *m_bars[2];
};
