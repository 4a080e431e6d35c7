#pragma once

#include "base/Progress.h"

#include <QString>
#include <QTextStream>

// A bar on the terminal, redrawn in place as the work advances. A job that reports on the upper
// line alone fills the whole bar with it; an exchange reports its cards on the upper line and its
// master data on the lower one, which fill the bar's first and second halves.
class TerminalProgress : public Progress
{
public:
    enum class Lines { Upper, UpperThenLower };

    TerminalProgress(QTextStream &err, Lines lines);
    ~TerminalProgress() override;

    void setText(int line, const QString &text) override;
    void setRange(int line, int minimum, int maximum) override;
    void setValue(int line, int value) override;

    // Ends the bar's line, so that what is written next starts on a line of its own.
    void finish();

private:
    struct Line
    {
        QString text;
        int minimum = 0;
        int maximum = 100;
        int value = 0;
        int percent() const;
    };

    bool shows(int line) const;
    int percent() const;
    void draw();

    QTextStream &m_err;
    const Lines m_lines;
    Line m_line[2];
    int m_active = 0;
    bool m_drawn = false;
    int m_drawnPercent = -1;
    QString m_drawnText;
    int m_width = 0;
};
