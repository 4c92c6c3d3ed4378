#include "Archives.h"
#include "Shooter.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "customers/CustomerRecord.h"
#include "export/ExportWindows.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"
#include "storage/DataFolder.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

namespace {

template <class R>
void writeArchive(const QString &path, const QList<R> &records)
{
    if (!Archives::write(path, records))
        qWarning("cannot write %s", qPrintable(path));
}

struct Person
{
    const char16_t *surname, *name, *codFisc, *born, *place, *prov;
};

constexpr Person kPeople[] = {
    {u"Rossi", u"Mario", u"RSSMRA80A01H501U", u"01/01/1980", u"Roma", u"RM"},
    {u"Bianchi", u"Anna", u"BNCNNA85C41F205Z", u"01/03/1985", u"Milano", u"MI"},
    {u"Esposito", u"Gennaro", u"SPSGNR70D12F839K", u"12/04/1970", u"Napoli", u"NA"},
    {u"Ferrari", u"Giulia", u"FRRGLI92E55A944T", u"15/05/1992", u"Bologna", u"BO"},
    {u"Romano", u"Luca", u"RMNLCU78H20L219P", u"20/06/1978", u"Torino", u"TO"},
    {u"Colombo", u"", u"CLMFNC66T10D969Q", u"10/12/1966", u"Genova", u"GE"},
    {u"Ricci", u"Francesca", u"RCCFNC88L60G273D", u"20/07/1988", u"Palermo", u"PA"},
    {u"Marino", u"Paolo", u"MRNPLA75M15C351W", u"15/08/1975", u"Catania", u"CT"},
};

QString s(const char16_t *text) { return QString::fromUtf16(text); }

QList<RegisterRecord> registerCards()
{
    const char16_t *objects[] = {u"Anello in oro giallo 18 kt", u"Catenina oro bianco", u"Bracciale tennis",
                                 u"Orecchini pendenti", u"Fede nuziale", u"Collana a maglia grumetta",
                                 u"Spilla antica con perle", u"Orologio da tasca"};
    QList<RegisterRecord> cards;
    for (int i = 0; i < 8; ++i) {
        const Person &p = kPeople[i];
        RegisterRecord r;
        r.NumScheda = QString::number(i + 1);
        r.Data = QStringLiteral("%1/06/2025").arg(2 + i, 2, 10, QLatin1Char('0'));
        r.Ora = QStringLiteral("%1:%2").arg(9 + i % 8, 2, 10, QLatin1Char('0')).arg(i * 7 % 60, 2, 10, QLatin1Char('0'));
        r.Importo = QStringLiteral("%1,00").arg(180 + i * 95);
        r.Transazione = i % 2 ? QStringLiteral("Bonifico n. %1").arg(4410 + i) : QString();
        r.Mezzo = i % 2 ? QStringLiteral("Bonifico bancario") : QStringLiteral("Contanti");
        r.Caratteristiche = s(objects[i]);
        r.Natura = QStringLiteral("Oro di qualità 750");
        r.Quotazione = QStringLiteral("58,20 €/g");
        r.Cliente = s(p.surname) + (p.name[0] ? u' ' + s(p.name) : QString());
        r.CodFisc = s(p.codFisc);
        r.DataNasc = s(p.born);
        r.LuogoNasc = s(p.place);
        r.ProvNasc = s(p.prov);
        r.TipoDoc = QStringLiteral("Carta d'identità");
        r.NumDoc = QStringLiteral("CA%1").arg(10234 + i * 311);
        r.EnteRil = QStringLiteral("Comune di ") + s(p.place);
        r.DataRil = QStringLiteral("02/02/2020");
        r.DataSca = QStringLiteral("02/02/2030");
        r.Descrizione = s(objects[i]);
        r.Valutazione = QStringLiteral("%1,00").arg(220 + i * 100);
        const bool sold = i % 3 == 0;
        if (sold) {
            r.Compratore = QStringLiteral("Gioielleria Oro & Argento Srl");
            r.Destinazione = QStringLiteral("Rivendita");
            r.DataVen = QStringLiteral("30/06/2025");
            r.PrezzoVen = QStringLiteral("%1,00").arg(260 + i * 110);
        }
        r.Venduto = sold ? QStringLiteral("Sì") : QStringLiteral("No");
        cards.append(r);
    }
    return cards;
}

QList<CustomerRecord> customers()
{
    QList<CustomerRecord> list;
    for (int i = 0; i < 8; ++i) {
        const Person &p = kPeople[i];
        CustomerRecord c;
        c.Cognome = s(p.surname);
        c.Nome = s(p.name);
        c.CodFisc = s(p.codFisc);
        c.DataNasc = s(p.born);
        c.ComuneNasc = s(p.place);
        c.Indirizzo = QStringLiteral("Via Garibaldi %1").arg(3 + i * 4);
        c.ComuneRes = s(p.place);
        c.Recapito = i % 2 ? QStringLiteral("Cellulare") : QStringLiteral("Casa");
        c.TelCasa = QStringLiteral("06 5551%1").arg(200 + i);
        c.TelCel = QStringLiteral("333 12345%1").arg(10 + i);
        c.Email = QString(s(p.surname).toLower() + QStringLiteral("@esempio.it"));
        c.Professione = i % 2 ? QStringLiteral("Impiegato") : QStringLiteral("Commerciante");
        c.Pagamento = i % 2 ? QStringLiteral("Bonifico bancario") : QStringLiteral("Contanti");
        c.TipoDoc = QStringLiteral("Carta d'identità");
        c.NumDoc = QStringLiteral("CA%1").arg(10234 + i * 311);
        c.EnteRil = QStringLiteral("Comune di ") + s(p.place);
        c.DataRil = QStringLiteral("02/02/2020");
        c.DataSca = QStringLiteral("02/02/2030");
        c.Codice = QStringLiteral("C%1").arg(i + 1, 4, 10, QLatin1Char('0'));
        c.Categoria = i % 3 ? QStringLiteral("Privato") : QStringLiteral("Ditta");
        c.Note = i == 2 ? QStringLiteral("Preferisce essere contattato la mattina") : QString();
        list.append(c);
    }
    return list;
}

QList<ReceiptRecord> receipts()
{
    QList<ReceiptRecord> list;
    for (int i = 0; i < 8; ++i) {
        const Person &p = kPeople[i];
        ReceiptRecord r;
        r.NumRic = QStringLiteral("%1/2025").arg(i + 1);
        r.Data = QStringLiteral("%1/05/2025").arg(5 + i * 3, 2, 10, QLatin1Char('0'));
        r.Riferimenti = QStringLiteral("Scheda n. %1").arg(i + 1);
        r.Pagamento = i % 2 ? QStringLiteral("Bonifico bancario") : QStringLiteral("Contanti");
        r.Banca = i % 2 ? QStringLiteral("Banca Popolare") : QString();
        r.Cliente = s(p.surname) + (p.name[0] ? u' ' + s(p.name) : QString());
        r.ViaCliente = QStringLiteral("Via Garibaldi %1").arg(3 + i * 4);
        r.CittaCliente = s(p.place);
        r.ProvCliente = s(p.prov);
        r.CodFiscCliente = s(p.codFisc);
        const int amount = 150 + i * 85;
        r.TotCorrispettivi = QStringLiteral("%1,00").arg(amount);
        r.Acconti = QStringLiteral("0,00");
        r.Tassa = QStringLiteral("2,00");
        r.Totale = QStringLiteral("%1,00").arg(amount + 2);
        r.Saldata = i % 4 == 3 ? QStringLiteral("No") : QStringLiteral("Sì");
        list.append(r);
    }
    return list;
}

} // namespace

