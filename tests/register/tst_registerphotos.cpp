#include "RegisterFixture.h"
#include "register/CameraSource.h"
#include "register/PhotoFiles.h"
#include "register/Placeholder.h"
#include "register/QtCameraSource.h"
#include "register/WebCamDialog.h"
#include "register/ZoomDialog.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QCameraDevice>
#include <QMediaDevices>
#include <QPainter>
#include <thread>

namespace {
QImage solid(QColor colour, QSize size = QSize(640, 480))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Fine detail everywhere, which JPEG can only approximate.
QImage detailed(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb((x * 7 + y * 3) % 256, (x * y) % 256, ((x / 4) ^ (y / 4)) % 2 ? 230 : 20);
    }
    return image;
}

// A JPEG of `picture` whose header claims another size, as a huge photo's would.
QByteArray withSize(const QImage &picture, QSize claimed)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "jpg");
    const qsizetype sof = jpeg.indexOf(QByteArrayLiteral("\xFF\xC0"));
    if (sof < 0)
        return {};
    jpeg[sof + 5] = char(claimed.height() >> 8);
    jpeg[sof + 6] = char(claimed.height() & 0xFF);
    jpeg[sof + 7] = char(claimed.width() >> 8);
    jpeg[sof + 8] = char(claimed.width() & 0xFF);
    return jpeg;
}

QImage fileImage(const RegisterFixture &f, const QString &name)
{
    QImageReader reader(f.data.file(name));
    reader.setAllocationLimit(1024);
    return reader.read();
}

// Loads a picture into a frame through its button, as the user would.
void loadPhoto(RegisterFixture &f, const QString &button, const QImage &picture, const QString &name)
{
    const QString path = f.data.file(name);
    QVERIFY(picture.save(path));
    FileScript files;
    files.answers = {path};
    f.click(button);
}

// The camera the dialog will create, fed by the test.
class CameraFeed
{
public:
    CameraFeed()
    {
        CameraSource::setFactory([this](QObject *parent) {
            source = new FedCameraSource(parent);
            return source;
        });
    }
    ~CameraFeed() { CameraSource::setFactory({}); }
    FedCameraSource *source = nullptr;
};
} // namespace

class TestRegisterPhotos : public QObject
{
    Q_OBJECT
private slots:
    void newCardWithoutPhotosStoresThePlaceholder()
    {
        RegisterFixture f;
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        for (const QString &name : {QStringLiteral("Foto_A_1.jpg"), QStringLiteral("Foto_B_1.jpg")})
            QVERIFY2(TestSupport::imageDifference(fileImage(f, name), Placeholder::ringPhoto()) < 4, qPrintable(name));
    }

    void navigationShowsTheCardsPhotos()
    {
        RegisterFixture f;
        loadPhoto(f, QStringLiteral("btnCaricaFoto"), solid(Qt::red), QStringLiteral("red.jpg"));
        loadPhoto(f, QStringLiteral("btnCaricaFoto02"), solid(Qt::blue), QStringLiteral("blue.bmp"));
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        f.click(QStringLiteral("cmdNuovo"));
        QCOMPARE(f.frame(QStringLiteral("imgFoto"))->picture(), Placeholder::ringPhoto());

        f.click(QStringLiteral("cmdPrimo"));
        QVERIFY(TestSupport::imageDifference(f.frame(QStringLiteral("imgFoto"))->picture(), solid(Qt::red)) < 4);
        QVERIFY(TestSupport::imageDifference(f.frame(QStringLiteral("imgFoto02"))->picture(), solid(Qt::blue)) < 4);

        // Without its photo B the card still shows its photo A; a missing
        // file is no fault worth a word.
        QVERIFY(QFile::remove(f.data.file(QStringLiteral("Foto_B_1.jpg"))));
        f.click(QStringLiteral("cmdNuovo"));
        f.click(QStringLiteral("cmdUltimo"));
        QVERIFY(TestSupport::imageDifference(f.window->photo(0), solid(Qt::red)) < 4);
        QCOMPARE(f.window->photo(1), Placeholder::ringPhoto());
        QVERIFY(f.messages.texts().size() == 1);  // the insertion notice only
        QVERIFY(!f.text(QStringLiteral("panInfo")).contains(QStringLiteral("Impossibile")));
    }

