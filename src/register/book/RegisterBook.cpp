#include "register/book/RegisterBook.h"
#include "report/ObjectPainter.h"
#include "ui/Theme.h"
#include "storage/AmountText.h"
#include "storage/DataFolder.h"
#include "storage/DateText.h"
#include "storage/IniFile.h"
#include "storage/StorageError.h"
#include "storage/TradeName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace {

using Report::Object;

// Geometry in millimetres inside the printable area (A4 portrait, 12 mm margins).
constexpr qreal kMarginMm = 12;
constexpr qreal kWidth = 210 - 2 * kMarginMm;
constexpr qreal kHeight = 297 - 2 * kMarginMm;
constexpr qreal kContentTop = 20;
constexpr qreal kFooterLine = kHeight - 6;
constexpr qreal kContentBottom = kFooterLine - 2;
constexpr qreal kGap = 3;          // between two blocks
constexpr qreal kPad = 1.5;        // inside a block
constexpr qreal kBar = 5.5;        // the card's title bar
constexpr qreal kLine = 3.4;       // one wrapped line of a value
constexpr qreal kRowGap = 0.7;
constexpr qreal kLabel = 30;       // label column
constexpr qreal kHalf = (kWidth - 2 * kPad) / 2;
constexpr qreal kPhotoW = 44;
constexpr qreal kPhotoH = 33;
constexpr qreal kValuePt = 7.5;
// Text is measured where the PDF writer paints (1200 dpi); its boxes keep a
// little slack so a coarser device never clips what was measured to fit.
constexpr qreal kMeasureDpi = 1200;
constexpr qreal kSlack = 2;

const QPaintDevice *measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dpm = qRound(kMeasureDpi / 0.0254);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        return image;
    }();
    return &device;
}

// Control characters of a damaged card print as blanks, so every line measured is a line painted.
QString printable(QString text)
{
    for (QChar &c : text)
        if (c.unicode() < 32 || c.unicode() == 127)
            c = u' ';
    return text.trimmed();
}

QStringList wrap(const QString &text, const QFont &font, qreal widthMm)
{
    if (text.isEmpty())
        return {QString()};
    QTextLayout layout(text, font, measuringDevice());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(widthMm * kMeasureDpi / 25.4);
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

Object textAt(const QString &name, qreal left, qreal top, qreal width, qreal height, qreal pointSize,
              const QString &text, bool bold = false, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    Object o = Report::text(name, QRectF(left, top, width, height), pointSize, text, alignment);
    o.bold = bold;
    return o;
}

QFont valueFont()
{
    Object o;
    o.pointSize = kValuePt;
    return Report::fontOf(o);
}

// One label with its wrapped value, at (left, top); returns the height used.
qreal cell(QList<Object> &out, qreal left, qreal top, qreal width, const QString &label, const QString &value)
{
    Object l = textAt(QStringLiteral("lblCampo"), left, top, kLabel, kLine, 7, label, true);
    l.textColour = Theme::colour(Theme::Colour::PrintSlate);
    out.append(l);
    const qreal valueWidth = width - kLabel;
    const QStringList lines = wrap(printable(value), valueFont(), valueWidth);
    for (qsizetype i = 0; i < lines.size(); ++i)
        out.append(textAt(QStringLiteral("txtCampo"), left + kLabel, top + kLine * qreal(i), valueWidth + kSlack, kLine,
                          kValuePt, lines[i]));
    return kLine * qreal(lines.size());
}

QString birthPlace(const RegisterRecord &r)
{
    return r.ProvNasc.isEmpty() ? r.LuogoNasc : r.LuogoNasc + QStringLiteral(" (") + r.ProvNasc + QLatin1Char(')');
}

QString euro(const QString &amount) { return amount.isEmpty() ? QString() : QStringLiteral("€ ") + amount; }

// The rows of a block: two fields side by side, or one long text across.
struct Row
{
    QString leftLabel, left, rightLabel, right;
    bool full = false;
};

QList<Row> rowsOf(const RegisterRecord &r)
{
    auto half = [](const QString &a, const QString &av, const QString &b, const QString &bv) { return Row{a, av, b, bv, false}; };
    auto full = [](const QString &a, const QString &av) { return Row{a, av, {}, {}, true}; };
    return {
        half(QStringLiteral("Cliente"), r.Cliente, QStringLiteral("Codice fiscale"), r.CodFisc),
        half(QStringLiteral("Data di nascita"), r.DataNasc, QStringLiteral("Luogo di nascita"), birthPlace(r)),
        half(QStringLiteral("Sesso"), r.Sesso, QStringLiteral("Documento"), r.TipoDoc),
        half(QStringLiteral("Numero documento"), r.NumDoc, QStringLiteral("Rilasciato da"), r.EnteRil),
        half(QStringLiteral("Data di rilascio"), r.DataRil, QStringLiteral("Data di scadenza"), r.DataSca),
        full(QStringLiteral("Oggetto"), r.Descrizione),
        full(QStringLiteral("Caratteristiche"), r.Caratteristiche),
        full(QStringLiteral("Natura e qualità"), r.Natura),
        full(QStringLiteral("Quotazione"), r.Quotazione),
        half(QStringLiteral("Valutazione"), r.Valutazione, QStringLiteral("Importo pagato"), euro(r.Importo)),
        half(QStringLiteral("Mezzo di pagamento"), r.Mezzo, QStringLiteral("Venduto"), r.Venduto),
        full(QStringLiteral("Estremi pagamento"), r.Transazione),
        full(QStringLiteral("Acquirente"), r.Compratore),
        full(QStringLiteral("Destinazione"), r.Destinazione),
        half(QStringLiteral("Data di vendita"), r.DataVen, QStringLiteral("Prezzo di vendita"), euro(r.PrezzoVen)),
    };
}

QString centsText(qint64 cents)
{
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    cents = std::llabs(cents);
    return sign + QString::number(cents / 100) + QLatin1Char(',') + QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
}

void shift(QList<Object> &objects, qsizetype from, qreal dy)
{
    for (qsizetype i = from; i < objects.size(); ++i)
        objects[i].mm.translate(0, dy);
}

} // namespace

