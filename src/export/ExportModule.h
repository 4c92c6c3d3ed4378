#pragma once

// Makes this area's dialogs available to the rest of the program by name.
namespace ExportModule {
void registerDialogs();
}
