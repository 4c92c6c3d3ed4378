// A data folder on a read-only medium (a backup on a stick): everything that
// only reads works, saving is refused with the usual message, and not a
// byte on the medium changes.
#include "Archives.h"
#include "FaultKit.h"
#include "PdfTools.h"
#include "RegisterFixture.h"
#include "StoredCards.h"
#include "app/MainMenu.h"
#include "register/print/RegisterPrintModule.h"
#include "register/print/RegisterBookDialog.h"
#include "register/search/RegisterSearch.h"
#include "register/search/RegisterSearchModule.h"
#include "storage/ArchiveTexts.h"

#include <QDateEdit>
#include <QDir>
#include <QDirIterator>

using namespace FaultKit;

namespace {

const QString kNotice = QStringLiteral("La cartella dei dati è in sola lettura: gli archivi possono essere "
                                       "consultati ma non modificati.");

void storeCards(const TempDataDir &data)
{
    QVERIFY(Archives::write(data.file(FileNames::registerArchive()), storedCards()));
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(Qt::darkYellow);
    for (QChar side : {u'A', u'B'})
        QVERIFY(photo.save(PhotoFiles::cardFile(side, 3), "JPEG"));
}

// Every file of the folder, and the folder itself, read-only.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &folder)
    {
        QDirIterator files(folder, QDir::Files);
        while (files.hasNext())
            m_paths.push_back(std::make_unique<ReadOnlyPath>(files.next()));
        m_paths.push_back(std::make_unique<ReadOnlyPath>(QDir(folder).absolutePath()));
    }
    bool holds() const
    {
        for (const auto &p : m_paths)
            if (!p->holds())
                return false;
        return true;
    }

private:
    std::vector<std::unique_ptr<ReadOnlyPath>> m_paths;
};

// Every file's bytes, by name.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> all;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile f(folder + name);
        if (f.open(QIODevice::ReadOnly))
            all.insert(name, f.readAll());
    }
    return all;
}

} // namespace

class TestReadOnlyFolder : public QObject
{
    Q_OBJECT
private slots:
    void browsedSearchedPrintedButNotSaved()
    {
        RegisterSearchModule::registerDialogs();
        RegisterPrintModule::registerDialogs();
        RegisterFixture f;
        storeCards(f.data);
        const QMap<QString, QByteArray> before = contents(f.data.path());
        ReadOnlyFolder medium(f.data.path());
        if (!medium.holds())
            QSKIP("this machine cannot make a folder read-only");

        // The main menu says so, once per run.
        TfrmAvvio menu;
        menu.show();
        QTRY_COMPARE(f.messages.texts(), QStringList{kNotice});
        QCOMPARE(f.messages.last().kind, MessageKind::Information);
        menu.hide();
        menu.show();
        QTest::qWait(20);
        QCOMPARE(f.messages.entries().size(), 1);
        f.messages.clear();

        // Browsing: the last card with its photo.
        f.click(QStringLiteral("cmdUltimo"));
        QCOMPARE(f.messages.texts(), QStringList());
        QCOMPARE(f.text(QStringLiteral("txtCliente")), QStringLiteral("VERDI ANNA"));
        QCOMPARE(f.frame(QStringLiteral("imgFoto"))->picture().size(), QSize(64, 48));

        // Searching: every card listed.
        TfrmTrovaRegistro search;
        Controls::setToken(&search, QStringLiteral("registro"));
        search.show();
        TestSupport::click(&search, QStringLiteral("btnCerca"));
        QCOMPARE(f.messages.texts(), QStringList());
        QCOMPARE(search.list()->lines().size(), 3);

        // The register book to a PDF in a writable place.
        QTemporaryDir elsewhere;
        const QString pdf = elsewhere.filePath(QStringLiteral("registro.pdf"));
        FileScript files;
        files.answers = {pdf};
        TfrmStampaRegistro book;
        book.findChild<QDateEdit *>(QStringLiteral("txtDal"))->setDate(QDate(2025, 1, 1));
        TestSupport::click(&book, QStringLiteral("btnPdf"));
        QCOMPARE(f.messages.last().kind, MessageKind::Information);
        QVERIFY(PdfTools::text(pdf, false).contains(QStringLiteral("VERDI ANNA")));
        f.messages.clear();

        // Saving the card on screen is refused, and nothing on the medium moved.
        f.set(QStringLiteral("txtCliente"), QStringLiteral("MODIFICATO"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.messages.texts(), QStringList{ArchiveTexts::ioFailure()});
        QCOMPARE(f.text(QStringLiteral("txtCliente")), QStringLiteral("MODIFICATO"));
        QCOMPARE(contents(f.data.path()), before);
    }
};

QTEST_MAIN(TestReadOnlyFolder)
#include "tst_readonly_folder.moc"
