#include "ui/Modal.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>

namespace {
Modal::Runner g_runner;
Modal::FileRunner g_fileRunner;
Modal::InputRunner g_inputRunner;
}

namespace Modal {

int exec(QDialog *dialog)
{
    if (g_runner)
        return g_runner(dialog);
    return dialog->exec();
}

void setRunner(Runner runner) { g_runner = std::move(runner); }

QString chooseFile(QWidget *parent, const FileRequest &r)
{
    if (g_fileRunner)
        return g_fileRunner(r);
    switch (r.kind) {
    case FileKind::Open: return QFileDialog::getOpenFileName(parent, r.caption, r.folder, r.filter);
    case FileKind::Save: return QFileDialog::getSaveFileName(parent, r.caption, r.folder, r.filter);
    case FileKind::Folder: return QFileDialog::getExistingDirectory(parent, r.caption, r.folder);
    }
    return {};
}

void setFileRunner(FileRunner runner) { g_fileRunner = std::move(runner); }

QString inputText(QWidget *parent, const QString &title, const QString &label,
                  const QString &text, bool *ok)
{
    if (g_inputRunner)
        return g_inputRunner(label, ok);
    return QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, ok);
}

void setInputRunner(InputRunner runner) { g_inputRunner = std::move(runner); }

} // namespace Modal
