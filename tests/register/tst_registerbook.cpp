// The register book read back from its PDF with poppler: the cards of the
// period and no other, every field whole, one block per card never split,
// the page numbers, the photos when chosen; and the same book from the
// command line and from the register window's dialog.
#include "Archives.h"
#include "PdfTools.h"
#include "RegisterFixture.h"
#include "TestSupport.h"
#include "ui/Controls.h"
#include "register/RegisterRecord.h"
#include "register/book/RegisterBook.h"
#include "register/print/RegisterBookDialog.h"
#include "register/print/RegisterPrintModule.h"
#include "report/ReportOutput.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const RegisterBook::Period kYear{QDate(2026, 1, 1), QDate(2026, 12, 31)};

QString words(const QString &stem, int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list.append(stem + QString::number(i));
    return list.join(u' ');
}

// A card whose every field says whose it is, so the PDF text shows where it went.
RegisterRecord card(int n, const QString &date)
{
    RegisterRecord r;
    const QString tag = QStringLiteral("K%1").arg(n, 3, 10, QLatin1Char('0'));
    r.NumScheda = tag;
    r.Data = date;
    r.Ora = QStringLiteral("10:%1").arg(n % 60, 2, 10, QLatin1Char('0'));
    r.Importo = QStringLiteral("%1,50").arg(100 + n);
    r.Transazione = QStringLiteral("Bonifico ") + tag;
    r.Mezzo = QStringLiteral("Contanti");
    r.Caratteristiche = QStringLiteral("Caratteristiche ") + tag;
    r.Natura = QStringLiteral("Oro giallo 18 kt ") + tag;
    r.Quotazione = QStringLiteral("Quotazione 52,10 al grammo ") + tag;
    r.Cliente = QStringLiteral("ROSSI MARIO ") + tag;
    r.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    r.DataNasc = QStringLiteral("01/01/1980");
    r.LuogoNasc = QStringLiteral("Viterbo");
    r.ProvNasc = QStringLiteral("VT");
    r.Sesso = QStringLiteral("M");
    r.TipoDoc = QStringLiteral("Carta d'identità");
    r.NumDoc = QStringLiteral("CA") + tag;
    r.EnteRil = QStringLiteral("Comune di Viterbo");
    r.DataRil = QStringLiteral("02/02/2020");
    r.DataSca = QStringLiteral("02/02/2030");
    r.Compratore = QStringLiteral("Fonderia Centrale ") + tag;
    r.Destinazione = QStringLiteral("Fusione ") + tag;
    r.DataVen = QStringLiteral("20/12/2026");
    r.Descrizione = QStringLiteral("Anello ") + tag;
    r.Valutazione = QStringLiteral("Buona ") + tag;
    r.PrezzoVen = QStringLiteral("%1,00").arg(900 + n);
    r.Venduto = QStringLiteral("Sì");
    return r;
}

// The fields a reader of the book must find, as printed.
QStringList printedFields(const RegisterRecord &r)
{
    return {QStringLiteral("Scheda n. ") + r.NumScheda, r.Data + QStringLiteral(" ore ") + r.Ora,
            r.Cliente, r.CodFisc, r.DataNasc, r.LuogoNasc + QStringLiteral(" (") + r.ProvNasc + u')', r.Sesso,
            r.TipoDoc, r.NumDoc, r.EnteRil, r.DataRil, r.DataSca, r.Descrizione, r.Caratteristiche, r.Natura,
            r.Quotazione, r.Valutazione, QStringLiteral("€ ") + r.Importo, r.Mezzo, r.Venduto, r.Transazione,
            r.Compratore, r.Destinazione, r.DataVen, QStringLiteral("€ ") + r.PrezzoVen};
}

