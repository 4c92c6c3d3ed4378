// valtrena-archivio: checks an archive of the program or writes it out as
// CSV, for the shop and its auditors. It never writes to the archive.
#include "ArchiveCheck.h"
#include "BackupCommand.h"
#include "BookCommand.h"
#include "Conformita.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {

enum Exit { Clean = 0, ProblemsFound = 1, Unusable = 2 };

void print(FILE *to, const QString &text) { std::fputs(text.toUtf8().constData(), to); }

int usage()
{
    print(stderr, QStringLiteral(
        "Uso: valtrena-archivio verifica FILE\n"
        "     valtrena-archivio csv FILE\n"
        "     valtrena-archivio conformita [opzioni] Registro_Operazioni.vtr\n"
        "     valtrena-archivio registro DAL AL FILE.pdf [--foto]\n"
        "     valtrena-archivio backup CARTELLA_DATI DESTINAZIONE\n"
        "\n"
        "FILE è Registro_Operazioni.vtr, Clienti.pro o un archivio ricevute AAAA.ric.\n"
        "verifica  conta le schede e segnala coda incompleta, byte di lunghezza non validi,\n"
        "          indicatori diversi da \"Sì\" e \"No\", date inesistenti o non leggibili,\n"
        "          importi non leggibili e numeri di scheda o di ricevuta ripetuti;\n"
        "          termina con codice 1 se trova problemi.\n"
        "csv       scrive su standard output tutte le schede in formato CSV (UTF-8).\n"
        "conformita  segnala ciò che la legge chiede e le schede non hanno\n"
        "          (valtrena-archivio conformita --aiuto per le opzioni).\n"
        "registro  scrive in FILE.pdf il registro delle operazioni dal giorno DAL al giorno AL\n"
        "          (gg/mm/aaaa), con le foto se indicato --foto; cartella dei dati:\n"
        "          VALTRENA_DATA_DIR, altrimenti la cartella corrente.\n"
        "backup    scrive in DESTINAZIONE Valtrena-backup-AAAA-MM-GG-HHMM.zip con tutti i file\n"
        "          di CARTELLA_DATI e lo verifica; termina con codice 2 se non riesce.\n"));
    return Unusable;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "conformita") == 0)
        return Conformita::main(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "registro") == 0)
        return BookCommand::main(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "backup") == 0)
        return BackupCommand::main(argc, argv);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return usage();
    const QString command = args[1];
    const QString path = args[2];
    if (command != QStringLiteral("verifica") && command != QStringLiteral("csv"))
        return usage();

    const auto kind = ArchiveKinds::forFile(path);
    if (!kind) {
        print(stderr, path + QStringLiteral(": nome non riconosciuto; attesi Registro_Operazioni.vtr, "
                                            "Clienti.pro o AAAA.ric\n"));
        return Unusable;
    }
    QFile archive(path);
    if (QFileInfo(path).isDir() || !archive.open(QIODevice::ReadOnly)) {
        print(stderr, path + QStringLiteral(": impossibile leggere il file (") + archive.errorString()
                          + QStringLiteral(")\n"));
        return Unusable;
    }

    if (command == QStringLiteral("verifica")) {
        const ArchiveCheck::Report report = ArchiveCheck::verify(archive, *kind);
        print(stdout, ArchiveCheck::describe(report, QFileInfo(path).fileName(), *kind));
        return report.problems.isEmpty() ? Clean : ProblemsFound;
    }

    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return Unusable;
    ArchiveCheck::writeCsv(archive, *kind, out);
    out.close();
    return Clean;
}
