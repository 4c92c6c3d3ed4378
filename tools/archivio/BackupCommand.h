#pragma once

// valtrena-archivio backup CARTELLA_DATI DESTINAZIONE: the same zip as the
// main menu's backup, for a scheduled job. Exit 0 on success, 2 on failure.
namespace BackupCommand {
int main(int argc, char **argv);
}
