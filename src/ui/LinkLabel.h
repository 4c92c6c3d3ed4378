#pragma once
#include <QLabel>

// An underlined dark-blue link that turns orange while pressed.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    LinkLabel(const QString &name, const QString &text, QWidget *parent = nullptr, int pointSize = 14);
    static QColor normalColour();
    static QColor pressedColour();
    // Gives another widget (the link's icon) the same press colours and click.
    void addBuddy(QWidget *icon);

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintAs(const QColor &colour);
};
