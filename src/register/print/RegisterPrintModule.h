#pragma once

// The register card's print and preview windows, opened by class name.
namespace RegisterPrintModule {
void registerDialogs();
}
