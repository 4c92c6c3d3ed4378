#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "customers/Attachments.h"
#include "customers/AttachmentsDialog.h"
#include "customers/CustomerFolderDialog.h"
#include "storage/AttachmentFields.h"
#include "storage/Cp1252.h"
#include "storage/Record.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// An area window with the six attachment labels, as both owners have.
QWidget *ownerWindow(const QString &className)
{
    auto *w = new QWidget;
    w->setObjectName(className);
    for (const char *name : {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
        (new QLabel(QStringLiteral("old"), w))->setObjectName(QLatin1StringView(name));
    return w;
}
} // namespace

class AttachmentsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<FileScript> m_files;
    QTemporaryDir m_elsewhere;  // where the user's own documents live

    QString outside(const QString &name) const { return m_elsewhere.path() + u'/' + name; }
    QString attached(const QString &name) const { return m_data->path() + QStringLiteral("Documenti_Allegati/") + name; }

private slots:
    void init()
    {
        m_data = std::make_unique<TempDataDir>();
        m_messages = std::make_unique<MessageRecorder>();
        m_files = std::make_unique<FileScript>();
    }
    void cleanup()
    {
        AppWindows::clear();
        m_files.reset();
        m_messages.reset();
        m_data.reset();
    }

    void chooseCopiesIntoTheFolder()
    {
        writeFile(outside(QStringLiteral("Patente.jpg")), "scan");
        TfrmAllegaCartella dialog;
        auto *open = dialog.findChild<QPushButton *>(QStringLiteral("btnApri02"));
        QVERIFY(!open->isEnabled());
        m_files->answers = {outside(QStringLiteral("Patente.jpg"))};
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia02"));
        QCOMPARE(m_files->captions, QStringList{QStringLiteral("Selezionare il file da allegare:")});
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile02")), QStringLiteral("Patente.jpg"));
        QCOMPARE(readFile(attached(QStringLiteral("Patente.jpg"))), QByteArray("scan"));
        QVERIFY(open->isEnabled());
        QVERIFY(m_messages->isEmpty());

        ShellRecorder shell;
        TestSupport::click(&dialog, QStringLiteral("btnApri02"));
        QCOMPARE(shell.commands, QStringList{u'"' + attached(QStringLiteral("Patente.jpg")) + u'"'});

        // Clearing the slot leaves the file for any other card naming it.
        TestSupport::click(&dialog, QStringLiteral("imgCancella02"));
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile02")), QString());
        QVERIFY(!open->isEnabled());
        QVERIFY(QFile::exists(attached(QStringLiteral("Patente.jpg"))));
    }

    void sameNameAsksFirst_data()
    {
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("yes replaces") << true << QByteArray("new");
        QTest::newRow("no keeps the older file") << false << QByteArray("old");
    }

    void sameNameAsksFirst()
    {
        QFETCH(bool, overwrite);
        QFETCH(QByteArray, kept);
        writeFile(attached(QStringLiteral("doc.pdf")), "old");
        writeFile(outside(QStringLiteral("doc.pdf")), "new");
        TfrmAllegaCartella dialog;
        m_files->answers = {outside(QStringLiteral("doc.pdf"))};
        m_messages->answerNext(overwrite);
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia01"));
        QCOMPARE(m_messages->entries().size(), 1);
        QCOMPARE(m_messages->last().kind, MessageKind::Confirmation);
        QCOMPARE(m_messages->last().text,
                 QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                                "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?"));
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile01")), QStringLiteral("doc.pdf"));
        QCOMPARE(readFile(attached(QStringLiteral("doc.pdf"))), kept);
        QCOMPARE(QDir(m_data->path() + QStringLiteral("Documenti_Allegati")).count(), 3u);  // . .. doc.pdf
    }

    // Choosing the attachment itself must not destroy it.
    void choosingTheAttachedFileItself()
    {
        writeFile(attached(QStringLiteral("doc.pdf")), "precious");
        QCOMPARE(Attachments::copyIn(attached(QStringLiteral("doc.pdf")), [] { return true; }).result,
                 Attachments::CopyResult::AlreadyThere);
        QCOMPARE(readFile(attached(QStringLiteral("doc.pdf"))), QByteArray("precious"));
    }

    // Another card's document is never replaced: the new file goes beside it.
    void sameNameOfAnotherCardsDocument_data()
    {
        QTest::addColumn<QString>("archive");
        QTest::addColumn<int>("recordSize");
        QTest::newRow("customer card") << FileNames::customerArchive() << AttachmentFields::kCustomerRecordSize;
        QTest::newRow("register card") << FileNames::registerArchive() << AttachmentFields::kRegisterRecordSize;
    }
    void sameNameOfAnotherCardsDocument()
    {
        QFETCH(QString, archive);
        QFETCH(int, recordSize);
        QByteArray records(2 * recordSize, '\0');
        ShortText::write(records.data() + recordSize + AttachmentFields::fileOffset(recordSize, 1),
                         AttachmentFields::kCapacity, u"doc.pdf");
        m_data->writeBytes(archive, records);
        writeFile(attached(QStringLiteral("doc.pdf")), "first customer's");
        writeFile(outside(QStringLiteral("doc.pdf")), "second customer's");
        writeFile(outside(QStringLiteral("altro/doc.pdf")), "third customer's");
        writeFile(outside(QStringLiteral("copia/doc.pdf")), "first customer's");

        TfrmAllegaCartella dialog;
        m_files->answers = {outside(QStringLiteral("doc.pdf")), outside(QStringLiteral("altro/doc.pdf")),
                            outside(QStringLiteral("doc.pdf")), outside(QStringLiteral("copia/doc.pdf"))};
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia01"));
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile01")), QStringLiteral("doc (2).pdf"));
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia02"));
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile02")), QStringLiteral("doc (3).pdf"));
        // The same content again is the file already there, under its own name.
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia03"));
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile03")), QStringLiteral("doc (2).pdf"));
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia03"));
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile03")), QStringLiteral("doc.pdf"));

        QVERIFY(m_messages->isEmpty());
        QCOMPARE(readFile(attached(QStringLiteral("doc.pdf"))), QByteArray("first customer's"));
        QCOMPARE(readFile(attached(QStringLiteral("doc (2).pdf"))), QByteArray("second customer's"));
        QCOMPARE(readFile(attached(QStringLiteral("doc (3).pdf"))), QByteArray("third customer's"));
        QCOMPARE(QDir(m_data->path() + QStringLiteral("Documenti_Allegati")).count(), 5u);

        ShellRecorder shell;
        TestSupport::click(&dialog, QStringLiteral("btnApri01"));
        QCOMPARE(shell.commands, QStringList{u'"' + attached(QStringLiteral("doc (2).pdf")) + u'"'});
    }

    void nameThatCannotBeStoredIsRenamed_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("stored");
        QTest::newRow("outside Windows-1252") << QStringLiteral("Contratto \u5951\u7D04 \U0001F4C4.pdf")
                                              << QStringLiteral("Contratto __ _.pdf");
        QTest::newRow("kept as it is") << QStringLiteral("Fattura n°12 € città.pdf")
                                       << QStringLiteral("Fattura n°12 € città.pdf");
        // 255 bytes, as long a name as Linux allows.
        QTest::newRow("longer than the field") << QString(245, u'x') + QStringLiteral(" fine.jpeg")
                                               << QString(245, u'x') + QStringLiteral(".jpeg");
    }
    void nameThatCannotBeStoredIsRenamed()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, stored);
        QVERIFY(stored.size() <= AttachmentFields::kCapacity);
        // The longest names go in a short folder: the file system limits them too.
        QTemporaryDir source;
        const QString path = source.path() + u'/' + chosen;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            QSKIP("this file system refuses the name");
        file.write("content");
        file.close();
        TfrmAllegaCartella dialog;
        m_files->answers = {path};
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia01"));
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile01")), stored);
        QCOMPARE(readFile(attached(stored)), QByteArray("content"));
        QCOMPARE(Cp1252::decode(Cp1252::encode(stored)), stored);
    }

    void nameLeadingOutOfTheFolderIsNotOpened_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << QStringLiteral("../Clienti.pro");
        QTest::newRow("slash") << QStringLiteral("sub/doc.pdf");
        QTest::newRow("backslash") << QStringLiteral("..\\..\\unins000.dll");
    }
    void nameLeadingOutOfTheFolderIsNotOpened()
    {
        QFETCH(QString, name);
        TfrmAllegaCartella dialog;
        TestSupport::setText(&dialog, QStringLiteral("txtFile01"), name);
        ShellRecorder shell;
        TestSupport::click(&dialog, QStringLiteral("btnApri01"));
        QVERIFY(shell.commands.isEmpty());
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Attenzione: il nome del file allegato non è valido.")});
        QCOMPARE(m_messages->last().kind, MessageKind::Warning);
    }

    void failuresAreSilentAndKeepTheName()
    {
        writeFile(m_data->path() + QStringLiteral("Documenti_Allegati"), "a file, not a folder");
        writeFile(outside(QStringLiteral("doc.pdf")), "new");
        TfrmAllegaCartella dialog;
        m_files->answers = {outside(QStringLiteral("doc.pdf")), QString()};
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia01"));
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile01")), QStringLiteral("doc.pdf"));
        QVERIFY(m_messages->isEmpty());

        // A cancelled file dialog ends the operation: nothing changes.
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia01"));
        QCOMPARE(TestSupport::text(&dialog, QStringLiteral("txtFile01")), QStringLiteral("doc.pdf"));
        QVERIFY(m_messages->isEmpty());
    }

    void applyWritesIntoTheOwner_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("owner");
        QTest::newRow("customer window") << QStringLiteral("anagrafica") << QStringLiteral("TfrmAnagrafica");
        QTest::newRow("register window") << QStringLiteral("registro") << QStringLiteral("TfrmRegistro");
    }

    void applyWritesIntoTheOwner()
    {
        QFETCH(QString, token);
        QFETCH(QString, owner);
        std::unique_ptr<QWidget> window(ownerWindow(owner));
        AppWindows::add(window.get());
        TfrmAllegaCartella dialog;
        Controls::setToken(&dialog, token);
        TestSupport::setText(&dialog, QStringLiteral("txtFile01"), QStringLiteral(" a.pdf "));
        TestSupport::setText(&dialog, QStringLiteral("txtDesc02"), QStringLiteral("seconda"));
        TestSupport::click(&dialog, QStringLiteral("btnApplica"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(TestSupport::text(window.get(), QStringLiteral("lblFile01")), QStringLiteral("a.pdf"));
        QCOMPARE(TestSupport::text(window.get(), QStringLiteral("lblDesc02")), QStringLiteral("seconda"));
        QCOMPARE(TestSupport::text(window.get(), QStringLiteral("lblFile03")), QString());
    }

    void unknownTokenOrCancelWritesNothing()
    {
        std::unique_ptr<QWidget> window(ownerWindow(QStringLiteral("TfrmAnagrafica")));
        AppWindows::add(window.get());
        writeFile(outside(QStringLiteral("x.pdf")), "x");

        TfrmAllegaCartella dialog;
        dialog.show();
        Controls::setToken(&dialog, QStringLiteral("Anagrafica"));  // the case must match
        TestSupport::setText(&dialog, QStringLiteral("txtFile01"), QStringLiteral("a.pdf"));
        TestSupport::click(&dialog, QStringLiteral("btnApplica"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(TestSupport::text(window.get(), QStringLiteral("lblFile01")), QStringLiteral("old"));

        // Annulla after choosing: the card keeps its slots, the copy stays.
        Controls::setToken(&dialog, QStringLiteral("anagrafica"));
        m_files->answers = {outside(QStringLiteral("x.pdf"))};
        TestSupport::click(&dialog, QStringLiteral("btnSfoglia01"));
        TestSupport::click(&dialog, QStringLiteral("btnAnnulla"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(TestSupport::text(window.get(), QStringLiteral("lblFile01")), QStringLiteral("old"));
        QVERIFY(QFile::exists(attached(QStringLiteral("x.pdf"))));
    }

    void customerFolder()
    {
        ShellRecorder shell;
        const QString folder = m_data->path() + QStringLiteral("Cliente_7");
        for (int opening = 0; opening < 2; ++opening) {
            TfrmCartella dialog;
            Controls::setToken(&dialog, QStringLiteral(" 7 "));
            TestSupport::click(&dialog, QStringLiteral("btnApriCartella"));
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(QFileInfo(folder).isDir());
        }
        QCOMPARE(shell.commands, QStringList(2, u'"' + folder + u'"'));
    }
};

QTEST_MAIN(AttachmentsTest)
#include "tst_attachments.moc"
