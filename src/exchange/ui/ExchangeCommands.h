#pragma once

#include <functional>

class QWidget;

// The frame's Export, Import and Backup commands with the program's dialogs, message boxes,
// busy cursor and progress window.
namespace ExchangeCommands {

void exportData(QWidget *parent);
// reloadViews runs after the working database changed, before the success message (the
// frame's ReloadViews). Returns true when the working database changed.
bool importData(QWidget *parent, const std::function<void()> &reloadViews = {});
void backupData(QWidget *parent);

} // namespace ExchangeCommands