void shootExport(Shooter &shoot)
{
    // Own folder, so the sample archives of other areas stay as they are.
    const QString previousFolder = DataFolder::path();
    QTemporaryDir folder;
    DataFolder::set(folder.path());
    writeArchive(DataFolder::file(FileNames::registerArchive()), registerCards());
    writeArchive(DataFolder::file(FileNames::customerArchive()), customers());
    writeArchive(DataFolder::file(QStringLiteral("2025.ric")), receipts());

    QWidget *receiptWindow = AppWindows::get(QStringLiteral("TfrmRicevute"));
    QLabel *lblFile = qobject_cast<QLabel *>(Controls::child(receiptWindow, QStringLiteral("lblFile")));
    std::unique_ptr<QLabel> ownLabel;
    if (receiptWindow && !lblFile) {
        ownLabel = std::make_unique<QLabel>(receiptWindow);
        ownLabel->setObjectName(QStringLiteral("lblFile"));
        ownLabel->hide();
        lblFile = ownLabel.get();
    }
    const QString previousFile = lblFile ? lblFile->text() : QString();
    if (lblFile)
        lblFile->setText(DataFolder::file(QStringLiteral("2025.ric")));

    {
        TfrmExpRegistro window;
        shoot.window(&window, QStringLiteral("TfrmExpRegistro"));
    }
    {
        TfrmExpClienti window;
        shoot.window(&window, QStringLiteral("TfrmExpClienti"));
    }
    {
        TfrmExpRicevute window;
        shoot.window(&window, QStringLiteral("TfrmExpRicevute"));
    }

    if (lblFile && !ownLabel)
        lblFile->setText(previousFile);
    DataFolder::set(previousFolder);
}
