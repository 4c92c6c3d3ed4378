#include "app/Startup.h"
#include "access/PasswordWindows.h"
#include "access/AccessHelp.h"
#include "access/ReportingPage.h"
#include "app/AppHelp.h"
#include "app/MainMenu.h"
#include "ui/AppWindows.h"
#include "ui/Help.h"
#include "ui/Theme.h"
#include "checks/ChecksModule.h"
#include "customers/CustomersModule.h"
#include "export/ExportModule.h"
#include "receipts/ReceiptsModule.h"
#include "receipts/print/ReceiptPrintModule.h"
#include "register/RegisterModule.h"
#include "register/compliancelist/ComplianceListModule.h"
#include "register/search/RegisterSearchModule.h"
#include "register/print/RegisterPrintModule.h"
#include "summaries/ReceiptSummariesModule.h"
#include "summaries/SummariesModule.h"
#include "customers/CustomerWindow.h"
#include "receipts/ArchiveChooser.h"
#include "receipts/ReceiptWindow.h"
#include "register/RegisterWindow.h"
#include "summaries/InventoryChooser.h"
#include "summaries/PayoutChooser.h"
#include "summaries/StatisticsWindow.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
template <class W>
QWidget *make() { return new W; }

// The order in which the area windows come into being.
QWidget *(*const kAreaWindows[])() = {
    make<TfrmPassword>,     make<TfrmAvvio>,         make<TfrmCambiaPassword>,
    make<TfrmRegistro>,     make<TfrmAnagrafica>,    make<TfrmMenuRicevute>,
    make<TfrmRicevute>,     make<TfrmStatistiche>,   make<TfrmMenuRiepCosti>,
    make<TfrmMenuRiepilogo>, make<TfrmSegnalazioni>,
};
} // namespace

namespace Startup {

void registerModules()
{
    Help::add(WindowNames::of<TfrmAvvio>(), {AppHelp::generalTitle(), AppHelp::general()});
    Help::add(WindowNames::of<TfrmSegnalazioni>(), {AccessHelp::reportingTitle(), AccessHelp::reporting()});
    ChecksModule::registerDialogs();
    CustomersModule::registerDialogs();
    ExportModule::registerDialogs();
    ReceiptsModule::registerDialogs();
    ReceiptPrintModule::registerDialogs();
    RegisterModule::registerDialogs();
    ComplianceListModule::registerDialogs();
    RegisterPrintModule::registerDialogs();
    RegisterSearchModule::registerDialogs();
    SummariesModule::registerDialogs();
    ReceiptSummariesModule::registerDialogs();
}

QList<QWidget *> createAreaWindows()
{
    registerModules();
    QList<QWidget *> created;
    for (auto factory : kAreaWindows) {
        QWidget *w = factory();
        AppWindows::add(w);
        created.append(w);
    }
    // Every new widget asks to be polished as soon as the event loop runs,
    // which would style all the hidden windows before the login window is
    // painted. A window is polished anyway when it is first shown or measured.
    QCoreApplication::removePostedEvents(nullptr, QEvent::PolishRequest);
    return created;
}

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Valtrena"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    Theme::setUpFonts();
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);
    auto *translator = new QTranslator(qApp);
    if (translator->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

} // namespace Startup
