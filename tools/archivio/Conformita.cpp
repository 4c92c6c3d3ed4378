#include "Conformita.h"
#include "register/Placeholder.h"
#include "register/compliance/PhotoEvidence.h"
#include "register/compliance/RegisterCompliance.h"
#include "storage/DataFolder.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

enum Exit { Clean = 0, FindingsFound = 1, Unusable = 2 };

void print(FILE *to, const QString &text) { std::fputs(text.toUtf8().constData(), to); }

int usage()
{
    print(stderr, QStringLiteral(
        "Uso: valtrena-archivio conformita [--soglia 500,00] [--giorni-frazionamento 7]\n"
        "                                  [--giorni-detenzione 10] Registro_Operazioni.vtr\n"
        "Una riga per segnalazione: posizione, numero scheda, codice e testo separati da tabulazioni.\n"
        "Le foto sono cercate accanto al registro; i valori non indicati vengono dalla sezione\n"
        "\"Conformità\" di Valtrena.ini accanto al registro, altrimenti da quelli predefiniti.\n"
        "Termina con 0 senza segnalazioni, 1 con segnalazioni, 2 se il file non si può leggere.\n"));
    return Unusable;
}

} // namespace

namespace Conformita {

int main(int argc, char **argv)
{
    // Drawing the placeholder needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(2);

    QString threshold, splitDays, holdingDays;
    QString path;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        QString *option = a == QStringLiteral("--soglia")                 ? &threshold
                          : a == QStringLiteral("--giorni-frazionamento") ? &splitDays
                          : a == QStringLiteral("--giorni-detenzione")    ? &holdingDays
                                                                          : nullptr;
        if (option) {
            if (args.isEmpty())
                return usage();
            *option = args.takeFirst();
        } else if (path.isEmpty() && !a.startsWith(QStringLiteral("--"))) {
            path = a;
        } else {
            return usage();
        }
    }
    if (path.isEmpty())
        return usage();

    const QFileInfo info(path);
    const QDir folder = info.absoluteDir();
    Compliance::Settings settings;
    try {
        QStringList problems;
        settings = Compliance::readSettings(folder.filePath(FileNames::settings()), &problems);
        for (const QString &p : std::as_const(problems))
            print(stderr, p + u'\n');
    } catch (const StorageError &) {
        print(stderr, folder.filePath(FileNames::settings()) + QStringLiteral(": impossibile leggere il file; "
                                                                              "si usano i valori predefiniti\n"));
    }
    if (!threshold.isEmpty()) {
        const auto cents = Compliance::parseThreshold(threshold);
        if (!cents) {
            print(stderr, QStringLiteral("--soglia: importo non valido (") + threshold + QStringLiteral(")\n"));
            return Unusable;
        }
        settings.cashThresholdCents = *cents;
    }
    for (auto [text, target, name] : {std::tuple{splitDays, &settings.splitDays, "--giorni-frazionamento"},
                                      std::tuple{holdingDays, &settings.holdingDays, "--giorni-detenzione"}}) {
        if (text.isEmpty())
            continue;
        const auto days = Compliance::parseDays(text);
        if (!days) {
            print(stderr, QString::fromLatin1(name) + QStringLiteral(": numero di giorni non valido (") + text
                              + QStringLiteral(")\n"));
            return Unusable;
        }
        *target = *days;
    }

    QFile archive(path);
    if (info.isDir() || !archive.open(QIODevice::ReadOnly)) {
        print(stderr, path + QStringLiteral(": impossibile leggere il file (") + archive.errorString()
                          + QStringLiteral(")\n"));
        return Unusable;
    }
    const PhotoEvidence evidence(Placeholder::ringPhoto());
    const Compliance::RegisterReport report =
        Compliance::checkRegister(archive, settings, Compliance::photoFilesIn(folder.path(), evidence));
    QString out;
    for (const Compliance::RegisterFinding &f : report.findings)
        out += QString::number(f.position) + u'\t' + f.number + u'\t' + f.code + u'\t' + f.text + u'\n';
    print(stdout, out);
    if (!report.complete) {
        print(stderr, path + QStringLiteral(": lettura interrotta da un errore\n"));
        return Unusable;
    }
    return report.findings.isEmpty() ? Clean : FindingsFound;
}

} // namespace Conformita
