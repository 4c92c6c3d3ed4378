#include "Samples.h"
#include "Shooter.h"
#include "register/book/RegisterBook.h"
#include "register/print/RegisterBookDialog.h"
#include "report/ReportOutput.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "register/CalendarDialog.h"
#include "register/CameraSource.h"
#include "register/PhotoFrame.h"
#include "register/WebCamDialog.h"
#include "register/ZoomDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

namespace {

// Sample photos of the object: a gold chain on dark velvet, seen from two sides.
QImage velvet(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QRadialGradient cloth(QPointF(size.width() * 0.45, size.height() * 0.4), size.width() * 0.8);
    cloth.setColorAt(0, QColor(0x3A, 0x1F, 0x4D));
    cloth.setColorAt(1, QColor(0x12, 0x08, 0x1A));
    p.fillRect(image.rect(), cloth);
    return image;
}

void chainLink(QPainter &p, QPointF centre, double angle, double length)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    QLinearGradient gold(-length / 2, -length / 3, length / 2, length / 3);
    gold.setColorAt(0, QColor(0x8A, 0x62, 0x12));
    gold.setColorAt(0.45, QColor(0xFF, 0xE8, 0x9A));
    gold.setColorAt(1, QColor(0xA8, 0x78, 0x1A));
    p.setPen(QPen(QBrush(gold), length * 0.22));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(-length / 2, -length / 4, length, length / 2));
    p.restore();
}

QImage chainPhoto(QSize size, double tilt)
{
    QImage image = velvet(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const double rx = size.width() * 0.32, ry = size.height() * 0.30 * tilt;
    const int links = 46;
    for (int i = 0; i < links; ++i) {
        const double a = 2 * M_PI * i / links;
        const QPointF at(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
        chainLink(p, at, qRadiansToDegrees(a) + 90 + (i % 2) * 90, size.width() * 0.05);
    }
    // The clasp.
    p.setPen(QPen(QColor(0xD9, 0xB3, 0x4A), 3));
    p.setBrush(QColor(0xF2, 0xCE, 0x62));
    p.drawEllipse(QPointF(c.x(), c.y() + ry), size.width() * 0.025, size.width() * 0.025);
    return image;
}

void fillCard(QWidget *w)
{
    const struct
    {
        const char *name;
        const char *text;
    } card[] = {
        {"txtNumScheda", "1/2025"}, {"txtData", "15/06/2025"}, {"txtOra", "10:30"}, {"txtImporto", "1250,00"},
        {"txtTransazione", "Bonifico CRO 0123456789 del 15/06/2025"}, {"txtMezzo", "Bonifico bancario"},
        {"txtCaratteristiche", "Collana a maglia grumetta, chiusura a moschettone, lunghezza 50 cm"},
        {"txtNatura", "Oro giallo 750/1000 (18 kt), usato in buono stato"},
        {"txtQuotazione", "Oro 18 kt: 54,20 €/g - peso 23,0 g"}, {"txtCliente", "ROSSI MARIO"},
        {"txtCodFisc", "RSSMRA80A01H501U"}, {"txtDataNasc", "01/01/1980"}, {"txtLuogoNasc", "Roma"},
        {"txtProvNasc", "RM"}, {"txtSesso", "M"}, {"txtTipoDoc", "Carta d'identità elettronica"},
        {"txtNumDoc", "CA12345AB"}, {"txtEnteRil", "Motorizzazione Civile di Milano"}, {"txtDataRil", "02/02/2020"},
        {"txtDataSca", "02/02/2030"}, {"txtDescrizione", "Collana oro giallo 18 kt, maglia grumetta"},
        {"txtValutazione", "Ottima"}, {"txtPrezzoVen", "1480,00"},
    };
    for (const auto &f : card)
        Controls::setText(w, QLatin1StringView(f.name), QString::fromUtf8(f.text));
    w->findChild<PhotoFrame *>(QStringLiteral("imgFoto"))->setPicture(chainPhoto(QSize(1600, 1200), 1.0));
    w->findChild<PhotoFrame *>(QStringLiteral("imgFoto02"))->setPicture(chainPhoto(QSize(1600, 1200), 0.45));
}

void settle()
{
    QApplication::processEvents();
    QTest::qWait(30);
}

} // namespace

void Samples::fillRegisterCard(QWidget *registerWindow) { fillCard(registerWindow); }

void shootRegister(Shooter &shoot)
{
    QWidget *w = AppWindows::get(QStringLiteral("TfrmRegistro"));
    const QString greeting = QStringLiteral("Pronto per archiviare una nuova scheda...");
    w->resize(1366, 768);
    w->show();
    settle();
    Controls::setText(w, QStringLiteral("panInfo"), greeting);
    shoot.window(w, QStringLiteral("TfrmRegistro-vuota"));

    fillCard(w);
    qobject_cast<QAbstractButton *>(Controls::child(w, QStringLiteral("cmdSalva")))->click();
    Controls::setText(w, QStringLiteral("panInfo"), greeting);
    shoot.window(w, QStringLiteral("TfrmRegistro"));
    w->resize(1920, 1080);
    settle();
    shoot.image(w->grab().toImage(), QStringLiteral("TfrmRegistro-1920"));
    w->hide();

    // The register book of the saved card's year, with its photos.
    TfrmStampaRegistro book(w);
    shoot.window(&book, QStringLiteral("TfrmStampaRegistro"));
    book.hide();
    const RegisterBook pages =
        RegisterBook::fromDataFolder(DataFolder::path(), {QDate(2025, 1, 1), QDate(2025, 12, 31)}, true);
    shoot.image(Report::renderPage(pages, 0, 150, Clock::now()), QStringLiteral("stampa-registro"));

    TfrmCalendario calendar(w);
    Controls::setToken(&calendar, QStringLiteral("registro_data"));
    shoot.window(&calendar, QStringLiteral("TfrmCalendario"));

    TfrmZoom zoom(w);
    zoom.setPicture(chainPhoto(QSize(1600, 1200), 1.0));
    zoom.setWindowState(Qt::WindowNoState);
    zoom.resize(1366, 768);
    shoot.window(&zoom, QStringLiteral("TfrmZoom"));

    FedCameraSource *feed = nullptr;
    CameraSource::setFactory([&feed](QObject *parent) { return feed = new FedCameraSource(parent); });
    {
        TfrmWebCam camera(w);
        Controls::setToken(&camera, QStringLiteral("foto01"));
        camera.show();
        qobject_cast<QAbstractButton *>(Controls::child(&camera, QStringLiteral("btnAccendi")))->click();
        feed->feed(chainPhoto(QSize(640, 480), 0.7));
        settle();
        qobject_cast<QAbstractButton *>(Controls::child(&camera, QStringLiteral("btnCattura")))->click();
        feed->feed(chainPhoto(QSize(640, 480), 0.55));
        settle();
        shoot.window(&camera, QStringLiteral("TfrmWebCam"));
    }
    CameraSource::setFactory({});
}
