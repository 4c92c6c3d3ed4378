#pragma once
class QLabel;
class QWidget;

// The main menu's backup: asks for the destination folder (remembered in the
// settings), writes and checks the zip with a cancellable progress window,
// and says how it went.
namespace BackupAction {
void run(QWidget *parent);
// Writes the age of the last successful backup into the label, in the
// warning colour once it is more than a week old.
void showAge(QLabel *label);
}
