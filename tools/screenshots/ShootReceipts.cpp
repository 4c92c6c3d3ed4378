#include "Archives.h"
#include "Samples.h"
#include "Shooter.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "receipts/ReceiptArchive.h"
#include "receipts/ReceiptRecord.h"
#include "receipts/ReceiptSearch.h"
#include "storage/DataFolder.h"
#include "storage/IniFile.h"

#include <QAbstractButton>
#include <QFile>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

void seedIssuer()
{
    IniFile ini(DataFolder::file(FileNames::settings()));
    const QString section = IssuerSettings::section();
    const QStringList values = {
        QStringLiteral("Oro & Preziosi Valtrena S.r.l."), QStringLiteral("Via Roma, 18"),
        QStringLiteral("20121"), QStringLiteral("Milano"), QStringLiteral("MI"),
        QStringLiteral("01234567890"), QStringLiteral("01234567890"),
        QStringLiteral("Compro oro autorizzato n. 4521"), QStringLiteral("Tel. 02 1234567"),
        QStringLiteral("2,00")};
    for (std::size_t i = 0; i < IssuerSettings::kKeys.size(); ++i)
        ini.setValue(section, QString::fromUtf16(IssuerSettings::kKeys[i].key), values[int(i)]);
    ini.save();
}

void fillReceipt(QWidget *w)
{
    const QList<QPair<const char *, QString>> header = {
        {"txtCliente", QStringLiteral("ROSSI MARIO")},
        {"txtViaCliente", QStringLiteral("Corso Garibaldi, 42")},
        {"txtCapCliente", QStringLiteral("20100")},
        {"txtCittaCliente", QStringLiteral("Milano")},
        {"txtProvCliente", QStringLiteral("MI")},
        {"txtCodFiscCliente", QStringLiteral("RSSMRA70A01F205X")},
        {"txtNote", QStringLiteral("Consegna oggetti restaurati")},
        {"txtNumRic", QStringLiteral("12/2025")},
        {"txtData", QStringLiteral("15/06/2025")},
        {"txtRiferimenti", QStringLiteral("Ordine del 02/06/2025")},
        {"txtPagamento", QStringLiteral("Bonifico bancario")},
        {"txtBanca", QStringLiteral("Banca Popolare di Milano")},
        {"txtAcconti", QStringLiteral("150,00")},
    };
    for (const auto &[name, text] : header)
        Controls::setText(w, QLatin1StringView(name), text);
    const QStringList lines = {
        QStringLiteral("Anello oro giallo 18 kt con rubino"), QStringLiteral("Collana oro bianco 750 maglia veneziana"),
        QStringLiteral("Bracciale tennis argento 925"), QStringLiteral("Orecchini pendenti oro rosa"),
        QStringLiteral("Fede nuziale oro giallo 5 g"), QStringLiteral("Ciondolo cuore oro bianco"),
        QStringLiteral("Orologio da taschino argento"), QStringLiteral("Spilla antica con perle"),
        QStringLiteral("Catenina oro giallo 45 cm"), QStringLiteral("Pulizia e lucidatura gioielli"),
        QStringLiteral("Riparazione chiusura collana"), QStringLiteral("Incisione personalizzata")};
    const QStringList amounts = {
        QStringLiteral("420,00"), QStringLiteral("685,50"), QStringLiteral("95,00"), QStringLiteral("210,00"),
        QStringLiteral("180,00"), QStringLiteral("145,00"), QStringLiteral("320,00"), QStringLiteral("260,00"),
        QStringLiteral("198,40"), QStringLiteral("35,00"), QStringLiteral("25,00"), QStringLiteral("18,00")};
    for (int i = 0; i < lines.size(); ++i) {
        Controls::setText(w, ReceiptArchive::lineControl("txtDesc", i + 1), lines[i]);
        Controls::setText(w, ReceiptArchive::lineControl("txtPrezzo", i + 1), amounts[i]);
    }
    Controls::setText(w, QStringLiteral("chkSaldata"), QStringLiteral("Sì"));
    qobject_cast<QAbstractButton *>(Controls::child(w, QStringLiteral("cmdCalcola")))->click();
}

