#pragma once
#include <QString>

// The folder that holds the archives, settings and photos: the executable's
// folder unless --data-dir or VALTRENA_DATA_DIR says otherwise.
namespace DataFolder {
QString path();                          // with its trailing separator
QString file(const QString &name);       // path() + name
void set(const QString &folder);         // empty returns to the default
// Reads --data-dir DIR from the arguments, else the environment variable.
void configure(const QStringList &arguments);
// Whether a file can be created in the folder, found by trying: permission
// bits say nothing of a read-only medium or of root.
bool isWritable();
}

// The files of the data folder.
namespace FileNames {
inline QString settings() { return QStringLiteral("Valtrena.ini"); }
inline QString password() { return QStringLiteral("unins000.dll"); }
inline QString registerArchive() { return QStringLiteral("Registro_Operazioni.vtr"); }
inline QString customerArchive() { return QStringLiteral("Clienti.pro"); }
inline QString logo() { return QStringLiteral("Logo.bmp"); }
inline QString guide() { return QStringLiteral("Guida.pdf"); }
}
