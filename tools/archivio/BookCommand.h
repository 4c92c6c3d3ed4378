#pragma once

// valtrena-archivio registro DAL AL FILE.pdf [--foto]: the register book of a
// period as PDF, from the data folder named by VALTRENA_DATA_DIR, else the
// current folder. Exit 0 when written, 2 otherwise.
namespace BookCommand {
int main(int argc, char **argv);
}
