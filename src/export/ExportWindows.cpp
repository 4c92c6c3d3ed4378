#include "export/ExportWindows.h"
#include "ui/WindowNames.h"
#include "ui/Help.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "storage/DataFolder.h"

namespace {

QString helpText(const QString &what, const QString &fileName)
{
    return QStringLiteral(
               "Questa finestra mostra %1 in una griglia, una riga per scheda.\n\n"
               "Il pulsante \"Esporta\" scrive la griglia nel file %2, nella cartella del programma. "
               "Il file può essere aperto con Microsoft Excel o con qualsiasi altro programma in grado "
               "di leggere i file in formato XLS, ad esempio LibreOffice Calc. Al termine "
               "dell'esportazione il programma chiede se aprire subito il file.\n\n"
               "Prima dell'esportazione è possibile correggere il testo delle colonne modificabili "
               "con un doppio clic sulla cella: la correzione vale solo per il file esportato e non "
               "cambia l'archivio.\n\n"
               "Ogni esportazione sostituisce il file precedente: se il file è aperto nel foglio di "
               "calcolo, chiuderlo prima di esportare.")
        .arg(what, fileName);
}

ExportWindowConfig registerConfig()
{
    const ExportSheet &sheet = ExportSheets::registerSheet();
    return {&sheet,
            WindowNames::of<TfrmExpRegistro>(),
            QStringLiteral(" Esporta Registro Operazioni in Microsoft Excel"),
            QStringLiteral("Esportazione Registro Operazioni in Microsoft Excel."),
            helpText(QStringLiteral("tutte le schede del Registro Operazioni"), sheet.fileName),
            [] { return DataFolder::file(FileNames::registerArchive()); }};
}

ExportWindowConfig customerConfig()
{
    const ExportSheet &sheet = ExportSheets::customerSheet();
    return {&sheet,
            WindowNames::of<TfrmExpClienti>(),
            QStringLiteral(" Esporta archivio clienti in Microsoft Excel"),
            QStringLiteral("Esportazione archivio clienti in Microsoft Excel."),
            helpText(QStringLiteral("tutte le schede dell'archivio clienti"), sheet.fileName),
            [] { return DataFolder::file(FileNames::customerArchive()); }};
}

ExportWindowConfig receiptConfig()
{
    const ExportSheet &sheet = ExportSheets::receiptSheet();
    return {&sheet,
            WindowNames::of<TfrmExpRicevute>(),
            QStringLiteral(" Esporta archivio ricevute in Microsoft Excel"),
            QStringLiteral("Esportazione archivio ricevute in Microsoft Excel."),
            helpText(QStringLiteral("tutte le ricevute dell'anno aperto nella finestra delle ricevute"),
                     sheet.fileName),
            [] { return Controls::text(AppWindows::get(WindowNames::ricevute), QStringLiteral("lblFile")); }};
}

} // namespace

TfrmExpRegistro::TfrmExpRegistro(QWidget *parent) : ExportWindow(registerConfig(), parent) {}

TfrmExpClienti::TfrmExpClienti(QWidget *parent) : ExportWindow(customerConfig(), parent) {}

TfrmExpRicevute::TfrmExpRicevute(QWidget *parent) : ExportWindow(receiptConfig(), parent) {}

void addExportHelp()
{
    for (const ExportWindowConfig &config : {registerConfig(), customerConfig(), receiptConfig()})
        Help::add(config.className, {config.helpTitle, config.helpText});
}
