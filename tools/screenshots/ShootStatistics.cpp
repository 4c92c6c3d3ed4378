#include "Archives.h"
#include "Shooter.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"
#include "storage/DataFolder.h"
#include "summaries/PayoutSummary.h"
#include "summaries/PeriodSummaryWindow.h"
#include "resultlist/ResultList.h"
#include "summaries/StatisticsChart.h"
#include "summaries/StatisticsPrinting.h"
#include "summaries/UnpaidReceipts.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// The statistics chart, the payout summary and the receipt summaries.
namespace {

const char *const kCustomers[][2] = {
    {"Rossi Mario", "RSSMRA62C12H501W"},      {"Bianchi Anna Maria", "BNCNMR75E52F205K"},
    {"Esposito Gennaro", "SPSGNR58A01F839Q"}, {"Ferrari Giulia", "FRRGLI81T41A944B"},
    {"Russo Antonio", "RSSNTN69M10L219P"},    {"Colombo Francesca", "CLMFNC90D48F704S"},
};

// A plausible year of receipts: quiet summer, busy December, a few unpaid.
void seedReceiptYear()
{
    constexpr int kPerMonth[12][3] = {
        {3, 420, 37}, {2, 610, 53}, {4, 380, 11}, {3, 290, 71}, {2, 250, 19}, {3, 330, 43},
        {1, 180, 29}, {1, 150, 61}, {3, 300, 7},  {4, 360, 23}, {4, 480, 59}, {6, 520, 83},
    };
    QList<ReceiptRecord> records;
    int number = 0;
    for (int month = 0; month < 12; ++month) {
        const auto [count, base, step] = kPerMonth[month];
        for (int i = 0; i < count; ++i) {
            const auto &customer = kCustomers[(number + month) % 6];
            const int amount = base + i * step;
            const int advance = (number % 4 == 0) ? amount / 5 : 0;
            ReceiptRecord r;
            r.NumRic = QStringLiteral("%1/2024").arg(++number);
            r.Data = QStringLiteral("%1/%2/2024").arg(3 + i * 5, 2, 10, QChar(u'0')).arg(month + 1, 2, 10, QChar(u'0'));
            r.Cliente = QString::fromUtf8(customer[0]);
            r.CodFiscCliente = QString::fromLatin1(customer[1]);
            r.TotCorrispettivi = QStringLiteral("%1,50").arg(amount);
            r.Acconti = QStringLiteral("%1,00").arg(advance);
            r.Tassa = amount > 77 ? QStringLiteral("2,00") : QStringLiteral("0,00");
            r.Totale = QStringLiteral("%1,50").arg(amount - advance + 2);
            r.Saldata = (number % 5 == 2) ? QStringLiteral("No") : QStringLiteral("Sì");
            records.append(r);
        }
    }
    if (!Archives::writeReceipts(QStringLiteral("2024"), records))
        qWarning("cannot write %s", qPrintable(Archives::receiptPath(QStringLiteral("2024"))));
}

void seedPayouts()
{
    const char *const kCards[][4] = {
        {"08/01/2024", "320,00", "Anello in oro giallo 18 kt", "Fede nuziale liscia, incisione interna"},
        {"22/02/2024", "1150,50", "Collana in oro bianco 18 kt", "Girocollo maglia veneziana 45 cm"},
        {"05/03/2024", "89,90", "Orecchini in argento 925", "Pendenti con pietre azzurre"},
        {"18/04/2024", "640,00", "Bracciale in oro giallo 18 kt", "Maglia groumette, chiusura a moschettone"},
        {"30/05/2024", "2100,00", "Orologio in oro 18 kt", "Cassa rotonda, cinturino in pelle"},
        {"12/07/2024", "410,25", "Anello in oro rosso 18 kt", "Solitario con zircone"},
        {"03/09/2024", "75,00", "Spilla in argento 800", "Motivo floreale, anni Cinquanta"},
        {"21/10/2024", "980,00", "Catenina in oro giallo 18 kt", "Maglia rolò con medaglietta"},
        {"14/11/2024", "265,40", "Anello in oro bianco 18 kt", "Veretta con pietre bianche"},
        {"09/12/2024", "1530,00", "Lingotto in oro 999", "Placchetta da 25 grammi"},
    };
    QList<RegisterRecord> records;
    int i = 0;
    for (const auto &c : kCards) {
        const auto &customer = kCustomers[i++ % 6];
        RegisterRecord r;
        r.NumScheda = QString::number(900 + i);
        r.Data = QString::fromLatin1(c[0]);
        r.Importo = QString::fromLatin1(c[1]);
        r.Natura = QString::fromUtf8(c[2]);
        r.Descrizione = QString::fromUtf8(c[3]);
        r.Cliente = QString::fromUtf8(customer[0]);
        r.CodFisc = QString::fromLatin1(customer[1]);
        records.append(r);
    }
    if (!Archives::writeRegister(records))
        qWarning("cannot write %s", qPrintable(Archives::registerPath()));
}

void click(QWidget *window, const char *name)
{
    window->findChild<QPushButton *>(QLatin1StringView(name))->click();
    QApplication::processEvents();
}

// Maximised dialogs are drawn at the reference size.
QImage grabAt(QWidget *w, const QSize &size)
{
    w->setWindowState(Qt::WindowNoState);
    w->resize(size);
    w->show();
    QApplication::processEvents();
    QTest::qWait(30);
    return w->grab().toImage();
}

// The receipt summaries read the archive and year the receipt window shows.
void pointReceiptWindowAt(const QString &archive, const QString &year)
{
    QWidget *receipts = AppWindows::get(QStringLiteral("TfrmRicevute"));
    for (const auto &[name, text] : {std::pair{"lblFile", archive}, std::pair{"lblAnno", year}}) {
        if (!Controls::child(receipts, QLatin1StringView(name))) {
            auto *label = new QLabel(receipts);
            label->setObjectName(QLatin1StringView(name));
            label->hide();
        }
        Controls::setText(receipts, QLatin1StringView(name), text);
    }
}

void shootChart(Shooter &shoot)
{
    QWidget *window = AppWindows::get(QStringLiteral("TfrmStatistiche"));
    shoot.window(window, QStringLiteral("TfrmStatistiche-anno"));
    Controls::setText(window, QStringLiteral("txtAnno"), QStringLiteral("2024"));
    click(window, "btnApri");
    click(window, "btnBarre");
    shoot.window(window, QStringLiteral("TfrmStatistiche"));
    click(window, "btnTorta");
    shoot.window(window, QStringLiteral("TfrmStatistiche-torta"));
    shoot.image(grabAt(window, QSize(1920, 1080)), QStringLiteral("TfrmStatistiche-torta-1920"));
    click(window, "btnBarre");
    shoot.image(window->grab().toImage(), QStringLiteral("TfrmStatistiche-1920"));
    const auto *chart = window->findChild<StatisticsChart *>(QStringLiteral("ChartStats"));
    shoot.image(StatisticsPrinting::pageImage(*chart, 120), QStringLiteral("stampa-grafico"));
    window->hide();
}

void shootPayouts(Shooter &shoot)
{
    QWidget *chooser = AppWindows::get(QStringLiteral("TfrmMenuRiepCosti"));
    shoot.window(chooser, QStringLiteral("TfrmMenuRiepCosti"));
    Controls::setText(chooser, QStringLiteral("txtAnno"), QStringLiteral("2024"));
    Controls::setText(chooser, QStringLiteral("txtEsecutore"), QStringLiteral("oro"));
    for (const auto &[name, item] : {std::pair{"txtGiornoInizio", "01"}, std::pair{"txtMeseInizio", "Gennaio"},
                                     std::pair{"txtGiornoFine", "31"}, std::pair{"txtMeseFine", "Dicembre"}}) {
        auto *c = chooser->findChild<QComboBox *>(QLatin1StringView(name));
        c->setCurrentIndex(c->findText(QLatin1StringView(item)));
    }
    QMetaObject::invokeMethod(chooser, "txtAnnoChange");
    chooser->findChild<QWidget *>(QStringLiteral("txtAnno"))->setFocus();
    shoot.window(chooser, QStringLiteral("TfrmMenuRiepCosti-compilato"));
    // What "Visualizza riepilogo" composes before it opens the summary.
    Controls::setText(chooser, QStringLiteral("lblDataInizio"), QStringLiteral("01/01/2024"));
    Controls::setText(chooser, QStringLiteral("lblDataFine"), QStringLiteral("31/12/2024"));
    TfrmRiepCosti summary(chooser);
    shoot.image(grabAt(&summary, QSize(1366, 768)), QStringLiteral("TfrmRiepCosti"));
    shoot.image(grabAt(&summary, QSize(1920, 1080)), QStringLiteral("TfrmRiepCosti-1920"));
    chooser->hide();
}

void shootReceiptSummaries(Shooter &shoot)
{
    pointReceiptWindowAt(DataFolder::file(QStringLiteral("2024.ric")), QStringLiteral("2024"));
    QWidget *receipts = AppWindows::get(QStringLiteral("TfrmRicevute"));
    {
        TfrmRiepMensile month(receipts);
        Controls::setText(&month, QStringLiteral("lblAnno"), QStringLiteral("2024"));
        Controls::setText(&month, QStringLiteral("cboSelezione"), QStringLiteral("DICEMBRE"));
        shoot.image(grabAt(&month, QSize(1366, 768)), QStringLiteral("TfrmRiepMensile-scelta"));
        click(&month, "btnVisualizza");
        shoot.image(grabAt(&month, QSize(1366, 768)), QStringLiteral("TfrmRiepMensile"));
    }
    {
        TfrmRiepTrimestrale quarter(receipts);
        Controls::setText(&quarter, QStringLiteral("lblAnno"), QStringLiteral("2024"));
        shoot.image(grabAt(&quarter, QSize(1366, 768)), QStringLiteral("TfrmRiepTrimestrale-scelta"));
        Controls::setText(&quarter, QStringLiteral("cboSelezione"), QStringLiteral("OTTOBRE, NOVEMBRE, DICEMBRE"));
        click(&quarter, "btnVisualizza");
        shoot.image(grabAt(&quarter, QSize(1366, 768)), QStringLiteral("TfrmRiepTrimestrale"));
    }
    {
        TfrmRiepAnnuale year(receipts);
        shoot.image(grabAt(&year, QSize(1366, 768)), QStringLiteral("TfrmRiepAnnuale"));
        shoot.image(grabAt(&year, QSize(1920, 1080)), QStringLiteral("TfrmRiepAnnuale-1920"));
    }
    TfrmSospese unpaid(receipts);
    unpaid.findChild<ResultList *>()->setSelectedIndex(1);
    shoot.window(&unpaid, QStringLiteral("TfrmSospese"));
}

} // namespace

void shootStatistics(Shooter &shoot)
{
    seedReceiptYear();
    seedPayouts();
    shootChart(shoot);
    shootPayouts(shoot);
    shootReceiptSummaries(shoot);
}
