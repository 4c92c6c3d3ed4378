#pragma once
#include <QString>
#include <functional>

class QDialog;
class QWidget;

// Every modal loop of the program: dialogs, file dialogs and the input box.
// Tests replace the runners and act on the live dialog instead of a user.
namespace Modal {
int exec(QDialog *dialog);
using Runner = std::function<int(QDialog *)>;
void setRunner(Runner runner);  // empty restores QDialog::exec

enum class FileKind { Open, Save, Folder };
struct FileRequest
{
    FileKind kind;
    QString caption;
    QString folder;
    QString filter;
};
// Returns the chosen path, or an empty text when the user cancelled.
QString chooseFile(QWidget *parent, const FileRequest &request);
using FileRunner = std::function<QString(const FileRequest &)>;
void setFileRunner(FileRunner runner);

// The input box: nullopt-like empty result with *ok false on cancel.
QString inputText(QWidget *parent, const QString &title, const QString &label,
                  const QString &text, bool *ok);
using InputRunner = std::function<QString(const QString &label, bool *ok)>;
void setInputRunner(InputRunner runner);
}
