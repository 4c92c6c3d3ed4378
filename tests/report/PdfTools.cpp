#include "PdfTools.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

namespace {
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

namespace PdfTools {

QString text(const QString &path, bool layout)
{
    QStringList arguments;
    if (layout)
        arguments << QStringLiteral("-layout");
    arguments << path << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), arguments);
}

QString info(const QString &path, bool withMetadata)
{
    QStringList arguments;
    if (withMetadata)
        arguments << QStringLiteral("-meta");
    arguments << path;
    return run(QStringLiteral("pdfinfo"), arguments);
}

int pageCount(const QString &path)
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info(path));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString pageText(const QString &path, int page)
{
    const QString n = QString::number(page);
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n, path, QStringLiteral("-")});
}

int imageCount(const QString &path)
{
    // Two heading lines, then one line per picture.
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                  .split(u'\n', Qt::SkipEmptyParts);
    return qMax(0, int(lines.size()) - 2);
}

ModalScript::Step printInto(const QString &pdf)
{
    return [pdf](QDialog *d) {
        auto *dialog = qobject_cast<QPrintDialog *>(d);
        if (!dialog)
            return int(QDialog::Rejected);
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    };
}

} // namespace PdfTools