// A year of receipts for the search list.
void seedArchive(const QString &path)
{
    const struct { const char *customer, *code, *date, *advances, *duty, *sum; } rows[] = {
        {"ROSSI MARIO", "RSSMRA70A01F205X", "08/01/2025", "0,00", "2,00", "1250,00"},
        {"BIANCHI LAURA", "BNCLRA82M41L219K", "21/01/2025", "100,00", "2,00", "480,50"},
        {"ORO E ARGENTO S.N.C.", "01234567890", "03/02/2025", "0,00", "0,00", "3200,00"},
        {"VERDI GIUSEPPE", "VRDGPP55B12H501Y", "17/02/2025", "50,00", "2,00", "215,00"},
        {"CARROSI ANNA", "CRRNNA90C45F205P", "04/03/2025", "0,00", "2,00", "89,90"},
        {"ESPOSITO CIRO", "SPSCRI68D10F839Q", "29/03/2025", "300,00", "2,00", "1540,00"},
        {"AMBROSIO LUCA", "MBRLCU77E03L736Z", "12/04/2025", "0,00", "2,00", "640,00"},
        {"GALLO FRANCESCA", "GLLFNC85H52A944B", "06/05/2025", "0,00", "2,00", "72,00"},
    };
    QList<ReceiptRecord> records;
    int number = 1;
    for (const auto &r : rows) {
        ReceiptRecord rec;
        rec.NumRic = QStringLiteral("%1/2025").arg(number++);
        rec.Data = QLatin1StringView(r.date);
        rec.Cliente = QLatin1StringView(r.customer);
        rec.CodFiscCliente = QLatin1StringView(r.code);
        rec.Acconti = QLatin1StringView(r.advances);
        rec.Tassa = QLatin1StringView(r.duty);
        rec.TotCorrispettivi = QLatin1StringView(r.sum);
        rec.Totale = rec.TotCorrispettivi;
        rec.Saldata = QStringLiteral("No");
        records.append(rec);
    }
    if (!Archives::write(path, records))
        qWarning("cannot write %s", qPrintable(path));
}

void shootSearch(Shooter &shoot, QWidget *receipts)
{
    TfrmTrovaRicevute search(receipts);
    Controls::setToken(&search, QStringLiteral("ricevute"));
    shoot.window(&search, QStringLiteral("TfrmTrovaRicevute"));
    qobject_cast<QAbstractButton *>(Controls::child(&search, QStringLiteral("btnCerca")))->click();
    shoot.window(&search, QStringLiteral("TfrmTrovaRicevute-risultati"));
}

void turnPage(QWidget *w, const char *arrow)
{
    qobject_cast<QAbstractButton *>(Controls::child(w, QLatin1StringView(arrow)))->click();
    QApplication::processEvents();
}

} // namespace

void Samples::seedIssuer() { ::seedIssuer(); }
void Samples::fillReceipt(QWidget *receiptWindow) { ::fillReceipt(receiptWindow); }

void shootReceipts(Shooter &shoot)
{
    seedIssuer();
    QWidget *chooser = AppWindows::get(QStringLiteral("TfrmMenuRicevute"));
    shoot.window(chooser, QStringLiteral("TfrmMenuRicevute"));
    chooser->hide();

    QWidget *receipts = AppWindows::get(QStringLiteral("TfrmRicevute"));
    Controls::setText(receipts, QStringLiteral("lblFile"), ReceiptArchive::path(QStringLiteral("2025")));
    Controls::setText(receipts, QStringLiteral("lblAnno"), QStringLiteral("2025"));
    receipts->setWindowTitle(QStringLiteral(" Valtrena - Archivio ricevute anno 2025"));
    shoot.window(receipts, QStringLiteral("TfrmRicevute-vuota"));
    seedArchive(ReceiptArchive::path(QStringLiteral("2025")));
    shootSearch(shoot, receipts);

    fillReceipt(receipts);
    Controls::setText(receipts, QStringLiteral("lblPosizione"), QStringLiteral("12"));
    shoot.window(receipts, QStringLiteral("TfrmRicevute"));
    turnPage(receipts, "imgAvanti_A");
    shoot.window(receipts, QStringLiteral("TfrmRicevute-righe-11-20"));
    turnPage(receipts, "imgAvanti_B");
    shoot.window(receipts, QStringLiteral("TfrmRicevute-righe-21-30"));
    turnPage(receipts, "imgIndietro_C");
    turnPage(receipts, "imgIndietro_B");

    // The same receipt on a large screen.
    receipts->resize(1920, 1080);
    QApplication::processEvents();
    QTest::qWait(30);
    shoot.image(receipts->grab().toImage(), QStringLiteral("TfrmRicevute-1920"));
    receipts->hide();
}