    void untouchedPhotosAreNotRewritten()
    {
        RegisterFixture f;
        loadPhoto(f, QStringLiteral("btnCaricaFoto"), detailed(QSize(800, 600)), QStringLiteral("a.jpg"));
        loadPhoto(f, QStringLiteral("btnCaricaFoto02"), solid(Qt::blue), QStringLiteral("b.bmp"));
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        // An hour back, so that any rewrite would show in the time as well.
        const QDateTime past = QDateTime::currentDateTime().addSecs(-3600);
        QList<QByteArray> before;
        for (const QString &name : {QStringLiteral("Foto_A_1.jpg"), QStringLiteral("Foto_B_1.jpg")}) {
            QFile file(f.data.file(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(past, QFileDevice::FileModificationTime));
            before.append(f.data.readBytes(name));
        }

        // The sale is recorded, twice, without touching the photos.
        f.click(QStringLiteral("cmdNuovo"));
        f.click(QStringLiteral("cmdPrimo"));
        f.set(QStringLiteral("txtCompratore"), QStringLiteral("BIANCHI LUCA"));
        f.window->findChild<QCheckBox *>(QStringLiteral("chkVenduto"))->setChecked(true);
        f.click(QStringLiteral("cmdSalva"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.record(0).Venduto, QStringLiteral("Sì"));
        int i = 0;
        for (const QString &name : {QStringLiteral("Foto_A_1.jpg"), QStringLiteral("Foto_B_1.jpg")}) {
            QCOMPARE(f.data.readBytes(name), before[i++]);
            QCOMPARE(QFileInfo(f.data.file(name)).lastModified(), past);
        }

        // Changing photo B rewrites photo B only.
        loadPhoto(f, QStringLiteral("btnCaricaFoto02"), solid(Qt::green), QStringLiteral("c.jpg"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(QFileInfo(f.data.file(QStringLiteral("Foto_A_1.jpg"))).lastModified(), past);
        QVERIFY(TestSupport::imageDifference(fileImage(f, QStringLiteral("Foto_B_1.jpg")), solid(Qt::green)) < 4);
    }

    void loadedJpegIsStoredAsItsFile()
    {
        RegisterFixture f;
        // A low quality and a comment: any re-encoding would change the bytes.
        QByteArray jpeg;
        {
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "jpg");
            writer.setQuality(40);
            writer.setText(QStringLiteral("Description"), QStringLiteral("Canon EOS, 1/125 s"));
            QVERIFY(writer.write(detailed(QSize(1200, 900))));
        }
        f.data.writeBytes(QStringLiteral("scatto.jpg"), jpeg);
        FileScript files;
        files.answers = {f.data.file(QStringLiteral("scatto.jpg"))};
        f.click(QStringLiteral("btnCaricaFoto"));
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.data.readBytes(QStringLiteral("Foto_A_1.jpg")), jpeg);

        // Reloaded from the card, it is still the same file when saved elsewhere.
        f.click(QStringLiteral("cmdNuovo"));
        f.click(QStringLiteral("cmdPrimo"));
        files.answers = {f.data.file(QStringLiteral("copia.jpg"))};
        f.click(QStringLiteral("btnSalvaFoto"));
        QCOMPARE(f.data.readBytes(QStringLiteral("copia.jpg")), jpeg);
    }

    void otherPicturesAreEncodedAtHighQuality()
    {
        RegisterFixture f;
        const QImage picture = detailed(QSize(800, 600));
        loadPhoto(f, QStringLiteral("btnCaricaFoto"), picture, QStringLiteral("a.bmp"));
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        // Closer to the picture than quality 90 can get.
        QByteArray at90;
        QBuffer buffer(&at90);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "jpg", 90));
        const double stored = TestSupport::imageDifference(fileImage(f, QStringLiteral("Foto_A_1.jpg")), picture);
        const double ninety = TestSupport::imageDifference(QImage::fromData(at90), picture);
        QVERIFY2(stored < ninety, qPrintable(QStringLiteral("%1 vs %2").arg(stored).arg(ninety)));
    }