RegisterBook RegisterBook::fromDataFolder(const QString &folder, const Period &period, bool photos)
{
    const QDir dir(folder);
    const QString registerPath = dir.filePath(FileNames::registerArchive());
    QList<Card> cards;
    int undated = 0;
    if (QFileInfo::exists(registerPath)) {
        // Read-only: an inspection may be shown from a write-protected copy.
        QFile file(registerPath);
        if (!file.open(QIODevice::ReadOnly))
            throw StorageError(registerPath + QStringLiteral(": ") + file.errorString());
        static const int dateField = RegisterRecordLayout::indexOf(u"Data");
        constexpr int kSize = RegisterRecordLayout::size;
        constexpr int kBlock = 1024;  // records read at once
        QByteArray block(kSize * kBlock, Qt::Uninitialized);
        int index = 0;
        for (;;) {
            const qint64 got = file.read(block.data(), block.size());
            if (got < 0)
                throw StorageError(registerPath + QStringLiteral(": ") + file.errorString());
            const int whole = int(got / kSize);  // a torn tail is not a card
            for (int i = 0; i < whole; ++i, ++index) {
                const char *record = block.constData() + qsizetype(i) * kSize;
                const QDate date = DateText::parse(RegisterRecordLayout::field(record, dateField));
                if (!date.isValid())
                    ++undated;
                else if (date >= period.from && date <= period.to)
                    cards.append({index + 1, RegisterRecordLayout::decode(record)});
            }
            if (got < block.size())
                break;
        }
    } else if (!dir.exists()) {
        throw StorageError(QStringLiteral("cartella dei dati mancante: ") + folder);
    }
    const QString ini = dir.filePath(FileNames::settings());
    IniFile settings(ini);
    const QString section = QStringLiteral("Ditta Emittente");
    auto value = [&](const char *key) { return settings.value(section, QLatin1StringView(key)).trimmed(); };
    QString town = QString(value("CAP") + QLatin1Char(' ') + value("Comune")).trimmed();
    if (!value("Provincia").isEmpty())
        town += QStringLiteral(" (") + value("Provincia") + QLatin1Char(')');
    QStringList address{value("Indirizzo"), town};
    address.removeAll(QString());
    const Heading heading{shopTradeName(), value("Nome"), address.join(QStringLiteral(", ")), value("Partita IVA"),
                          value("Codice Fiscale")};
    return RegisterBook(cards, heading, period, photos, dir.path(), undated);
}

