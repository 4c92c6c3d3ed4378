#pragma once

// valtrena-archivio conformita: the compliance findings of a register file.
namespace Conformita {
// Runs the whole command with its own application object (the placeholder
// photo is drawn, so it needs the picture machinery). Exit 0: no finding,
// 1: findings, 2: the file or an option cannot be used.
int main(int argc, char **argv);
}
