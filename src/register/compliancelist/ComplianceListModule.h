#pragma once

// Makes the compliance check's dialogs available to the rest of the program by name.
namespace ComplianceListModule {
void registerDialogs();
}