QString squeezed(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

struct Shop
{
    TempDataDir data;
    QList<RegisterRecord> cards;  // file order
    void add(const RegisterRecord &r) { cards.append(r); }
    void write()
    {
        QVERIFY(Archives::write(data.file(QStringLiteral("Registro_Operazioni.vtr")), cards));
        data.writeBytes(QStringLiteral("Valtrena.ini"),
                        "[Ditta Emittente]\r\nNome=Oreficeria Bianchi srl\r\nIndirizzo=Via Roma 1\r\nCAP=01100\r\n"
                        "Comune=Viterbo\r\nProvincia=VT\r\nPartita IVA=01234567890\r\nCodice Fiscale=BNCGNN70A01M082X\r\n");
    }
    void photos(int position)
    {
        for (const char *side : {"A", "B"}) {
            QImage image(800, 600, QImage::Format_RGB32);
            image.fill(QColor(200, 160, 40));
            QVERIFY(image.save(data.file(QStringLiteral("Foto_%1_%2.jpg").arg(QLatin1StringView(side)).arg(position))));
        }
    }
};

// Two cards out of the period, one with an unreadable date, a card with
// photos, one with texts as long as their fields, and enough cards for
// several pages.
void fill(Shop &shop)
{
    shop.add(card(1, QStringLiteral("31/12/2025")));
    shop.add(card(2, QStringLiteral("01/01/2026")));
    RegisterRecord longCard = card(3, QStringLiteral("15/06/2026"));
    longCard.Caratteristiche = words(QStringLiteral("car"), 40).left(250);
    longCard.Transazione = QString(250, u'7');  // one word longer than its line
    longCard.Quotazione = words(QStringLiteral("quo"), 40).left(250);
    longCard.Compratore = words(QStringLiteral("acq"), 40).left(250);
    longCard.Destinazione = words(QStringLiteral("dst"), 40).left(250);
    longCard.Natura = words(QStringLiteral("nat"), 30).left(120);
    shop.add(longCard);
    for (int n = 4; n <= 12; ++n)
        shop.add(card(n, QStringLiteral("%1/03/2026").arg(n + 10)));
    RegisterRecord undated = card(13, QStringLiteral("xx/yy"));
    shop.add(undated);
    shop.add(card(14, QStringLiteral("01/01/2027")));
    shop.write();
    shop.photos(2);
}

QStringList pages(const QString &pdf)
{
    QStringList list = PdfTools::text(pdf, false).split(u'\f');
    if (!list.isEmpty() && list.last().trimmed().isEmpty())
        list.removeLast();
    return list;
}

int imageCount(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    p.waitForFinished(30000);
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return int(lines.size()) - 2;  // two header lines
}

int pageOf(const QStringList &pageTexts, const QString &text)
{
    const QString wanted = squeezed(text);
    int found = -1;
    for (int i = 0; i < pageTexts.size(); ++i) {
        if (squeezed(pageTexts[i]).contains(wanted)) {
            if (found >= 0)
                return -2;  // on two pages
            found = i;
        }
    }
    return found;
}

} // namespace

class TestRegisterBook : public QObject
{
    Q_OBJECT
private slots:
    void bookHoldsThePeriodWholeAndUnsplit()
    {
        Shop shop;
        fill(shop);
        const RegisterBook book = RegisterBook::fromDataFolder(shop.data.path(), kYear, false);
        QCOMPARE(book.cards().size(), 11);
        const QString pdf = shop.data.file(QStringLiteral("registro.pdf"));
        QVERIFY(Report::writePdf(book, pdf, {}, QDateTime(QDate(2027, 1, 10), QTime(9, 15))));

        const QStringList texts = pages(pdf);
        QVERIFY(texts.size() >= 3);
        QCOMPARE(texts.size(), PdfTools::pageCount(pdf));
        QCOMPARE(texts.size(), book.pageCount());
        for (int i = 0; i < texts.size(); ++i) {
            const QString page = squeezed(texts[i]);
            QVERIFY2(page.contains(squeezed(QStringLiteral("Pagina %1 di %2").arg(i + 1).arg(texts.size()))),
                     qPrintable(texts[i]));
            QVERIFY(page.contains(squeezed(QStringLiteral("Registro delle operazioni dal 01/01/2026 al 31/12/2026"))));
            QVERIFY(page.contains(squeezed(QStringLiteral("Compro Oro - Oreficeria Bianchi srl"))));
            QVERIFY(page.contains(squeezed(QStringLiteral("Via Roma 1, 01100 Viterbo (VT) - P. IVA 01234567890 - C.F. BNCGNN70A01M082X"))));
            QVERIFY(page.contains(squeezed(QStringLiteral("Stampato il 10/01/2027 alle 09:15:00"))));
        }
        // Every field of every card of the period, whole, on one page with the card's number.
        for (const RegisterRecord &r : shop.cards) {
            const int page = pageOf(texts, QStringLiteral("Scheda n. ") + r.NumScheda);
            const QDate date = QDate::fromString(r.Data, QStringLiteral("dd/MM/yyyy"));
            if (!date.isValid() || date < kYear.from || date > kYear.to) {
                QVERIFY2(page == -1, qPrintable(r.NumScheda));
                continue;
            }
            QVERIFY2(page >= 0, qPrintable(r.NumScheda));
            for (const QString &field : printedFields(r))
                QVERIFY2(squeezed(texts[page]).contains(squeezed(field)),
                         qPrintable(r.NumScheda + QStringLiteral(": ") + field));
        }
        // The book's own plan agrees: blocks in file order, inside the page, none overlapping.
        const auto &placed = book.placements();
        QCOMPARE(placed.size(), 11);
        for (int i = 0; i < placed.size(); ++i) {
            QVERIFY(placed[i].topMm >= 20 && placed[i].topMm + placed[i].heightMm <= 297 - 24 - 8);
            if (i > 0 && placed[i].page == placed[i - 1].page)
                QVERIFY(placed[i].topMm >= placed[i - 1].topMm + placed[i - 1].heightMm);
            QVERIFY(i == 0 || placed[i].page >= placed[i - 1].page);
        }
        const QString last = squeezed(texts.last());
        QVERIFY2(last.contains(squeezed(QStringLiteral("Schede: 11 - Totale importi pagati: € 1182,50"))), qPrintable(texts.last()));
        QVERIFY(last.contains(squeezed(QStringLiteral("1 schede dell'archivio hanno una data non leggibile"))));
        QCOMPARE(imageCount(pdf), 0);
        QVERIFY(!last.contains(QStringLiteral("Foto")));
    }

