#pragma once

// Makes the register search available to the rest of the program by name.
namespace RegisterSearchModule {
void registerDialogs();
}
