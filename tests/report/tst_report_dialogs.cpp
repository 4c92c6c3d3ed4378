#include "PdfTools.h"
#include "TestSupport.h"
#include "report/PageTemplate.h"
#include "report/ReportOutput.h"
#include "report/ui/ReportDialogs.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace Report;

namespace {
PageTemplate onePage()
{
    PageTemplate page(QStringLiteral("Scheda"), a4(QPageLayout::Portrait, 10));
    page.add(text(QStringLiteral("txtA"), QRectF(0, 0, 100, 4), 9, QStringLiteral("Scheda n. 12")));
    page.add(text(QStringLiteral("txtCalce"), QRectF(0, 10, 100, 4), 8, QStringLiteral("Data [DATE]")));
    page.object(QStringLiteral("txtCalce"))->variables = true;
    return page;
}

// Sends the printer of a print or preview dialog to a PDF file.
QPrinter *toPdf(QPrinter *printer, const QString &path)
{
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}
} // namespace

class TestReportDialogs : public QObject
{
    Q_OBJECT
private slots:
    void printHonoursTheCopiesOfThePrinterDialog();
    void cancelledPrinterDialogPrintsNothing();
    void previewOffersViewingOnlyAndPrintsTheSamePage();
};

void TestReportDialogs::printHonoursTheCopiesOfThePrinterDialog()
{
    TempDataDir data;
    ModalScript modal;
    const QString pdf = data.file(QStringLiteral("stampa.pdf"));
    int presetCopies = 0;
    modal.then([&](QDialog *d) {
        auto *dialog = qobject_cast<QPrintDialog *>(d);
        if (!dialog)
            return int(QDialog::Rejected);
        presetCopies = dialog->printer()->copyCount();
        toPdf(dialog->printer(), pdf)->setCopyCount(2);
        return int(QDialog::Accepted);
    });
    QVERIFY(ReportDialogs::print(onePage(), nullptr, {3, false}));
    QCOMPARE(presetCopies, 3);
    QCOMPARE(PdfTools::pageCount(pdf), 2);
    const QString printed = PdfTools::text(pdf);
    QCOMPARE(printed.count(QStringLiteral("Scheda n. 12")), 2);
    QCOMPARE(printed.count(QStringLiteral("Data 15/06/2025")), 2);
}

void TestReportDialogs::cancelledPrinterDialogPrintsNothing()
{
    TempDataDir data;
    ModalScript modal;
    const QString pdf = data.file(QStringLiteral("stampa.pdf"));
    modal.then([&](QDialog *d) {
        toPdf(qobject_cast<QPrintDialog *>(d)->printer(), pdf);
        return int(QDialog::Rejected);
    });
    QVERIFY(!ReportDialogs::print(onePage(), nullptr));
    QCOMPARE(modal.seen(), QStringList{QStringLiteral("dlgStampante")});
    QVERIFY(!QFile::exists(pdf));
}

void TestReportDialogs::previewOffersViewingOnlyAndPrintsTheSamePage()
{
    TempDataDir data;
    ModalScript modal;
    const QString fromPreview = data.file(QStringLiteral("anteprima.pdf"));
    QStringList visible;
    qreal zoom = 0;
    int closed = -1;
    modal.then([&](QDialog *d) {
        auto *dialog = qobject_cast<QPrintPreviewDialog *>(d);
        if (!dialog)
            return int(QDialog::Rejected);
        for (QAction *action : dialog->findChild<QToolBar *>()->actions())
            if (action->isVisible() && !action->isSeparator())
                visible.append(action->objectName().isEmpty() ? action->text() : action->objectName());
        auto *view = dialog->findChild<QPrintPreviewWidget *>();
        zoom = view->zoomFactor();
        toPdf(dialog->printer(), fromPreview);
        view->print();
        dialog->findChild<QAction *>(QStringLiteral("actChiudi"))->trigger();
        closed = dialog->result();
        return dialog->result();
    });
    ReportDialogs::preview(onePage(), nullptr, {true});
    QCOMPARE(modal.seen(), QStringList{QStringLiteral("dlgAnteprima")});
    QVERIFY(visible.contains(QStringLiteral("actSchermoIntero")));
    QVERIFY(visible.contains(QStringLiteral("actChiudi")));
    QVERIFY(visible.contains(QStringLiteral("fitPageAction")));
    for (const QString &gone : {QStringLiteral("Portrait"), QStringLiteral("Landscape"), QStringLiteral("Page setup"),
                                QStringLiteral("singleModeAction"), QStringLiteral("facingModeAction")})
        QVERIFY2(!visible.contains(gone), qPrintable(gone));
    QCOMPARE(zoom, 1.0);
    QCOMPARE(closed, int(QDialog::Rejected));

    const QString direct = data.file(QStringLiteral("diretta.pdf"));
    QVERIFY(writePdf(onePage(), direct, {}, QDateTime(QDate(2025, 6, 15), QTime(10, 30))));
    QCOMPARE(PdfTools::text(fromPreview), PdfTools::text(direct));
}

QTEST_MAIN(TestReportDialogs)
#include "tst_report_dialogs.moc"
