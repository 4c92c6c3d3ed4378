#include "Archives.h"
#include "Shooter.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "register/RegisterRecord.h"
#include "register/search/RegisterSearch.h"
#include "storage/DataFolder.h"
#include "report/ListReport.h"
#include "report/ReportOutput.h"
#include "storage/Clock.h"
#include "summaries/Inventory.h"
#include "resultlist/ListPrinting.h"
#include "summaries/UnsoldList.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

struct SampleCard
{
    const char16_t *natura, *descrizione, *cliente, *importo, *valutazione, *prezzo;
    bool venduto;
};

// A small shop's register: gold, silver and platinum bought over a few weeks.
constexpr SampleCard kCards[] = {
    {u"Oro giallo 18 kt", u"Anello a fascia liscio", u"Rossi Mario", u"320,00", u"Buono stato, peso 6,2 g", u"420,00", false},
    {u"Oro giallo 18 kt", u"Catenina maglia veneziana 50 cm", u"Bianchi Laura", u"540,50", u"Ottimo stato", u"690,00", false},
    {u"Argento 925", u"Bracciale rigido inciso", u"Esposito Giuseppe", u"45,00", u"Segni d'uso", u"70,00", false},
    {u"Oro bianco 18 kt", u"Solitario con zircone", u"Romano Francesca", u"280,00", u"Pietra non preziosa", u"360,00", true},
    {u"Platino 950", u"Fede nuziale", u"Colombo Andrea", u"410,00", u"Ottimo stato", u"520,00", false},
    {u"Oro rosso 9 kt", u"Orecchini a cerchio", u"Ricci Sofia", u"95,50", u"Chiusure da sostituire", u"140,00", false},
    {u"Argento 800", u"Servizio posate sei pezzi", u"Marino Luca", u"130,00", u"Argenteria da tavola", u"190,00", false},
    {u"Oro giallo 18 kt", u"Medaglia sacra con catenina", u"Greco Anna", u"210,25", u"Buono stato", u"280,00", true},
    {u"Oro giallo 14 kt", u"Anello con sigillo", u"Bruno Paolo", u"175,00", u"Incisione iniziali", u"240,00", false},
    {u"Argento 925", u"Collana con pendente a cuore", u"Gallo Chiara", u"38,00", u"Ottimo stato", u"60,00", false},
    {u"Oro bianco 18 kt", u"Orologio da polso cassa oro", u"Conti Roberto", u"890,00", u"Movimento da revisionare", u"1150,00", false},
    {u"Oro giallo 18 kt", u"Spilla a forma di foglia", u"De Luca Elena", u"160,00", u"Buono stato", u"230,00", false},
    {u"Argento 925", u"Portasigarette cesellato", u"Mancini Franco", u"72,00", u"Antico, inizio Novecento", u"120,00", true},
    {u"Oro giallo 18 kt", u"Anello a fascia liscio", u"Costa Giulia", u"305,00", u"Buono stato, peso 5,9 g", u"400,00", false},
    {u"Oro rosa 18 kt", u"Bracciale tennis", u"Giordano Marco", u"615,00", u"Ottimo stato", u"790,00", false},
    {u"Platino 950", u"Anello con brillante 0,30 ct", u"Rizzo Valentina", u"1240,00", u"Certificato presente", u"1590,00", false},
};

void seedRegister()
{
    QList<RegisterRecord> records;
    int n = 0;
    for (const SampleCard &c : kCards) {
        RegisterRecord r;
        ++n;
        r.NumScheda = QString::number(n) + QStringLiteral("/2025");
        r.Data = QStringLiteral("%1/05/2025").arg(n + 3, 2, 10, QLatin1Char('0'));
        r.Ora = QStringLiteral("10:%1").arg(n * 3, 2, 10, QLatin1Char('0'));
        r.Natura = QString::fromUtf16(c.natura);
        r.Descrizione = QString::fromUtf16(c.descrizione);
        r.Cliente = QString::fromUtf16(c.cliente);
        r.Importo = QString::fromUtf16(c.importo);
        r.Valutazione = QString::fromUtf16(c.valutazione);
        r.PrezzoVen = QString::fromUtf16(c.prezzo);
        r.Venduto = c.venduto ? QStringLiteral("Sì") : QStringLiteral("No");
        records.append(r);
    }
    if (!Archives::writeRegister(records))
        qWarning("cannot write %s", qPrintable(Archives::registerPath()));
}

// A maximised dialog is drawn at the reference screen size.
void atScreenSize(QWidget *w)
{
    w->setWindowState(Qt::WindowNoState);
    w->resize(1366, 768);
}

} // namespace

void shootSummaries(Shooter &shoot)
{
    seedRegister();

    {
        TfrmTrovaRegistro search;
        Controls::setToken(&search, QStringLiteral("registro"));
        search.show();
        Controls::setText(&search, QStringLiteral("txtNatura"), QStringLiteral("oro"));
        Controls::setText(&search, QStringLiteral("txtDescrizione"), QStringLiteral("anello"));
        shoot.window(&search, QStringLiteral("TfrmTrovaRegistro"));
        Controls::setText(&search, QStringLiteral("txtNatura"), QStringLiteral("oro"));
        Controls::setText(&search, QStringLiteral("txtDescrizione"), QString());
        search.findChild<QPushButton *>(QStringLiteral("btnCerca"))->click();
        Controls::setText(&search, QStringLiteral("txtTrova"), QStringLiteral("anello"));
        search.list()->btnTrovaClick();
        shoot.window(&search, QStringLiteral("TfrmTrovaRegistro-risultati"));
    }
    {
        TfrmDaVendere unsold;
        unsold.show();
        unsold.list()->setSelectedIndex(2);
        shoot.window(&unsold, QStringLiteral("TfrmDaVendere"));
    }
    QWidget *chooser = AppWindows::get(QStringLiteral("TfrmMenuRiepilogo"));
    if (chooser) {
        chooser->show();
        Controls::setText(chooser, QStringLiteral("txtTipologia"), QStringLiteral("oro giallo"));
        shoot.window(chooser, QStringLiteral("TfrmMenuRiepilogo"));
        Controls::setText(chooser, QStringLiteral("txtTipologia"), QString());
        {
            TfrmRiepilogo inventory(chooser);
            atScreenSize(&inventory);
            shoot.window(&inventory, QStringLiteral("TfrmRiepilogo"));
        }
        Controls::setText(chooser, QStringLiteral("txtTipologia"), QStringLiteral("oro giallo"));
        {
            TfrmRiepilogo inventory(chooser);
            atScreenSize(&inventory);
            shoot.window(&inventory, QStringLiteral("TfrmRiepilogo-filtro"));
            Report::ListReport page;
            ListPrinting::fill(page, inventory.printout());
            shoot.image(Report::renderPage(page, 0, 150, Clock::now()), QStringLiteral("stampa-inventario"));
        }
        chooser->hide();
    }
}
