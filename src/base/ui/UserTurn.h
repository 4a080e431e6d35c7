#pragma once

#include <QCursor>
#include <QGuiApplication>

// The usual cursor while a busy command waits for the user (a dialog, a message), over the
// wait cursor it shows while it works; the wait cursor is back when the guard ends.
class UserTurn
{
public:
    UserTurn() { QGuiApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~UserTurn() { QGuiApplication::restoreOverrideCursor(); }
    UserTurn(const UserTurn &) = delete;
    UserTurn &operator=(const UserTurn &) = delete;
};
