#include "checks/CheckDialog.h"
#include "ui/FieldBehaviour.h"
#include "ui/Icons.h"
#include "ui/Theme.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QString tidied(const QString &text, CheckDialog::Tidy tidy)
{
    switch (tidy) {
    case CheckDialog::Tidy::AsTyped: return text;
    case CheckDialog::Tidy::TrimmedUpperAscii: return FieldBehaviour::upperAscii(text.trimmed());
    case CheckDialog::Tidy::TrimmedUpper: return text.trimmed().toUpper();
    }
    return text;
}

QLineEdit *makeInput(const CheckDialog::Setup &setup, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(setup.inputName);
    QFont font = Theme::font(Theme::Face::Fixed, 20, QFont::Bold);
    font.setStyleHint(QFont::Monospace);
    box->setFont(font);
    // Room for the longest code plus a little air.
    const QFontMetrics metrics(font);
    box->setMinimumWidth(metrics.horizontalAdvance(QString(setup.maxLength + 1, u'W')) + 16);
    box->setMinimumHeight(metrics.height() + 14);
    box->setTextMargins(6, 0, 6, 0);
    return box;
}

} // namespace

CheckDialog::CheckDialog(const Setup &setup, QWidget *parent) : QDialog(parent), m_setup(setup)
{
    setObjectName(setup.className);
    setWindowTitle(setup.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    // The picture sits on a light band across the top.
    auto *header = new QFrame(this);
    header->setObjectName(QStringLiteral("panIntestazione"));
    header->setStyleSheet(Theme::sheet(Theme::Sheet::CheckHeader));
    auto *imgLogo = new QLabel(header);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(CheckPicture::draw(setup.picture, devicePixelRatioF()));
    imgLogo->setAlignment(Qt::AlignCenter);

    auto *lblTitolo = new QLabel(setup.instruction, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setAlignment(Qt::AlignCenter);
    QFont titleFont = lblTitolo->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.1);
    lblTitolo->setFont(titleFont);

    m_input = makeInput(setup, this);
    auto *btnControlla = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnControlla->setIcon(Icons::icon(QStringLiteral("check")));
    btnControlla->setMinimumHeight(m_input->minimumHeight());
    btnControlla->setMinimumWidth(110);
    auto *btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setIcon(Icons::icon(QStringLiteral("exit")));
    btnChiudi->setMinimumWidth(110);

    auto *rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto *entry = new QHBoxLayout;
    entry->setSpacing(10);
    entry->addWidget(m_input, 1);
    entry->addWidget(btnControlla);
    auto *closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(btnChiudi);

    auto *headerLayout = new QVBoxLayout(header);
    headerLayout->setContentsMargins(0, 10, 0, 6);
    headerLayout->addWidget(imgLogo);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(22, 14, 22, 16);
    body->setSpacing(12);
    body->addWidget(lblTitolo);
    body->addLayout(entry);
    body->addSpacing(4);
    body->addWidget(rule);
    body->addLayout(closing);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addLayout(body);
    setFixedSize(sizeHint());

    if (setup.digitsOnly)
        FieldBehaviour::filterDigitKeys(m_input);
    FieldBehaviour::enterChain(this, {{setup.inputName, QStringLiteral("btnControlla")}});
    m_input->installEventFilter(this);
    connect(m_input, &QLineEdit::textChanged, this, &CheckDialog::inputChanged);
    connect(btnControlla, &QPushButton::clicked, this, &CheckDialog::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &CheckDialog::btnChiudiClick);
}

void CheckDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    formShow();
}

void CheckDialog::formShow() { m_input->setFocus(); }

void CheckDialog::btnChiudiClick() { reject(); }

void CheckDialog::warnAndStay(const QString &text)
{
    Messages::warning(text, this);
    m_input->setFocus();
}

void CheckDialog::tellAndClose(MessageKind kind, const QString &text)
{
    if (!text.isEmpty())
        Messages::show(kind, text, this);
    accept();
}

// Blanks and case are tidied on every change, typed or written by the opener.
void CheckDialog::inputChanged()
{
    const QString text = m_input->text();
    const QString clean = tidied(text, m_setup.tidy);
    if (clean == text)
        return;
    // Keep the cursor where it was in the text, less the blanks cut before it.
    qsizetype leading = 0;
    while (leading < text.size() && text[leading].isSpace())
        ++leading;
    const int cursor = int(m_input->cursorPosition() - qMin<qsizetype>(leading, m_input->cursorPosition()));
    m_input->setText(clean);
    m_input->setCursorPosition(qMin(cursor, int(clean.size())));
}

bool CheckDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The length limit binds typing only: a longer text written by the
    // opener is kept whole, so the check can say it is too long.
    if (watched == m_input && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        const bool printable = !typed.isEmpty() && typed.front().isPrint();
        if (printable && !m_input->hasSelectedText() && m_input->text().size() >= m_setup.maxLength)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
