#include "register/print/RegisterBookDialog.h"
#include "ui/WindowNames.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "register/book/RegisterBook.h"
#include "report/ReportOutput.h"
#include "report/ui/ReportDialogs.h"
#include "storage/ArchiveTexts.h"
#include "storage/Clock.h"
#include "storage/DataFolder.h"
#include "storage/StorageError.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QDateEdit *datePicker(QWidget *parent, const char *name, const QDate &date)
{
    auto *edit = new QDateEdit(date, parent);
    edit->setObjectName(QLatin1StringView(name));
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edit->setCalendarPopup(true);
    edit->setMinimumWidth(130);
    return edit;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &hint)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1StringView(name));
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TfrmStampaRegistro::TfrmStampaRegistro(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmStampaRegistro>());
    setWindowTitle(QStringLiteral(" Stampa registro"));
    const int year = Clock::today().year();
    txtDal = datePicker(this, "txtDal", QDate(year, 1, 1));
    txtAl = datePicker(this, "txtAl", QDate(year, 12, 31));
    chkFoto = new QCheckBox(QStringLiteral("Includi le foto"), this);
    chkFoto->setObjectName(QStringLiteral("chkFoto"));

    auto *lblSpiegazione = new QLabel(
        QStringLiteral("Il registro delle operazioni del periodo, una scheda per blocco con tutti i dati "
                       "richiesti dalla legge, da esibire su richiesta dell'autorità."),
        this);
    lblSpiegazione->setObjectName(QStringLiteral("lblSpiegazione"));
    lblSpiegazione->setWordWrap(true);

    btnStampa = button(this, "btnStampa", QStringLiteral("Stampa"), QStringLiteral("Stampa il registro del periodo."));
    btnAnteprima = button(this, "btnAnteprima", QStringLiteral("Anteprima"),
                          QStringLiteral("Mostra a video il registro così come verrà stampato."));
    btnPdf = button(this, "btnPdf", QStringLiteral("PDF"), QStringLiteral("Salva il registro del periodo in un file PDF."));
    btnChiudi = button(this, "btnChiudi", QStringLiteral("Chiudi"), QString());
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaRegistro::btnStampaClick);
    connect(btnAnteprima, &QPushButton::clicked, this, &TfrmStampaRegistro::btnAnteprimaClick);
    connect(btnPdf, &QPushButton::clicked, this, &TfrmStampaRegistro::btnPdfClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Dal:"), txtDal);
    form->addRow(QStringLiteral("Al:"), txtAl);
    form->addRow(QString(), chkFoto);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnStampa);
    buttons->addWidget(btnAnteprima);
    buttons->addWidget(btnPdf);
    buttons->addStretch();
    buttons->addWidget(btnChiudi);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSpiegazione);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedWidth(460);
}

bool TfrmStampaRegistro::withBook(const std::function<void(const RegisterBook &)> &use)
{
    const RegisterBook::Period period{txtDal->date(), txtAl->date()};
    if (period.from > period.to) {
        Messages::warning(QStringLiteral("Attenzione: la data iniziale del periodo è successiva a quella finale."), this);
        txtDal->setFocus();
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const RegisterBook book = RegisterBook::fromDataFolder(DataFolder::path(), period, chkFoto->isChecked());
        QApplication::restoreOverrideCursor();
        use(book);
        return true;
    } catch (const StorageError &) {
        QApplication::restoreOverrideCursor();
        Messages::error(ArchiveTexts::ioFailure(), this);
        return false;
    }
}

void TfrmStampaRegistro::btnStampaClick()
{
    withBook([this](const RegisterBook &book) { ReportDialogs::print(book, this); });
}

void TfrmStampaRegistro::btnAnteprimaClick()
{
    withBook([this](const RegisterBook &book) { ReportDialogs::preview(book, this); });
}

void TfrmStampaRegistro::btnPdfClick()
{
    withBook([this](const RegisterBook &book) {
        const RegisterBook::Period period{txtDal->date(), txtAl->date()};
        const QString path = Modal::chooseFile(
            this, {Modal::FileKind::Save, QStringLiteral("Salva il registro in PDF"),
                   DataFolder::file(RegisterBook::pdfFileName(period)), QStringLiteral("File PDF (*.pdf)")});
        if (path.isEmpty())
            return;
        if (!Report::writePdf(book, path, {}, Clock::now())) {
            Messages::error(QStringLiteral("Attenzione: impossibile scrivere il file ") + path
                                + QStringLiteral(".\r\nScegliere un'altra cartella o un altro nome."),
                            this);
            return;
        }
        Messages::information(QStringLiteral("Registro salvato in ") + path + QStringLiteral(": ")
                                  + book.closingLine(),
                              this);
    });
}