    void unreadablePhotoIsKeptAndNamed()
    {
        RegisterFixture f;
        loadPhoto(f, QStringLiteral("btnCaricaFoto"), solid(Qt::red), QStringLiteral("red.jpg"));
        loadPhoto(f, QStringLiteral("btnCaricaFoto02"), solid(Qt::blue), QStringLiteral("blue.jpg"));
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        const QByteArray broken = f.data.readBytes(QStringLiteral("Foto_B_1.jpg")).left(600);
        f.data.writeBytes(QStringLiteral("Foto_B_1.jpg"), broken);
        f.click(QStringLiteral("cmdNuovo"));
        f.messages.clear();

        f.click(QStringLiteral("cmdPrimo"));
        QVERIFY(TestSupport::imageDifference(f.window->photo(0), solid(Qt::red)) < 4);
        QCOMPARE(f.window->photo(1), Placeholder::ringPhoto());
        QCOMPARE(f.text(QStringLiteral("panInfo")), QStringLiteral("Impossibile leggere la foto Foto_B_1.jpg."));
        QVERIFY(f.messages.isEmpty());

        // Neither saving nor removing the photo that is not there writes over it.
        f.click(QStringLiteral("cmdSalva"));
        f.click(QStringLiteral("btnCancFoto02"));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.data.readBytes(QStringLiteral("Foto_B_1.jpg")), broken);
        QCOMPARE(f.messages.last().kind, MessageKind::Information);

