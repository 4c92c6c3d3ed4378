#pragma once
#include <QString>

// Realistic archives for the benchmark: Italian names, natures such as
// "Oro giallo 18 kt", dates spread over years, amounts.
namespace ArchiveGenerator {
void writeRegister(const QString &path, int count, unsigned seed = 1);
void writeCustomers(const QString &path, int count, unsigned seed = 2);
void writeReceipts(const QString &path, int count, int year, unsigned seed = 3);
}
