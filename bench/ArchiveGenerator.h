#pragma once
#include <QString>

// Realistic archives for the benchmark: Italian names, natures such as
// "Oro giallo 18 kt", dates spread over years, amounts.
namespace ArchiveGenerator {
void writeRegister(const QString &path, int count, unsigned seed = 1);
void writeCustomers(const QString &path, int count, unsigned seed = 2);
void writeReceipts(const QString &path, int count, int year, unsigned seed = 3);
// Foto_A_<n>.jpg and Foto_B_<n>.jpg for cards 1 to count: two camera-sized
// pictures, hard-linked so that the folder holds every file but little data.
// False with `error` set when a file cannot be written.
bool writePhotos(const QString &folder, int count, QString *error);
}
