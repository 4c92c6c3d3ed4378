#include "BookCommand.h"
#include "register/book/RegisterBook.h"
#include "report/ReportOutput.h"
#include "storage/DateText.h"
#include "storage/StorageError.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace BookCommand {

namespace {
void print(FILE *to, const QString &text) { std::fputs(text.toUtf8().constData(), to); }

int usage()
{
    print(stderr, QStringLiteral("Uso: valtrena-archivio registro DAL AL FILE.pdf [--foto]\n"
                                 "DAL e AL come gg/mm/aaaa, entrambi compresi; la cartella dei dati è\n"
                                 "VALTRENA_DATA_DIR, altrimenti la cartella corrente.\n"));
    return 2;
}

// Only the full dd/mm/yyyy form: a script's date must not be guessed at.
QDate strictDate(const QString &text)
{
    return QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
}
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(2);
    const bool photos = args.removeAll(QStringLiteral("--foto")) > 0;
    if (args.size() != 3)
        return usage();
    const RegisterBook::Period period{strictDate(args[0]), strictDate(args[1])};
    if (!period.from.isValid() || !period.to.isValid()) {
        print(stderr, QStringLiteral("Date non valide: scrivere DAL e AL come gg/mm/aaaa.\n"));
        return 2;
    }
    if (period.from > period.to) {
        print(stderr, QStringLiteral("La data iniziale è successiva a quella finale.\n"));
        return 2;
    }
    const QString folder = qEnvironmentVariableIsEmpty("VALTRENA_DATA_DIR") ? QDir::currentPath()
                                                                           : qEnvironmentVariable("VALTRENA_DATA_DIR");
    try {
        const RegisterBook book = RegisterBook::fromDataFolder(folder, period, photos);
        if (!Report::writePdf(book, args[2], {}, QDateTime::currentDateTime())) {
            print(stderr, QStringLiteral("Impossibile scrivere il file ") + args[2] + QStringLiteral(".\n"));
            return 2;
        }
        print(stdout, QStringLiteral("Registro scritto in ") + args[2] + QStringLiteral(": ") + book.closingLine()
                          + QStringLiteral(" Pagine: ") + QString::number(book.pageCount()) + QStringLiteral(".\n"));
    } catch (const StorageError &e) {
        print(stderr, QStringLiteral("Impossibile leggere il registro in ") + folder + QStringLiteral(" (")
                          + QString::fromStdString(e.what()) + QStringLiteral(").\n"));
        return 2;
    }
    return 0;
}

}
