#include "RegisterFixture.h"
#include "ui/CardChanges.h"
#include "ui/Dialogs.h"
#include "register/CalendarDialog.h"
#include "storage/ArchiveTexts.h"
#include "storage/IniFile.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QClipboard>
#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>

namespace {
const QString kNumberWarning = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il numero progressivo dell'operazione.");

// A stand-in for the dialogs other areas build: it has the controls the
// register window writes into, so the test can read what it was given.
QDialog *stubDialog(const QString &className, QWidget *parent)
{
    auto *d = new QDialog(parent);
    d->setObjectName(className);
    Controls::addMemoryLabel(d);
    for (const char *name : {"txtFile01", "txtFile02", "txtFile03", "txtDesc01", "txtDesc02", "txtDesc03",
                             "txtCodFisc", "txtPartitaIva"}) {
        auto *e = new QLineEdit(d);
        e->setObjectName(QLatin1StringView(name));
    }
    return d;
}

// The record's slots, written out by hand from the file layout.
struct Slot
{
    int offset;
    QByteArray bytes;  // Windows-1252 text
};

QByteArray goldenRecord(const QList<Slot> &fields)
{
    QByteArray out(3438, '\0');
    for (const Slot &s : fields) {
        out[s.offset] = char(s.bytes.size());
        out.replace(s.offset + 1, s.bytes.size(), s.bytes);
    }
    return out;
}

QStringList list(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}
} // namespace

