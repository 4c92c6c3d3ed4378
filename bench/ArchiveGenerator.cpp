#include "ArchiveGenerator.h"
#include "Archives.h"
#include "customers/CustomerRecord.h"
#include "receipts/ReceiptRecord.h"
#include "register/RegisterRecord.h"
#include "storage/AmountText.h"
#include "storage/Clock.h"
#include "storage/DateText.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <functional>

#include <unistd.h>

namespace {

const char16_t *const kSurnames[] = {u"Rossi", u"Russo", u"Ferrari", u"Esposito", u"Bianchi", u"Romano",
    u"Colombo", u"Ricci", u"Marino", u"Greco", u"Bruno", u"Gallo", u"Conti", u"De Luca", u"Mancini",
    u"Costa", u"Giordano", u"Rizzo", u"Lombardi", u"Moretti", u"Barbieri", u"Fontana", u"Santoro",
    u"Mariani", u"Rinaldi", u"Caruso", u"Ferrara", u"Galli", u"Martini", u"Leone", u"D'Angelo", u"Niccolò"};
const char16_t *const kNames[] = {u"Mario", u"Giuseppe", u"Anna", u"Maria", u"Luca", u"Francesca",
    u"Giovanni", u"Giulia", u"Marco", u"Chiara", u"Andrea", u"Sara", u"Paolo", u"Elena", u"Stefano",
    u"Laura", u"Antonio", u"Valentina", u"Nicolò", u"Federica"};
const char16_t *const kNatures[] = {u"Oro giallo 18 kt", u"Oro bianco 18 kt", u"Oro rosso 18 kt",
    u"Oro giallo 14 kt", u"Oro giallo 24 kt", u"Argento 925", u"Argento 800", u"Platino 950",
    u"Oro giallo 9 kt", u"Oro e brillanti"};
const char16_t *const kObjects[] = {u"Anello", u"Catenina", u"Bracciale", u"Orecchini", u"Collana",
    u"Fede nuziale", u"Ciondolo", u"Orologio", u"Spilla", u"Gemelli", u"Medaglia", u"Lingotto"};
const char16_t *const kTowns[] = {u"Roma", u"Milano", u"Napoli", u"Torino", u"Palermo", u"Genova",
    u"Bologna", u"Firenze", u"Bari", u"Catania", u"Verona", u"Forlì", u"Cantù"};
const char16_t *const kProvinces[] = {u"RM", u"MI", u"NA", u"TO", u"PA", u"GE", u"BO", u"FI", u"BA",
    u"CT", u"VR", u"FC", u"CO"};
const char16_t *const kPayments[] = {u"Bonifico bancario", u"Assegno", u"Contanti", u"Assegno circolare"};

template <std::size_t N>
QString pick(QRandomGenerator &g, const char16_t *const (&list)[N])
{
    return QString::fromUtf16(list[g.bounded(int(N))]);
}

QString amount(QRandomGenerator &g, int maxEuro)
{
    return AmountText::completeDecimals(AmountText::formatGeneral(g.bounded(100 * maxEuro) / 100.0));
}

QString dateIn(QRandomGenerator &g, int firstYear, int lastYear)
{
    const QDate start(firstYear, 1, 1);
    return DateText::format(start.addDays(g.bounded(int(start.daysTo(QDate(lastYear, 12, 31))) + 1)));
}

// Archives grow day by day: record i of n falls at i/n of the span.
QDate dateAt(int i, int count, int firstYear, int lastYear)
{
    const QDate start(firstYear, 1, 1);
    const qint64 days = start.daysTo(QDate(lastYear, 12, 31)) + 1;
    return start.addDays(qint64(i) * days / qMax(1, count));
}

// Sixteen characters in the shape of an Italian fiscal code.
QString fiscalCode(QRandomGenerator &g)
{
    static const char kShape[] = "LLLLLLDDLDDLDDDL";
    QString code;
    for (const char kind : QByteArrayView(kShape))
        code += kind == 'L' ? QChar(u'A' + g.bounded(26)) : QChar(u'0' + g.bounded(10));
    return code;
}

// A benchmark on a short archive would measure nothing: stop instead.
template <class R>
void writeAll(const QString &path, int count, const std::function<R(int)> &make)
{
    if (!Archives::writeMany(path, count, make))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

namespace ArchiveGenerator {

void writeRegister(const QString &path, int count, unsigned seed)
{
    QRandomGenerator g(seed);
    QRandomGenerator care(seed ^ 0x5eedu);
    writeAll<RegisterRecord>(path, count, [&](int i) {
        RegisterRecord r;
        const QDate bought = dateAt(i, count, 2015, 2025);
        r.NumScheda = QString::number(i + 1);
        r.Data = DateText::format(bought);
        r.Ora = QStringLiteral("%1:%2").arg(9 + g.bounded(10), 2, 10, QChar(u'0')).arg(g.bounded(60), 2, 10, QChar(u'0'));
        r.Importo = amount(g, 3000);
        r.Mezzo = pick(g, kPayments);
        r.Natura = pick(g, kNatures);
        r.Descrizione = pick(g, kObjects) + u' ' + r.Natura.toLower();
        r.Caratteristiche = r.Descrizione + QStringLiteral(", peso ") + QString::number(1 + g.bounded(80)) + QStringLiteral(" g");
        r.Quotazione = QStringLiteral("Oro 18 kt € ") + amount(g, 60) + QStringLiteral(" al grammo");
        r.Cliente = pick(g, kSurnames) + u' ' + pick(g, kNames);
        r.CodFisc = fiscalCode(g);
        r.LuogoNasc = pick(g, kTowns);
        r.ProvNasc = pick(g, kProvinces);
        r.Sesso = g.bounded(2) ? QStringLiteral("M") : QStringLiteral("F");
        r.TipoDoc = QStringLiteral("Carta d'identità");
        r.NumDoc = QStringLiteral("CA") + QString::number(10000 + g.bounded(90000));
        r.EnteRil = QStringLiteral("Comune di ") + r.LuogoNasc;
        const bool sold = g.bounded(3) == 0;
        r.Venduto = sold ? QStringLiteral("Sì") : QStringLiteral("No");
        r.PrezzoVen = sold ? amount(g, 4000) : QStringLiteral("0,00");
        if (sold) {
            r.Compratore = QStringLiteral("Fonderia ") + pick(g, kSurnames) + QStringLiteral(" S.r.l.");
            r.Destinazione = QStringLiteral("Fusione");
            r.DataVen = DateText::format(bought.addDays(1 + g.bounded(365)));
        }
        // What a card kept with care also holds, drawn apart so that the
        // fields above stay as they were.
        r.DataNasc = dateIn(care, 1940, 2000);
        const QDate issued = bought.addDays(-30 - care.bounded(3000));
        r.DataRil = DateText::format(issued);
        r.DataSca = DateText::format(issued.addYears(10));
        r.Valutazione = QStringLiteral("€ ") + amount(care, 60) + QStringLiteral(" al grammo, ") + r.Natura.toLower();
        if (!r.Mezzo.contains(QStringLiteral("Contanti")))
            r.Transazione = QStringLiteral("Rif. ") + QString::number(100000000 + care.bounded(900000000));
        return r;
    });
}

void writeCustomers(const QString &path, int count, unsigned seed)
{
    QRandomGenerator g(seed);
    writeAll<CustomerRecord>(path, count, [&](int i) {
        CustomerRecord c;
        c.Cognome = pick(g, kSurnames);
        c.Nome = pick(g, kNames);
        c.CodFisc = fiscalCode(g);
        c.Sesso = g.bounded(2) ? QStringLiteral("M") : QStringLiteral("F");
        c.DataNasc = dateIn(g, 1940, 2000);
        c.ComuneNasc = pick(g, kTowns);
        c.ProvNasc = pick(g, kProvinces);
        c.Indirizzo = QStringLiteral("Via Garibaldi ") + QString::number(1 + g.bounded(200));
        c.Cap = QString::number(10000 + g.bounded(89999));
        c.ComuneRes = pick(g, kTowns);
        c.ProvRes = pick(g, kProvinces);
        c.TelCel = QStringLiteral("3") + QString::number(100000000 + g.bounded(899999999));
        c.Recapito = c.TelCel;
        const bool trader = g.bounded(10) == 0;
        c.Categoria = trader ? QStringLiteral("Commerciante") : QStringLiteral("Privato");
        if (trader)
            c.Zona = QStringLiteral("Oreficeria ") + c.Cognome + QStringLiteral(" S.n.c.");
        c.TipoDoc = QStringLiteral("Carta d'identità");
        c.NumDoc = QStringLiteral("CA") + QString::number(10000 + g.bounded(90000));
        if (g.bounded(5) == 0)
            c.Note = QStringLiteral("Cliente abituale, preferisce il bonifico.");
        c.Email = c.Nome.toLower() + u'.' + QString::number(i) + QStringLiteral("@esempio.it");
        c.Codice = QStringLiteral("CL") + QString::number(i + 1);
        c.Preavviso = QString::number(g.bounded(30));
        c.Totale = amount(g, 5000);
        c.Rata = amount(g, 500);
        // Instalments run from the last two years to the next one, so some
        // of them fall due around today, as in a shop's book.
        const QDate today = Clock::today();
        c.Decorrenza = DateText::format(today.addDays(-g.bounded(720)));
        c.Scadenza = DateText::format(today.addDays(g.bounded(420) - 60));
        c.Acquisto = g.bounded(4) == 0 ? QStringLiteral("Collana a rate") : QString();
        return c;
    });
}

void writeReceipts(const QString &path, int count, int year, unsigned seed)
{
    QRandomGenerator g(seed);
    writeAll<ReceiptRecord>(path, count, [&](int i) {
        ReceiptRecord r;
        r.NumRic = QString::number(i + 1);
        r.Data = DateText::format(dateAt(i, count, year, year));
        r.Ditta = QStringLiteral("Oro Italia di Bianchi Anna");
        r.ViaDitta = QStringLiteral("Corso Vittorio Emanuele 12");
        r.CapDitta = QStringLiteral("00186");
        r.CittaDitta = QStringLiteral("Roma");
        r.ProvDitta = QStringLiteral("RM");
        r.IvaDitta = QStringLiteral("01234567890");
        r.Cliente = pick(g, kSurnames) + u' ' + pick(g, kNames);
        r.CittaCliente = pick(g, kTowns);
        r.CodFiscCliente = fiscalCode(g);
        r.Pagamento = pick(g, kPayments);
        const int lines = 1 + g.bounded(5);
        double sum = 0;
        for (int l = 0; l < lines; ++l) {
            const QString price = amount(g, 1500);
            sum += AmountText::valueOr0(price);
            r.*(ReceiptRecord::kFields[22 + l].member) = pick(g, kObjects) + u' ' + pick(g, kNatures).toLower();
            r.*(ReceiptRecord::kFields[52 + l].member) = price;
        }
        r.TotCorrispettivi = AmountText::completeDecimals(AmountText::formatGeneral(AmountText::roundHalfUp(sum, 2)));
        r.Acconti = QStringLiteral("0,00");
        r.Tassa = QStringLiteral("2,00");
        r.Totale = AmountText::completeDecimals(AmountText::formatGeneral(AmountText::roundHalfUp(sum + 2, 2)));
        r.Saldata = g.bounded(5) == 0 ? QStringLiteral("No") : QStringLiteral("Sì");
        return r;
    });
}

namespace {

// A picture with detail, so that it encodes to the size of a real photo.
QImage photo(const QColor &colour, unsigned seed)
{
    QImage image(1024, 768, QImage::Format_RGB32);
    image.fill(colour);
    QRandomGenerator g(seed);
    QPainter painter(&image);
    for (int i = 0; i < 400; ++i) {
        painter.setPen(QColor::fromRgb(g.generate()));
        painter.drawEllipse(g.bounded(1024), g.bounded(768), 4 + g.bounded(120), 4 + g.bounded(90));
    }
    return image;
}

} // namespace

bool writePhotos(const QString &folder, int count, QString *error)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("cannot create ") + folder;
        return false;
    }
    const auto name = [&](char frame, int n) {
        return dir.filePath(QStringLiteral("Foto_%1_%2.jpg").arg(QLatin1Char(frame)).arg(n));
    };
    const QString first[2] = {name('A', 1), name('B', 1)};
    if (!photo(QColor(0xE8, 0xD8, 0xB0), 7).save(first[0], "jpg", 92)
        || !photo(QColor(0xB0, 0xC8, 0xE8), 8).save(first[1], "jpg", 92)) {
        *error = QStringLiteral("cannot write ") + first[0];
        return false;
    }
    // A file takes some tens of thousands of links at most: every batch
    // links to a copy of its own.
    constexpr int kLinksPerFile = 30000;
    QString source[2] = {first[0], first[1]};
    for (int n = 2; n <= count; ++n)
        for (int f = 0; f < 2; ++f) {
            const QString path = name(f ? 'B' : 'A', n);
            const QByteArray target = QFile::encodeName(path);
            ::unlink(target.constData());
            if (n % kLinksPerFile == 0) {
                if (!QFile::copy(first[f], path)) {
                    *error = QStringLiteral("cannot write ") + path;
                    return false;
                }
                source[f] = path;
                continue;
            }
            if (::link(QFile::encodeName(source[f]).constData(), target.constData()) != 0) {
                *error = QStringLiteral("cannot link ") + QString::fromLocal8Bit(target);
                return false;
            }
        }
    return true;
}

} // namespace ArchiveGenerator
