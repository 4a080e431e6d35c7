#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class Prompter;

// Where a command of the window ends, however it fails: a database error is shown as its kind's
// sentence about the file, any other failure with its own text, and the program goes on. What
// the user typed stays in the forms, since the command is only left, never retried or undone
// here.
class ErrorBoundary
{
    Q_DECLARE_TR_FUNCTIONS(ErrorBoundary)

public:
    // True when the command ran to its end; false after the failure was shown. file names the
    // farm database the command works on.
    static bool run(Prompter &prompter, const QString &file, const std::function<void()> &command);
};