RegisterBook::RegisterBook(const QList<Card> &cards, const Heading &heading, const Period &period, bool photos,
                           const QString &photoFolder, int undatedCards)
    : m_cards(cards), m_heading(heading), m_period(period), m_photos(photos), m_photoFolder(photoFolder),
      m_undatedCards(undatedCards)
{
    qint64 cents = 0;
    for (const Card &c : m_cards) {
        if (const auto amount = AmountText::parse(c.record.Importo))
            cents += qint64(std::llround(AmountText::roundHalfUp(*amount, 2) * 100));
        else if (!c.record.Importo.trimmed().isEmpty())
            ++m_unreadableAmounts;
    }
    m_totalPaid = centsText(cents);
    layOut();
}

QString RegisterBook::pdfFileName(const Period &period)
{
    const QString format = QStringLiteral("dd-MM-yyyy");
    return QStringLiteral("Registro_Operazioni_") + period.from.toString(format) + QLatin1Char('_')
         + period.to.toString(format) + QStringLiteral(".pdf");
}

QPageLayout RegisterBook::pageLayout() const { return Report::a4(QPageLayout::Portrait, kMarginMm); }

QString RegisterBook::closingLine() const
{
    QString line = m_cards.isEmpty() ? QStringLiteral("Nessuna scheda nel periodo.")
                                     : QStringLiteral("Schede: ") + QString::number(m_cards.size())
                                           + QStringLiteral(" - Totale importi pagati: € ") + m_totalPaid;
    if (m_unreadableAmounts > 0)
        line += QStringLiteral(" (") + QString::number(m_unreadableAmounts)
              + QStringLiteral(" importi non leggibili esclusi dal totale)");
    if (m_undatedCards > 0)
        line += QStringLiteral(" - ") + QString::number(m_undatedCards)
              + QStringLiteral(" schede dell'archivio hanno una data non leggibile e non sono comprese.");
    return line;
}

qreal RegisterBook::layOutCard(int index, QList<Object> &out, QList<Photo> &photos) const
{
    const RegisterRecord &r = m_cards[index].record;
    const qsizetype first = out.size();
    out.append(Report::rectangle(QStringLiteral("shpScheda"), QRectF(0, 0, kWidth, 0)));
    out.last().outline = true;
    Object bar = Report::rectangle(QStringLiteral("shpTitolo"), QRectF(0, 0, kWidth, kBar), Theme::colour(Theme::Colour::CardBand));
    out.append(bar);
    out.append(textAt(QStringLiteral("txtScheda"), kPad, 1, kWidth / 2, kBar - 1, 9,
                      QStringLiteral("Scheda n. ") + printable(r.NumScheda), true));
    out.append(textAt(QStringLiteral("txtDataOra"), kWidth / 2, 1, kWidth / 2 - kPad, kBar - 1, 9,
                      printable(r.Data) + QStringLiteral(" ore ") + printable(r.Ora), true, Qt::AlignRight | Qt::AlignTop));
    qreal y = kBar + 1;
    for (const Row &row : rowsOf(r)) {
        qreal h = 0;
        if (row.full) {
            h = cell(out, kPad, y, kWidth - 2 * kPad, row.leftLabel, row.left);
        } else {
            h = std::max(cell(out, kPad, y, kHalf, row.leftLabel, row.left),
                         cell(out, kPad + kHalf, y, kHalf, row.rightLabel, row.right));
        }
        y += h + kRowGap;
    }
    if (m_photos) {
        y += 0.5;
        for (int side = 0; side < 2; ++side) {
            const QString file = QStringLiteral("Foto_") + QChar(side == 0 ? u'A' : u'B') + QLatin1Char('_')
                               + QString::number(m_cards[index].position) + QStringLiteral(".jpg");
            photos.append({QDir(m_photoFolder).filePath(file), QRectF(kPad + side * (kPhotoW + 3), y, kPhotoW, kPhotoH)});
        }
        y += kPhotoH + 1;
    }
    const qreal height = y + 0.5;
    out[first].mm.setHeight(height);
    return height;
}