class TestRegisterCard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char *name : {"TfrmTrovaRegistro", "TfrmTrovaClienti", "TfrmAllegaCartella", "TfrmDaVendere",
                                 "TfrmExpRegistro", "TfrmStampaReg", "TfrmAnteprimaReg", "TfrmLogo",
                                 "TfrmCodFisc", "TfrmPartitaIva"}) {
            const QString className = QLatin1StringView(name);
            Dialogs::add(className, [className](QWidget *p) { return stubDialog(className, p); });
        }
    }

    void requiredFields_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty card") << QString() << kNumberWarning;
        QTest::newRow("number") << "txtNumScheda" << kNumberWarning;
        QTest::newRow("date") << "txtData"
            << "Attenzione: per salvare la scheda è necessario indicare la data dell'operazione.";
        QTest::newRow("nature") << "txtNatura"
            << "Attenzione: per salvare la scheda è necessario indicare la natura e qualità dell'oggetto prezioso.";
        QTest::newRow("customer") << "txtCliente"
            << "Attenzione: per salvare la scheda è necessario indicare il nome del cliente.";
        QTest::newRow("description") << "txtDescrizione"
            << "Attenzione: per salvare la scheda è necessario inserire una descrizione sintetica dell'oggetto prezioso.";
    }
    void requiredFields()
    {
        QFETCH(QString, missing);
        QFETCH(QString, message);
        RegisterFixture f;
        if (!missing.isEmpty()) {
            f.fillRequired();
            f.set(missing, QStringLiteral("   "));
        }
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages.texts(), QStringList{message});
        QCOMPARE(f.messages.last().kind, MessageKind::Warning);
        QCOMPARE(f.focused(), missing.isEmpty() ? QStringLiteral("txtNumScheda") : missing);
        QCOMPARE(QFileInfo(f.archive()).size(), 0);
        QVERIFY(!QFile::exists(f.data.file(QStringLiteral("Foto_A_1.jpg"))));
    }

    void savingTwiceAppendsOnceThenOverwrites()
    {
        RegisterFixture f;
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.text(QStringLiteral("lblPosizione")), QStringLiteral("1"));
        f.set(QStringLiteral("txtNatura"), QStringLiteral("Argento 925"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.count(), 1);
        QCOMPARE(f.record(0).Natura, QStringLiteral("Argento 925"));
        QCOMPARE(f.messages.texts(),
                 (QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio."),
                              QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")}));
        QCOMPARE(f.messages.last().kind, MessageKind::Information);
    }

    // Another workstation appends between New and Save: the proposed number
    // gives way to the next free one; numbers typed by hand never do.
    void numberTakenMeanwhile_data()
    {
        QTest::addColumn<QStringList>("before");     // numbers in the archive at New
        QTest::addColumn<QStringList>("meanwhile");  // appended by the other workstation
        QTest::addColumn<QString>("stored");
        QTest::newRow("next number") << list({"1"}) << list({"2"}) << "3";
        QTest::newRow("next is taken too") << list({"1", "4"}) << list({"3"}) << "5";
        QTest::newRow("nobody took it") << list({"1"}) << list({"7"}) << "2";
    }
    void numberTakenMeanwhile()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, meanwhile);
        QFETCH(QString, stored);
        RegisterFixture f;
        const auto append = [&](const QStringList &numbers) {
            RecordFile file(f.archive(), RegisterRecordLayout::size);
            for (const QString &n : numbers) {
                RegisterRecord r;
                r.NumScheda = n;
                file.append(RegisterRecordLayout::encode(r));
            }
            file.close();
        };
        append(before);
        f.click(QStringLiteral("cmdNuovo"));
        const QString proposed = f.text(QStringLiteral("txtNumScheda"));
        append(meanwhile);
        f.fillRequired(proposed);
        f.click(QStringLiteral("cmdSalva"));
        const int last = int(before.size() + meanwhile.size());
        QCOMPARE(f.count(), last + 1);
        QCOMPARE(f.record(last).NumScheda, stored);
        QCOMPARE(f.text(QStringLiteral("txtNumScheda")), stored);
        QCOMPARE(f.text(QStringLiteral("lblPosizione")), QString::number(last + 1));
        QCOMPARE(f.messages.texts(),
                 QStringList{stored == proposed
                                 ? QStringLiteral("La scheda corrente è stata inserita in archivio.")
                                 : QStringLiteral("La scheda corrente è stata inserita in archivio con il numero %1 "
                                                  "(il numero proposto era stato appena usato da un'altra "
                                                  "postazione).").arg(stored)});
        QCOMPARE(f.messages.last().kind, MessageKind::Information);
    }

    void numberHeldByAnotherCard_data()
    {
        QTest::addColumn<int>("editing");  // 0-based card loaded, -1 a new card
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("holder");   // 1-based position named, 0 stored
        QTest::newRow("new card, same number") << -1 << "2" << 2;
        QTest::newRow("new card, blanks and case") << -1 << " a7 " << 3;
        QTest::newRow("new card, a free number") << -1 << "8" << 0;
        QTest::newRow("stored card, another's number") << 2 << "1" << 1;
        QTest::newRow("stored card, its own number") << 2 << "A7" << 0;
    }
    void numberHeldByAnotherCard()
    {
        QFETCH(int, editing);
        QFETCH(QString, typed);
        QFETCH(int, holder);
        RegisterFixture f;
        {
            RecordFile file(f.archive(), RegisterRecordLayout::size);
            for (const char *n : {"1", "2", "A7"}) {
                RegisterRecord r;
                r.NumScheda = QLatin1StringView(n);
                r.Natura = QStringLiteral("Oro");
                r.Cliente = QStringLiteral("BIANCHI");
                r.Descrizione = QStringLiteral("Catenina");
                r.Data = QStringLiteral("01/06/2025");
                file.append(RegisterRecordLayout::encode(r));
            }
            file.close();
        }
        const QByteArray before = f.data.readBytes(FileNames::registerArchive());
        if (editing >= 0) {
            QVERIFY(f.window->loadCard(editing));
            f.set(QStringLiteral("txtNumScheda"), typed);
        } else {
            f.fillRequired(typed);
        }
        f.click(QStringLiteral("cmdSalva"));
        if (holder == 0) {
            QCOMPARE(f.messages.last().kind, MessageKind::Information);
            QCOMPARE(f.count(), editing >= 0 ? 3 : 4);
            return;
        }
        QCOMPARE(f.messages.texts(),
                 QStringList{QStringLiteral("Attenzione: il numero indicato è già stato assegnato alla scheda in "
                                            "posizione %1.\n\r\n\rIndicare un numero diverso.").arg(holder)});
        QCOMPARE(f.messages.last().kind, MessageKind::Warning);
        QCOMPARE(f.focused(), QStringLiteral("txtNumScheda"));
        QCOMPARE(f.text(QStringLiteral("txtNumScheda")), typed);
        QCOMPARE(f.data.readBytes(FileNames::registerArchive()), before);
    }

    void emptiedAmountsAreStoredAsZero()
    {
        RegisterFixture f;
        f.fillRequired();
        f.set(QStringLiteral("txtImporto"), QString());
        f.set(QStringLiteral("txtPrezzoVen"), QStringLiteral(" "));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.record(0).Importo, QStringLiteral("0,00"));
        QCOMPARE(f.record(0).PrezzoVen, QStringLiteral("0,00"));
    }

    void recordBytesFollowTheFileLayout()
    {
        RegisterFixture f;
        const struct
        {
            const char *name;
            const char *value;
        } texts[] = {
            {"txtNumScheda", "12/2025"}, {"txtData", "15/06/2025"}, {"txtOra", "10:30"},
            {"txtImporto", "350,50"}, {"txtTransazione", "Bonifico n. 77"}, {"txtMezzo", "Bonifico"},
            {"txtCaratteristiche", "Fascia liscia"}, {"txtNatura", "Oro giallo 750, qualità buona"},
            {"txtQuotazione", "54,20 €/g"}, {"txtCliente", "  ROSSI MARIO  "}, {"txtCodFisc", "RSSMRA80A01H501U"},
            {"txtDataNasc", "01/01/1980"}, {"txtLuogoNasc", "Roma"}, {"txtProvNasc", "RM"}, {"txtSesso", "M"},
            {"txtTipoDoc", "Carta d'identità"}, {"txtNumDoc", "CA00000AA"}, {"txtEnteRil", "Comune di Roma"},
            {"txtDataRil", "02/02/2020"}, {"txtDataSca", "02/02/2030"}, {"txtCompratore", "Fonderia Srl"},
            {"txtDestinazione", "Fusione"}, {"txtDataVen", "20/06/2025"},
            {"txtDescrizione", "DDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDD"},
            {"txtValutazione", "Buona"}, {"txtPrezzoVen", "400,00"},
            {"lblFile01", "contratto.pdf"}, {"lblDesc03", "Ricevuta"},
        };
        for (const auto &t : texts)
            f.set(QString::fromUtf8(t.name), QString::fromUtf8(t.value));
        f.window->findChild<QCheckBox *>(QStringLiteral("chkVenduto"))->setChecked(true);
        f.click(QStringLiteral("cmdSalva"));

        const QByteArray expected = goldenRecord({
            {0, "12/2025"}, {31, "15/06/2025"}, {42, "10:30"}, {48, "350,50"}, {61, "Bonifico n. 77"},
            {312, "Bonifico"}, {363, "Fascia liscia"}, {614, "Oro giallo 750, qualit\xE0 buona"},
            {735, "54,20 \x80/g"}, {986, "ROSSI MARIO"}, {1037, "RSSMRA80A01H501U"}, {1054, "01/01/1980"},
            {1065, "Roma"}, {1116, "RM"}, {1119, "M"}, {1121, "Carta d'identit\xE0"}, {1172, "CA00000AA"},
            {1223, "Comune di Roma"}, {1274, "02/02/2020"}, {1285, "02/02/2030"}, {1296, "Fonderia Srl"},
            {1547, "Fusione"}, {1798, "20/06/2025"}, {1809, QByteArray(55, 'D')}, {1865, "Buona"},
            {1916, "400,00"}, {1929, "S\xEC"}, {1932, "contratto.pdf"}, {3187, "Ricevuta"},
        });
        QCOMPARE(f.data.readBytes(FileNames::registerArchive()), expected);
    }

    void newProposesNumber_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("yearOption");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("proposal");
        QTest::newRow("no settings, empty register") << QString() << QString() << 0 << "1";
        QTest::newRow("start 100, 7 cards") << "100" << "No" << 7 << "107";
        QTest::newRow("start 100, 7 cards, year") << "100" << "Sì" << 7 << "107/2025";
        QTest::newRow("start 1, year") << "1" << "Sì" << 0 << "1/2025";
    }
    void newProposesNumber()
    {
        QFETCH(QString, start);
        QFETCH(QString, yearOption);
        QFETCH(int, stored);
        QFETCH(QString, proposal);
        RegisterFixture f;
        const QString ini = f.data.file(FileNames::settings());
        if (!start.isEmpty()) {
            IniFile::write(ini, QStringLiteral("Numerazione Registro"), QStringLiteral("Inizio"), start);
            IniFile::write(ini, QStringLiteral("Numerazione Registro"), QStringLiteral("Indicazione Anno Solare"), yearOption);
        }
        f.data.writeBytes(FileNames::registerArchive(), QByteArray(stored * 3438, '\0'));
        f.set(QStringLiteral("txtCliente"), QStringLiteral("left over"));
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.text(QStringLiteral("txtNumScheda")), proposal);
        QCOMPARE(f.text(QStringLiteral("txtData")), QStringLiteral("15/06/2025"));
        QCOMPARE(f.text(QStringLiteral("txtCliente")), QString());
        QCOMPARE(f.focused(), QStringLiteral("txtImporto"));
        // The card left over had changed: New asked before clearing it.
        QCOMPARE(f.messages.texts(), QStringList{CardChanges::question()});
    }

    void newWithBadStartValueReportsFailure()
    {
        RegisterFixture f;
        IniFile::write(f.data.file(FileNames::settings()), QStringLiteral("Numerazione Registro"),
                       QStringLiteral("Inizio"), QStringLiteral("dieci"));
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.messages.texts(), QStringList{ArchiveTexts::ioFailure()});
        QCOMPARE(f.messages.last().kind, MessageKind::Error);
        QCOMPARE(f.text(QStringLiteral("txtNumScheda")), QString());
    }

    void amountKeysAndNormalisation_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("full stop has no effect") << "txtPrezzoVen" << "12.5" << "125,00";
        QTest::newRow("one decimal completed") << "txtPrezzoVen" << "12,5" << "12,50";
        QTest::newRow("letters and minus swallowed") << "txtImporto" << "-1a0" << "10,00";
        QTest::newRow("rounded half up") << "txtImporto" << "12,345" << "12,35";
        QTest::newRow("second comma swallowed") << "txtImporto" << "1,2,3" << "1,23";
        QTest::newRow("normalised past the typing limit") << "txtImporto" << "1234567890,5" << "1234567890,50";
        QTest::newRow("emptied") << "txtImporto" << "" << "0,00";
    }
    void amountKeysAndNormalisation()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        RegisterFixture f;
        QLineEdit *amount = f.field(field);
        amount->setFocus();
        amount->selectAll();
        QTest::keyClick(amount, Qt::Key_Backspace);
        QTest::keyClicks(amount, typed);
        f.field(QStringLiteral("txtMezzo"))->setFocus();
        QCOMPARE(amount->text(), shown);
    }

    // Coming back from another window goes on typing where the user was.
    void amountSurvivesSwitchingWindows()
    {
        RegisterFixture f;
        QLineEdit *amount = f.field(QStringLiteral("txtImporto"));
        f.field(QStringLiteral("txtMezzo"))->setFocus();
        QTest::mouseClick(amount, Qt::LeftButton, {}, QPoint(5, amount->height() / 2));
        QCOMPARE(amount->selectedText(), QStringLiteral("0,00"));
        QTest::keyClicks(amount, QStringLiteral("1250"));
        QWidget browser;
        browser.show();
        browser.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&browser));
        QCOMPARE(amount->text(), QStringLiteral("1250"));
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keyClicks(amount, QStringLiteral(",50"));
        f.fillRequired();
        QTest::mouseClick(f.window->findChild<QAbstractButton *>(QStringLiteral("cmdSalva")), Qt::LeftButton);
        QCOMPARE(f.count(), 1);
        QCOMPARE(f.record(0).Importo, QStringLiteral("1250,50"));
    }

    void amountEditingKeys()
    {
        RegisterFixture f;
        QLineEdit *amount = f.field(QStringLiteral("txtImporto"));
        f.field(QStringLiteral("txtMezzo"))->setFocus();
        amount->setFocus();
        QCOMPARE(amount->selectedText(), QStringLiteral("0,00"));
        QTest::keyClicks(amount, QStringLiteral("250"));
        QTest::keyClick(amount, Qt::Key_Home);
        QTest::keyClick(amount, Qt::Key_1);
        QTest::keyClick(amount, Qt::Key_End);
        QTest::keyClick(amount, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClicks(amount, QStringLiteral(",5"));
        QCOMPARE(amount->text(), QStringLiteral("1250,5"));
        QTest::keyClick(amount, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(amount->selectedText(), QStringLiteral("1250,5"));
        QTest::keyClick(amount, Qt::Key_Left);
        QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(amount->selectedText(), QStringLiteral("1250,5"));
        QTest::keyClicks(amount, QStringLiteral("1.250,00"));
        QCOMPARE(amount->text(), QStringLiteral("1250,00"));
        QCOMPARE(f.text(QStringLiteral("panInfo")), QStringLiteral("Per i decimali usare la virgola."));
    }

    void amountPaste_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ctrl+v") << "ctrl+v" << "219,66" << "219,66";
        QTest::newRow("shift+insert") << "shift+insert" << "-1.219,66 EUR" << "1219,66";
        QTest::newRow("second comma dropped") << "ctrl+v" << "1,250,00" << "1,25000";
    }
    void amountPaste()
    {
        QFETCH(QString, how);
        QFETCH(QString, clipboard);
        QFETCH(QString, shown);
        RegisterFixture f;
        QLineEdit *amount = f.field(QStringLiteral("txtImporto"));
        f.field(QStringLiteral("txtMezzo"))->setFocus();
        amount->setFocus();
        QGuiApplication::clipboard()->setText(clipboard);
        if (how == u"ctrl+v") {
            QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
        } else if (how == u"shift+insert") {
            QTest::keyClick(amount, Qt::Key_Insert, Qt::ShiftModifier);
        }
        QCOMPARE(amount->text(), shown);
    }

    // The user right-clicks into the field, as it shows "0,00", and pastes.
    void amountContextMenuPaste()
    {
        RegisterFixture f;
        QLineEdit *amount = f.field(QStringLiteral("txtImporto"));
        f.field(QStringLiteral("txtMezzo"))->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("-219,66"));
        bool pasted = false;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *a : menu->actions()) {
                if (a->text().startsWith(QCoreApplication::translate("QLineEdit", "&Paste"))) {
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                    pasted = true;
                }
            }
            menu->close();
        });
        // The press brings the focus; the platform then asks for the menu.
        const QPoint at(5, amount->height() / 2);
        QTest::mousePress(amount, Qt::RightButton, {}, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, amount->mapToGlobal(at));
        QApplication::sendEvent(amount, &request);
        QTest::mouseRelease(amount, Qt::RightButton, {}, at);
        QVERIFY(pasted);
        QCOMPARE(amount->text(), QStringLiteral("219,66"));
    }

    void amountDrop_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<QString>("shown");
        QTest::newRow("replaces the selection") << "0,00" << true << "-1.250,50 EUR" << "1250,50";
        QTest::newRow("joins an unselected text") << "12" << false << ",5x" << "12,5";
        QTest::newRow("comma refused where one is") << "12,5" << false << "-3,4" << "12,534";
        QTest::newRow("nothing usable") << "0,00" << true << "-abc" << "0,00";
    }
    void amountDrop()
    {
        QFETCH(QString, before);
        QFETCH(bool, selected);
        QFETCH(QString, dropped);
        QFETCH(QString, shown);
        RegisterFixture f;
        QLineEdit *amount = f.field(QStringLiteral("txtImporto"));
        amount->setText(before);
        if (selected)
            amount->selectAll();
        else
            amount->deselect();
        QMimeData mime;
        mime.setText(dropped);
        const QPointF end(amount->width() - 3, amount->height() / 2);
        QDragEnterEvent enter(end.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(amount, &enter);
        QDropEvent drop(end, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(amount, &drop);
        QCOMPARE(amount->text(), shown);
    }

    // The toolbar's print and preview buttons take no focus from the field:
    // the card they print shows the amount as Save stores it, or none at all.
    void printCommitsTheAmountFirst_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("printed");  // empty: refused
        QTest::newRow("preview") << "cmdAnteprima" << "12,5" << "12,50";
        QTest::newRow("print") << "cmdStampa" << "7" << "7,00";
        QTest::newRow("unreadable") << "cmdStampa" << "1,250,00" << "";
    }
    void printCommitsTheAmountFirst()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, printed);
        RegisterFixture f;
        QLineEdit *amount = f.field(QStringLiteral("txtImporto"));
        f.field(QStringLiteral("txtMezzo"))->setFocus();
        amount->setFocus(Qt::TabFocusReason);
        if (typed.count(u',') > 1)
            amount->setText(typed);  // only a stored record can hold it
        else
            QTest::keyClicks(amount, typed);
        ModalScript modals;
        QString seen;
        modals.then([&](QDialog *) {
            seen = f.text(QStringLiteral("txtImporto"));
            return int(QDialog::Rejected);
        });
        auto *b = f.window->findChild<QAbstractButton *>(button);
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(seen, printed);
        if (printed.isEmpty()) {
            QCOMPARE(modals.seen(), QStringList());
            QCOMPARE(f.messages.last().kind, MessageKind::Warning);
            QCOMPARE(f.focused(), QStringLiteral("txtImporto"));
        }
    }

    // A stored text that is not an amount stays, and Save refuses it.
    void unreadableAmountIsRefusedAtSave()
    {
        RegisterFixture f;
        f.fillRequired();
        f.set(QStringLiteral("txtImporto"), QStringLiteral("1,250,00"));
        f.field(QStringLiteral("txtImporto"))->setFocus();
        f.field(QStringLiteral("txtMezzo"))->setFocus();
        QCOMPARE(f.text(QStringLiteral("txtImporto")), QStringLiteral("1,250,00"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages.texts(),
                 QStringList{QStringLiteral("Attenzione: l'importo indicato non è valido.\n\r\n\r"
                                            "Correggere l'importo prima di salvare la scheda.")});
        QCOMPARE(f.messages.last().kind, MessageKind::Warning);
        QCOMPARE(f.focused(), QStringLiteral("txtImporto"));
        QCOMPARE(f.text(QStringLiteral("txtImporto")), QStringLiteral("1,250,00"));
        QVERIFY(!QFile::exists(f.archive()) || f.count() == 0);
    }

    void datesAtSave_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");  // empty with a typed text: refused
        QTest::newRow("birth date completed") << "txtDataNasc" << "5/3/1980" << "05/03/1980";
        QTest::newRow("two-digit year") << "txtDataRil" << "1/2/20" << "01/02/2020";
        QTest::newRow("already full") << "txtDataSca" << "28/02/2030" << "28/02/2030";
        QTest::newRow("empty expiry") << "txtDataSca" << "" << "";
        QTest::newRow("no 31 February") << "txtDataNasc" << "31/02/1980" << "";
        QTest::newRow("not a date") << "txtDataRil" << "ieri" << "";
        QTest::newRow("month 13") << "txtDataSca" << "01/13/2030" << "";
    }
    void datesAtSave()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        RegisterFixture f;
        f.fillRequired();
        QTest::keyClicks(f.field(field), typed);
        f.click(QStringLiteral("cmdSalva"));
        if (stored.isEmpty() && !typed.isEmpty()) {
            QCOMPARE(f.messages.texts(),
                     QStringList{QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare "
                                                "la scheda è necessario indicare una data valida nel formato "
                                                "gg/mm/anno.")});
            QCOMPARE(f.messages.last().kind, MessageKind::Warning);
            QCOMPARE(f.focused(), field);
            QCOMPARE(f.text(field), typed);
            QVERIFY(!QFile::exists(f.archive()) || f.count() == 0);
            return;
        }
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("La scheda corrente è stata inserita in archivio.")});
        QCOMPARE(f.text(field), stored);
        const RegisterRecord r = f.record(0);
        const QString kept = field == u"txtDataNasc" ? r.DataNasc : field == u"txtDataRil" ? r.DataRil : r.DataSca;
        QCOMPARE(kept, stored);
        QCOMPARE(r.Data, QStringLiteral("15/06/2025"));
    }

    // However a text comes in, the card stores it on one line.
    void textsStayOnOneLine_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("incoming");
        QTest::addColumn<QString>("kept");
        QTest::newRow("pasted") << "paste" << "Anello\r\ncon brillante" << "Anellocon brillante";
        QTest::newRow("written by another window") << "import" << "ROSSI\tMARIO\n" << "ROSSI MARIO";
        QTest::newRow("dropped") << "drop" << "Oro\x01 giallo\r" << "Oro giallo";
    }
    void textsStayOnOneLine()
    {
        QFETCH(QString, how);
        QFETCH(QString, incoming);
        QFETCH(QString, kept);
        RegisterFixture f;
        f.fillRequired();
        QLineEdit *field = f.field(QStringLiteral("txtCaratteristiche"));
        if (how == u"paste") {
            field->setFocus();
            QGuiApplication::clipboard()->setText(incoming);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else if (how == u"import") {
            f.set(QStringLiteral("txtCaratteristiche"), incoming);
        } else {
            QMimeData mime;
            mime.setText(incoming);
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(field, &enter);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
            QApplication::sendEvent(field, &drop);
        }
        QCOMPARE(field->text(), kept);
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.record(0).Caratteristiche, kept);
    }

    void upperCaseFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fiscal code") << "txtCodFisc" << "rssmra80a01h501u" << "RSSMRA80A01H501U";
        QTest::newRow("province") << "txtProvNasc" << "mi" << "MI";
        QTest::newRow("sex") << "txtSesso" << "f" << "F";
        QTest::newRow("other fields keep their case") << "txtLuogoNasc" << "Roma" << "Roma";
    }
    void upperCaseFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        RegisterFixture f;
        TestSupport::typeInto(f.field(field), typed);
        QCOMPARE(f.field(field)->text(), shown);
    }

    void enterMovesAlongTheChain_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("number to date") << "txtNumScheda" << "txtData";
        QTest::newRow("time to amount") << "txtOra" << "txtImporto";
        QTest::newRow("amount to transaction") << "txtImporto" << "txtTransazione";
        QTest::newRow("quotation to customer") << "txtQuotazione" << "txtCliente";
        QTest::newRow("sex to document") << "txtSesso" << "txtTipoDoc";
        QTest::newRow("price back to number") << "txtPrezzoVen" << "txtNumScheda";
    }
    void enterMovesAlongTheChain()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        RegisterFixture f;
        f.field(from)->setFocus();
        QTest::keyClick(f.field(from), Qt::Key_Return);
        QCOMPARE(f.focused(), to);
    }

    void dateFieldsUseTheCalendar_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");  // pressed in the calendar; empty: no calendar expected
        QTest::addColumn<QString>("shown");
        QTest::newRow("backspace empties") << "txtDataVen" << int(Qt::Key_Backspace) << QString() << "";
        QTest::newRow("delete empties") << "txtData" << int(Qt::Key_Delete) << QString() << "";
        QTest::newRow("a letter opens it, Importa") << "txtDataVen" << int(Qt::Key_A) << "btnImportaData" << "03/02/2025";
        QTest::newRow("Enter opens it, Importa") << "txtData" << int(Qt::Key_Return) << "btnImportaData" << "03/02/2025";
        QTest::newRow("Annulla keeps the field") << "txtData" << int(Qt::Key_5) << "btnAnnulla" << "15/06/2025";
    }
    void dateFieldsUseTheCalendar()
    {
        QFETCH(QString, field);
        QFETCH(int, key);
        QFETCH(QString, button);
        QFETCH(QString, shown);
        RegisterFixture f;
        ModalScript modals;
        QString token;
        QDate preset;
        modals.then([&](QDialog *d) {
            token = Controls::token(d);
            auto *calendar = d->findChild<QCalendarWidget *>(QStringLiteral("calAppuntamenti"));
            preset = calendar->selectedDate();
            calendar->setSelectedDate(QDate(2025, 2, 3));
            TestSupport::click(d, button);
            return d->result();
        });
        f.set(QStringLiteral("txtDataVen"), QStringLiteral("15/06/2025"));
        f.field(field)->setFocus();
        QTest::keyClick(f.field(field), Qt::Key(key));
        QCOMPARE(f.field(field)->text(), shown);
        if (button.isEmpty()) {
            QVERIFY(modals.seen().isEmpty());
            return;
        }
        QCOMPARE(modals.seen(), QStringList{QStringLiteral("TfrmCalendario")});
        QCOMPARE(token, field == QStringLiteral("txtData") ? QStringLiteral("registro_data")
                                                           : QStringLiteral("registro_dataven"));
        QCOMPARE(preset, QDate(2025, 6, 15));
    }

    void calendarWithUnknownTokenDeliversNothing()
    {
        RegisterFixture f;
        auto *calendar = new TfrmCalendario(f.window.get());
        Controls::setToken(calendar, QStringLiteral("ricevute"));
        calendar->show();
        TestSupport::click(calendar, QStringLiteral("btnImportaData"));
        QVERIFY(calendar->isVisible());
        QCOMPARE(f.text(QStringLiteral("txtData")), QStringLiteral("15/06/2025"));
        delete calendar;
    }

    void buttonsOpenTheirDialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("codFisc");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("given");  // control=text written into the dialog
        const QStringList token = list({"lblMemory=registro"});
        QTest::newRow("search") << "cmdTrova" << "" << "TfrmTrovaRegistro" << token;
        QTest::newRow("customer import") << "impCliente" << "" << "TfrmTrovaClienti" << token;
        QTest::newRow("attachments") << "cmdFile" << "" << "TfrmAllegaCartella"
            << list({"lblMemory=registro", "txtFile01=contratto.pdf", "txtFile02=", "txtFile03=",
                           "txtDesc01=Contratto firmato", "txtDesc02=", "txtDesc03="});
        QTest::newRow("unsold") << "cmdCercaDisponibili" << "" << "TfrmDaVendere" << list({"lblMemory="});
        QTest::newRow("export") << "cmdEsporta" << "" << "TfrmExpRegistro" << list({"lblMemory="});
        QTest::newRow("print") << "cmdStampa" << "" << "TfrmStampaReg" << list({"lblMemory="});
        QTest::newRow("preview") << "cmdAnteprima" << "" << "TfrmAnteprimaReg" << list({"lblMemory="});
        QTest::newRow("logo") << "btnLogo" << "" << "TfrmLogo" << list({"lblMemory="});
        QTest::newRow("numbering") << "cmdNumerazione" << "" << "TfrmNumerazione" << token;
        QTest::newRow("empty fiscal code") << "btnCodFisc" << " " << "TfrmCodFisc" << list({"txtCodFisc="});
        QTest::newRow("fiscal code") << "btnCodFisc" << "rssmra80a01h501u" << "TfrmCodFisc"
            << list({"txtCodFisc=rssmra80a01h501u"});
        QTest::newRow("VAT number") << "btnCodFisc" << "01234567890" << "TfrmPartitaIva"
            << list({"txtPartitaIva=01234567890"});
    }
    void buttonsOpenTheirDialogs()
    {
        QFETCH(QString, button);
        QFETCH(QString, codFisc);
        QFETCH(QString, dialog);
        QFETCH(QStringList, given);
        RegisterFixture f;
        f.set(QStringLiteral("lblFile01"), QStringLiteral(" contratto.pdf "));
        f.set(QStringLiteral("lblDesc01"), QStringLiteral("Contratto firmato"));
        f.field(QStringLiteral("txtCodFisc"))->setText(codFisc);
        ModalScript modals;
        QStringList seenTexts;
        modals.then([&](QDialog *d) {
            for (const QString &entry : given) {
                const QString control = entry.section(u'=', 0, 0);
                seenTexts.append(control + u'=' + TestSupport::text(d, control).trimmed());
            }
            return int(QDialog::Rejected);
        });
        f.click(button);
        QCOMPARE(modals.seen(), QStringList{dialog});
        QCOMPARE(seenTexts, given);
    }

    void loadCardShowsAWholeCard()
    {
        RegisterFixture f;
        for (const QString &number : {QStringLiteral("1"), QStringLiteral("2")}) {
            f.click(QStringLiteral("cmdNuovo"));
            f.fillRequired(number);
            f.set(QStringLiteral("lblFile02"), QStringLiteral("scheda") + number + QStringLiteral(".pdf"));
            f.click(QStringLiteral("cmdSalva"));
        }
        f.click(QStringLiteral("cmdNuovo"));
        QVERIFY(QMetaObject::invokeMethod(f.window.get(), "loadCard", Q_ARG(int, 0)));
        QCOMPARE(f.text(QStringLiteral("txtNumScheda")), QStringLiteral("1"));
        QCOMPARE(f.text(QStringLiteral("lblFile02")), QStringLiteral("scheda1.pdf"));
        QCOMPARE(f.text(QStringLiteral("lblPosizione")), QStringLiteral("1"));

        // Reading past the end reports the failure and leaves the card alone.
        bool loaded = true;
        QMetaObject::invokeMethod(f.window.get(), "loadCard", Q_RETURN_ARG(bool, loaded), Q_ARG(int, 5));
        QVERIFY(!loaded);
        QCOMPARE(f.messages.last().text, ArchiveTexts::ioFailure());
        QCOMPARE(f.text(QStringLiteral("lblPosizione")), QStringLiteral("1"));
    }

    void showingTheWindowResetsTheCard()
    {
        RegisterFixture f;
        f.fillRequired(QStringLiteral("9"));
        f.set(QStringLiteral("lblDesc02"), QStringLiteral("x"));
        f.window->findChild<QCheckBox *>(QStringLiteral("chkVenduto"))->setChecked(true);
        f.click(QStringLiteral("cmdSalva"));
        f.set(QStringLiteral("txtImporto"), QStringLiteral("12,00"));
        f.window->hide();
        f.window->show();
        QCOMPARE(f.text(QStringLiteral("txtNumScheda")), QString());
        QCOMPARE(f.text(QStringLiteral("txtNatura")), QString());
        QCOMPARE(f.text(QStringLiteral("txtData")), QStringLiteral("15/06/2025"));
        QCOMPARE(f.text(QStringLiteral("txtOra")), QStringLiteral("10:30"));
        QCOMPARE(f.text(QStringLiteral("txtImporto")), QStringLiteral("0,00"));
        QCOMPARE(f.text(QStringLiteral("txtPrezzoVen")), QStringLiteral("0,00"));
        QCOMPARE(f.text(QStringLiteral("chkVenduto")), QStringLiteral("No"));
        QCOMPARE(f.text(QStringLiteral("lblDesc02")), QString());
        QCOMPARE(f.text(QStringLiteral("lblPosizione")), QString());
    }

    // The sold-tag picture stands just left of the check box, on its line.
    void soldIconBesideTheCheckBox()
    {
        RegisterFixture f;
        auto *icon = f.window->findChild<QLabel *>(QStringLiteral("imgVenduto"));
        auto *box = f.window->findChild<QCheckBox *>(QStringLiteral("chkVenduto"));
        QVERIFY(icon && box);
        QVERIFY(QFile::exists(QStringLiteral(":/icons/sold.svg")));
        QVERIFY(!icon->pixmap().isNull());
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->parentWidget(), box->parentWidget());
        QVERIFY(qAbs(icon->geometry().center().y() - box->geometry().center().y()) <= 4);
        const int gap = box->geometry().left() - icon->geometry().right();
        QVERIFY2(gap > 0 && gap <= 16, qPrintable(QString::number(gap)));
    }

    void hintLine_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("save") << "cmdSalva" << "Salva la scheda corrente in archivio.";
        QTest::newRow("logo") << "btnLogo" << "Carica il logo della Ditta.";
        QTest::newRow("photo B camera") << "btnAcquisisciFoto02" << "Acquisisci la foto da WebCam.";
        QTest::newRow("sale date") << "txtDataVen"
            << "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.";
        QTest::newRow("sold") << "chkVenduto"
            << "Spunta questa casella per indicare che l'oggetto prezioso è stato venduto.";
        QTest::newRow("card panel clears it") << "panScheda" << "";
    }
    void hintLine()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        RegisterFixture f;
        QEvent enterSave(QEvent::Enter);
        QCoreApplication::sendEvent(Controls::child(f.window.get(), QStringLiteral("cmdNuovo")), &enterSave);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(Controls::child(f.window.get(), control), &enter);
        QCOMPARE(f.text(QStringLiteral("panInfo")), hint);
    }
};

QTEST_MAIN(TestRegisterCard)
#include "tst_registercard.moc"
