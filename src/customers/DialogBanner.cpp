#include "customers/DialogBanner.h"
#include "ui/Icons.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace DialogBanner {

QWidget *make(QWidget *parent, const QString &icon, const QString &title, const QString &text)
{
    auto *banner = new QWidget(parent);
    banner->setObjectName(QStringLiteral("imgBanner"));
    banner->setAttribute(Qt::WA_StyledBackground);
    banner->setStyleSheet(Theme::css(
        u"#imgBanner{background:qlineargradient(x1:0,y1:0,x2:1,y2:0,stop:0 @houseBlue,stop:1 @pageTop);}"
        "#imgBanner QLabel{color:@textOnColour;background:transparent;}"));
    auto *picture = new QLabel(banner);
    picture->setPixmap(Icons::pixmap(icon, 44));
    auto *heading = new QLabel(title, banner);
    heading->setFont(Theme::font(Theme::Face::Title, 15, QFont::Bold));
    auto *line = new QLabel(text, banner);
    line->setWordWrap(true);
    line->setFont(Theme::font(Theme::Face::Body, 9));

    auto *words = new QVBoxLayout;
    words->setSpacing(2);
    words->addWidget(heading);
    words->addWidget(line);
    auto *layout = new QHBoxLayout(banner);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(14);
    layout->addWidget(picture, 0, Qt::AlignTop);
    layout->addLayout(words, 1);
    return banner;
}

} // namespace DialogBanner
