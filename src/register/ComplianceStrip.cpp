#include "register/ComplianceStrip.h"
#include "ui/Theme.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

ComplianceStrip::ComplianceStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panConformita"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(Theme::sheet(Theme::Sheet::ComplianceStrip));
    // A new card has many findings: they scroll inside a few lines so the
    // card above keeps its room on small screens.
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setStyleSheet(QStringLiteral("QScrollArea,QScrollArea>QWidget>QWidget{background:transparent;}"));
    m_content = new QWidget(scroll);
    scroll->setWidget(m_content);
    m_lines = new QVBoxLayout(m_content);
    m_lines->setContentsMargins(12, 6, 12, 6);
    m_lines->setSpacing(1);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    setMaximumHeight(QFontMetrics(Theme::font(Theme::Face::Body, 9)).lineSpacing() * 5 + 24);
    show({});
}

void ComplianceStrip::show(const QList<Compliance::Finding> &findings)
{
    if (!m_shown.isEmpty() && findings.size() == m_shown.size()) {
        bool same = true;
        for (qsizetype i = 0; same && i < findings.size(); ++i)
            same = findings[i].code == m_shown[i].code && findings[i].field == m_shown[i].field
                   && findings[i].text == m_shown[i].text;
        if (same)
            return;  // typing that changes nothing leaves the strip alone
    }
    m_shown = findings;
    while (QLayoutItem *item = m_lines->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const QFont font = Theme::font(Theme::Face::Body, 9);
    if (findings.isEmpty()) {
        auto *ok = new QLabel(QStringLiteral("✔ ") + compliantText(), m_content);
        ok->setObjectName(QStringLiteral("lblConforme"));
        ok->setFont(font);
        m_lines->addWidget(ok);
        return;
    }
    auto *title = new QLabel(QStringLiteral("Obblighi di legge da completare (fare clic per andare al campo):"), m_content);
    title->setObjectName(QStringLiteral("lblTitoloConformita"));
    title->setFont(font);
    m_lines->addWidget(title);
    for (const Compliance::Finding &f : findings) {
        auto *line = new QPushButton(QStringLiteral("⚠ ") + f.text, m_content);
        line->setObjectName(QStringLiteral("btnSegnalazione"));
        line->setProperty("code", f.code);
        line->setFont(font);
        line->setFlat(true);
        line->setCursor(Qt::PointingHandCursor);
        line->setFocusPolicy(Qt::NoFocus);  // the focus goes to the field, not here
        line->setToolTip(f.code);
        const QString field = f.field;
        connect(line, &QPushButton::clicked, this, [this, field] { emit fieldRequested(field); });
        m_lines->addWidget(line);
    }
}

QStringList ComplianceStrip::texts() const
{
    QStringList out;
    if (m_shown.isEmpty())
        return {compliantText()};
    for (const Compliance::Finding &f : m_shown)
        out << f.text;
    return out;
}
