#include "ui/Guide.h"
#include "ui/Looks.h"
#include "ui/WindowNames.h"
#include "ui/Dialogs.h"
#include "ui/Icons.h"
#include "ui/LinkLabel.h"
#include "ui/Modal.h"
#include "ui/Shell.h"
#include "ui/Theme.h"
#include "storage/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget *parent) : QDialog(parent)
{
    setObjectName(WindowNames::of<TfrmGuida>());
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    Dialogs::removeWindowButtons(this);
    setFixedSize(670, 572);

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(Theme::font(Theme::Face::Title, 16, QFont::Bold));
    Looks::set(lblTitolo, Looks::Look::Warning);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setFont(Theme::font(Theme::Face::Body, 12, QFont::Bold));
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto *imgPDF = new QLabel(this);
    imgPDF->setObjectName(QStringLiteral("imgPDF"));
    imgPDF->setPixmap(Icons::pixmap(QStringLiteral("pdf"), 32));
    auto *lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"),
                                 QStringLiteral("Visualizza guida in formato PDF"), this);
    lnkWeb->addBuddy(imgPDF);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmGuida::lnkWebClick);

    auto *btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitolo);
    layout->addWidget(txtGuida, 1);
    layout->addLayout(bottom);
}

QString TfrmGuida::pdfPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(FileNames::guide());
}

void TfrmGuida::lnkWebClick() { Shell::open(u'"' + pdfPath() + u'"'); }

void TfrmGuida::open(QWidget *parent, const QString &title, const QString &text)
{
    TfrmGuida guide(parent);
    guide.lblTitolo->setText(title);
    guide.txtGuida->setPlainText(text);
    Modal::exec(&guide);
}
