#pragma once
#include "TestSupport.h"
#include "ui/AppWindows.h"
#include "ui/Controls.h"
#include "register/PhotoFrame.h"
#include "register/RegisterModule.h"
#include "register/RegisterRecord.h"
#include "register/RegisterWindow.h"
#include "storage/DataFolder.h"
#include "storage/RecordFile.h"

#include <QLineEdit>
#include <QTest>
#include <memory>

// A register window on a fresh data folder, registered as the program's
// single instance so that dialogs can deliver into it.
class RegisterFixture
{
public:
    RegisterFixture()
    {
        RegisterModule::registerDialogs();
        window = std::make_unique<TfrmRegistro>();
        AppWindows::add(window.get());
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the register window did not become active");
    }
    ~RegisterFixture() { AppWindows::clear(); }

    QLineEdit *field(const QString &name) const { return window->findChild<QLineEdit *>(name); }
    PhotoFrame *frame(const QString &name) const { return window->findChild<PhotoFrame *>(name); }
    QString text(const QString &name, TestSupport::Where at = TestSupport::Where::current()) const
    {
        return TestSupport::text(window.get(), name, at);
    }
    void set(const QString &name, const QString &value, TestSupport::Where at = TestSupport::Where::current()) const
    {
        TestSupport::setText(window.get(), name, value, at);
    }
    void click(const QString &name) const { TestSupport::click(window.get(), name); }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

    // The fields Save insists on.
    void fillRequired(const QString &number = QStringLiteral("1")) const
    {
        set(QStringLiteral("txtNumScheda"), number);
        set(QStringLiteral("txtNatura"), QStringLiteral("Oro giallo 18 kt"));
        set(QStringLiteral("txtCliente"), QStringLiteral("ROSSI MARIO"));
        set(QStringLiteral("txtDescrizione"), QStringLiteral("Anello con brillante"));
    }

    QString archive() const { return DataFolder::file(FileNames::registerArchive()); }
    int count() const { return countRecords(archive(), RegisterRecordLayout::size); }
    RegisterRecord record(int index) const
    {
        RecordFile file(archive(), RegisterRecordLayout::size);
        return RegisterRecordLayout::decode(file.read(index));
    }

    TempDataDir data;
    MessageRecorder messages;
    std::unique_ptr<TfrmRegistro> window;
};