void RegisterBook::layOut()
{
    m_pages.clear();
    m_placements.clear();
    m_pages.append(Page{});
    qreal top = kContentTop;
    for (int i = 0; i < m_cards.size(); ++i) {
        QList<Object> block;
        QList<Photo> photos;
        const qreal height = layOutCard(i, block, photos);
        // A block that does not fit goes whole to the next page.
        if (top + height > kContentBottom && top > kContentTop) {
            m_pages.append(Page{});
            top = kContentTop;
        }
        shift(block, 0, top);
        for (Photo &p : photos)
            p.mm.translate(0, top);
        m_pages.last().objects.append(block);
        m_pages.last().photos.append(photos);
        m_placements.append({i, int(m_pages.size()) - 1, top, height});
        top += height + kGap;
    }
    const QStringList closing = wrap(closingLine(), valueFont(), kWidth);
    const qreal closingHeight = kLine * qreal(closing.size()) + 1;
    if (top + closingHeight > kContentBottom && top > kContentTop) {
        m_pages.append(Page{});
        top = kContentTop;
    }
    for (qsizetype i = 0; i < closing.size(); ++i)
        m_pages.last().objects.append(textAt(QStringLiteral("txtTotale"), 0, top + 1 + kLine * qreal(i), kWidth + kSlack,
                                             kLine, 8, closing[i], true));
}

QList<Object> RegisterBook::pageFrame(int index) const
{
    QList<Object> frame;
    QString title = m_heading.tradeName;
    if (!m_heading.company.isEmpty())
        title += QStringLiteral(" - ") + m_heading.company;
    frame.append(textAt(QStringLiteral("txtDitta"), 0, 0, kWidth, 6, 12, printable(title), true));
    QStringList details{m_heading.address};
    if (!m_heading.vatNumber.isEmpty())
        details.append(QStringLiteral("P. IVA ") + m_heading.vatNumber);
    if (!m_heading.fiscalCode.isEmpty())
        details.append(QStringLiteral("C.F. ") + m_heading.fiscalCode);
    details.removeAll(QString());
    frame.append(textAt(QStringLiteral("txtDatiDitta"), 0, 6.5, kWidth, 4, 8, printable(details.join(QStringLiteral(" - ")))));
    frame.append(textAt(QStringLiteral("txtPeriodo"), 0, 11.5, kWidth, 5, 10,
                        QStringLiteral("Registro delle operazioni dal ") + DateText::format(m_period.from)
                            + QStringLiteral(" al ") + DateText::format(m_period.to),
                        true));
    frame.append(Report::horizontalLine(QStringLiteral("linTesta"), 0, 17.5, kWidth));
    frame.append(Report::horizontalLine(QStringLiteral("linPiede"), 0, kFooterLine, kWidth));
    Object printed = textAt(QStringLiteral("txtStampato"), 0, kFooterLine + 1, kWidth / 2, 4, 7,
                            QStringLiteral("Stampato il [DATE] alle [TIME]"));
    printed.variables = true;
    frame.append(printed);
    frame.append(textAt(QStringLiteral("txtPagina"), kWidth / 2, kFooterLine + 1, kWidth / 2, 4, 7,
                        QStringLiteral("Pagina ") + QString::number(index + 1) + QStringLiteral(" di ")
                            + QString::number(m_pages.size()),
                        false, Qt::AlignRight | Qt::AlignTop));
    return frame;
}

void RegisterBook::paintPage(QPainter &painter, int index, const QDateTime &printedAt) const
{
    if (index < 0 || index >= m_pages.size())
        return;
    for (const Object &o : pageFrame(index))
        Report::paintObject(painter, o, {}, printedAt);
    const Page &page = m_pages[index];
    for (const Object &o : page.objects)
        Report::paintObject(painter, o, {}, printedAt);
    // Photos are read page by page, at thumbnail size: a long book never
    // holds more than one page of pictures.
    for (const Photo &p : page.photos) {
        QImageReader reader(p.path);
        const QSize full = reader.size();
        if (full.isValid())
            reader.setScaledSize(full.scaled(360, 270, Qt::KeepAspectRatio).boundedTo(full));
        const QImage image = reader.read();
        if (image.isNull()) {
            Object missing = textAt(QStringLiteral("txtFoto"), p.mm.left(), p.mm.top(), p.mm.width(), p.mm.height(), 7,
                                    QStringLiteral("Foto non disponibile"), false, Qt::AlignCenter);
            Report::paintObject(painter, missing, {}, printedAt);
        } else {
            Report::paintObject(painter, Report::picture(QStringLiteral("imgFoto"), p.mm, image), {}, printedAt);
        }
        Object frame = Report::rectangle(QStringLiteral("shpFoto"), p.mm);
        frame.outline = true;
        Report::paintObject(painter, frame, {}, printedAt);
    }
}
