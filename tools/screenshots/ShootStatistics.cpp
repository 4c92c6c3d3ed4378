#include "Shooter.h"
#include "app/ui/AppWindows.h"
#include "app/ui/Controls.h"
#include "receipts/ReceiptRecord.h"
#include "storage/DataFolder.h"
#include "storage/RecordFile.h"
#include "summaries/StatisticsChart.h"
#include "summaries/StatisticsPrinting.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {
// A plausible year of receipts: quiet summer, busy December.
void seedStatisticsYear()
{
    constexpr int kPerMonth[12][3] = {
        {3, 420, 37}, {2, 610, 53}, {4, 380, 11}, {3, 290, 71}, {2, 250, 19}, {3, 330, 43},
        {1, 180, 29}, {1, 150, 61}, {3, 300, 7},  {4, 360, 23}, {4, 480, 59}, {6, 520, 83},
    };
    RecordFile file(DataFolder::file(QStringLiteral("2024.ric")), ReceiptRecordLayout::size);
    int number = 0;
    for (int month = 0; month < 12; ++month) {
        const auto [count, base, step] = kPerMonth[month];
        for (int i = 0; i < count; ++i) {
            ReceiptRecord r;
            r.NumRic = QString::number(++number);
            r.Data = QStringLiteral("%1/%2/2024").arg(3 + i * 5, 2, 10, QChar(u'0')).arg(month + 1, 2, 10, QChar(u'0'));
            r.TotCorrispettivi = QString::number(base + i * step) + QStringLiteral(",50");
            file.append(ReceiptRecordLayout::encode(r));
        }
    }
    file.close();
}

void click(QWidget *window, const char *name)
{
    window->findChild<QPushButton *>(QLatin1StringView(name))->click();
    QApplication::processEvents();
}
} // namespace

void shootStatistics(Shooter &shoot)
{
    seedStatisticsYear();
    QWidget *window = AppWindows::get(QStringLiteral("TfrmStatistiche"));
    shoot.window(window, QStringLiteral("TfrmStatistiche-anno"));
    Controls::setText(window, QStringLiteral("txtAnno"), QStringLiteral("2024"));
    click(window, "btnApri");
    click(window, "btnBarre");
    shoot.window(window, QStringLiteral("TfrmStatistiche"));
    click(window, "btnTorta");
    shoot.window(window, QStringLiteral("TfrmStatistiche-torta"));

    window->resize(1920, 1080);
    QApplication::processEvents();
    QTest::qWait(30);
    shoot.image(window->grab().toImage(), QStringLiteral("TfrmStatistiche-torta-1920"));
    click(window, "btnBarre");
    shoot.image(window->grab().toImage(), QStringLiteral("TfrmStatistiche-1920"));

    const auto *chart = window->findChild<StatisticsChart *>(QStringLiteral("ChartStats"));
    shoot.image(StatisticsPrinting::pageImage(*chart, 120), QStringLiteral("stampa-grafico"));
    window->hide();
}
