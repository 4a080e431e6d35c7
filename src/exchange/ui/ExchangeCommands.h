#pragma once

#include <functional>

class FarmSession;
class QWidget;

// The frame's Export, Import and Backup commands with the program's dialogs, message boxes,
// busy cursor and progress window.
namespace ExchangeCommands {

void exportData(QWidget *parent);
// reloadViews runs after the working database changed, before the success message (the
// frame's ReloadViews). With farm given, cards imported outside its working period get the
// offer of their years as the period, and the first of them is shown. Returns true when the
// working database changed.
bool importData(QWidget *parent, const std::function<void()> &reloadViews = {},
                FarmSession *farm = nullptr);
void backupData(QWidget *parent);

} // namespace ExchangeCommands