    void photosWhenChosen()
    {
        Shop shop;
        fill(shop);
        const QString pdf = shop.data.file(QStringLiteral("foto.pdf"));
        QVERIFY(Report::writePdf(RegisterBook::fromDataFolder(shop.data.path(), kYear, true), pdf, {}, QDateTime::currentDateTime()));
        QCOMPARE(imageCount(pdf), 2);  // only card K002 has its photos
        const QStringList texts = pages(pdf);
        int missing = 0;
        for (const QString &t : texts)
            missing += int(t.count(QStringLiteral("Foto non disponibile")));
        QCOMPARE(missing, 2 * 10);
    }

    void emptyPeriodSaysSo()
    {
        Shop shop;
        fill(shop);
        const RegisterBook book = RegisterBook::fromDataFolder(shop.data.path(), {QDate(2020, 1, 1), QDate(2020, 12, 31)}, false);
        QCOMPARE(book.pageCount(), 1);
        QVERIFY(book.closingLine().startsWith(QStringLiteral("Nessuna scheda nel periodo.")));
        QCOMPARE(RegisterBook::pdfFileName(kYear), QStringLiteral("Registro_Operazioni_01-01-2026_31-12-2026.pdf"));
    }

    void readOnlyRegisterWithATornTail()
    {
        Shop shop;
        fill(shop);
        const QString path = shop.data.file(QStringLiteral("Registro_Operazioni.vtr"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            file.write(QByteArray(100, 'x'));  // a card cut short by a crash
        }
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const RegisterBook book = RegisterBook::fromDataFolder(shop.data.path(), kYear, false);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(book.cards().size(), 11);
        QCOMPARE(book.cards().last().record.NumScheda, QStringLiteral("K012"));
        QCOMPARE(QFileInfo(path).size(), qint64(14) * RegisterRecordLayout::size + 100);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");
        QTest::newRow("year with photos") << QStringList{QStringLiteral("01/01/2026"), QStringLiteral("31/12/2026"),
                                                         QStringLiteral("OUT"), QStringLiteral("--foto")}
                                          << 0 << QStringLiteral("Schede: 11");
        QTest::newRow("one day") << QStringList{QStringLiteral("01/01/2026"), QStringLiteral("01/01/2026"), QStringLiteral("OUT")}
                                 << 0 << QStringLiteral("Schede: 1 ");
        QTest::newRow("bad date") << QStringList{QStringLiteral("1/1/26"), QStringLiteral("31/12/2026"), QStringLiteral("OUT")}
                                  << 2 << QStringLiteral("Date non valide");
        QTest::newRow("reversed") << QStringList{QStringLiteral("31/12/2026"), QStringLiteral("01/01/2026"), QStringLiteral("OUT")}
                                  << 2 << QStringLiteral("successiva");
        QTest::newRow("unwritable") << QStringList{QStringLiteral("01/01/2026"), QStringLiteral("31/12/2026"),
                                                   QStringLiteral("Valtrena.ini/x.pdf")}
                                    << 2 << QStringLiteral("Impossibile scrivere");
        QTest::newRow("missing argument") << QStringList{QStringLiteral("01/01/2026"), QStringLiteral("31/12/2026")} << 2
                                          << QStringLiteral("Uso:");
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        Shop shop;
        fill(shop);
        const QString out = shop.data.file(QStringLiteral("Registro.pdf"));
        args.replaceInStrings(QStringLiteral("OUT"), out);
        if (args.size() > 2 && args[2].startsWith(QStringLiteral("Valtrena.ini")))
            args[2] = shop.data.file(args[2]);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VALTRENA_DATA_DIR"), shop.data.path());
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VT_ARCHIVIO), QStringList{QStringLiteral("registro")} + args);
        QVERIFY(p.waitForFinished(60000));
        const QString output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QCOMPARE(p.exitCode(), exitCode);
        QVERIFY2(output.contains(said), qPrintable(output));
        QCOMPARE(QFileInfo::exists(out), exitCode == 0);
        if (exitCode == 0 && args.contains(QStringLiteral("--foto")))
            QCOMPARE(imageCount(out), 2);
    }

    void dialogSavesThePdfOfTheChosenPeriod()
    {
        Shop shop;
        fill(shop);
        RegisterPrintModule::registerDialogs();
        MessageRecorder messages;
        FileScript files;
        const QString out = shop.data.file(QStringLiteral("scelto.pdf"));
        files.answers = {out};
        TfrmStampaRegistro dialog;
        // The current year by default (the test clock says 2025).
        QCOMPARE(dialog.findChild<QDateEdit *>(QStringLiteral("txtDal"))->date(), QDate(2025, 1, 1));
        QCOMPARE(dialog.findChild<QDateEdit *>(QStringLiteral("txtAl"))->date(), QDate(2025, 12, 31));
        dialog.findChild<QDateEdit *>(QStringLiteral("txtDal"))->setDate(QDate(2026, 3, 14));
        dialog.findChild<QDateEdit *>(QStringLiteral("txtAl"))->setDate(QDate(2026, 3, 16));
        dialog.findChild<QCheckBox *>(QStringLiteral("chkFoto"))->setChecked(true);
        TestSupport::click(&dialog, QStringLiteral("btnPdf"));
        QCOMPARE(files.captions, QStringList{QStringLiteral("Salva il registro in PDF")});
        QCOMPARE(messages.last().kind, MessageKind::Information);
        QVERIFY2(messages.last().text.startsWith(QStringLiteral("Registro salvato in ") + out + QStringLiteral(": Schede: 3 ")),
                 qPrintable(messages.last().text));
        const QString text = squeezed(PdfTools::text(out, false));
        for (const char *tag : {"K004", "K005", "K006"})
            QVERIFY(text.contains(QStringLiteral("Scheda n. ").remove(u' ') + QLatin1StringView(tag)));
        QVERIFY(!text.contains(QStringLiteral("K007")));
        QCOMPARE(imageCount(out), 0);
        QVERIFY(text.contains(QStringLiteral("Fotonondisponibile")));
    }

    void dialogPrintsThroughThePrinterDialog()
    {
        Shop shop;
        fill(shop);
        MessageRecorder messages;
        ModalScript script;
        const QString pdf = shop.data.file(QStringLiteral("stampato.pdf"));
        script.then(PdfTools::printInto(pdf));
        TfrmStampaRegistro dialog;
        dialog.findChild<QDateEdit *>(QStringLiteral("txtDal"))->setDate(kYear.from);
        dialog.findChild<QDateEdit *>(QStringLiteral("txtAl"))->setDate(kYear.to);
        TestSupport::click(&dialog, QStringLiteral("btnStampa"));
        QVERIFY(messages.isEmpty());
        QCOMPARE(PdfTools::pageCount(pdf), RegisterBook::fromDataFolder(shop.data.path(), kYear, false).pageCount());
        const QStringList texts = pages(pdf);
        QVERIFY(squeezed(texts.last()).contains(squeezed(QStringLiteral("Schede: 11 - Totale importi pagati: € 1182,50"))));
    }

    void toolbarButtonOpensTheDialog()
    {
        RegisterFixture f;
        RegisterPrintModule::registerDialogs();
        ModalScript script;
        auto *button = f.window->findChild<QAbstractButton *>(QStringLiteral("cmdStampaRegistro"));
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QStringLiteral("Stampa il registro delle operazioni di un periodo."));
        button->click();
        QCOMPARE(script.seen(), QStringList{QStringLiteral("TfrmStampaRegistro")});
    }

    void dialogRefusesAReversedPeriod()
    {
        Shop shop;
        fill(shop);
        MessageRecorder messages;
        FileScript files;
        TfrmStampaRegistro dialog;
        dialog.findChild<QDateEdit *>(QStringLiteral("txtDal"))->setDate(QDate(2026, 5, 1));
        dialog.findChild<QDateEdit *>(QStringLiteral("txtAl"))->setDate(QDate(2026, 4, 1));
        TestSupport::click(&dialog, QStringLiteral("btnPdf"));
        QCOMPARE(messages.last().kind, MessageKind::Warning);
        QCOMPARE(messages.last().text, QStringLiteral("Attenzione: la data iniziale del periodo è successiva a quella finale."));
        QVERIFY(files.captions.isEmpty());
    }
};

QTEST_MAIN(TestRegisterBook)
#include "tst_registerbook.moc"