        // A real picture put in its place does replace it.
        loadPhoto(f, QStringLiteral("btnCaricaFoto02"), solid(Qt::green), QStringLiteral("green.jpg"));
        f.click(QStringLiteral("cmdSalva"));
        QVERIFY(TestSupport::imageDifference(fileImage(f, QStringLiteral("Foto_B_1.jpg")), solid(Qt::green)) < 4);
    }

    void largePhotoLoads()
    {
        RegisterFixture f;
        // 48 megapixels: above what Qt reads by default.
        const QImage big = solid(Qt::darkCyan, QSize(8000, 6000));
        loadPhoto(f, QStringLiteral("btnCaricaFoto"), big, QStringLiteral("big.jpg"));
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(f.window->photo(0).size(), QSize(8000, 6000));
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        f.click(QStringLiteral("cmdNuovo"));
        f.click(QStringLiteral("cmdPrimo"));
        QCOMPARE(f.window->photo(0).size(), QSize(8000, 6000));
        QVERIFY(!f.text(QStringLiteral("panInfo")).contains(QStringLiteral("Impossibile")));
    }

    void removedPhotoIsReplacedOnSave()
    {
        RegisterFixture f;
        loadPhoto(f, QStringLiteral("btnCaricaFoto"), solid(Qt::red), QStringLiteral("red.jpg"));
        loadPhoto(f, QStringLiteral("btnCaricaFoto02"), solid(Qt::blue), QStringLiteral("blue.jpg"));
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        f.click(QStringLiteral("btnCancFoto"));
        QCOMPARE(f.window->photo(0), Placeholder::ringPhoto());
        f.click(QStringLiteral("cmdSalva"));
        QVERIFY(TestSupport::imageDifference(fileImage(f, QStringLiteral("Foto_A_1.jpg")), Placeholder::ringPhoto()) < 4);
        QVERIFY(TestSupport::imageDifference(fileImage(f, QStringLiteral("Foto_B_1.jpg")), solid(Qt::blue)) < 4);
    }

    void photoKeepsItsResolution()
    {
        RegisterFixture f;
        loadPhoto(f, QStringLiteral("btnCaricaFoto"), solid(Qt::darkGreen, QSize(4000, 3000)),
                  QStringLiteral("big.jpg"));
        QCOMPARE(f.window->photo(0).size(), QSize(4000, 3000));
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(QImageReader(f.data.file(QStringLiteral("Foto_A_1.jpg"))).size(), QSize(4000, 3000));
        QCOMPARE(QImageReader(f.data.file(QStringLiteral("Foto_B_1.jpg"))).size(), Placeholder::ringPhoto().size());
    }

    void unreadableChoiceIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("broken") << QByteArrayLiteral("not a picture");
        QTest::newRow("above 120 megapixels") << withSize(solid(Qt::green, QSize(64, 48)), QSize(12000, 10001));
    }
    void unreadableChoiceIsRefused()
    {
        QFETCH(QByteArray, bytes);
        RegisterFixture f;
        loadPhoto(f, QStringLiteral("btnCaricaFoto02"), solid(Qt::red), QStringLiteral("red.jpg"));
        const QImage before = f.window->photo(1);
        f.data.writeBytes(QStringLiteral("scelta.jpg"), bytes);
        FileScript files;
        files.answers = {f.data.file(QStringLiteral("scelta.jpg"))};
        f.click(QStringLiteral("btnCaricaFoto02"));
        QCOMPARE(files.captions, QStringList{QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.")});
        QCOMPARE(f.messages.texts(), QStringList{QStringLiteral("Attenzione: impossibile caricare l'immagine selezionata.")});
        QCOMPARE(f.messages.last().kind, MessageKind::Warning);
        QCOMPARE(f.window->photo(1), before);
    }

    void photosThatCannotBeWrittenAreKeptAndReported()
    {
        RegisterFixture f;
        loadPhoto(f, QStringLiteral("btnCaricaFoto"), solid(Qt::red), QStringLiteral("red.jpg"));
        loadPhoto(f, QStringLiteral("btnCaricaFoto02"), solid(Qt::blue), QStringLiteral("blue.jpg"));
        const QImage photoA = f.window->photo(0);
        // A folder in the way of photo A's file makes writing it fail.
        QVERIFY(QDir(f.data.path()).mkdir(QStringLiteral("Foto_A_1.jpg")));
        f.fillRequired();
        f.click(QStringLiteral("cmdSalva"));

        QCOMPARE(f.count(), 1);
        QCOMPARE(f.text(QStringLiteral("lblPosizione")), QStringLiteral("1"));
        QCOMPARE(f.window->photo(0), photoA);
        QVERIFY(TestSupport::imageDifference(f.window->photo(1), solid(Qt::blue)) < 4);
        QCOMPARE(f.messages.entries().size(), 1);
        QCOMPARE(f.messages.last().kind, MessageKind::Error);
        QVERIFY(f.messages.last().text.contains(QStringLiteral("non è stato possibile scrivere le foto")));

        // Once the way is clear, saving again stores both photos.
        QVERIFY(QDir(f.data.path()).rmdir(QStringLiteral("Foto_A_1.jpg")));
        f.click(QStringLiteral("cmdSalva"));
        QCOMPARE(f.count(), 1);
        QVERIFY(TestSupport::imageDifference(fileImage(f, QStringLiteral("Foto_A_1.jpg")), solid(Qt::red)) < 4);
        QCOMPARE(f.messages.last().kind, MessageKind::Information);
    }

    void savePhotoToAChosenFile_data()
    {
        QTest::addColumn<QString>("answer");  // relative to the data folder
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("reported");
        QTest::newRow("jpeg") << "copia.jpg" << "copia.jpg" << false;
        QTest::newRow("no extension gets .jpg") << "copia" << "copia.jpg" << false;
        QTest::newRow("missing folder") << "manca/copia.jpg" << "" << true;
    }
    void savePhotoToAChosenFile()
    {
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(bool, reported);
        RegisterFixture f;
        loadPhoto(f, QStringLiteral("btnCaricaFoto02"), solid(Qt::red), QStringLiteral("red.jpg"));
        FileScript files;
        files.answers = {f.data.file(answer)};
        f.click(QStringLiteral("btnSalvaFoto02"));
        QCOMPARE(files.captions, QStringList{QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.")});
        if (!written.isEmpty())
            QVERIFY(TestSupport::imageDifference(fileImage(f, written), solid(Qt::red)) < 4);
        QCOMPARE(f.messages.entries().size(), reported ? 1 : 0);
        QVERIFY(TestSupport::imageDifference(f.window->photo(1), solid(Qt::red)) < 4);
    }

    void cameraImportFillsOnlyItsFrame_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("changed");
        QTest::newRow("photo A") << "btnAcquisisciFoto" << 0;
        QTest::newRow("photo B") << "btnAcquisisciFoto02" << 1;
    }
    void cameraImportFillsOnlyItsFrame()
    {
        QFETCH(QString, button);
        QFETCH(int, changed);
        RegisterFixture f;
        CameraFeed camera;
        ModalScript modals;
        const QImage frame = solid(Qt::magenta);
        bool liveViewShown = false;
        bool onAfterImport = true;
        modals.then([&](QDialog *d) {
            TestSupport::click(d, QStringLiteral("btnAccendi"));
            // Frames come from the camera's own thread.
            std::thread cameraThread([&] { camera.source->feed(frame); });
            cameraThread.join();
            auto *live = d->findChild<PhotoFrame *>(QStringLiteral("imgCamera"));
            liveViewShown = QTest::qWaitFor([&] { return live->picture() == frame; });
            TestSupport::click(d, QStringLiteral("btnCattura"));
            TestSupport::click(d, QStringLiteral("btnImportaFoto"));
            onAfterImport = camera.source->isActive();
            return d->result();
        });
        f.click(button);
        QCOMPARE(modals.seen(), QStringList{QStringLiteral("TfrmWebCam")});
        QVERIFY(liveViewShown);
        QCOMPARE(f.window->photo(changed), frame);
        QCOMPARE(f.window->photo(1 - changed), Placeholder::ringPhoto());
        QVERIFY(!onAfterImport);
    }

    void cameraIsSwitchedOffOnEveryExit_data()
    {
        QTest::addColumn<QString>("exit");
        QTest::newRow("import") << "btnImportaFoto";
        QTest::newRow("cancel") << "btnClose";
        QTest::newRow("switch off") << "btnSpegni";
        QTest::newRow("escape") << "";
    }
    void cameraIsSwitchedOffOnEveryExit()
    {
        QFETCH(QString, exit);
        CameraFeed camera;
        TfrmWebCam dialog;
        dialog.show();
        TestSupport::click(&dialog, QStringLiteral("btnAccendi"));
        QVERIFY(camera.source->isActive());
        if (exit.isEmpty())
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            TestSupport::click(&dialog, exit);
        QVERIFY(!camera.source->isActive());
    }

    void cameraDialogWithoutCaptureKeepsItsPicture()
    {
        RegisterFixture f;
        loadPhoto(f, QStringLiteral("btnCaricaFoto"), solid(Qt::red), QStringLiteral("red.jpg"));
        CameraFeed camera;
        ModalScript modals;
        modals.then([&](QDialog *d) {
            // Nothing in the live view: capturing changes nothing.
            TestSupport::click(d, QStringLiteral("btnCattura"));
            TestSupport::click(d, QStringLiteral("btnImportaFoto"));
            return d->result();
        });
        f.click(QStringLiteral("btnAcquisisciFoto"));
        QCOMPARE(f.window->photo(0), Placeholder::ringPhoto());
    }

    void realCameraWithoutDeviceStaysEmpty()
    {
        if (!QMediaDevices::videoInputs().isEmpty())
            QSKIP("this machine has a camera");
        QtCameraSource source;
        source.start();
        QVERIFY(!source.isActive());
        source.stop();
    }

    void zoomClosesOnAClick_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("picture") << "imgFoto";
        QTest::newRow("panel") << "panFoto";
    }
    void zoomClosesOnAClick()
    {
        QFETCH(QString, target);
        TfrmZoom zoom;
        zoom.setPicture(solid(Qt::red));
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));
        auto *photo = zoom.findChild<PhotoFrame *>(QStringLiteral("imgFoto"));
        QCOMPARE(photo->picture(), solid(Qt::red));
        QVERIFY(zoom.windowState() & Qt::WindowMaximized);
        QCOMPARE(photo->size(), zoom.size() - QSize(60, 90));
        QWidget *clicked = zoom.findChild<QWidget *>(target);
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!zoom.isVisible());
        QCOMPARE(zoom.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestRegisterPhotos)
#include "tst_registerphotos.moc"
