#pragma once

#include "base/Progress.h"

#include <QStringList>

// Records what a long operation reported.
class FakeProgress : public Progress
{
public:
    void setText(int line, const QString &text) override { texts[line & 1] << text; }
    void setRange(int line, int, int maximum) override { maxima[line & 1] = maximum; }
    void setValue(int line, int value) override { values[line & 1] = value; }

    QStringList texts[2];
    int maxima[2] = {0, 0};
    int values[2] = {0, 0};
};
