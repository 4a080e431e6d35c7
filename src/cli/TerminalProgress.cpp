#include "TerminalProgress.h"

TerminalProgress::TerminalProgress(QTextStream &err, Lines lines) : m_err(err), m_lines(lines) {}

TerminalProgress::~TerminalProgress()
{
    finish();
}

void TerminalProgress::setText(int line, const QString &text)
{
    if (!shows(line))
        return;
    m_line[line].text = text;
    m_active = line;
    draw();
}

void TerminalProgress::setRange(int line, int minimum, int maximum)
{
    if (!shows(line))
        return;
    m_line[line].minimum = minimum;
    m_line[line].maximum = maximum;
    draw();
}

void TerminalProgress::setValue(int line, int value)
{
    if (!shows(line))
        return;
    m_line[line].value = value;
    draw();
}

void TerminalProgress::finish()
{
    if (m_drawn)
        m_err << Qt::endl;
    m_drawn = false;
    m_drawnPercent = -1;
    m_width = 0;
}

int TerminalProgress::Line::percent() const
{
    if (maximum <= minimum)
        return 100;
    return qBound(0, (value - minimum) * 100 / (maximum - minimum), 100);
}

bool TerminalProgress::shows(int line) const
{
    return line == 0 || (line == 1 && m_lines == Lines::UpperThenLower);
}

int TerminalProgress::percent() const
{
    if (m_lines == Lines::Upper)
        return m_line[0].percent();
    return m_active == 0 ? m_line[0].percent() / 2 : 50 + m_line[1].percent() / 2;
}

void TerminalProgress::draw()
{
    const int shown = percent();
    const QString &text = m_line[m_active].text;
    if (m_drawn && shown == m_drawnPercent && text == m_drawnText)
        return;
    constexpr int Width = 30;
    const int filled = shown * Width / 100;
    const QString bar =
        QStringLiteral("[%1%2] %3% %4")
            .arg(QString(filled, QLatin1Char('#')), QString(Width - filled, QLatin1Char(' ')))
            .arg(shown, 3)
            .arg(text);
    // Padded to the widest line drawn, so that a shorter text covers a longer one.
    m_err << '\r' << bar.leftJustified(m_width) << Qt::flush;
    m_width = qMax(m_width, int(bar.size()));
    m_drawn = true;
    m_drawnPercent = shown;
    m_drawnText = text;
}
