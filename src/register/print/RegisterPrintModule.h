#pragma once

// The register card's print and preview windows and the register book, opened by class name.
namespace RegisterPrintModule {
void registerDialogs();
}
