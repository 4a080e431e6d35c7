#pragma once

#include <QString>

// The two labelled progress bars shown while a long operation runs (processing, import).
class Progress
{
public:
    virtual ~Progress() = default;

    // line is 0 (upper bar) or 1 (lower bar)
    virtual void setText(int line, const QString &text) = 0;
    virtual void setRange(int line, int minimum, int maximum) = 0;
    virtual void setValue(int line, int value) = 0;
};

// For callers that run without any visible progress.
class NullProgress : public Progress
{
public:
    void setText(int, const QString &) override {}
    void setRange(int, int, int) override {}
    void setValue(int, int) override {}
};
